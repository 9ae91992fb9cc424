#include <gtest/gtest.h>

#include <string>

#include "document/doc_files.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"

TEST(DocFileNames, DocumentsEndInGlwInAnyCase)
{
    for (const char *file : {"C:\\pictures\\cat.GLW", "C:\\pictures\\cat.glw", "cat.gLw", ".glw"})
        EXPECT_TRUE(DocFileIsDocument(file)) << file;
    for (const char *file : {"C:\\pictures\\cat.glw.txt", "cat.glwx", "catglw", "glw", ""})
        EXPECT_FALSE(DocFileIsDocument(file)) << file;

    char name[40];
    DocFileWindowName(name, sizeof name, "C:\\my pictures/v1.0\\cat.glw");
    EXPECT_STREQ("cat.glw - Glyphwright", name);
    DocFileWindowName(name, sizeof name, "C:cat");
    EXPECT_STREQ("cat - Glyphwright", name) << "a drive's current folder";
    DocFileWindowName(name, sizeof name, "a title far too long for the name buffer");
    EXPECT_STREQ("a title far too long for  - Glyphwright", name) << "cut, never overrun";
}

TEST(DocFileMeasure, GivesAtLeastACellAndRefusesTooManyRows)
{
    int width, height;
    EXPECT_TRUE(DocFileMeasure(nullptr, 0, 74, width, height));
    EXPECT_EQ(1, width) << "an empty file still gets a column";
    EXPECT_EQ(1, height);
    std::string rows(docFileMaxRows - 1, '\r'); // one line more than line ends
    EXPECT_TRUE(DocFileMeasure(reinterpret_cast<const unsigned char *>(rows.data()), rows.size(), 74, width, height));
    EXPECT_EQ(docFileMaxRows, height);
    rows += '\r';
    EXPECT_FALSE(DocFileMeasure(reinterpret_cast<const unsigned char *>(rows.data()), rows.size(), 74, width, height));
}

TEST(DocRecord, NewHoldsAnEmptyPageInBothStates)
{
    ErrorCode error;
    Document *document = DocRecordNew(error, 5, 3);
    ASSERT_EQ(0u, error);
    EXPECT_EQ(Rows(3, "....."), PageRows(document->now.back));
    EXPECT_EQ(Rows(3, "....."), PageRows(document->last.back));
    EXPECT_NE(document->now.back.data, document->last.back.data);
    EXPECT_EQ(10, document->colUnits);
    EXPECT_EQ(10, document->rowUnits);
    DocRecordKill(document);

    document = DocRecordNew(error, 0, 0);
    ASSERT_EQ(0u, error);
    EXPECT_EQ(Rows{"."}, PageRows(document->now.back)) << "a page needs a cell to work on";
    DocRecordKill(document);

    FailEachAllocation([] {
        ErrorCode error;
        Document *document = DocRecordNew(error, 5, 3);
        EXPECT_EQ(error != 0, document == nullptr);
        if (document)
            DocRecordKill(document);
        return error;
    });
}

TEST(DocFileFill, WrapsTheTextIntoBothStatesWithSpaces)
{
    std::string text("a\0b\r\nlong\r\n", 11); // three lines, the last empty; a 0 byte is a space
    auto bytes = reinterpret_cast<const unsigned char *>(text.data());
    FailEachAllocation([&] {
        ErrorCode error;
        Document *document = DocRecordNew(error, 4, 3);
        if (error)
            return error;
        error = DocFileFill(*document, bytes, text.size());
        if (!error)
            DocFileFillUndo(*document);
        Rows expected = error ? Rows(3, "....") : Rows{"a b ", "long", "    "};
        EXPECT_EQ(expected, PageRows(document->now.back));
        EXPECT_EQ(expected, PageRows(document->last.back)) << "undo must not bring back an empty page";
        DocRecordKill(document);
        return error;
    });
}

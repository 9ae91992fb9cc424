#include "document/doc_files.h"
#include "document/doc_email.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "base/memory.h"
#include "base/preferences.h"
#include "tests/page/page_test_support.h"
#include "tests/support/reports.h"
#include "tests/support/restore.h"

TEST(DocFiles, NamesAndMeasures)
{
    for (auto [file, document] : {std::pair("C:\\pictures\\cat.GLW", true), std::pair(".glw", true),
                                  std::pair("cat.glw.txt", false), std::pair("catglw", false), std::pair("", false)})
        EXPECT_EQ(document, DocFileIsDocument(file)) << file;
    const char *names[][2] = {{"C:\\my pictures/v1.0\\cat.glw", "cat.glw - Glyphwright"},
                              {"C:cat", "cat - Glyphwright"}, // a drive's current folder
                              {"a title far too long for the name buffer", "a title far too long for  - Glyphwright"}};
    for (auto [file, expected] : names) {
        char name[40];
        DocFileWindowName(name, sizeof name, file);
        EXPECT_STREQ(expected, name) << "cut, never overrun";
    }
    int width, height;
    EXPECT_TRUE(DocFileMeasure(nullptr, 0, 74, width, height) && width == 1 && height == 1);
    std::string rows(docFileMaxRows - 1, '\r'); // one line more than line ends
    EXPECT_TRUE(DocFileMeasure(TextBytes(rows), rows.size(), 74, width, height) && height == docFileMaxRows);
    rows += '\r';
    EXPECT_FALSE(DocFileMeasure(TextBytes(rows), rows.size(), 74, width, height));
}

TEST(DocFiles, RecordsFillAndTextOfBothStates)
{
    ErrorCode error;
    Document *document = DocRecordNew(error, 0, 0);
    ASSERT_TRUE(document && !error);
    EXPECT_EQ(Rows{"."}, PageRows(document->now.back)) << "a page needs a cell to work on";
    DocRecordKill(document);
    std::string text("a\0b\r\nlong\r\n", 11); // three lines, the last empty; a 0 byte is a space
    FailEachAllocation([&] {
        ErrorCode error;
        Document *document = DocRecordNew(error, 4, 3);
        if (error)
            return error;
        error = DocFileFill(*document, TextBytes(text), text.size());
        if (!error)
            DocFileFillUndo(*document);
        Rows expected = error ? Rows(3, "....") : Rows{"a b ", "long", "    "};
        EXPECT_EQ(expected, PageRows(document->now.back));
        EXPECT_EQ(expected, PageRows(document->last.back)) << "undo must not bring back an empty page";
        DocRecordKill(document);
        return error;
    });

    // The text has the floating page laid in, which goes on floating.
    document = DocRecordNew(error, 4, 2);
    ASSERT_EQ(0u, PageFromRows(document->now.front, {"ab"}));
    document->now.floating = 1;
    document->now.floatCol = document->now.floatRow = 1;
    unsigned char *written = nullptr;
    std::size_t size;
    ASSERT_EQ(0u, DocFileText(*document, written, size));
    EXPECT_EQ("    \r\n ab \r\n", std::string(reinterpret_cast<char *>(written), size));
    EXPECT_TRUE(document->now.floating && PageRows(document->now.front) == Rows{"ab"});
    Destroy(written);
    DocRecordKill(document);
}

TEST(DocEmail, AsksAboutDrawingsWiderThanMailKeepsUnlessTurnedOff)
{
    Restore kept(preferences);
    std::string wide(77, '-'), line(76, '-');
    struct Case {
        std::string text;
        char quiet; // as stored: records saved before the setting existed hold 0 there, and ask
        int asked;
    } cases[] = {
        {line + "\r\n" + line + "\r\n", 0, 0},
        {line + "\r\n" + wide + "\r\n" + line + "\r\n", 0, 77},
        {std::string(500, ' ') + "\r\n", 0, 500}, // spaces are columns too
        {wide, -128, 0},
    };
    for (const Case &test : cases) {
        preferences = PreferencesDefaults();
        preferences.emailWidthQuiet = test.quiet;
        PreferencesCorrect(preferences);
        EXPECT_EQ(test.asked, EmailWidthToAsk(reinterpret_cast<const unsigned char *>(test.text.data()),
                                              test.text.size()))
            << test.text.size();
    }
}

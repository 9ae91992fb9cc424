// Opening a file keeps every row that its wrap makes.
#include <string>

#include <gtest/gtest.h>

#include "document/doc_files.h"
#include "tests/page/page_test_support.h"

namespace {

const unsigned char *Text(const std::string &text)
{
    return reinterpret_cast<const unsigned char *>(text.data());
}

} // namespace

// The measure counts a space before a long word into the word, so it once
// found fewer rows than the wrap makes, and the last rows were lost.
TEST(DocOpenRows, EveryRowTheWrapMakesOpens)
{
    struct Case {
        std::string text;
        int wrapWidth;
        Rows rows;
    } cases[] = {
        {" abcdefg", 6, {"      ", "abcdef", "g     "}},
        {" abcdefg abcdefg", 6, {"      ", "abcdef", "g     ", "abcdef", "g     "}},
    };
    for (const Case &test : cases) {
        int width, height;
        ASSERT_TRUE(DocFileMeasure(Text(test.text), test.text.size(), test.wrapWidth, width, height));
        ErrorCode error;
        Document *document = DocRecordNew(error, width, height);
        ASSERT_EQ(0u, error);
        EXPECT_EQ(0u, DocFileFill(*document, Text(test.text), test.text.size()));
        EXPECT_EQ(test.rows, PageRows(document->now.back)) << test.text;
        DocRecordKill(document);
    }
}

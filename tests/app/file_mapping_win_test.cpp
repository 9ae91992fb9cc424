#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "app/file_mapping_win.h"
#include "tests/support/dialogs_win.h"
#include "tests/support/reports.h"

namespace {

// Each key's default value as stored, type and bytes; "" when there is none.
typedef std::array<std::string, 4> Association;
// The current user's file types.
const char *const keys[4] = {"Software\\Classes\\.glw", "Software\\Classes\\GLWfile",
                             "Software\\Classes\\GLWfile\\DefaultIcon",
                             "Software\\Classes\\GLWfile\\Shell\\open\\command"};

Association Current()
{
    Association association;
    for (int i = 0; i < 4; ++i) {
        char bytes[1024];
        DWORD type, size = sizeof bytes;
        if (RegGetValueA(HKEY_CURRENT_USER, keys[i], nullptr, RRF_RT_ANY | RRF_NOEXPAND, &type, bytes, &size) ==
            ERROR_SUCCESS)
            association[i] = std::to_string(type) + ":" + std::string(bytes, size);
    }
    return association;
}

void Set(const Association &association)
{
    for (int i = 0; i < 4; ++i) {
        const std::string &stored = association[i];
        std::size_t colon = stored.find(':');
        if (stored.empty())
            RegDeleteKeyValueA(HKEY_CURRENT_USER, keys[i], nullptr);
        else
            RegSetKeyValueA(HKEY_CURRENT_USER, keys[i], nullptr, std::stoul(stored), stored.data() + colon + 1,
                            stored.size() - colon - 1);
    }
}

// A string value as the program must write it, its terminating 0 included.
std::string String(const std::string &text)
{
    return std::to_string(REG_SZ) + ":" + text + '\0';
}

// Puts the machine's association back afterwards.
class FileMapping : public testing::Test {
protected:
    void SetUp() override
    {
        char program[MAX_PATH];
        GetModuleFileNameA(nullptr, program, sizeof program);
        expected = {String("GLWfile"), String("Glyphwright File"), String(std::string(program) + ", 1"),
                    String("\"" + std::string(program) + "\" %1")};
    }
    void TearDown() override { Set(saved); }

    Association saved = Current(), expected;
};

} // namespace

TEST_F(FileMapping, AsksNothingWhenAllFourValuesMatch)
{
    Set(expected);
    ReportCatcher reports;
    CheckFileMapping();
    EXPECT_EQ(0, reports.messages + reports.errors);
    EXPECT_EQ(expected, Current());
}

TEST_F(FileMapping, AsksWhenAnyValueDiffersAndWritesAllFourOnYes)
{
    for (int i = 0; i < 4; ++i) {
        for (const std::string &differing : {String("glwfile"), std::string()}) { // case counts; missing differs
            Association association = expected;
            association[i] = differing;
            Set(association);
            auto answer = AnswerNextMessageBox(IDYES);
            CheckFileMapping();
            BoxSeen seen = answer.get();
            EXPECT_EQ("", seen.caption);
            EXPECT_EQ("Currently, Glyphwright files cannot be double-clicked in the Explorer or have their icon "
                      "displayed. This is because you have just installed or moved Glyphwright.\r\nWould you like "
                      "to configure the Windows registry for them?",
                      seen.text);
            EXPECT_EQ(expected, Current()) << "value " << i;
        }
    }
}

TEST_F(FileMapping, NoChangesNothingAndTheQuestionComesAgain)
{
    Association association = expected;
    association[2] = String("C:\\elsewhere\\glyphwright.exe, 1");
    Set(association);
    auto answer = AnswerNextMessageBox(IDNO);
    CheckFileMapping();
    answer.get();
    EXPECT_EQ(association, Current());

    ReportCatcher reports;
    CheckFileMapping();
    EXPECT_EQ(1, reports.messages);
    EXPECT_EQ(406u, reports.lastMessage);
}

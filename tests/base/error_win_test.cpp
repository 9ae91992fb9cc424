#include <windows.h>

#include <gtest/gtest.h>

#include "base/error.h"
#include "tests/support/dialogs_win.h"

TEST(ErrorWin, ShowsTheSystemTextOfTheCodeOrOfTheThreadsLastError)
{
    char expected[256];
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, ERROR_ACCESS_DENIED, 0,
                   expected, sizeof expected, nullptr);
    auto box = AnswerNextMessageBox(IDOK);
    TestError(ERROR_ACCESS_DENIED);
    BoxSeen seen = box.get();
    EXPECT_EQ("Error", seen.caption);
    EXPECT_NE(std::string::npos, std::string(expected).find(seen.text.substr(0, 10))) << seen.text;

    box = AnswerNextMessageBox(IDOK);
    SetLastError(ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(static_cast<ErrorCode>(ERROR_FILE_NOT_FOUND), TestZeroError(nullptr));
    box.get();
    box = AnswerNextMessageBox(IDOK);
    SetLastError(0); // no code recorded: callers must still stop
    EXPECT_NE(0u, TestZeroError(nullptr));
    EXPECT_FALSE(box.get().text.empty());
}


#include <gtest/gtest.h>

#include <string>

#include "base/dialog_number_win.h"
#include "tests/support/test_window_win.h"

TEST(GetDlgItemIntLimited, KeepsValidNumbersAndCorrectsTheRestToTheNearestLimit)
{
    HWND dialog = TestWindowCreate("NumberDialog", DefWindowProcA, WS_POPUP, 200, 100);
    CreateWindowA("EDIT", "", WS_CHILD, 0, 0, 50, 20, dialog, reinterpret_cast<HMENU>(102), nullptr, nullptr);
    struct Case { const char *typed; int result, number; const char *shown; } cases[] = {
        {"500", 0, 500, "500"}, {"0", 1, 1, "1"}, {"600", 1, 500, "500"}, {"abc", 1, 1, "1"},
    };
    for (const Case &test : cases) {
        SetDlgItemTextA(dialog, 102, test.typed);
        int number = -7;
        int result = GetDlgItemIntLimited(dialog, 102, number, 1, 500);
        char shown[32] = "";
        GetDlgItemTextA(dialog, 102, shown, sizeof shown);
        EXPECT_TRUE(result == test.result && number == test.number && std::string(test.shown) == shown) << test.typed;
    }
    DestroyWindow(dialog);
}

#include "document/doc_email.h"

#include <gtest/gtest.h>

#include <string>

#include "base/preferences.h"

namespace {

int WidthToAsk(const std::string &text)
{
    return EmailWidthToAsk(reinterpret_cast<const unsigned char *>(text.data()), text.size());
}

TEST(DocEmail, AsksAboutDrawingsWiderThanMailKeeps)
{
    preferences = PreferencesDefaults();
    std::string wide(77, '-'), kept(76, '-');
    struct Case {
        std::string text;
        int asked;
    } cases[] = {
        {kept + "\r\n" + kept + "\r\n", 0},
        {kept + "\r\n" + wide + "\r\n" + kept + "\r\n", 77},
        {std::string(500, ' ') + "\r\n", 500}, // spaces are columns too
        {"", 0},
    };
    for (const Case &test : cases)
        EXPECT_EQ(test.asked, WidthToAsk(test.text)) << test.text.size();
}

// Records saved before the setting existed hold 0 there, and ask.
TEST(DocEmail, TheSettingTurnsTheQuestionOff)
{
    std::string wide(80, 'x');
    for (char stored : {0, 1, -128}) {
        preferences = PreferencesDefaults();
        preferences.emailWidthQuiet = stored;
        PreferencesCorrect(preferences);
        EXPECT_EQ(stored ? 0 : 80, WidthToAsk(wide)) << int{stored};
    }
    preferences = PreferencesDefaults();
}

} // namespace

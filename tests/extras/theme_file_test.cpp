// Theme files: the round trip of the default theme file, older versions, the grey fix-up and the
// defaults that keep the theme's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/program_folder.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "extras/theme.h"
#include "platform/files.h"
#include "platform/testing.h"
#include "platform/testing_user.h"
#include "resources/quorvia_resources.h"
#include "tests/support/prompt_answer.h"

namespace {

class ThemeFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        CreateDirectoryW(u"\\Program Files", nullptr);
        CreateDirectoryW(u"\\Program Files\\Quorvia", nullptr);
        ThemeSetDefaults(g_Theme);
        g_Theme.String(kThemeName) = u"Ocean";
    }
    void TearDown() override {
        ThemeSetDefaults(g_Theme);
        g_Theme.String(kThemeName).clear();
    }

    // A version line and then count lines of the number value.
    std::string OldFile(int version, int lines, const std::string& value) const {
        std::string text = std::to_string(version) + "\n";
        for (int i = 0; i < lines; ++i) text += value + "\n";
        return text;
    }

    platform::testing::TestDevice device_;
};

TEST_F(ThemeFileTest, DefaultFileRoundTripKeepsEveryWordButTheName) {
    ThemeRec saved;
    for (int word = 0; word < kThemeWordCount; ++word)
        if (word < kThemeFirstString || word >= kThemeFirstString + kThemeStringCount)
            g_Theme.words[static_cast<std::size_t>(word)] = word <= 32 ? 1000 + word : word % 2;
    for (int word = kThemeName + 1; word < kThemeFirstString + kThemeStringCount; ++word)
        g_Theme.String(word) = u"pic" + std::u16string(1, static_cast<char16_t>(u'a' + word - kThemeName));
    ThemeRecCopy(saved, g_Theme);
    SaveThemeAsDefault();
    EXPECT_TRUE(device_.FileExists(u"\\Program Files\\Quorvia\\deftheme.zqth"));

    ThemeRec loaded;
    loaded.String(kThemeName) = u"Kept";
    LoadThemeFile(u"", loaded);
    EXPECT_EQ(loaded.words, saved.words);
    for (int word = kThemeName + 1; word < kThemeFirstString + kThemeStringCount; ++word)
        EXPECT_EQ(loaded.String(word), saved.String(word)) << word;
    EXPECT_EQ(loaded.String(kThemeName), u"Kept");
    // A version-331 file has one line per value.
    const std::string text = device_.ReadFile(u"\\Program Files\\Quorvia\\deftheme.zqth");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 56);
}

TEST_F(ThemeFileTest, OlderVersionLeavesTheWordsItLacks) {
    // Version 225: the 36 values up to "Big Preview Text" (8 of them strings, any text will do);
    // 3 is a value every one of them may hold.
    device_.WriteFile(u"\\Program Files\\Quorvia\\old.zqth", OldFile(225, 36, "3"));
    ThemeRec theme;
    const ThemeRec before = theme;
    LoadThemeFile(u"\\Program Files\\Quorvia\\old.zqth", theme);
    for (const int word : {0, 1, 3, 4, 8, 12, 25, 33, 34, 40}) EXPECT_EQ(theme.words[static_cast<std::size_t>(word)], 3) << word;
    for (const int word : {9, 26, 27, 28, 29, 30, 31, 32, 37, 41, 50, 51, 52, 53, 54, 55})
        EXPECT_EQ(theme.words[static_cast<std::size_t>(word)], before.words[static_cast<std::size_t>(word)]) << word;
    EXPECT_EQ(theme.String(kThemeSpinCenterPicture), u"");
}

TEST_F(ThemeFileTest, OldGreyIsFixedOnlyInTheColoursThatHadIt) {
    ThemeRec written;
    written.words[11] = 0xEAEBEB;  // item border
    written.words[8] = 0xEAEBEB;   // primary text
    ThemeRecCopy(g_Theme, written);
    SaveThemeFile(u"\\Program Files\\Quorvia\\grey.zqth");
    ThemeRec theme;
    LoadThemeFile(u"\\Program Files\\Quorvia\\grey.zqth", theme);
    EXPECT_EQ(theme.words[11], 0xECECEC);
    EXPECT_EQ(theme.words[8], 0xEAEBEB);
}

// Values no theme can hold were taken as they stood: a style past its table of choices, a colour
// that is no colour, a picture name longer than any path.
TEST_F(ThemeFileTest, OutOfRangeValuesAreReplacedByTheDefaultsAndTheUserIsTold) {
    ThemeRec written;
    written.words[8] = 0x123456;
    ThemeRecCopy(g_Theme, written);
    SaveThemeFile(u"\\Program Files\\Quorvia\\good.zqth");
    std::string text = device_.ReadFile(u"\\Program Files\\Quorvia\\good.zqth");
    // Lines of the file (after the version): 0 is word 33, 10 word 1, 44 word 49 (a picture), 49 word 54.
    std::vector<std::string> lines;
    for (std::size_t at = text.find('\n') + 1; at < text.size();) {
        const std::size_t end = text.find('\n', at);
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    ASSERT_EQ(lines.size(), 55u);
    lines[0] = "99";                      // list background: six choices
    lines[10] = "-5";                     // a colour
    lines[44] = std::string(300, 'p');    // spin background picture
    lines[49] = "2147483647";             // selection style
    std::string damaged = text.substr(0, text.find('\n') + 1);
    for (const std::string& line : lines) damaged += line + "\n";
    device_.WriteFile(u"\\Program Files\\Quorvia\\bad.zqth", damaged);

    platform::testing::ClearMessageBoxes();
    ThemeRec theme;
    const ThemeRec defaults;
    LoadThemeFile(u"\\Program Files\\Quorvia\\bad.zqth", theme);
    EXPECT_EQ(theme.words[33], defaults.words[33]);
    EXPECT_EQ(theme.words[1], defaults.words[1]);
    EXPECT_EQ(theme.words[54], defaults.words[54]);
    EXPECT_EQ(theme.String(kThemeSpinBackgroundPicture), u"");
    EXPECT_EQ(theme.words[8], 0x123456) << "good values stay";
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(u"replaced by the default"), std::u16string::npos);

    platform::testing::ClearMessageBoxes();
    LoadThemeFile(u"\\Program Files\\Quorvia\\good.zqth", theme);
    EXPECT_TRUE(platform::testing::MessageBoxesShown().empty());
}

TEST_F(ThemeFileTest, MissingFileAndDefaultsKeepWhatTheyShould) {
    ThemeRec theme;
    theme.words[0] = 5;
    LoadThemeFile(u"\\Program Files\\Quorvia\\none.zqth", theme);
    EXPECT_EQ(theme.words[0], 5);
    theme.String(kThemeName) = u"Night";
    theme.String(kThemeBackgroundPicture) = u"\\x.png";
    ThemeSetDefaults(theme);
    EXPECT_EQ(theme.String(kThemeName), u"Night");
    EXPECT_EQ(theme.String(kThemeBackgroundPicture), u"");
    EXPECT_EQ(theme.words[0], 0xE0FFE0);
    EXPECT_EQ(GetThemeWord(kThemeTitleBarStyle), 1);
}

}  // namespace

namespace {

class SaveThemeAsTest : public ThemeFileTest {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
};

TEST_F(SaveThemeAsTest, TrimmedNameIsSavedAndAQuestionMarkRefused) {
    testsupport::AnswerPrompt(kPromptAccepted, u" Night ");
    SaveThemeAsCmd(nullptr);
    EXPECT_TRUE(device_.FileExists(u"\\Program Files\\Quorvia\\Night.zqth"));

    platform::testing::AnswerMessageBox(IDOK);
    testsupport::AnswerPrompt(kPromptAccepted, u"Day?");
    SaveThemeAsCmd(nullptr);
    EXPECT_FALSE(device_.FileExists(u"\\Program Files\\Quorvia\\Day?.zqth"));
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.back().text, u"A '?' is not allowed in the file name.");
}

}  // namespace

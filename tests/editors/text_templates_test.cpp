// Text templates: the defaults of the first run, the side files of later runs, and the sorted insert.
#include "editors/text_templates.h"

#include <gtest/gtest.h>

#include "core/app_settings.h"
#include "core/program_folder.h"
#include "tests/editors/program_device.h"

namespace {

class TextTemplatesTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = g_Settings;
        g_UserTextList.RemoveAll();
        g_LocTextList.RemoveAll();
    }
    void TearDown() override {
        g_Settings = saved_;
        g_UserTextList.RemoveAll();
        g_LocTextList.RemoveAll();
    }
    static std::vector<std::u16string> Texts(const TextList& list) { return {list.begin(), list.end()}; }

    ProgramDevice device;
    AppSettings saved_;
};

TEST_F(TextTemplatesTest, FirstRunWritesTheDefaultsAndLaterRunsReadTheFiles) {
    g_Settings.initUserText = 1;
    g_Settings.initLocText = 1;
    LoadTextTemplates();
    EXPECT_EQ(g_Settings.initUserText, 0);
    EXPECT_EQ(g_Settings.initLocText, 0);
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kUserTextFile)), "4\nCall \nDinner with \nLunch with \nMeeting with \n");
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kLocTextFile)), "2\nHome\nOffice\n");

    InsertTextSorted(g_LocTextList, u"Gym");
    SaveLocTexts();
    g_LocTextList.RemoveAll();
    g_UserTextList.RemoveAll();
    LoadTextTemplates();
    EXPECT_EQ(Texts(g_LocTextList), (std::vector<std::u16string>{u"Gym", u"Home", u"Office"}));
    EXPECT_EQ(g_UserTextList.Size(), 4);
}

TEST_F(TextTemplatesTest, FirstRunKeepsFilesThatExist) {
    device.WriteFile(ProgramFolderFile(kUserTextFile), "3\nA\n\nB\nC\n");
    device.WriteFile(ProgramFolderFile(kLocTextFile), "1\nDepot\n");
    g_Settings.initUserText = 1;
    g_Settings.initLocText = 1;
    LoadTextTemplates();
    // The empty line is skipped and counts toward the three.
    EXPECT_EQ(Texts(g_UserTextList), (std::vector<std::u16string>{u"A", u"B"}));
    EXPECT_EQ(Texts(g_LocTextList), (std::vector<std::u16string>{u"Depot"}));
}

TEST_F(TextTemplatesTest, SortedInsertAndEmptiedList) {
    for (const char16_t* text : {u"Call ", u"Lunch with "}) g_UserTextList.Append(text);
    EXPECT_EQ(InsertTextSorted(g_UserTextList, u"ask "), 0);
    EXPECT_EQ(InsertTextSorted(g_UserTextList, u"lunch with "), 3);
    EXPECT_EQ(Texts(g_UserTextList), (std::vector<std::u16string>{u"ask ", u"Call ", u"Lunch with ", u"lunch with "}));
    g_UserTextList.RemoveAll();
    SaveUserTexts();
    EXPECT_EQ(device.ReadFile(ProgramFolderFile(kUserTextFile)), "0\n");
}

}  // namespace

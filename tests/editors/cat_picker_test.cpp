// The categories picker's rows: built without project categories, ticked from an item's text, and
// turned into the result text and changed category records by OK.
#include "editors/cat_picker.h"

#include <gtest/gtest.h>

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/program_folder.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "tests/editors/program_device.h"
#include "tests/editors/prompt_answer.h"

namespace {

class CatPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Home", u"prj:Garden", u"Personal", u"Work"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
        BuildCatPickerRows();
    }
    void TearDown() override {
        g_CatList.RemoveAll();
        CatPickerRows().RemoveAll();
        g_CatPickerText.clear();
    }
    static std::vector<std::u16string> Ticked() {
        std::vector<std::u16string> names;
        for (const ValSnap& row : CatPickerRows()) {
            if (CatRowTicked(row)) names.push_back(row.label);
        }
        return names;
    }

    ProgramDevice device;
};

TEST_F(CatPickerTest, RowsLeaveOutProjectCategoriesAndTickNamedOnes) {
    ASSERT_EQ(CatPickerRows().Size(), 3);
    EXPECT_EQ(CatPickerRows()[1].label, u"Personal");
    TickCatPickerRows(u"Work, home,Unknown,prj:Garden");
    EXPECT_EQ(Ticked(), (std::vector<std::u16string>{u"Home", u"Work"}));
    EXPECT_EQ(CatPickerRowPos(3), 2);
    EXPECT_EQ(CatPickerRowPos(1), -1);
    EXPECT_EQ(CatPickerRowPos(9), -1);
}

TEST_F(CatPickerTest, OkBuildsTheResultAndSavesChangedColours) {
    EXPECT_FALSE(CommitCatPickerRows());
    EXPECT_EQ(g_CatPickerText, u"");
    EXPECT_FALSE(device.FileExists(ProgramFolderFile(kCatFileName)));

    TickCatPickerRows(u"Home,Work");
    CatPickerRows()[2].plainValue = 0x00FF00;
    EXPECT_TRUE(CommitCatPickerRows());
    EXPECT_EQ(g_CatPickerText, u"Home,Work,");
    EXPECT_EQ(g_CatList[3].colour, static_cast<COLORREF>(0x00FF00));
    EXPECT_EQ(g_CatList[0].colour, kCatDefaultColour);
    EXPECT_TRUE(device.FileExists(ProgramFolderFile(kCatFileName)));
}

TEST_F(CatPickerTest, TheDefaultColourIsOfferedDarker) {
    EXPECT_EQ(CatPickerStartColour(kCatDefaultColour), static_cast<COLORREF>(0x8B0000));
    EXPECT_EQ(CatPickerStartColour(0x123456), static_cast<COLORREF>(0x123456));
}

}  // namespace

namespace {

class NewCatTest : public CatPickerTest {
protected:
    void TearDown() override {
        platform::testing::ClearMessageBoxes();
        CatPickerTest::TearDown();
    }
    static std::vector<std::u16string> RowLabels() {
        std::vector<std::u16string> labels;
        for (const ValSnap& row : CatPickerRows()) labels.push_back(row.label);
        return labels;
    }
};

TEST_F(NewCatTest, ANewNameGetsItsSortedRow) {
    // After the project category in the list, so one row before its place there.
    AnswerPrompt(u"Shopping");
    EXPECT_EQ(NewCatInPicker(nullptr), 2);
    EXPECT_EQ(RowLabels(), (std::vector<std::u16string>{u"Home", u"Personal", u"Shopping", u"Work"}));
    EXPECT_TRUE(CatNameExists(u"Shopping"));
}

TEST_F(NewCatTest, ExistingEmptyAndProjectNamesAddNoRow) {
    platform::testing::ClearMessageBoxes();
    platform::testing::AnswerMessageBox(IDOK);
    AnswerPrompt(u"WORK");
    EXPECT_EQ(NewCatInPicker(nullptr), -1);
    AnswerPrompt(u"");
    EXPECT_EQ(NewCatInPicker(nullptr), -1);
    CancelPrompt();
    EXPECT_EQ(NewCatInPicker(nullptr), -1);
    platform::testing::AnswerMessageBox(IDOK);
    AnswerPrompt(u"prj:Roof");
    EXPECT_EQ(NewCatInPicker(nullptr), -1);
    EXPECT_TRUE(CatNameExists(u"prj:Roof"));  // created, though not shown here
    EXPECT_EQ(CatPickerRows().Size(), 3);
    const auto shown = platform::testing::MessageBoxesShown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, u"Category Exists");
    EXPECT_EQ(shown[1].text, u"Project Category Added. Not Loaded Here.");
}

}  // namespace

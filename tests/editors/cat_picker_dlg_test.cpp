// The "Select Categories" dialog on a real window: the item's categories ticked at the start, the
// ticks and Done or Cancel giving the result text, a new category, and a category's colour and
// icon changed through the pickers and written to catinfo.dat only by Done.
#include "editors/cat_picker.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/program_folder.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/editors/program_device.h"
#include "tests/editors/prompt_answer.h"
#include "ui/color_picker.h"
#include "ui/dialog_conventions.h"
#include "ui/icon_picker.h"

namespace pt = platform::testing;

namespace {

class SelectCatsDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitCommonControls();
        g_CatList.RemoveAll();
        for (const char16_t* name : {u"Home", u"prj:Garden", u"Personal", u"Work"}) {
            CatRecord record;
            record.name = name;
            g_CatList.Append(record);
        }
        pt::ClearDialogs();
        pt::ClearMessageBoxes();
    }
    void TearDown() override {
        pt::ClearDialogs();
        pt::ClearMessageBoxes();
        g_CatList.RemoveAll();
        CatPickerRows().RemoveAll();
        g_CatPickerText.clear();
        g_CatsEditedFlag = 0;
    }
    static HWND List(HWND dialog) { return GetDlgItem(dialog, kCatPickerListId); }
    static void Mark(HWND dialog, int row) { SendMessageW(List(dialog), LVM_SETSELECTIONMARK, 0, row); }
    static void Press(HWND dialog, int id) { SendMessageW(dialog, WM_COMMAND, id, 0); }
    static std::vector<std::u16string> ListTexts(HWND dialog) {
        std::vector<std::u16string> texts;
        const auto count = static_cast<int>(SendMessageW(List(dialog), LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            WCHAR text[64] = {};
            LVITEMW item{};
            item.iSubItem = 0;
            item.pszText = text;
            item.cchTextMax = 64;
            SendMessageW(List(dialog), LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
            texts.emplace_back(text);
        }
        return texts;
    }
    static POINT ColourCell(int index) {
        const ColorGridLayout g = GetColorGridLayout();
        const int distance = g.cell + g.cell / 2;
        return POINT{g.x0 + (index % g.columns) * distance + g.cell / 2, g.y0 + (index / g.columns) * distance + g.cell / 2};
    }
    static POINT IconCell(int icon) {
        const IconGridLayout g = GetIconGridLayout();
        const int cell = icon + 1;
        return POINT{g.x0 + (cell % g.columns) * g.step + g.size / 2, g.y0 + (cell / g.columns) * g.rowStep + g.size / 2};
    }
    bool CatFileWritten() const { return device.FileExists(ProgramFolderFile(kCatFileName)); }

    ProgramDevice device;
};

// The rows shown leave the project category out; the item's text ticks its rows (blanks and case
// ignored, unknown names dropped), the user's ticks are added, and only Done hands the result back.
TEST_F(SelectCatsDlgTest, TicksFromTheItemAndTheUserMakeTheResultOnDone) {
    struct Case {
        const char16_t* text;
        std::vector<int> userTicks;
        int command;
        bool accepted;
        const char16_t* result;
    };
    const Case cases[] = {
        {u"Work, home,Garage", {}, IDM_DLG_DONE, true, u"Home,Work,"},
        {u"Work", {1}, IDM_DLG_DONE, true, u"Personal,Work,"},
        {u"", {}, IDM_DLG_DONE, true, u""},
        {u"prj:Garden,Home", {}, IDOK, true, u"Home,"},
        {u"Home", {2}, IDM_DLG_CANCEL, false, u"Home"},
    };
    for (const Case& c : cases) {
        std::vector<std::u16string> shown;
        std::u16string title;
        pt::ActInsideDialog([&](HWND dialog) {
            shown = ListTexts(dialog);
            title = pt::NavBarTitle();
            for (int row : c.userTicks) SetCatRowTick(CatPickerRows()[row], true);  // as a tap on the row does
            Press(dialog, c.command);
        });
        EXPECT_EQ(SelectCatsDlg(nullptr, c.text), c.accepted) << std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text));
        EXPECT_EQ(shown, (std::vector<std::u16string>{u"Home", u"Personal", u"Work"}));
        EXPECT_EQ(title, u"Select Categories");
        EXPECT_EQ(g_CatPickerText, c.result);
    }
    EXPECT_FALSE(CatFileWritten());  // no colour or icon was changed
}

TEST_F(SelectCatsDlgTest, EnterInTheListEndsLikeDone) {
    pt::ActInsideDialog([](HWND dialog) {
        SetFocus(List(dialog));
        pt::Key(VK_RETURN);
    });
    EXPECT_TRUE(SelectCatsDlg(nullptr, u"Personal"));
    EXPECT_EQ(g_CatPickerText, u"Personal,");
}

// Passing the shared result text itself as the item's text must not lose it on the way in.
TEST_F(SelectCatsDlgTest, TheSharedTextPassedInIsKept) {
    g_CatPickerText = u"Work,";
    pt::ActInsideDialog([](HWND dialog) { Press(dialog, IDM_DLG_DONE); });
    EXPECT_TRUE(SelectCatsDlg(nullptr, g_CatPickerText));
    EXPECT_EQ(g_CatPickerText, u"Work,");
}

TEST_F(SelectCatsDlgTest, NewCategoryGetsASelectedRowAtItsSortedPlace) {
    std::vector<std::u16string> shown;
    int mark = -1;
    pt::ActInsideDialog([&](HWND dialog) {
        AnswerPrompt(u"Garage");
        Press(dialog, IDM_NEW_CAT_IN_PICKER);
        shown = ListTexts(dialog);
        mark = static_cast<int>(SendMessageW(List(dialog), LVM_GETSELECTIONMARK, 0, 0));
        SetCatRowTick(CatPickerRows()[mark], true);
        Press(dialog, IDM_DLG_CANCEL);
    });
    EXPECT_FALSE(SelectCatsDlg(nullptr, u""));
    EXPECT_EQ(shown, (std::vector<std::u16string>{u"Garage", u"Home", u"Personal", u"Work"}));
    EXPECT_EQ(mark, 0);
    EXPECT_TRUE(CatNameExists(u"Garage"));  // Cancel keeps a category made on the way
}

// Set Color starts at the darker offer for the default colour; Set Icon at the row's icon. The
// picked ones reach the category records and catinfo.dat on Done, and nothing on Cancel.
TEST_F(SelectCatsDlgTest, ColourAndIconFromThePickersAreSavedByDoneOnly) {
    for (const int end : {IDM_DLG_CANCEL, IDM_DLG_DONE}) {
        g_CatList[3].colour = kCatDefaultColour;
        g_CatList[3].icon = -1;
        COLORREF offered = 0;
        LONG picked = 0;
        pt::ActInsideDialog([&](HWND dialog) {
            Mark(dialog, 2);  // Work
            pt::ActInsideDialog([&](HWND picker) {
                offered = g_PickerState.colour;
                const POINT at = ColourCell(3);
                SendMessageW(picker, WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
            });
            Press(dialog, IDM_SET_CAT_COLOR);
            picked = static_cast<LONG>(PickedColor);
            pt::ActInsideDialog([](HWND picker) {
                const POINT at = IconCell(5);
                SendMessageW(picker, WM_LBUTTONDBLCLK, 0, MAKELPARAM(at.x, at.y));
            });
            Press(dialog, IDM_SET_CAT_ICON);
            EXPECT_EQ(CatPickerRows()[2].plainValue, picked);
            EXPECT_EQ(CatPickerRows()[2].secondValue, 5);
            Press(dialog, end);
        });
        EXPECT_EQ(SelectCatsDlg(nullptr, u"Work"), end == IDM_DLG_DONE);
        EXPECT_EQ(offered, static_cast<COLORREF>(0x8B0000));
        EXPECT_EQ(g_CatsEditedFlag, 1);
        if (end == IDM_DLG_CANCEL) {
            EXPECT_EQ(g_CatList[3].colour, kCatDefaultColour);
            EXPECT_EQ(g_CatList[3].icon, -1);
            EXPECT_FALSE(CatFileWritten());
        } else {
            EXPECT_EQ(g_CatList[3].colour, static_cast<COLORREF>(picked));
            EXPECT_NE(g_CatList[3].colour, kCatDefaultColour);
            EXPECT_EQ(g_CatList[3].icon, 5);
            EXPECT_TRUE(CatFileWritten());
            EXPECT_EQ(g_CatList[0].colour, kCatDefaultColour);
        }
    }
}

TEST_F(SelectCatsDlgTest, WithoutASelectedRowThePickersDoNotOpen) {
    pt::ActInsideDialog([](HWND dialog) {
        Mark(dialog, -1);
        Press(dialog, IDM_SET_CAT_COLOR);
        Press(dialog, IDM_SET_CAT_ICON);
        Press(dialog, IDM_DLG_DONE);
    });
    EXPECT_TRUE(SelectCatsDlg(nullptr, u""));
    EXPECT_EQ(pt::DialogsShown().size(), 1u);
    EXPECT_EQ(g_CatsEditedFlag, 0);
}

// The wallet's lock closes every open dialog: the picker is one of them and ends as cancelled,
// leaving the categories as they were.
TEST_F(SelectCatsDlgTest, TheLockSweepClosesThePickerAsCancelled) {
    pt::ActInsideDialog([](HWND dialog) {
        SetCatRowTick(CatPickerRows()[0], true);
        CatPickerRows()[0].plainValue = 0x00FF00;
        EXPECT_EQ(g_OpenDlgs.slots[g_OpenDlgs.top], dialog);
        CloseAllOpenDlgs();
    });
    EXPECT_FALSE(SelectCatsDlg(nullptr, u"Work"));
    EXPECT_EQ(pt::DialogsShown().back().result, IDM_DLG_CANCEL);
    EXPECT_EQ(g_CatPickerText, u"Work");
    EXPECT_EQ(g_CatList[0].colour, kCatDefaultColour);
    EXPECT_EQ(g_OpenDlgs.top, -1);
}

TEST_F(SelectCatsDlgTest, Screenshot) {
    pt::ActInsideDialog([](HWND dialog) {
        pt::PumpUntilIdle();
        const std::filesystem::path out = std::filesystem::path(QV_TEST_OUTPUT_DIR) / "editors_select_categories.png";
        EXPECT_TRUE(pt::SaveScreenshot(out));
        Press(dialog, IDM_DLG_CANCEL);
    });
    EXPECT_FALSE(SelectCatsDlg(nullptr, u"Home,Work"));
}

}  // namespace

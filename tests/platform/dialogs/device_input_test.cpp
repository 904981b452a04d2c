// A dialog driven as the user drives it on the device: text typed on the keyboard, taps of the
// stylus on the screen, the keys of the navigation pad; the dialog ends with the code given to
// EndDialog.
#include "dialog_fixture.h"
#include "platform/shell.h"
#include "platform/testing_display.h"

namespace dlgtest {
namespace {

POINT CentreOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The screen point in the middle of a list box row.
POINT RowPoint(HWND list, int row) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    POINT pt{r.left + 5, (r.top + r.bottom) / 2};
    ClientToScreen(list, &pt);
    return pt;
}

class DeviceInputTest : public DialogTest {
protected:
    platform::testing::TestScreen screen_;
};

TEST_F(DeviceInputTest, TextTapsAndKeysReachTheControlsAndTheDialogEndsWithItsCode) {
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        // As the program's dialogs do: full screen between the shell's bars.
        SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN};
        SHInitDialog(&info);
        for (const char16_t* text : {u"Monday", u"Tuesday", u"Wednesday", u"Thursday"})
            SendDlgItemMessageW(dialog, IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return TRUE;
    };
    std::u16string name;
    UINT checked = 0;
    LRESULT tapped = -1, keyed = -1;
    Steps({[&](HWND) { platform::testing::Text(u"Quorvia"); },
           [&](HWND dialog) {
               const POINT box = CentreOf(GetDlgItem(dialog, IDC_PRIVATE));
               platform::testing::Tap(box.x, box.y);
           },
           [&](HWND dialog) {
               const POINT row = RowPoint(GetDlgItem(dialog, IDC_LIST), 1);
               platform::testing::Tap(row.x, row.y);
           },
           [&](HWND dialog) {
               tapped = SendDlgItemMessageW(dialog, IDC_LIST, LB_GETCURSEL, 0, 0);
               platform::testing::Key(VK_DOWN);
           },
           [&](HWND dialog) {
               keyed = SendDlgItemMessageW(dialog, IDC_LIST, LB_GETCURSEL, 0, 0);
               WCHAR text[32] = {};
               GetDlgItemTextW(dialog, IDC_NAME, text, 32);
               name = text;
               checked = IsDlgButtonChecked(dialog, IDC_PRIVATE);
               platform::testing::SaveScreenshot(QV_TEST_OUTPUT_DIR "/dialogs/device_form.png");
               EndDialog(dialog, 20071);
           }});
    EXPECT_EQ(Run(IDD_FORM), 20071);
    EXPECT_EQ(name, u"Quorvia");
    EXPECT_EQ(checked, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(tapped, 1);
    EXPECT_EQ(keyed, 2);
    EXPECT_TRUE(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDC_PRIVATE, BN_CLICKED)) == 1);
}

TEST_F(DeviceInputTest, TheStylusDropsAComboListAndChoosesFromIt) {
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        for (const char16_t* text : {u"Low", u"Normal", u"High"})
            SendDlgItemMessageW(dialog, IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        return TRUE;
    };
    LRESULT chosen = -1;
    bool dropped = false;
    Steps({[&](HWND dialog) {
               const POINT field = CentreOf(GetDlgItem(dialog, IDC_COMBO));
               platform::testing::Tap(field.x, field.y);
           },
           [&](HWND dialog) {
               dropped = SendDlgItemMessageW(dialog, IDC_COMBO, CB_GETDROPPEDSTATE, 0, 0) != 0;
               RECT list{};
               SendDlgItemMessageW(dialog, IDC_COMBO, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
               const int row = static_cast<int>(SendDlgItemMessageW(dialog, IDC_COMBO, CB_GETITEMHEIGHT, 0, 0));
               platform::testing::SaveScreenshot(QV_TEST_OUTPUT_DIR "/dialogs/combo_dropped.png");
               platform::testing::Tap(list.left + 5, list.top + 1 + row * 2 + row / 2);
           },
           [&](HWND dialog) {
               chosen = SendDlgItemMessageW(dialog, IDC_COMBO, CB_GETCURSEL, 0, 0);
               EndDialog(dialog, IDOK);
           }});
    Run(IDD_FORM);
    EXPECT_TRUE(dropped);
    EXPECT_EQ(chosen, 2);
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDC_COMBO, static_cast<int>(CBN_SELENDOK))), 1);
}

TEST_F(DeviceInputTest, TheActionKeyPressesTheDefaultButton) {
    Steps({[&](HWND) { platform::testing::Key(VK_RETURN); }});
    EXPECT_EQ(Run(IDD_NESTED), 20071);
}

}  // namespace
}  // namespace dlgtest

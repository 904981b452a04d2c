// Keyboard navigation in a dialog, the item helpers, dialog units and deferred moves.
#include "dialog_fixture.h"

namespace dlgtest {
namespace {

class FormTest : public DialogTest {
protected:
    void WithForm(const std::function<void(HWND)>& body) {
        Steps({[&](HWND dialog) {
            body(dialog);
            EndDialog(dialog, IDOK);
        }});
        Run(IDD_FORM);
    }
    // Sends a key through the dialog as its loop would.
    static void Key(HWND dialog, UINT key) {
        MSG msg{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        if (!IsDialogMessageW(dialog, &msg)) DispatchMessageW(&msg);
        platform::testing::PumpMessages();
    }
};

TEST_F(FormTest, TabVisitsTheTabStopsInTemplateOrderAndShiftTabGoesBack) {
    std::vector<int> forward;
    int back = 0;
    WithForm([&](HWND dialog) {
        for (int i = 0; i < 12; ++i) {
            forward.push_back(GetDlgCtrlID(GetFocus()));
            Key(dialog, VK_TAB);
        }
        back = GetDlgCtrlID(GetNextDlgTabItem(dialog, GetDlgItem(dialog, IDC_PRIVATE), TRUE));
    });
    // Statics, the up-down controls, the unchecked second radio (no WS_TABSTOP) and the scroll bar are passed over.
    const std::vector<int> expected{IDC_NAME, IDC_PRIVATE, IDC_ONE, IDC_LIST, IDC_MULTI, IDC_COMBO,
                                    IDC_COUNT, IDC_NOTES, IDC_SPIN_LIST, IDOK, IDCANCEL, IDC_NAME};
    EXPECT_EQ(forward, expected);
    EXPECT_EQ(back, IDC_NAME);
}

TEST_F(FormTest, ArrowsMoveWithinARadioGroupAndCheckTheButtonReached) {
    UINT one = 9, two = 9;
    int focused = 0;
    WithForm([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_ONE));
        SendDlgItemMessageW(dialog, IDC_ONE, BM_CLICK, 0, 0);
        Key(dialog, VK_DOWN);
        focused = GetDlgCtrlID(GetFocus());
        one = IsDlgButtonChecked(dialog, IDC_ONE);
        two = IsDlgButtonChecked(dialog, IDC_TWO);
    });
    EXPECT_EQ(focused, IDC_TWO);
    EXPECT_EQ(one, static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(two, static_cast<UINT>(BST_CHECKED));
}

// A device without a Tab key moves between fields with Up and Down, and the Action key toggles a
// check box instead of ending the dialog.
TEST_F(FormTest, UpAndDownMoveBetweenFieldsAndTheActionKeyTogglesACheckBox) {
    std::vector<int> visited;
    UINT checked = 0;
    WithForm([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_NAME));
        Key(dialog, VK_DOWN);
        visited.push_back(GetDlgCtrlID(GetFocus()));
        Key(dialog, VK_RETURN);
        checked = IsDlgButtonChecked(dialog, IDC_PRIVATE);
        Key(dialog, VK_UP);
        visited.push_back(GetDlgCtrlID(GetFocus()));
    });
    EXPECT_EQ(visited, (std::vector<int>{IDC_PRIVATE, IDC_NAME}));
    EXPECT_EQ(checked, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDOK, BN_CLICKED)), 0);
}

// A one-row list stepped by an up-down control takes Left and Right; Up and Down move on.
TEST_F(FormTest, ASpinListStepsWithLeftAndRightAndLetsUpAndDownMoveOn) {
    LRESULT stepped = -1;
    int next = 0;
    WithForm([&](HWND dialog) {
        for (const char16_t* text : {u"Once", u"Daily", u"Weekly"})
            SendDlgItemMessageW(dialog, IDC_SPIN_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
        SendDlgItemMessageW(dialog, IDC_SPIN_LIST, LB_SETCURSEL, 0, 0);
        SetFocus(GetDlgItem(dialog, IDC_SPIN_LIST));
        Key(dialog, VK_RIGHT);
        stepped = SendDlgItemMessageW(dialog, IDC_SPIN_LIST, LB_GETCURSEL, 0, 0);
        Key(dialog, VK_DOWN);
        next = GetDlgCtrlID(GetFocus());
    });
    EXPECT_EQ(stepped, 1);
    EXPECT_EQ(next, IDOK);
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDC_SPIN_LIST, LBN_SELCHANGE)), 1);
}

TEST_F(FormTest, SpaceTogglesAFocusedCheckBox) {
    std::vector<UINT> states;
    WithForm([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_PRIVATE));
        for (int i = 0; i < 2; ++i) {
            Key(dialog, VK_SPACE);
            PostMessageW(GetFocus(), WM_KEYUP, VK_SPACE, 0);
            platform::testing::PumpMessages();
            states.push_back(IsDlgButtonChecked(dialog, IDC_PRIVATE));
        }
    });
    EXPECT_EQ(states, (std::vector<UINT>{BST_CHECKED, BST_UNCHECKED}));
    // Each toggle told the dialog.
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDC_PRIVATE, BN_CLICKED)), 2);
}

TEST_F(FormTest, EnterInAMultiLineEditWithWantReturnStartsANewLine) {
    std::u16string notes;
    WithForm([&](HWND dialog) {
        SetFocus(GetDlgItem(dialog, IDC_NOTES));
        TypeText(GetFocus(), u"a");
        platform::testing::PumpMessages();
        MSG msg{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        IsDialogMessageW(dialog, &msg);
        platform::testing::PumpMessages();
        TypeText(GetFocus(), u"b");
        platform::testing::PumpMessages();
        WCHAR text[32] = {};
        GetDlgItemTextW(dialog, IDC_NOTES, text, 32);
        notes = text;
    });
    EXPECT_EQ(notes, u"a\r\nb");
    // The dialog's default button was not pressed.
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDOK, BN_CLICKED)), 0);
}

TEST_F(FormTest, DefaultButtonFollowsDmSetDefId) {
    LRESULT before = 0, after = 0;
    WithForm([&](HWND dialog) {
        before = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        SendMessageW(dialog, DM_SETDEFID, IDCANCEL, 0);
        after = SendMessageW(dialog, DM_GETDEFID, 0, 0);
        SetFocus(GetDlgItem(dialog, IDC_NAME));
        Key(dialog, VK_RETURN);
    });
    EXPECT_EQ(before, MAKELRESULT(IDOK, DC_HASDEFID));
    EXPECT_EQ(after, MAKELRESULT(IDCANCEL, DC_HASDEFID));
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDCANCEL, BN_CLICKED)), 1);
    EXPECT_EQ(std::count(script_.commands.begin(), script_.commands.end(), std::make_pair(IDOK, BN_CLICKED)), 0);
}

TEST_F(FormTest, ItemHelpersReadAndWriteByIdentifier) {
    struct Case {
        const char16_t* text;
        BOOL isSigned;
        UINT value;
        BOOL translated;
    };
    constexpr Case kCases[] = {
        {u"42", FALSE, 42, TRUE},         {u"  42  ", FALSE, 42, TRUE},  {u"-5", TRUE, static_cast<UINT>(-5), TRUE},
        {u"-5", FALSE, 0, FALSE},         {u"12x", FALSE, 0, FALSE},     {u"", FALSE, 0, FALSE},
        {u"4294967295", FALSE, 4294967295u, TRUE}, {u"4294967296", FALSE, 0, FALSE},
        {u"2147483648", TRUE, 0, FALSE},  {u"-2147483648", TRUE, 0x80000000u, TRUE},
    };
    WithForm([&](HWND dialog) {
        for (const Case& c : kCases) {
            SetDlgItemTextW(dialog, IDC_NAME, c.text);
            BOOL translated = 2;
            EXPECT_EQ(GetDlgItemInt(dialog, IDC_NAME, &translated, c.isSigned), c.value);
            EXPECT_EQ(translated, c.translated);
        }
        SetDlgItemInt(dialog, IDC_NAME, static_cast<UINT>(-12), TRUE);
        WCHAR text[16] = {};
        EXPECT_EQ(GetDlgItemTextW(dialog, IDC_NAME, text, 16), 3u);
        EXPECT_EQ(std::u16string(text), u"-12");
        // A buffer too small gets what fits, terminated.
        EXPECT_EQ(GetDlgItemTextW(dialog, IDC_NAME, text, 2), 1u);
        EXPECT_EQ(std::u16string(text), u"-");
        // Missing controls fail plainly.
        text[0] = u'x';
        EXPECT_EQ(GetDlgItemTextW(dialog, 4711, text, 16), 0u);
        EXPECT_EQ(text[0], 0);
        EXPECT_FALSE(SetDlgItemTextW(dialog, 4711, u"x"));
        EXPECT_FALSE(CheckDlgButton(dialog, 4711, BST_CHECKED));
        EXPECT_EQ(IsDlgButtonChecked(dialog, 4711), 0u);
        EXPECT_EQ(SendDlgItemMessageW(dialog, 4711, LB_GETCOUNT, 0, 0), 0);
        BOOL translated = TRUE;
        EXPECT_EQ(GetDlgItemInt(dialog, 4711, &translated, FALSE), 0u);
        EXPECT_FALSE(translated);
        EXPECT_TRUE(CheckRadioButton(dialog, IDC_ONE, IDC_TWO, IDC_TWO));
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_ONE), 0u);
        EXPECT_EQ(IsDlgButtonChecked(dialog, IDC_TWO), 1u);
    });
}

TEST_F(FormTest, ControlsArePlacedInDialogUnitsOfTheFont) {
    RECT mapped{46, 2, 46 + 108, 2 + 12};
    RECT actual{}, client{}, window{}, templateSize{0, 0, 160, 200};
    WithForm([&](HWND dialog) {
        ASSERT_TRUE(MapDialogRect(dialog, &mapped));
        MapDialogRect(dialog, &templateSize);
        GetClientRect(dialog, &client);
        GetWindowRect(dialog, &window);
        const HWND edit = GetDlgItem(dialog, IDC_NAME);
        GetWindowRect(edit, &actual);
        POINT topLeft{actual.left, actual.top};
        ScreenToClient(dialog, &topLeft);
        OffsetRect(&actual, topLeft.x - actual.left, topLeft.y - actual.top);
    });
    EXPECT_TRUE(EqualRect(&mapped, &actual));
    // The caption is the shell's: the whole dialog is client area, as large as the template says.
    EXPECT_EQ(client.bottom, window.bottom - window.top);
    EXPECT_EQ(client.bottom, templateSize.bottom);
    EXPECT_GT(mapped.right - mapped.left, 108);  // a dialog unit across is more than a pixel at 96 dots per inch
    RECT r{0, 0, 4, 8};
    EXPECT_FALSE(MapDialogRect(owner_, &r));  // not a dialog
}

// On a screen of twice the dots per inch the same template comes out about twice as large.
TEST_F(FormTest, DialogUnitsFollowTheScreensDotsPerInch) {
    const auto mappedWidth = [&] {
        RECT r{0, 0, 100, 100};
        WithForm([&](HWND dialog) { MapDialogRect(dialog, &r); });
        return std::pair{r.right, r.bottom};
    };
    const auto normal = mappedWidth();
    platform::DeviceProfile vga = platform::Profile();
    vga.screenWidth = 480;
    vga.screenHeight = 640;
    vga.dpi = 192;
    device_.SetProfile(vga);
    const auto doubled = mappedWidth();
    EXPECT_NEAR(doubled.first, 2 * normal.first, normal.first / 5);
    EXPECT_NEAR(doubled.second, 2 * normal.second, normal.second / 5);
}

TEST_F(FormTest, DeferredMovesHappenTogetherAndABadWindowFailsAlone) {
    RECT list{}, multi{};
    int row = 0;
    BOOL ended = FALSE;
    HDWP afterBad = reinterpret_cast<HDWP>(1);
    WithForm([&](HWND dialog) {
        HDWP moves = BeginDeferWindowPos(3);
        ASSERT_NE(moves, nullptr);
        EXPECT_EQ(DeferWindowPos(moves, GetDlgItem(dialog, IDC_LIST), nullptr, 1, 2, 30, 40, SWP_NOZORDER), moves);
        afterBad = DeferWindowPos(moves, reinterpret_cast<HWND>(0x4711), nullptr, 0, 0, 1, 1, SWP_NOZORDER);
        EXPECT_EQ(DeferWindowPos(moves, GetDlgItem(dialog, IDC_MULTI), nullptr, 5, 6, 70, 80, SWP_NOZORDER), moves);
        ended = EndDeferWindowPos(moves);
        row = static_cast<int>(SendDlgItemMessageW(dialog, IDC_LIST, LB_GETITEMHEIGHT, 0, 0));
        EXPECT_FALSE(EndDeferWindowPos(moves));  // the handle is gone
        for (auto [id, out] : {std::pair{IDC_LIST, &list}, std::pair{IDC_MULTI, &multi}}) {
            GetWindowRect(GetDlgItem(dialog, id), out);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(out), 2);
        }
    });
    EXPECT_EQ(afterBad, nullptr);
    EXPECT_TRUE(ended);
    EXPECT_EQ(list.left, 1);
    // The list keeps whole rows: it gives up what a further row would not fill.
    EXPECT_LE(list.bottom - list.top, 40);
    EXPECT_GT(list.bottom - list.top, 40 - row);
    EXPECT_EQ(multi.top, 6);
    EXPECT_EQ(multi.right - multi.left, 70);
    EXPECT_EQ(BeginDeferWindowPos(-1), nullptr);
}

}  // namespace
}  // namespace dlgtest

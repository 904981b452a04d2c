// Buttons and statics: the kinds of buttons and what a tap does to each, the pen leaving before it
// lifts, owner-drawn buttons, images of statics and bad handles.
#include "control_fixture.h"

namespace ctltest {
namespace {

class ButtonTest : public ControlTest {};

TEST_F(ButtonTest, TapsCheckTheAutomaticKindsAndEveryKindReportsTheClick) {
    struct Case {
        DWORD style;
        std::vector<UINT> after;  // the check state after each of three taps
    };
    const Case kCases[] = {
        {BS_AUTOCHECKBOX, {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}},
        {BS_AUTO3STATE, {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED}},
        {BS_CHECKBOX, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}},  // the program checks it itself
        {BS_AUTORADIOBUTTON, {BST_CHECKED, BST_CHECKED, BST_CHECKED}},
        {BS_PUSHBUTTON, {BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED}},
    };
    int id = 100;
    for (const Case& c : kCases) {
        const HWND button = Make(WC_BUTTONW, c.style, ++id, u"B");
        for (int tap = 0; tap < 3; ++tap) {
            Tap(button, 5, 5);
            EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), static_cast<LRESULT>(c.after[static_cast<std::size_t>(tap)]))
                << "style " << c.style << " tap " << tap;
        }
        EXPECT_EQ(Count(id, BN_CLICKED), 3);
        DestroyWindow(button);
    }
}

TEST_F(ButtonTest, APenLiftedOutsideTheButtonDoesNotClick) {
    const HWND button = Make(WC_BUTTONW, BS_AUTOCHECKBOX, 1, u"B");
    SendMessageW(button, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(500, 5));
    EXPECT_FALSE(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(500, 5));
    EXPECT_EQ(SendMessageW(button, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Count(1, BN_CLICKED), 0);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(ButtonTest, CheckingARadioButtonUnchecksTheOthersOfItsGroupOnly) {
    const HWND a = Make(WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, 1, u"A");
    const HWND b = Make(WC_BUTTONW, BS_AUTORADIOBUTTON, 2, u"B");
    const HWND c = Make(WC_BUTTONW, BS_AUTORADIOBUTTON | WS_GROUP, 3, u"C");
    SendMessageW(a, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(c, BM_SETCHECK, BST_CHECKED, 0);
    Tap(b, 2, 2);
    EXPECT_EQ(SendMessageW(a, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(b, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(c, BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(ButtonTest, CheckStatesOnlyWhereTheKindHasThem) {
    const HWND push = Make(WC_BUTTONW, BS_PUSHBUTTON, 1, u"P");
    SendMessageW(push, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageW(push, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    const HWND box = Make(WC_BUTTONW, BS_AUTOCHECKBOX, 2, u"C");
    SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);  // a two-state box takes it as checked
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(box, WM_GETDLGCODE, 0, 0), DLGC_BUTTON);
    EXPECT_EQ(SendMessageW(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessageW(push, BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    EXPECT_EQ(SendMessageW(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    const HWND group = Make(WC_BUTTONW, BS_GROUPBOX, 3, u"G");
    Tap(group, 2, 2);
    EXPECT_EQ(Count(3, BN_CLICKED), 0);
}

TEST_F(ButtonTest, StaticsKeepTheImageTheirStyleShowsAndReportTapsWhenAsked) {
    const HWND picture = Make(WC_STATICW, SS_BITMAP | SS_NOTIFY, 4);
    const LPARAM first = 0x1000;
    const LPARAM second = 0x2000;
    EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, first), 0);
    EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_BITMAP, second), first);
    EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), second);
    EXPECT_EQ(SendMessageW(picture, STM_SETIMAGE, IMAGE_ICON, first), 0);  // not what it shows
    EXPECT_EQ(SendMessageW(picture, STM_GETIMAGE, IMAGE_BITMAP, 0), second);
    Tap(picture, 1, 1);
    EXPECT_EQ(Count(4, STN_CLICKED), 1);
    const HWND label = Make(WC_STATICW, SS_LEFT, 5, u"Label");
    Tap(label, 1, 1);
    EXPECT_EQ(Count(5, STN_CLICKED), 0);
    EXPECT_EQ(TextOf(label), u"Label");
    EXPECT_EQ(SendMessageW(label, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
}

TEST_F(ButtonTest, MessagesToAControlThatIsGoneAnswerNothing) {
    const HWND box = Make(WC_BUTTONW, BS_AUTOCHECKBOX, 1, u"B");
    const HWND list = Make(WC_LISTBOXW, 0, 2);
    DestroyWindow(box);
    DestroyWindow(list);
    EXPECT_EQ(SendMessageW(box, BM_GETCHECK, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"x")), 0);
}

}  // namespace
}  // namespace ctltest

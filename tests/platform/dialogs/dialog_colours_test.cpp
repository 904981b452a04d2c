// What dialog procedures and control subclasses rely on: WM_CTLCOLOR* answers that colour a
// control, subclassed controls seeing the key the dialog is about to handle, and a list that keeps
// its selection in view when the dialog is laid out again.
#include "dialog_fixture.h"
#include "platform/gdi.h"
#include "platform/testing_gdi.h"

namespace dlgtest {
namespace {

TEST_F(DialogTest, AStaticTakesTheBrushItsDialogAnswersWithCtlColorStatic) {
    const HBRUSH band = CreateSolidBrush(RGB(200, 0, 0));
    int label = 0;
    script_.on[WM_CTLCOLORSTATIC] = [&](HWND, WPARAM wParam, LPARAM lParam) -> INT_PTR {
        if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) != IDC_NAME_LABEL) return FALSE;
        ++label;
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(band);
    };
    COLORREF corner = 0, background = 0;
    Steps({[&](HWND dialog) {
        platform::testing::PumpMessages();
        RECT r{};
        const HWND labelWindow = GetDlgItem(dialog, IDC_NAME_LABEL);
        GetClientRect(labelWindow, &r);
        MapWindowPoints(labelWindow, nullptr, reinterpret_cast<POINT*>(&r), 2);
        corner = platform::testing::ScreenPixel(r.right - 1, r.bottom - 1);
        // The dialog itself stays white where no control is.
        RECT client{};
        GetClientRect(dialog, &client);
        MapWindowPoints(dialog, nullptr, reinterpret_cast<POINT*>(&client), 2);
        background = platform::testing::ScreenPixel(client.left + 2, client.top + 2);
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_FORM);
    DeleteObject(band);
    EXPECT_GT(label, 0);
    EXPECT_EQ(corner, RGB(200, 0, 0));
    EXPECT_EQ(background, RGB(255, 255, 255));
}

// A field procedure as the program installs them: it keeps the old procedure and looks at the key
// the dialog asks about in WM_GETDLGCODE.
WNDPROC oldEditProc = nullptr;
int pendingEnterSeen = 0;

LRESULT CALLBACK FieldProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETDLGCODE) {
        const auto* msg = reinterpret_cast<const MSG*>(lParam);
        if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) {
            ++pendingEnterSeen;
            SendMessageW(GetParent(hwnd), WM_USER + 43, 0, 0);
            return DLGC_WANTALLKEYS;  // this field keeps Enter for itself
        }
    }
    if (message == WM_CHAR && wParam == u'e') wParam = u'3';  // a letter that carries a digit
    return CallWindowProcW(oldEditProc, hwnd, message, wParam, lParam);
}

TEST_F(DialogTest, ASubclassedFieldSeesThePendingKeyAndKeepsEnter) {
    pendingEnterSeen = 0;
    int told = 0;
    script_.on[WM_USER + 43] = [&](HWND, WPARAM, LPARAM) -> INT_PTR { return ++told, TRUE; };
    script_.on[WM_INITDIALOG] = [](HWND dialog, WPARAM, LPARAM) -> INT_PTR {
        const HWND edit = GetDlgItem(dialog, IDC_COUNT);
        oldEditProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWL_WNDPROC, reinterpret_cast<LONG_PTR>(FieldProc)));
        SetWindowTextW(edit, u"");
        SetFocus(edit);
        return FALSE;
    };
    std::u16string text;
    Steps({[&](HWND) {
               TypeText(GetFocus(), u"1e");
               PressKey(GetFocus(), VK_RETURN);
           },
           [&](HWND dialog) {
               WCHAR buffer[16] = {};
               GetDlgItemTextW(dialog, IDC_COUNT, buffer, 16);
               text = buffer;
               EndDialog(dialog, 9);
           }});
    EXPECT_EQ(Run(IDD_FORM), 9);  // Enter did not press OK
    EXPECT_EQ(text, u"13");
    EXPECT_EQ(pendingEnterSeen, 1);
    EXPECT_EQ(told, 1);
}

TEST_F(DialogTest, AListMovedSmallerShowsItsSelectionAgainWhenItIsSelectedAgain) {
    LRESULT top = -1;
    int rowsShown = 0;
    Steps({[&](HWND dialog) {
        const HWND list = GetDlgItem(dialog, IDC_LIST);
        for (int i = 0; i < 30; ++i) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"row"));
        SendMessageW(list, LB_SETCURSEL, 20, 0);
        SendMessageW(list, LB_SETTOPINDEX, 0, 0);  // scrolled away from it
        HDWP moves = BeginDeferWindowPos(1);
        moves = DeferWindowPos(moves, list, nullptr, 4, 40, 80, 30, SWP_NOZORDER);
        EndDeferWindowPos(moves);
        const LRESULT selection = SendMessageW(list, LB_GETCURSEL, 0, 0);
        if (selection != LB_ERR) SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
        top = SendMessageW(list, LB_GETTOPINDEX, 0, 0);
        RECT client{};
        GetClientRect(list, &client);
        rowsShown = client.bottom / static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
        EndDialog(dialog, IDOK);
    }});
    Run(IDD_FORM);
    EXPECT_LE(top, 20);
    EXPECT_GT(top + std::max(rowsShown, 1), 20);
}

}  // namespace
}  // namespace dlgtest

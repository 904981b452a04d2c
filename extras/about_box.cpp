// The About box. A turn of the screen while it is open ends the dialog with a private code and
// opens it again from the layout of the new orientation, so that its controls are those of that
// layout rather than moved copies of the old ones.
#include "extras/about_box.h"

#include <string>
#include <string_view>

#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/log_file.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/show_message.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/main_state.h"
#include "ui/view_focus.h"

AboutState g_About;

namespace {

constexpr COLORREF kVersionColour = 0xC00000;
constexpr int kOemChars = 256;
constexpr int kMessageChars = 128;
// EndDialog's value when the box must be laid out again for a turned screen.
constexpr INT_PTR kAboutRelayout = -2;
constexpr const WCHAR* kKbdTestText = u"Keyboard Test On, Close Application to turn off.";
constexpr const WCHAR* kSeriesFormat = u"Marked as '%s' Series";
constexpr const WCHAR* kNoSeriesText = u"No keyboard series is recognised on this device.";

enum class AboutKey { kNone, kShowOem, kKbdTest, kSeries };
struct AboutKeyDef {
    std::u16string_view keys;
    AboutKey action;
};
constexpr AboutKeyDef kAboutKeys[] = {
    {u"1EWew", AboutKey::kShowOem},
    {u"9CNVcnv", AboutKey::kKbdTest},
    {u"7XZxz", AboutKey::kSeries},
};

AboutKey KeyAction(WPARAM key) {
    for (const AboutKeyDef& def : kAboutKeys)
        if (def.keys.find(static_cast<char16_t>(key)) != std::u16string_view::npos) return def.action;
    return AboutKey::kNone;
}

void ShowOemLine(HWND dialog) {
    g_About.showOem = 1;
    SetDlgItemTextW(dialog, IDC_ABOUT_OEM, GetOemInfoText().c_str());
    ShowWindow(GetDlgItem(dialog, IDC_ABOUT_OEM), SW_SHOW);
}

void StartKbdTest(HWND dialog) {
    ShowMessage(dialog, kKbdTestText, MB_OK);
    g_Main.keyboardTestMode = 1;
    WriteLog(GetOemInfoText());
}

void ShowKbdSeries(HWND dialog) {
    const std::u16string model = GetKbdModelName(g_Frame.kbdModelCode);
    // Without a recognised model the line read "Marked as '' Series".
    if (model.empty()) {
        ShowMessage(dialog, kNoSeriesText, MB_OK);
        return;
    }
    WCHAR text[kMessageChars] = {};
    StringCchPrintfW(text, kMessageChars, kSeriesFormat, model.c_str());
    ShowMessage(dialog, text, MB_OK);
}

BOOL OnAboutKey(HWND dialog, WPARAM key) {
    switch (KeyAction(key)) {
    case AboutKey::kShowOem: ShowOemLine(dialog); return TRUE;
    case AboutKey::kKbdTest: StartKbdTest(dialog); return TRUE;
    case AboutKey::kSeries: ShowKbdSeries(dialog); return TRUE;
    case AboutKey::kNone: break;
    }
    return FALSE;
}

BOOL OnAboutInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_DONE_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    FillAboutText(dialog);
    return TRUE;
}

INT_PTR OnAboutColour(HWND control, HDC dc) {
    if (GetDlgCtrlID(control) != IDC_ABOUT_VERSION) return FALSE;
    SetTextColor(dc, kVersionColour);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(GetStockObject(NULL_BRUSH));
}

}  // namespace

std::u16string GetOemInfoText() {
    WCHAR oem[kOemChars + 1] = {};
    if (!SystemParametersInfoW(SPI_GETOEMINFO, kOemChars, oem, 0)) return {};
    return oem;
}

UINT AboutTemplateId() {
    const bool landscape = IsLandscapeScreen();
    if (IsVgaScreen()) return landscape ? IDD_ABOUT_VGA_LS : IDD_ABOUT_VGA;
    if (IsQvgaScreen() && landscape) return IDD_ABOUT_QVGA_LS;
    if (IsQvgaScreen() || IsSquare320Screen()) return IDD_ABOUT_QVGA;
    return IDD_ABOUT;
}

void FillAboutText(HWND dialog) {
    SetTitleText(dialog, LoadResString(IDS_ABOUT, u"About").c_str());
    if (g_About.showOem) ShowOemLine(dialog);
    else ShowWindow(GetDlgItem(dialog, IDC_ABOUT_OEM), SW_HIDE);
}

INT_PTR ShowAboutDlg(HWND owner) {
    INT_PTR result = kAboutRelayout;
    while (result == kAboutRelayout) {
        g_About.landscape = IsLandscapeScreen();
        result = RunProgramDialog(AboutTemplateId(), owner, AboutDlgProc);
    }
    return result;
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnAboutInit(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDM_DLG_DONE:
        case IDM_DLG_CANCEL: EndDialog(dialog, kDlgAccept); return TRUE;
        default: return FALSE;
        }
    case WM_CTLCOLORSTATIC: return OnAboutColour(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN: return OnAboutKey(dialog, wParam);
    case WM_SIZE:
        if (IsLandscapeScreen() != g_About.landscape) EndDialog(dialog, kAboutRelayout);
        return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgAccept); return TRUE;
    case WM_DESTROY: SetTitleText(GetWindow(dialog, GW_OWNER), nullptr); return FALSE;
    }
    return FALSE;
}

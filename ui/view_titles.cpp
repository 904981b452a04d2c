// Titles of the main window, the views and the dialogs: the window text and the shell's
// navigation-bar title, which the main window keeps apart and every other window sets together.
#include "core/appt_readers.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "platform/shell.h"
#include "platform/user.h"
#include "ui/view_focus.h"

#include <array>

namespace {

constexpr int kTitleTextChars = 128;

std::array<WCHAR, kTitleTextChars + 1> OwnText(HWND window) {
    std::array<WCHAR, kTitleTextChars + 1> text{};
    GetWindowTextW(window, text.data(), kTitleTextChars);
    return text;
}

}  // namespace

void SetTitleText(HWND window, LPCWSTR text) {
    if (window == g_Frame.mainWnd) {
        // The main window's text changes alone while a dialog over it owns the bar; in front, or
        // without a text, it hands its own text to the bar, so that no dialog's title outlives it.
        if (text) SetWindowTextW(window, text);
        if (!text || GetForegroundWindow() == window) SHSetNavBarText(window, OwnText(window).data());
        return;
    }
    if (text) {
        SHSetNavBarText(window, text);
        SetWindowTextW(window, text);
        return;
    }
    const auto own = OwnText(window);
    SHSetNavBarText(window, own.data());
    SetWindowTextW(window, own.data());
}

void SetTitleFromCurrentAppt() {
    const LONG oid = g_CurItem.oid;
    if (oid == kNoOid) return;
    ApptRecord record;
    if (!LoadApptOccurFromPOOM(oid, record, g_SelectedDate)) return;
    std::u16string title;
    FormatLongDate(title, record.start, true, false);
    SetTitleText(g_Frame.mainWnd, title.c_str());
}

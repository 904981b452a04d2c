// Making a dialog from its template: the window (its class, style, caption and place, in dialog
// units of its font), one control per item in template order, WM_SETFONT, and WM_INITDIALOG with the
// focus rule: a dialog procedure that answers nonzero gets the focus on the first tab stop.
#include "dialogs/dialog_create.h"

#include <algorithm>
#include <string>

#include "platform/system.h"
#include "resources/dialog_template.h"
#include "user/system_metrics.h"

namespace platform {
namespace {

struct ClassOrdinal {
    WORD ordinal;
    LPCWSTR name;
};
constexpr ClassOrdinal kClassOrdinals[] = {
    {kDialogClassButton, WC_BUTTONW},       {kDialogClassEdit, WC_EDITW},
    {kDialogClassStatic, WC_STATICW},       {kDialogClassListBox, WC_LISTBOXW},
    {kDialogClassScrollBar, WC_SCROLLBARW}, {kDialogClassComboBox, WC_COMBOBOXW},
};

// The class a field names; empty for an ordinal that names no predefined class.
std::u16string ClassName(const ResField& field, LPCWSTR fallback) {
    if (field.IsEmpty()) return fallback;
    if (!field.isOrdinal) return std::u16string(field.text);
    for (const ClassOrdinal& c : kClassOrdinals)
        if (c.ordinal == field.ordinal) return c.name;
    return {};
}

RECT ToPixels(const DialogUnits& units, int x, int y, int cx, int cy) {
    return {ScaleRound(x, units.x, 4), ScaleRound(y, units.y, 8), ScaleRound(x + cx, units.x, 4), ScaleRound(y + cy, units.y, 8)};
}

// The frame a window of this style adds around its client area (as the window area computes it).
RECT Frame(DWORD style, DWORD exStyle) {
    int edge = 0;
    if (style & WS_BORDER) edge += GetSystemMetrics(SM_CXBORDER);
    if (style & WS_DLGFRAME) edge += GetSystemMetrics(SM_CXDLGFRAME);
    if (exStyle & WS_EX_CLIENTEDGE) edge += GetSystemMetrics(SM_CXEDGE);
    const int caption = (style & WS_CAPTION) == WS_CAPTION ? GetSystemMetrics(SM_CYCAPTION) : 0;
    return {edge, edge + caption, edge, edge};
}

RECT PlaceDialog(const DialogTemplateView& view, const DialogUnits& units, DWORD style, DWORD exStyle, HWND owner) {
    const RECT client = ToPixels(units, view.x, view.y, view.cx, view.cy);
    const RECT frame = Frame(style, exStyle);
    const int width = client.right - client.left + frame.left + frame.right;
    const int height = client.bottom - client.top + frame.top + frame.bottom;
    POINT origin{client.left, client.top};
    if (style & DS_CENTER) {
        const RECT work = WorkArea();
        origin = {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
    } else if (!(style & DS_ABSALIGN) && owner) {
        // Places are counted from the owner's client area.
        ClientToScreen(owner, &origin);
        if (style & WS_CHILD) ScreenToClient(owner, &origin);
    }
    return {origin.x, origin.y, origin.x + width, origin.y + height};
}

bool MakeControls(HWND dialog, const DialogTemplateView& view, const DialogState& state, DWORD dialogStyle) {
    for (const DialogItemView& item : view.items) {
        const std::u16string cls = ClassName(item.windowClass, WC_STATICW);
        const RECT r = ToPixels(state.units, item.x, item.y, item.cx, item.cy);
        LPCWSTR title = item.title.isOrdinal ? MAKEINTRESOURCEW(item.title.ordinal) : nullptr;
        const std::u16string text(item.title.text);
        if (!item.title.isOrdinal) title = text.c_str();
        void* data = item.creationData.empty() ? nullptr : const_cast<BYTE*>(item.creationData.data());
        const HWND control = cls.empty() ? nullptr
                                         : CreateWindowExW(item.exStyle | WS_EX_NOPARENTNOTIFY, cls.c_str(), title,
                                                           item.style | WS_CHILD, r.left, r.top, r.right - r.left,
                                                           r.bottom - r.top, dialog,
                                                           reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(item.id)),
                                                           state.instance, data);
        if (!control && !(dialogStyle & DS_NOFAILCREATE)) return false;
        if (control && state.font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), FALSE);
    }
    return true;
}

}  // namespace

HWND MakeDialog(HINSTANCE instance, const DialogTemplateView& view, HWND owner, DLGPROC proc, LPARAM param,
                bool modal, const std::function<void(DialogState&)>& attach) {
    EnsureDialogClasses();
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    const std::u16string cls = ClassName(view.windowClass, WC_DIALOG);
    if (cls.empty()) {
        SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
        return nullptr;
    }
    HFONT font = nullptr;
    const DialogUnits units = view.hasFont ? UnitsOfFont(view.faceName, view.pointSize, view.weight, view.italic, &font)
                                           : UnitsOfFont({}, 0, 0, false, nullptr);
    DWORD exStyle = view.exStyle;
    if (view.style & DS_MODALFRAME) exStyle |= WS_EX_DLGMODALFRAME;
    // The shell's title bar shows a dialog's caption; a top-level dialog keeps no caption or frame of
    // its own, so that all of its window is client area as the program's layouts expect.
    DWORD style = view.style & ~static_cast<DWORD>(WS_VISIBLE);
    if (!(style & WS_CHILD)) style &= ~static_cast<DWORD>(WS_CAPTION | WS_THICKFRAME);
    const RECT place = PlaceDialog(view, units, style, exStyle, owner);
    const std::u16string title(view.title);
    const HWND dialog = CreateWindowExW(exStyle, cls.c_str(), title.c_str(), style, place.left, place.top,
                                        place.right - place.left, place.bottom - place.top, owner, nullptr, instance, nullptr);
    if (!dialog) {
        ReleaseDialogFont(font);
        return nullptr;
    }
    const auto state = AddDialog(dialog);
    state->proc = proc;
    state->instance = instance;
    state->units = units;
    state->font = font;
    state->modal = modal;
    if (attach) attach(*state);
    const DWORD error = GetLastError();
    SetWindowLongPtrW(dialog, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    SetLastError(error);

    if (!MakeControls(dialog, view, *state, view.style)) {
        DestroyWindow(dialog);
        return nullptr;
    }
    if (font) SendMessageW(dialog, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    const LRESULT focusDefault = SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dialog)) return nullptr;
    if (focusDefault && first && IsWindow(first) && !state->ended) FocusControl(first, true);
    return dialog;
}

}  // namespace platform

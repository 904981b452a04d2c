// The dialog template is read in place: a header (style, extended style, item count, x, y, cx, cy),
// the menu, class and title fields, the font when DS_SETFONT is set, then the items, each on a
// 4-byte boundary. Every read is checked against the resource's size, so a damaged template stops
// the walk instead of reading past it.
#include "ui/dlg_relayout.h"

#include <cstring>
#include <vector>

#include "core/os_version.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "platform/user.h"

namespace {

constexpr WORD kOrdinalMark = 0xFFFF;
constexpr WORD kUnnamedId = 0xFFFF;
constexpr DWORD kSetFontStyle = 0x40;
constexpr std::size_t kHeaderBytes = 18;
constexpr std::size_t kItemFixedBytes = 18;
constexpr std::size_t kItemAlign = 4;

enum ClassOrdinal : WORD {
    kClassButton = 0x0080,
    kClassEdit = 0x0081,
    kClassStatic = 0x0082,
    kClassListBox = 0x0083,
    kClassScrollBar = 0x0084,
    kClassComboBox = 0x0085,
};

struct TemplateReader {
    const BYTE* base;
    std::size_t size;

    bool Has(std::size_t at, std::size_t bytes) const { return at <= size && bytes <= size - at; }
    WORD Word(std::size_t at) const {
        WORD w = 0;
        std::memcpy(&w, base + at, sizeof(w));
        return w;
    }
    DWORD Dword(std::size_t at) const {
        DWORD d = 0;
        std::memcpy(&d, base + at, sizeof(d));
        return d;
    }
};

WORD FieldWord(const BYTE* field, std::size_t index) {
    WORD w = 0;
    std::memcpy(&w, field + index * sizeof(WORD), sizeof(w));
    return w;
}

bool IsOrdinal(const BYTE* field) { return FieldWord(field, 0) == kOrdinalMark; }

struct MovedControl {
    HWND control;
    std::size_t classAt;
    std::size_t titleAt;
};

std::size_t AlignUp(std::size_t at) { return (at + kItemAlign - 1) / kItemAlign * kItemAlign; }

// A new picture on a static or button; the previous one is freed.
void SetControlImage(HWND control, UINT type, HANDLE image) {
    const auto previous = reinterpret_cast<HANDLE>(
        SendMessageW(control, STM_SETIMAGE, type, reinterpret_cast<LPARAM>(image)));
    if (!previous || previous == image) return;
    if (type == IMAGE_ICON) {
        DestroyIcon(static_cast<HICON>(previous));
    } else {
        DeleteObject(static_cast<HGDIOBJ>(previous));
    }
}

void ApplyTitle(HMODULE module, HWND control, const BYTE* titleField) {
    if (!IsOrdinal(titleField)) {
        SetWindowTextW(control, reinterpret_cast<LPCWSTR>(titleField));
        return;
    }
    const LPCWSTR resource = MAKEINTRESOURCEW(FieldWord(titleField, 1));
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    if ((style & SS_BITMAP) == SS_BITMAP) {
        if (const HANDLE bitmap = LoadImageW(module, resource, IMAGE_BITMAP, 0, 0, 0))
            SetControlImage(control, IMAGE_BITMAP, bitmap);
    } else if ((style & SS_ICON) == SS_ICON) {
        if (const HANDLE icon = LoadImageW(module, resource, IMAGE_ICON, 0, 0, 0)) SetControlImage(control, IMAGE_ICON, icon);
    }
}

void Reselect(HWND control, UINT getSel, UINT setSel) {
    const LRESULT selection = SendMessageW(control, getSel, 0, 0);
    if (selection >= 0) SendMessageW(control, setSel, static_cast<WPARAM>(selection), 0);
}

}  // namespace

std::size_t SkipDlgTemplateField(const BYTE* base, std::size_t size, std::size_t at) {
    const TemplateReader r{base, size};
    if (!r.Has(at, sizeof(WORD))) return size + 1;
    const WORD first = r.Word(at);
    if (first == kOrdinalMark) return r.Has(at, 2 * sizeof(WORD)) ? at + 2 * sizeof(WORD) : size + 1;
    if (first == 0) return at + sizeof(WORD);
    for (std::size_t p = at; r.Has(p, sizeof(WORD)); p += sizeof(WORD))
        if (r.Word(p) == 0) return p + sizeof(WORD);
    return size + 1;
}

void ApplyDlgItemTemplate(HMODULE module, HWND, HWND control, const BYTE* classField, const BYTE* titleField) {
    if (!control || !IsOrdinal(classField)) return;
    switch (FieldWord(classField, 1)) {
    case kClassButton:
    case kClassStatic: ApplyTitle(module, control, titleField); break;
    case kClassListBox: Reselect(control, LB_GETCURSEL, LB_SETCURSEL); break;
    case kClassComboBox: Reselect(control, CB_GETCURSEL, CB_SETCURSEL); break;
    default: break;
    }
}

int DlgTemplateRelayout(HMODULE module, HWND dialog, LPCWSTR templateName) {
    const HRSRC found = FindResourceW(module, templateName, RT_DIALOG);
    if (!found) return 0;
    const HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return 0;
    return RelayoutFromTemplate(module, dialog, static_cast<const BYTE*>(LockResource(loaded)),
                                SizeofResource(module, found));
}

int RelayoutFromTemplate(HMODULE module, HWND dialog, const BYTE* base, std::size_t size) {
    const TemplateReader r{base, size};
    // The extended form (it opens with version 1 and 0xFFFF) is not laid out this way.
    if (!base || !r.Has(0, kHeaderBytes) || r.Word(2) == kOrdinalMark) return 0;
    const DWORD style = r.Dword(0);
    const int count = r.Word(8);
    const HDWP defer = BeginDeferWindowPos(count);
    if (!defer) return 0;

    bool failed = false;
    std::size_t at = kHeaderBytes;
    for (int field = 0; field < 3; ++field) at = SkipDlgTemplateField(base, r.size, at);
    if (style & kSetFontStyle) at = SkipDlgTemplateField(base, r.size, at + sizeof(WORD));
    int unnamed = 0;
    std::vector<MovedControl> moved;
    // A control the dialog lacks marks failure and the walk goes on; a damaged template ends it.
    for (int i = 0; i < count; ++i) {
        at = AlignUp(at);
        if (!r.Has(at, kItemFixedBytes)) {
            failed = true;
            break;
        }
        const auto coord = [&](std::size_t offset) { return static_cast<short>(r.Word(at + offset)); };
        RECT rect{coord(8), coord(10), coord(8) + coord(12), coord(10) + coord(14)};
        const WORD id = r.Word(at + 16);
        const std::size_t classAt = at + kItemFixedBytes;
        const std::size_t titleAt = SkipDlgTemplateField(base, r.size, classAt);
        const std::size_t countAt = SkipDlgTemplateField(base, r.size, titleAt);
        if (!r.Has(countAt, sizeof(WORD))) {
            failed = true;
            break;
        }
        const WORD dataBytes = r.Word(countAt);
        // The creation data's count includes its own word.
        at = dataBytes == 0 ? countAt + sizeof(WORD) : countAt + dataBytes;

        const HWND control = GetDlgItem(dialog, id);
        if (!control) {
            failed = true;
            continue;
        }
        if (!MapDialogRect(dialog, &rect)) {
            failed = true;
            continue;
        }
        if (!DeferWindowPos(defer, control, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                            SWP_NOZORDER))
            failed = true;
        moved.push_back(MovedControl{control, classAt, titleAt});
        if (id == kUnnamedId) ++unnamed;
    }
    const bool ended = EndDeferWindowPos(defer) != 0;
    // Contents are put back once the controls have their new sizes, so that a list box's
    // selection is scrolled into the rows it shows now.
    for (const MovedControl& m : moved) ApplyDlgItemTemplate(module, dialog, m.control, base + m.classAt, base + m.titleAt);
    return !failed && ended && unnamed < 2 ? 1 : 0;
}

int RelayoutDlgForOrientation(HWND dialog, UINT templateId) {
    if (IsOsMajor5OrLater()) DlgTemplateRelayout(GetModuleHandleW(nullptr), dialog, MAKEINTRESOURCEW(templateId));
    return 1;
}

// The ink note editor and its templates. The program never looks inside an ink note: the file's
// bytes go to the ink control whole, and the control's bytes come back whole on OK.
#include "notes/ink_note.h"

#include <array>

#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/text_pick_dlg.h"
#include "notes/notes_view.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/ink.h"
#include "platform/menus.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/layout.h"

InkEditorState g_InkEdit;
NoteTemplates g_NoteTemplates;

namespace {

constexpr DWORD kInkCtlStyle = WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | IS_INKX_DEFAULT;
constexpr std::array<std::u16string_view, 2> kDotForms = {u".DOT", u".dot"};
constexpr std::u16string_view kInkExtension = u".pwi";
constexpr int kMenuTextChars = 64;
// The drawing is gone once the editor has closed; the user is told rather than left to find out.
constexpr const WCHAR* kInkNotSavedText = u"Unable to Save Note File.";
constexpr const WCHAR* kInkNotReadText = u"This note could not be read, so it is not opened; the file is left as it is.";

// The control's input-mode values by the editor's index; the reading maps them back, so each
// index is given the value that reads back as that index.
constexpr std::array<WPARAM, 5> kInputModeByIndex = {2, 16, 64, 4, 36};
struct InputModeRead {
    LRESULT value;
    LONG index;
};
constexpr InputModeRead kInputModeReads[] = {{2, 0}, {16, 1}, {64, 2}, {4, 3}, {0, 4}};
constexpr LONG kInputModeLast = 4;
// The last index sends its value and then 0.
constexpr WPARAM kInputModeAfterLast = 0;

constexpr std::array<LONG, 5> kZoomCycle = {75, 100, 150, 200, 300};

// Sets typing or drawing and tells the control which one it now is.
void ApplyDrawMode(HWND ink) {
    SendMessageW(ink, IM_SETDRAWMODE, g_InkEdit.drawMode ? IM_DRAWING : IM_TYPING, 0);
    SendMessageW(ink, IM_SETTYPINGSTATE, g_InkEdit.drawMode ? 0 : 1, 0);
}

void NextInputMode(HWND ink) {
    g_InkEdit.inputModeIndex = g_InkEdit.inputModeIndex >= kInputModeLast ? 0 : g_InkEdit.inputModeIndex + 1;
    SendMessageW(ink, IM_SETINPUTMODE, kInputModeByIndex[static_cast<std::size_t>(g_InkEdit.inputModeIndex)], 0);
    if (g_InkEdit.inputModeIndex == kInputModeLast) SendMessageW(ink, IM_SETINPUTMODE, kInputModeAfterLast, 0);
}

void ToggleInkVoiceBar(HWND ink) {
    SendMessageW(ink, IM_SHOWVOICEBAR, g_InkEdit.voiceBar ? 0 : 1, 0);
    g_InkEdit.voiceBar = g_InkEdit.voiceBar ? 0 : 1;
}

void RefreshInkMode(HWND ink) {
    HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(ink, IM_REFRESHMODE, 0, 0);
    ApplyDrawMode(ink);
    SetCursor(previous);
}

void SetMenuText(HMENU menu, UINT command, const std::u16string& text) {
    ModifyMenuW(menu, command, MF_BYCOMMAND | MF_STRING, command, text.c_str());
}

void UpdateInkMenu(HMENU menu) {
    SetMenuText(menu, IDM_INK_VOICE, LoadResString(g_InkEdit.voiceBar ? IDS_HIDE_VOICE_RECORD : IDS_SHOW_VOICE_RECORD));
    SetMenuText(menu, IDM_INK_DRAW_MODE, LoadResString(g_InkEdit.drawMode ? IDS_SELECT_TEXT_MODE : IDS_SELECT_DRAW_MODE));
    const LONG zoom = static_cast<LONG>(SendMessageW(g_InkEdit.inkCtl, IM_GETZOOM, 0, 0));
    WCHAR text[kMenuTextChars] = {};
    _snwprintf(text, kMenuTextChars - 1, LoadResString(IDS_ZOOM_FMT, u"Zoom(%d%%)").c_str(), static_cast<int>(zoom));
    SetMenuText(menu, IDM_INK_ZOOM, text);
}

void FitInkCtl(HWND dialog) {
    if (!g_InkEdit.inkCtl) return;
    RECT view{};
    GetViewClientRect(dialog, view);
    MoveWindow(g_InkEdit.inkCtl, view.left, view.top, view.right - view.left, view.bottom - view.top, TRUE);
}

BOOL OnInitInkDialog(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_INK_NOTE_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    CreateInkCtl(dialog);
    // An empty page in place of a note it cannot read would replace the note at OK.
    if (g_InkEdit.unreadable) {
        ShowMessage(dialog, kInkNotReadText, MB_OK | MB_ICONEXCLAMATION);
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    return FALSE;
}

// Runs the editor over the buffer and writes the note when the user ended with OK.
void EditInkBuffer(InkBuffer& buffer) {
    SetInkBuffer(&buffer);
    const bool accepted = ShowInkNoteDlg();
    SetInkBuffer(nullptr);
    if (!accepted || buffer.Size() == 0) return;
    if (WriteInkFile(g_Frame.noteFilePath, buffer)) RefreshNotesList();
    else ShowMessage(g_Frame.mainWnd, kInkNotSavedText, MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

bool IsInkNotePath(std::u16string_view path) {
    if (path.size() < kInkExtension.size()) return false;
    const std::u16string tail(path.substr(path.size() - kInkExtension.size()));
    return _wcsicmp(tail.c_str(), std::u16string(kInkExtension).c_str()) == 0;
}

bool IsDotTemplateName(std::u16string_view name) {
    for (std::u16string_view form : kDotForms)
        if (name.find(form) != std::u16string_view::npos) return true;
    return false;
}

std::u16string TemplateInkPath(std::u16string_view name) {
    std::size_t cut = std::u16string_view::npos;
    for (std::u16string_view form : kDotForms) cut = std::min(cut, name.find(form));
    std::u16string path(kNoteTemplatesFolder);
    path += name.substr(0, cut);
    path += kInkExtension;
    return path;
}

void ListNoteTemplates() {
    g_NoteTemplates.names.RemoveAll();
    g_NoteTemplates.names.Append(LoadResString(IDS_NO_TEMPLATE, u"No Template"));
    const std::u16string pattern = std::u16string(kNoteTemplatesFolder) + u"*.*";
    WIN32_FIND_DATAW found{};
    HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsDotTemplateName(found.cFileName))
            g_NoteTemplates.names.Append(found.cFileName);
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

bool ReadInkFile(const std::u16string& path, InkBuffer& buffer) {
    buffer.bytes.clear();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    bool read = size != INVALID_FILE_SIZE;
    if (read && size > 0) {
        buffer.bytes.resize(size);
        DWORD got = 0;
        read = ReadFile(file, buffer.bytes.data(), size, &got, nullptr) && got == size;
        if (!read) buffer.bytes.clear();
    }
    CloseHandle(file);
    return read;
}

bool WriteInkFile(const std::u16string& path, const InkBuffer& buffer) {
    HANDLE file =
        CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, buffer.bytes.data(), buffer.Size(), &written, nullptr) && written == buffer.Size();
    return CloseHandle(file) && whole;
}

void SetInkBuffer(InkBuffer* buffer) { g_InkEdit.buffer = buffer; }

bool ShowInkNoteDlg() { return RunProgramDialog(IDD_INK_NOTE, g_Frame.mainWnd, InkNoteDlgProc) == kDlgAccept; }

HWND CreateInkCtl(HWND dialog) {
    HWND ink = CreateWindowExW(0, WC_INKXW, u"", kInkCtlStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_InkEdit.inkCtl = ink;
    if (!ink) return nullptr;
    FitInkCtl(dialog);
    g_InkEdit.unreadable =
        g_InkEdit.buffer && !SendMessageW(ink, IM_SETDATA, g_InkEdit.buffer->Size(),
                                          reinterpret_cast<LPARAM>(g_InkEdit.buffer->bytes.data()));
    g_InkEdit.drawMode = SendMessageW(ink, IM_GETDRAWMODE, 0, 0) == IM_DRAWING ? 1 : 0;
    const LRESULT mode = SendMessageW(ink, IM_GETINPUTMODE, 0, 0);
    for (const InputModeRead& read : kInputModeReads)
        if (read.value == mode) g_InkEdit.inputModeIndex = read.index;
    SetFocus(ink);
    return ink;
}

void GetInkData(HWND) {
    if (!g_InkEdit.buffer) return;
    const LRESULT length = SendMessageW(g_InkEdit.inkCtl, IM_GETDATALEN, 0, 0);
    g_InkEdit.buffer->bytes.assign(length > 0 ? static_cast<std::size_t>(length) : 0, 0);
    SendMessageW(g_InkEdit.inkCtl, IM_GETDATA, g_InkEdit.buffer->Size(),
                 g_InkEdit.buffer->bytes.empty() ? 0 : reinterpret_cast<LPARAM>(g_InkEdit.buffer->bytes.data()));
}

LONG NextInkZoom(LONG zoom) {
    for (std::size_t i = 0; i < kZoomCycle.size(); ++i)
        if (kZoomCycle[i] == zoom) return kZoomCycle[(i + 1) % kZoomCycle.size()];
    return IM_ZOOM_DEFAULT;
}

void InkNoteCommand(HWND dialog, UINT command) {
    HWND ink = g_InkEdit.inkCtl;
    switch (command) {
    case IDM_DLG_DONE:
        GetInkData(dialog);
        EndDialog(dialog, kDlgAccept);
        return;
    case IDM_DLG_CANCEL:
    case IDCANCEL: EndDialog(dialog, static_cast<INT_PTR>(command)); return;
    case IDM_INK_REFRESH: RefreshInkMode(ink); return;
    case IDM_INK_INPUT_MODE: NextInputMode(ink); return;
    case IDM_INK_VOICE: ToggleInkVoiceBar(ink); return;
    case IDM_INK_DRAW_MODE:
        g_InkEdit.drawMode = g_InkEdit.drawMode ? 0 : 1;
        ApplyDrawMode(ink);
        return;
    case IDM_INK_ZOOM:
        SendMessageW(ink, IM_SETZOOM, 0, NextInkZoom(static_cast<LONG>(SendMessageW(ink, IM_GETZOOM, 0, 0))));
        return;
    default: return;
    }
}

INT_PTR CALLBACK InkNoteDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG: return OnInitInkDialog(dialog);
    case WM_SIZE: FitInkCtl(dialog); return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(dialog, &paint);
        EndPaint(dialog, &paint);
        return TRUE;
    }
    case WM_INITMENUPOPUP: UpdateInkMenu(reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_COMMAND: InkNoteCommand(dialog, LOWORD(wParam)); return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: g_InkEdit.inkCtl = nullptr; return FALSE;
    }
    return FALSE;
}

void NewInkNote(bool askTemplate) {
    InkBuffer buffer;
    if (FileExists(g_Frame.noteFilePath)) {
        // A name that is already a note opens that note rather than writing over it.
        ReadInkFile(g_Frame.noteFilePath, buffer);
    } else if (askTemplate &&
               StrListPickDlg(g_Frame.mainWnd, g_NoteTemplates.names, LoadResString(IDS_SELECT_TEMPLATE)) &&
               g_PickIndex > 0 && g_PickIndex < g_NoteTemplates.names.Size()) {
        g_NoteTemplates.chosen = static_cast<int>(g_PickIndex);
        ReadInkFile(TemplateInkPath(g_NoteTemplates.names[g_NoteTemplates.chosen]), buffer);
    }
    EditInkBuffer(buffer);
}

void OpenInkNote() {
    InkBuffer buffer;
    // A note not made yet opens empty; one that is there but cannot be read is not opened.
    if (!ReadInkFile(g_Frame.noteFilePath, buffer) &&
        GetFileAttributesW(g_Frame.noteFilePath.c_str()) != INVALID_FILE_ATTRIBUTES) {
        ShowMessage(g_Frame.mainWnd, kInkNotReadText, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EditInkBuffer(buffer);
}

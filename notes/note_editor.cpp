// The text note editor's dialog: loading and saving the note or the field text, the clipboard and
// selection commands, find, the date stamp and inserting another file's text.
#include "notes/note_editor.h"

#include "core/app_settings.h"
#include "core/date_rec.h"
#include "core/date_text.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "editors/text_insert.h"
#include "editors/text_pick_dlg.h"
#include "notes/note_text_file.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/menus.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/auto_caps.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"
#include "ui/layout.h"
#include "ui/subclass.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"

NoteEditorState g_NoteEdit;

namespace {

constexpr const WCHAR* kNoTitle = u"<None>";
constexpr const WCHAR* kMaxTextText = u"Maximum Text Allowed.";
constexpr const WCHAR* kNoTextFoundText = u"No Text Found.";
constexpr const WCHAR* kNotSavedText = u"Unable to Save Note File.";
// The picker's mode that inserts a text template into the focused field.
constexpr int kInsertTextMode = 0;
// Posted at opening: the dialog manager selects the whole text when it first focuses the edit, and
// the title bar shows the window in front, so caret and title are set again once the dialog is up.
constexpr UINT kMsgPlaceCaret = WM_APP + 1;

HWND Edit(HWND dialog) { return GetDlgItem(dialog, IDC_NOTE_EDIT); }

std::u16string EditText(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    GetWindowTextW(edit, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    return text;
}

void CaretToStart(HWND edit) {
    SendMessageW(edit, EM_SETSEL, 0, 0);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void CaretToEnd(HWND edit) {
    EditCaretToEnd(edit);
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
}

void SetNoteEditTitle(HWND dialog) {
    const std::u16string title =
        g_NoteEdit.noteMode ? GetNoteTitle(g_Frame.noteFilePath) : LoadResString(IDS_EDIT_NOTE, u"Edit Note");
    SetTitleText(dialog, title.c_str());
}

// Note mode starts at the start; field mode by the caret-at-end flag.
void PlaceOpeningCaret(HWND dialog) {
    HWND edit = Edit(dialog);
    if (!g_NoteEdit.noteMode && g_NoteCaret.caretAtEnd) CaretToEnd(edit);
    else CaretToStart(edit);
}

BOOL OnInitNoteEdit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_NOTE_EDIT_BAR, BackKey::kOverride)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    g_NoteCaret.markMode = 0;
    SetNoteEditTitle(dialog);
    HWND edit = Edit(dialog);
    RECT view{};
    GetViewClientRect(dialog, view);
    MoveWindow(edit, view.left, view.top, view.right - view.left, view.bottom - view.top, TRUE);
    SubclassAutoCapsEdit(edit);
    if (g_NoteEdit.noteMode) {
        std::u16string text;
        LoadTextNote(text, dialog, g_Frame.noteFilePath);
        SetWindowTextW(edit, text.c_str());
    } else {
        SetWindowTextW(edit, g_NoteEdit.fieldText.c_str());
    }
    SendMessageW(edit, EM_SETMODIFY, FALSE, 0);
    SetFocus(edit);
    PlaceOpeningCaret(dialog);
    PostMessageW(dialog, kMsgPlaceCaret, 0, 0);
    return FALSE;
}

// False when a changed note could not be written: the dialog then stays open.
bool SaveNoteEditText(HWND dialog) {
    HWND edit = Edit(dialog);
    if (!SendMessageW(edit, EM_GETMODIFY, 0, 0)) return true;
    if (!g_NoteEdit.noteMode) {
        g_NoteEdit.fieldText = EditText(edit);
        return true;
    }
    if (SaveTextNote(EditText(edit))) return true;
    ShowMessage(dialog, kNotSavedText, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CanFindNext() { return g_NoteEdit.findPos != kNoFindPos && !g_NoteEdit.searchText.empty(); }

void UpdateNoteEditMenu(HWND dialog, HMENU menu) {
    const std::u16string mark = LoadResString(g_NoteCaret.markMode ? IDS_STOP_SELECTION : IDS_START_SELECTION);
    ModifyMenuW(menu, IDM_NOTE_MARK, MF_BYCOMMAND | MF_STRING, IDM_NOTE_MARK, mark.c_str());
    EnableMenuItem(menu, IDM_NOTE_FIND_NEXT, MF_BYCOMMAND | (CanFindNext() ? MF_ENABLED : MF_GRAYED));
    const bool canUndo = SendMessageW(Edit(dialog), EM_CANUNDO, 0, 0) != 0;
    EnableMenuItem(menu, IDM_NOTE_UNDO, MF_BYCOMMAND | (canUndo ? MF_ENABLED : MF_GRAYED));
}

void FindNoteTextPrompt(HWND dialog) {
    g_NoteEdit.findPos = kNoFindPos;
    g_PromptText = g_NoteEdit.searchText;
    if (PromptTextById(dialog, IDS_TEXT_SEARCH, IDS_ENTER_TEXT_TO_FIND) != kPromptAccepted || g_PromptText.empty())
        return;
    g_NoteEdit.searchText = g_PromptText;
    FindNoteTextNext(dialog);
}

void InsertDateTimeStamp(HWND dialog) { InsertTextAtCaret(Edit(dialog), BuildDateTimeStamp()); }

void InsertFileIntoNote(HWND dialog) {
    HWND edit = Edit(dialog);
    g_FilePicker.chosenPath = g_NoteEdit.insertedFile;
    if (ShowFilePickerDlg(dialog, kPickTextFile)) {
        g_NoteEdit.insertedFile = g_FilePicker.chosenPath;
        if (!g_NoteEdit.insertedFile.empty()) {
            std::u16string text;
            LoadTextNote(text, dialog, g_NoteEdit.insertedFile);
            InsertTextAtCaret(edit, text);
        }
    }
    SetFocus(edit);
}

void ToggleMarkMode(HWND dialog) {
    g_NoteCaret.markMode = g_NoteCaret.markMode ? 0 : 1;
    g_NoteCaret.markPos = EditCharAtCaret(Edit(dialog));
}

// The edit commands that are one message to the control.
struct EditMessageCmd {
    UINT command;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
constexpr EditMessageCmd kEditMessageCmds[] = {
    {IDM_NOTE_CUT, WM_CUT, 0, 0},           {IDM_NOTE_COPY, WM_COPY, 0, 0},
    {IDM_NOTE_PASTE, WM_PASTE, 0, 0},       {IDM_NOTE_CLEAR, WM_CLEAR, 0, 0},
    {IDM_NOTE_UNDO, EM_UNDO, 0, 0},         {IDM_NOTE_SELECT_ALL, EM_SETSEL, 0, static_cast<LPARAM>(-1)},
};

BOOL OnNoteEditCommand(HWND dialog, UINT command, UINT code) {
    HWND edit = Edit(dialog);
    for (const EditMessageCmd& c : kEditMessageCmds) {
        if (c.command != command) continue;
        SendMessageW(edit, c.message, c.wParam, c.lParam);
        return TRUE;
    }
    switch (command) {
    case IDM_DLG_DONE:
    case IDOK:
        if (SaveNoteEditText(dialog)) EndDialog(dialog, kDlgAccept);
        return TRUE;
    case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
    case IDCANCEL: SetTitleText(g_Frame.mainWnd, nullptr); return TRUE;
    case IDM_NOTE_FIND: FindNoteTextPrompt(dialog); return TRUE;
    case IDM_NOTE_FIND_NEXT: FindNoteTextNext(dialog); return TRUE;
    case IDM_INSERT_CONTACT: InsertPickedText(dialog); return TRUE;
    case IDM_NOTE_TEXT_TEMPLATE: SelectTextDlg(dialog, kInsertTextMode); return TRUE;
    case IDM_NOTE_DATE_STAMP: InsertDateTimeStamp(dialog); return TRUE;
    case IDM_NOTE_TO_START: CaretToStart(edit); return TRUE;
    case IDM_NOTE_TO_END: CaretToEnd(edit); return TRUE;
    case IDM_NOTE_MARK: ToggleMarkMode(dialog); return TRUE;
    case IDM_NOTE_INSERT_FILE: InsertFileIntoNote(dialog); return TRUE;
    case IDC_NOTE_EDIT:
        if (code == EN_MAXTEXT) ShowMessage(dialog, kMaxTextText, MB_OK | MB_ICONEXCLAMATION);
        return TRUE;
    default: return FALSE;
    }
}

INT_PTR RunNoteEditor(HWND parent) {
    const UINT templateId = g_Settings.wordWrap ? IDD_NOTE_EDIT_WRAP : IDD_NOTE_EDIT;
    return RunProgramDialog(templateId, parent, NoteEditDlgProc);
}

}  // namespace


std::u16string GetNoteTitle(const std::u16string& path) {
    if (path.empty()) return kNoTitle;
    const std::size_t slash = path.rfind(u'\\');
    return slash == std::u16string::npos ? path : path.substr(slash + 1);
}

std::u16string BuildDateTimeStamp() {
    DateRec now;
    DateNow(now);
    std::u16string time;
    FormatTime(time, now, g_Settings.hours24 != 0, true, false);
    std::u16string date;
    FormatShortDate(date, now);
    return time + u" " + date;
}

bool FindNoteTextNext(HWND dialog) {
    HWND edit = Edit(dialog);
    const std::u16string text = LowerText(EditText(edit));
    const std::u16string wanted = LowerText(g_NoteEdit.searchText);
    // A match at index 0 is a match like any other: the next search starts after it.
    const std::size_t start = g_NoteEdit.findPos == kNoFindPos ? 0 : static_cast<std::size_t>(g_NoteEdit.findPos) + 1;
    const std::size_t found = wanted.empty() || start > text.size() ? std::u16string::npos : text.find(wanted, start);
    if (found == std::u16string::npos) {
        ShowMessage(dialog, kNoTextFoundText, MB_OK | MB_ICONEXCLAMATION);
        g_NoteEdit.findPos = kNoFindPos;
        SetFocus(edit);
        return false;
    }
    SendMessageW(edit, EM_SETSEL, found, found + wanted.size());
    SendMessageW(edit, EM_SCROLLCARET, 0, 0);
    SetFocus(edit);
    g_NoteEdit.findPos = static_cast<LONG>(found);
    return true;
}

INT_PTR ShowNoteEditDlg() {
    g_NoteEdit.noteMode = 1;
    g_NoteCaret.caretAtEnd = 0;
    return RunNoteEditor(g_Frame.mainWnd);
}

bool EditTextFieldDlg(HWND parent, std::u16string& text, LONG caretAtEnd) {
    g_NoteEdit.fieldText = text;
    g_NoteCaret.caretAtEnd = caretAtEnd;
    g_NoteEdit.noteMode = 0;
    if (RunNoteEditor(parent) != kDlgAccept) return false;
    text = g_NoteEdit.fieldText;
    return true;
}

INT_PTR CALLBACK NoteEditDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnInitNoteEdit(dialog);
    case WM_INITMENUPOPUP: UpdateNoteEditMenu(dialog, reinterpret_cast<HMENU>(wParam)); return TRUE;
    case WM_COMMAND: return OnNoteEditCommand(dialog, LOWORD(wParam), HIWORD(wParam));
    case WM_HOTKEY:
        if (IsBackHotKey(message, lParam)) SHSendBackToFocusWindow(message, wParam, lParam);
        return TRUE;
    case kMsgPlaceCaret:
        SetNoteEditTitle(dialog);
        PlaceOpeningCaret(dialog);
        return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    // The note's title is the editor's own: the window under it takes the title bar back.
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

// The note commands of the notes view. Each acts on the selection-mark row only when it is a note
// file; every change of the folder's contents refreshes the whole list.
#include "notes/note_commands.h"

#include <string>
#include <string_view>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "notes/ink_note.h"
#include "notes/note_editor.h"
#include "notes/note_list.h"
#include "notes/notes_state.h"
#include "notes/notes_view.h"
#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "resources/resource.h"
#include "ui/text_prompt.h"
#include "ui/view_windows.h"

namespace {

constexpr const WCHAR* kMailProgram = u"tmail.exe";
constexpr const WCHAR* kMailFormat =
    u"-subject \"Attached: Note File\" -body \"See Attached Text Note File.\" -attach \"%s\"  ";
constexpr const WCHAR* kTextNoteExtension = u".txt";
constexpr const WCHAR* kInkNoteExtension = u".pwi";
constexpr int kMailParamChars = MAX_PATH + 128;
// What a file name cannot hold; a name with any of them, or with "..", would lead the path out of
// the folder or fail later where the user cannot tell why.
constexpr std::u16string_view kNameForbidden = u"\\/:*\"<>|";
constexpr const WCHAR* kNameCharFormat = u"A '%c' is not allowed in the file name.";
constexpr const WCHAR* kNameDotsText = u"A '..' is not allowed in the file name.";
constexpr const WCHAR* kCannotDeleteText = u"Unable to Delete File.";

HWND NotesList() { return g_ViewWnds.notesList; }

// The note file under the selection mark; false for any other row.
bool SelectedNoteFile(std::u16string& name) {
    const int mark = static_cast<int>(SendMessageW(NotesList(), LVM_GETSELECTIONMARK, 0, 0));
    int image = 0;
    return mark >= 0 && GetNotesRow(NotesList(), mark, name, image) && image == kNotesImageFile;
}

// Asks for a name; empty when the user gave none.
std::u16string AskName(UINT captionId, UINT promptId, const std::u16string& preset) {
    g_PromptText = preset;
    if (PromptTextById(g_Frame.mainWnd, captionId, promptId) != kPromptAccepted) return {};
    return g_PromptText;
}

void FocusList() {
    if (NotesList()) SetFocus(NotesList());
}

// Says why the name cannot be a note's file name; false then.
bool NoteNameAllowed(const std::u16string& name) {
    if (name.find(u'?') != std::u16string::npos) {
        ShowResMessage(g_Frame.mainWnd, IDS_NO_QUESTION_MARK, MB_ICONEXCLAMATION);
        return false;
    }
    for (const char16_t c : name) {
        if (c >= u' ' && kNameForbidden.find(c) == std::u16string_view::npos) continue;
        WCHAR text[kMailParamChars] = {};
        _snwprintf(text, kMailParamChars - 1, kNameCharFormat, static_cast<int>(c));
        ShowMessage(g_Frame.mainWnd, text, MB_ICONEXCLAMATION);
        return false;
    }
    if (name.find(u"..") != std::u16string::npos) {
        ShowMessage(g_Frame.mainWnd, kNameDotsText, MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

}  // namespace

void NewNoteFile(int text, int askTemplate) {
    const std::u16string answer = AskName(IDS_NEW_NOTE, IDS_ENTER_FILE_NAME, u"");
    if (answer.empty()) {
        NewItemInPrj = 0;
        return;
    }
    const std::u16string name = TrimSpaces(answer);
    if (!NoteNameAllowed(name)) return;
    std::u16string& path = g_Frame.noteFilePath;
    path = NotesChildPath(g_Settings.curNoteDir, name);
    // Ink bytes in a file of another kind would open as text there, and be written over as text.
    if (!text && !IsInkNotePath(path)) path += kInkNoteExtension;
    else if (path.find(u'.') == std::u16string::npos) path += kTextNoteExtension;
    if (text) ShowNoteEditDlg();
    else NewInkNote(askTemplate != 0);
    if (NewItemInPrj) {
        if (FileExists(path)) AddFileLinkToPrj(path);
        NewItemInPrj = 0;
    } else {
        RefreshNotesList();
    }
}

void NewNotesFolder() {
    const std::u16string answer = AskName(IDS_NEW_DIRECTORY, IDS_ENTER_DIRECTORY, u"");
    if (answer.empty() || !NoteNameAllowed(TrimSpaces(answer))) return;
    const std::u16string folder = NotesChildPath(g_Settings.curNoteDir, answer);
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        ShowResMessage(g_Frame.mainWnd, IDS_CANNOT_CREATE_DIRECTORY, MB_ICONEXCLAMATION);
        return;
    }
    RefreshNotesList();
}

void RenameNoteFile() {
    std::u16string name;
    if (!SelectedNoteFile(name)) return;
    g_Frame.noteFilePath = NotesChildPath(g_Settings.curNoteDir, name);
    const std::u16string answer = AskName(IDS_RENAME_NOTE, IDS_ENTER_FILE_NAME, name);
    const std::u16string newName = TrimSpaces(answer);
    if (!answer.empty() && NoteNameAllowed(newName)) {
        const std::u16string target = NotesChildPath(g_Settings.curNoteDir, newName);
        if (!MoveFileW(g_Frame.noteFilePath.c_str(), target.c_str()))
            ShowResMessage(g_Frame.mainWnd, IDS_CANNOT_RENAME_FILE, MB_ICONEXCLAMATION);
    }
    g_Frame.noteFilePath.clear();
    RefreshNotesList();
    FocusList();
}

void DeleteNoteFile() {
    std::u16string name;
    if (!SelectedNoteFile(name)) return;
    g_Frame.noteFilePath = NotesChildPath(g_Settings.curNoteDir, name);
    if (g_Settings.confirmDel) {
        const std::u16string format = LoadResString(IDS_CONFIRM_DELETE_FILE_FMT);
        WCHAR question[kMailParamChars] = {};
        _snwprintf(question, kMailParamChars - 1, format.c_str(), g_Frame.noteFilePath.c_str());
        if (ShowMessage(g_Frame.mainWnd, question, MB_YESNO | MB_ICONQUESTION) != IDYES) {
            FocusList();
            return;
        }
    }
    const bool deleted = DeleteFileW(g_Frame.noteFilePath.c_str()) != FALSE;
    g_Frame.noteFilePath.clear();
    // A note that is still there keeps its row and the selection on it.
    if (deleted) RefreshNotesList();
    else ShowMessage(g_Frame.mainWnd, kCannotDeleteText, MB_ICONEXCLAMATION);
    FocusList();
}

int NotesSelRowImage() {
    HWND list = NotesList();
    if (!list) return -1;
    const int selected = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    std::u16string text;
    int image = -1;
    return selected >= 0 && GetNotesRow(list, selected, text, image) ? image : -1;
}

std::u16string MailNoteParameters(const std::u16string& path) {
    WCHAR parameters[kMailParamChars] = {};
    _snwprintf(parameters, kMailParamChars - 1, kMailFormat, path.c_str());
    return parameters;
}

void MailNoteFile() {
    std::u16string name;
    if (!SelectedNoteFile(name)) return;
    g_Frame.noteFilePath = NotesChildPath(g_Settings.curNoteDir, name);
    if (g_Frame.noteFilePath.empty()) return;
    const std::u16string parameters = MailNoteParameters(g_Frame.noteFilePath);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.hwnd = g_Frame.mainWnd;
    info.lpFile = kMailProgram;
    info.lpParameters = parameters.c_str();
    info.nShow = SW_SHOW;
    ShellExecuteExW(&info);
    // The mail program runs on its own; its handle is not waited on.
    if (info.hProcess) CloseHandle(info.hProcess);
}

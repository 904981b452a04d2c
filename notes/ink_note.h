// The ink note editor: a full-screen ink control over the bytes of a ".pwi" file, and the ink
// templates in "\My Documents\Templates\" that a new ink note can start from.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/appt_record.h"
#include "platform/types.h"

inline constexpr const WCHAR* kNoteTemplatesFolder = u"\\My Documents\\Templates\\";

// The bytes of one ink note; the caller of the editor owns it.
struct InkBuffer {
    std::vector<std::uint8_t> bytes;
    DWORD Size() const { return static_cast<DWORD>(bytes.size()); }
};

// The editor's state: the voice bar stays as it was for the run.
struct InkEditorState {
    HWND inkCtl = nullptr;
    InkBuffer* buffer = nullptr;
    LONG voiceBar = 0;
    LONG inputModeIndex = 0;
    LONG drawMode = 0;
    bool unreadable = false;  // the control could not read the buffer's bytes
};
extern InkEditorState g_InkEdit;

// Entry 0 is "No Template"; then the ".dot" names of the templates folder.
struct NoteTemplates {
    StrArray names;
    int chosen = 0;
};
extern NoteTemplates g_NoteTemplates;

// True for a ".pwi" path in any letter case.
bool IsInkNotePath(std::u16string_view path);
bool IsDotTemplateName(std::u16string_view name);
// Meeting.dot gives "\My Documents\Templates\Meeting.pwi".
std::u16string TemplateInkPath(std::u16string_view name);
void ListNoteTemplates();
// The whole file into the buffer; false (and an empty buffer) when it cannot be read.
bool ReadInkFile(const std::u16string& path, InkBuffer& buffer);
// The whole buffer into the file, in place of what was there; false when nothing was written.
bool WriteInkFile(const std::u16string& path, const InkBuffer& buffer);

void SetInkBuffer(InkBuffer* buffer);
bool ShowInkNoteDlg();
HWND CreateInkCtl(HWND dialog);
void GetInkData(HWND dialog);
INT_PTR CALLBACK InkNoteDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
// Runs one menu command of the editor, as the menu bar sends it.
void InkNoteCommand(HWND dialog, UINT command);
// The next zoom of the cycle 75, 100, 150, 200, 300; 100 from any other zoom.
LONG NextInkZoom(LONG zoom);

void NewInkNote(bool askTemplate);
void OpenInkNote();

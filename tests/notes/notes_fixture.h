// A device with the program's resources, a stand-in main window and the notes' state reset around
// each test, and helpers that read the notes list back and act inside the editors.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/frame_state.h"
#include "frame/main_window.h"
#include "notes/ink_note.h"
#include "notes/note_editor.h"
#include "notes/note_list.h"
#include "notes/notes_state.h"
#include "notes/notes_view.h"
#include "platform/commctrl.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/ink.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/list_rows.h"
#include "ui/view_windows.h"

namespace notestest {

struct Row {
    std::u16string text;
    int image;
    bool operator==(const Row&) const = default;
};

// The main window's part in the notes list: its row heights and its painting.
inline LRESULT CALLBACK NotesHostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), g_ViewWnds.notesList, 1);
        return 1;
    }
    if (message == WM_MEASUREITEM) MeasureNotesListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

inline void ResetNotes() {
    DestroyNotesList();
    g_NoteEdit = NoteEditorState();
    g_NoteCaret = NoteEditorCaret();
    g_InkEdit = InkEditorState();
    g_NoteTemplates.names.RemoveAll();
    g_CmdLine = CmdLineFlags();
    ClearOpenDlgs();
}

class NotesTest : public ::testing::Test {
protected:
    NotesTest() {
        ResetNotes();
        g_Settings = AppSettings();
        g_Settings.curNoteDir = kDefaultNoteDir;
        g_ViewShown = ViewShownFlags();
        RegisterQuorviaResources();
        InitCommonControls();
        InitInkX();
        g_Main.instance = GetModuleHandleW(nullptr);
        CreateDirectoryW(u"\\My Documents", nullptr);
        platform::testing::ClearMessageBoxes();
        platform::testing::ClearDialogs();
        WNDCLASSW wc{};
        wc.lpfnWndProc = NotesHostProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"NotesTestHost";
        RegisterClassW(&wc);
        host_ = CreateWindowExW(0, u"NotesTestHost", u"Vestral Agenda", WS_POPUP | WS_VISIBLE, 0, 0, 240, 320, nullptr,
                                nullptr, g_Main.instance, nullptr);
        g_Frame.mainWnd = host_;
    }
    ~NotesTest() override {
        ResetNotes();
        if (IsWindow(host_)) DestroyWindow(host_);
        g_Frame = {};
        platform::testing::ClearMessageBoxes();
        platform::testing::ClearDialogs();
    }

    static std::vector<Row> Rows() {
        std::vector<Row> rows;
        HWND list = g_ViewWnds.notesList;
        const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            Row row;
            GetNotesRow(list, i, row.text, row.image);
            rows.push_back(row);
        }
        return rows;
    }
    static void SelectRow(int index) {
        LVITEMW item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(g_ViewWnds.notesList, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
        SendMessageW(g_ViewWnds.notesList, LVM_SETSELECTIONMARK, 0, index);
    }
    static std::u16string Title() {
        WCHAR text[128] = {};
        GetWindowTextW(g_Frame.mainWnd, text, 128);
        return text;
    }
    static int CountBoxes(const std::u16string& text) {
        int count = 0;
        for (const auto& box : platform::testing::MessageBoxesShown())
            if (box.text == text) ++count;
        return count;
    }
    static std::u16string EditText(HWND dialog) {
        WCHAR text[4096] = {};
        GetDlgItemTextW(dialog, IDC_NOTE_EDIT, text, 4096);
        return text;
    }
    // Types over the editor's text as the user would: the control is marked modified.
    static void ReplaceEditText(HWND dialog, const std::u16string& text) {
        HWND edit = GetDlgItem(dialog, IDC_NOTE_EDIT);
        SetWindowTextW(edit, text.c_str());
        SendMessageW(edit, EM_SETMODIFY, TRUE, 0);
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    HWND host_ = nullptr;
};

}  // namespace notestest

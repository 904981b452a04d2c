// The program's own file and folder picker: a full-screen tree of the device's file system from
// "\" down, read as folders are opened, listing the files the caller's mode asks for.
#pragma once

#include <string>

#include "platform/commctrl.h"
#include "platform/types.h"

// Which entries the picker lists.
enum FilePickMode : LONG {
    kPickTextFile = 0,    // ".txt", ".xml", ".htm", ".html", ".log"
    kPickWalletFile = 1,  // ".zqw"
    kPickThemeFile = 2,   // ".zqth"
    kPickFolder = 3,      // folders only; a folder is chosen
    kPickImageFile = 4,   // ".jpg", ".jpeg", ".gif", ".bmp", ".png"
    kPickAnyFile = 5,     // every file except ".vol"
};

struct FilePickerState {
    LONG mode = kPickTextFile;
    HIMAGELIST imageList = nullptr;  // made on first use, kept for the life of the process
    HWND dialog = nullptr;
    LONG initialising = 0;           // the expand and collapse handlers wait while the tree fills
    HTREEITEM itemToSelect = nullptr;
    std::u16string chosenPath;       // in: the path to preselect; out: the path chosen, empty for none
    std::u16string preselectPath;    // consumed while the tree fills
};
extern FilePickerState g_FilePicker;

// The caller puts the path to preselect into g_FilePicker.chosenPath and reads the choice from it.
bool ShowFilePickerDlg(HWND owner, LONG mode);
INT_PTR CALLBACK FilePickerDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The tree's parts, for the dialog and its tests.
std::u16string BuildTreePath(HWND tree, HTREEITEM item);
int FillTreeLevel(HWND tree, const std::u16string& pattern, HTREEITEM parent);
// Whether the mode lists a file of that name.
bool FilePassesMode(LONG mode, const std::u16string& name);
void GetSelectedPath(HWND tree);

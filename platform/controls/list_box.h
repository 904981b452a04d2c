// The list box's state, shared by its procedure, its painter and the combo box that keeps its items
// in a list box of its own.
#pragma once

#include <string>
#include <vector>

#include "controls/control_state.h"

namespace platform {

// The class of the list a combo box drops down.
#define WC_COMBOLBOXW u"ComboLBox"
// What the list of a combo box tells the combo box when the pen lifts from it, and when the pen
// comes down outside it (the list holds the pen while it is dropped).
constexpr WORD kListPenLifted = 0x7F01;
constexpr WORD kListPenOutside = 0x7F02;

struct ListItem {
    std::u16string text;
    ULONG_PTR data = 0;
    bool selected = false;  // several-selection lists
    UINT height = 0;        // LBS_OWNERDRAWVARIABLE
};

struct ListBoxState {
    std::vector<ListItem> items;
    int selection = -1;  // single-selection lists
    int caret = -1;      // the item with the focus rectangle
    int anchor = -1;     // where a range selection starts
    int top = 0;         // the first item shown
    UINT itemHeight = 0; // 0 until measured
    int askedHeight = 0; // the client height it was made or last sized to, before whole rows were fitted
    bool fitting = false;  // the size it is given is its own fitting to whole rows
    bool focused = false;
    bool tracking = false;  // the pen is down in the list
    bool redraw = true;
    HFONT font = nullptr;
    HWND owner = nullptr;  // where notifications and owner-draw requests go: the parent, or a combo box
    bool spinner = false;  // an up-down control steps it: Left and Right move it, Up and Down leave it
};

void RegisterListBoxClasses();
void PaintListBox(HWND hwnd, ListBoxState& state);
// The height of a row of text in the list's font.
UINT DefaultItemHeight(HWND hwnd, HFONT font);
// The rectangle of an item in client coordinates (it may lie outside the client area).
RECT ListItemRect(HWND hwnd, const ListBoxState& state, int index);
bool ListIsMulti(HWND hwnd);
bool ListHasStrings(HWND hwnd);
bool ListIsOwnerDraw(HWND hwnd);
// The list box state of a window of the list box classes; nullptr for any other window.
std::shared_ptr<ListBoxState> FindListBoxState(HWND hwnd);

}  // namespace platform

// The soft-key bar of every view: which bar a view shows in each left-button style, one bar
// window kept per view, the Back key passed on to the program, and the adjusting of the pop-up
// menus when they open (item texts and the views that are switched on).
#pragma once

#include "platform/types.h"

// "VIEWMENU3", the left button of the view bars.
enum LeftButtonStyle : LONG {
    kLeftNextView = 0,  // "Next View"
    kLeftViewMenu = 1,  // "Views", opening the views menu
    kLeftSpinner = 2,   // "Vestral", opening the spinner
};

// The bar window of each view once made; the timeline week shares the week view's.
struct MenuBarSlots {
    HWND month = nullptr;
    HWND day = nullptr;
    HWND apptPreview = nullptr;
    HWND contactPreview = nullptr;
    HWND tasks = nullptr;
    HWND taskPreview = nullptr;
    HWND contacts = nullptr;
    HWND week = nullptr;
    HWND dates = nullptr;
    HWND year = nullptr;
    HWND spinner = nullptr;
    HWND notes = nullptr;
    HWND wallet = nullptr;
    HWND walletLocked = nullptr;
    HWND walletItem = nullptr;
    HWND projects = nullptr;  // used only by the projects view's own switch
    HWND shown = nullptr;     // the bar on screen, none at first
};
extern MenuBarSlots g_MenuBars;

inline constexpr int kUseDefaultBar = 1;
inline constexpr int kShowBar = 1;

// The bar identifier of a view in a left-button style; the month bar when useDefault is set or
// the view has no bar of its own.
UINT ViewMenuBarId(LONG viewId, LONG style, int useDefault);
// Makes the slot's bar when it has none and, with show, makes it the bar on screen. Always 0.
LONG CreateViewMenuBar(HWND* slot, int useDefault, HWND parent, int show);
// Shows the current view's bar from its slot; 0 for a view without a slot.
LONG RecreateViewMenuBar();
// Every view's bar made anew from its template (the current view's at once, the others when next
// shown): a bar once made keeps the menus and the left key it was made with.
void RebuildViewMenuBars();
// Hides the bar on screen and shows this one, unless it is already the one on screen.
void SwitchShownWindow(HWND bar);
// Destroys every view's bar and clears the slots; the record of the shown bar stays.
void DestroyViewMenuBars();

// The texts and states of the current item's commands in the menu that opens.
void SetContextMenuTexts(int unused, HMENU menu);
// "Saved Views" and the views menu pruned to the views that are switched on.
void BuildViewMenu(int unused, HMENU menu, int force);
// Sets the text of a menu entry by its command; nothing for an absent entry.
void SetMenuEntryText(HMENU menu, UINT command, const WCHAR* text);
// The text of the category filter entry: "Filter(On)" while the current view's filter is on.
void SetFilterEntryText(HMENU menu);

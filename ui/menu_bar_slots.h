// The soft-key bar window of each view, kept once made, and the left-button styles of the bars.
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

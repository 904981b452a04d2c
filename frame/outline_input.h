// The keys and taps of the outline lists (schedule, tasks, contacts, notes), handed to their views.
#pragma once

#include "platform/types.h"

LRESULT CALLBACK OutlineListProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The entry array of an outline list window, null for the notes list and any other window.
ListRowArray* OutlineEntriesOf(HWND list);
// Pen-down and keys of the outline lists; 1 when consumed.
int OutlineTapHold(HWND list, POINT point);
int OutlineKeyDown(HWND list, UINT key);

// Handing an item or a text to something outside the program: beaming the current item by
// infrared, the browser, the mail program, a file's own program and the phone; and the item helpers
// of the menus and calendar views (today, a task dropped on a day, a typed category).
#pragma once

#include <string>

#include "core/date_rec.h"
#include "platform/types.h"
#include "ui/shell_actions.h"

// Each beams the current item when it is of its kind.
void BeamCurAppt();
void BeamCurCts();
void BeamCurTsk();
// Asks for a category name and adds it to the current contact.
void AddCatToCurItemCmd();

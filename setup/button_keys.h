// The Calendar, Tasks and Contacts hardware buttons: given back to the device's own PIM programs
// when they still start this program.
#pragma once

// Each button whose program names us is restored, and the change is announced.
void RestoreButtons();

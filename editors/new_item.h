// The new-item editors the main window opens for a start with "NEWAPPT" or "NEWTSK".
#pragma once


void NewApptEditor();
void NewTskEditor(int fromTemplate);

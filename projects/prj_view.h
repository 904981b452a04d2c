// The projects view as the main window reaches it.
#pragma once


void ShowProjectsView();
// The project tree's menu command; true when it handled the key.
bool ProjectTreeMenuCmd(int fromKey);

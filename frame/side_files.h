// The side files beside the PIM store that the load thread reads before the PIM data: each belongs
// to its own feature, which writes it again when its data changes.
#pragma once

// Text templates, then the appointment and task templates.
void LoadTextTemplates();
void LoadTemplates();
// Item links, "linkinfo.dat".
void LoadLinkInfoFile();
// The custom-icon index, "zqicons.dat".
void LoadCustomIconsFile();
// Recently viewed contacts, "zqctsview.dat".
void LoadCtsView();
// Saved views, "savedviews.dat".
void LoadSavedViews();

// The project tree's options under the settings key, the values whose names begin with "PRJ_".
#pragma once

#include "platform/types.h"

// Reads the "PRJ_" values, each kept at its default when absent; the registry status.
LONG LoadPrjOptions();

// ---- What the options dialog edits and calls of the project tree ----
struct PrjOptions {
    LONG progress = 1;    // "PRJ_PROGRESS"
    LONG outFolder = 0;   // "PRJ_OUTFOLDER"
    LONG ctsCom = 1;      // "PRJ_CTSCOM"
    LONG poomBelow = 0;   // "PRJ_POOMBELOW"
    LONG showCat = 0;     // "PRJ_SHOWCAT"
    LONG removeCur = 0;   // "PRJ_REMOVECUR"
    LONG toggleTask = 0;  // "PRJ_TOGGLETASK"
    LONG date = 1;        // "PRJ_DATE"
    LONG monthLoad = 0;   // "PRJ_MONTHLOAD"
};
extern PrjOptions g_PrjOptions;
// Writes the "PRJ_" values; the registry status of the first that failed, else 0.
LONG SavePrjOptions();
// Drops the "Outlook" root from the project tree.
void RemoveOutlookRoot();
void RebuildPrjTree();

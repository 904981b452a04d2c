// The Projects view and the whole build of its tree from what is in memory: the tasks, the contacts,
// the appointments of the chosen months and the link files, rebuilt every time the view is shown.
#pragma once

#include "core/record_array.h"
#include "platform/types.h"

struct PrjTreeMonth {
    LONG year = 0;
    LONG month = 0;
};
// One pair per AddApptsMonthToPrjTree since the last LoadPrjMonths, in call order.
extern RecordArray<PrjTreeMonth> g_PrjTreeMonths;

// "PRJ_MONTHLOAD": which months after the current one the tree loads.
enum PrjMonthLoad : LONG {
    kPrjMonthCurrent = 0,
    kPrjMonthPrevCurNext = 1,
    kPrjMonthNext3 = 2,
    kPrjMonthNext6 = 3,
};

void ShowPrjView();
void RebuildPrjTree();
void RefreshPrjTree();
void AddTsksToPrjTree();
void AddCtsToPrjTree();
void LoadPrjMonths();
void AddApptsMonthToPrjTree(int year, int month);
void AddLinksToPrjTree();

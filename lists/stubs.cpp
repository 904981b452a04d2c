// Stand-ins for the parts of the task and contact lists that are not built yet.
#include "core/cur_item.h"
#include "lists/cat_filter.h"
#include "lists/cts_view.h"
#include "lists/task_view.h"
#include "platform/text.h"
#include "frame/side_files.h"

BOOL CheckTskSelected(BOOL) {
    ResetSelection();
    return FALSE;
}

void RelayoutTaskView() {}
void DropTaskRowCache() {}
void EnsureTaskSelVisible() {}

bool OnCtsKey(UINT, UINT) { return false; }
void ResetContactSortState() {}
void RunCtsDefaultAction() {}
void PaintTskView(const DRAWITEMSTRUCT&) {}
void GetTskListMetrics(MEASUREITEMSTRUCT&) {}

// The whole project tree built again from memory: the Projects root, the Outlook root with its
// groups, every task and contact, the appointments of the chosen months and every link file.
// Redrawing stays off during the build; the Outlook groups append without sorting.
#include "projects/prj_tree_build.h"

#include <string>

#include "core/app_settings.h"
#include "core/cmd_line.h"
#include "core/cts_record.h"
#include "core/date_rec.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/month_cache_edit.h"
#include "core/pim_state.h"
#include "core/prj_cats.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "lists/task_view.h"
#include "platform/files.h"
#include "platform/kernel.h"
#include "platform/user.h"
#include "projects/prj_commands.h"
#include "projects/prj_items.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_edit.h"
#include "projects/prj_view.h"
#include "ui/frame_calls.h"
#include "ui/layout.h"
#include "ui/main_state.h"
#include "ui/menu_bar_slots.h"
#include "ui/month_picker.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

RecordArray<PrjTreeMonth> g_PrjTreeMonths;

namespace {

// Months added after the current one, by "PRJ_MONTHLOAD"; -1 is the previous month.
struct MonthLoadRule {
    LONG value;
    int offsets[5];
    int count;
};
constexpr MonthLoadRule kMonthLoadRules[] = {
    {kPrjMonthCurrent, {}, 0},
    {kPrjMonthPrevCurNext, {-1, 1}, 2},
    {kPrjMonthNext3, {1, 2}, 2},
    {kPrjMonthNext6, {1, 2, 3, 4, 5}, 5},
};

int Img(int offset) { return g_PrjTree.imageBase + offset; }

void AppendGroup(const WCHAR* text, int kind, LPARAM data) {
    const HTREEITEM node = InsertTreeNode(g_PrjTree.wnd, text, Img(kind), Img(kind), g_PrjTree.outlookRoot, TVI_LAST);
    SetTreeItemParam(node, data);
}

void StepMonths(int year, int month, int offset, int& outYear, int& outMonth) {
    const int index = year * 12 + (month - 1) + offset;
    outYear = index / 12;
    outMonth = index % 12 + 1;
}

// Adds the item under each project its categories name; 1 when it is in any.
template <class Add>
bool ForEachPrjOf(const StrArray& categories, Add add) {
    bool inPrj = false;
    for (const std::u16string& category : categories) {
        PrjPath path;
        LONG isWeb = 0;
        if (!ParsePrjCat(category, path.project, path.sub, path.subSub, isWeb, PrjParseMode::kCategory)) continue;
        add(path);
        inPrj = true;
    }
    return inPrj;
}

bool InMonthList(int year, int month) {
    for (const PrjTreeMonth& pair : g_PrjTreeMonths)
        if (pair.year == year && pair.month == month) return true;
    return false;
}

}  // namespace

void AddTsksToPrjTree() {
    if (g_PrjOptions.outFolder) AppendGroup(u"Tasks", kPrjImgTskGroup, kPrjTskGroupData);
    const HTREEITEM group = g_PrjOptions.outFolder ? GetTskGroupNode() : nullptr;
    for (const TskRecord& task : g_TskList) {
        const std::u16string label = TskNodeLabel(task);
        const int image = TskNodeImage(task);
        const bool inPrj = ForEachPrjOf(
            task.categories, [&](const PrjPath& path) { AddItemNodeToPrj(label, path, image, task.oid); });
        if (!inPrj || g_PrjOptions.poomBelow)
            AddOutlookItemNode(group, label, task.oid, image, JoinCommaList(task), GroupPlace::kAppend);
    }
    UpdatePrjProgress(g_PrjTree.projectsRoot, false);
}

void AddCtsToPrjTree() {
    if (g_PrjOptions.outFolder) AppendGroup(u"Contacts", kPrjImgCtsGroup, 0);
    const HTREEITEM group = g_PrjOptions.outFolder ? GetCtsGroupNode() : nullptr;
    for (const CtsRecord& contact : g_CtsList) {
        const bool inPrj = ForEachPrjOf(contact.categories, [&](const PrjPath& path) {
            AddItemNodeToPrj(contact.fileAs, path, Img(kPrjImgCts), contact.oid);
        });
        if (!inPrj || g_PrjOptions.poomBelow)
            InsertCtsNodeSorted(group, contact.fileAs, contact.oid, contact.company,
                                JoinCategories(contact.categories), GroupPlace::kAppend);
    }
}

void LoadPrjMonths() {
    g_PrjTreeMonths.RemoveAll();
    SYSTEMTIME now{};
    GetLocalTime(&now);
    AddApptsMonthToPrjTree(now.wYear, now.wMonth);
    const MonthLoadRule* rule = nullptr;
    for (const MonthLoadRule& candidate : kMonthLoadRules)
        if (candidate.value == g_PrjOptions.monthLoad) rule = &candidate;
    if (!rule || rule->count == 0) return;
    for (int i = 0; i < rule->count; ++i) {
        int year = 0;
        int month = 0;
        StepMonths(now.wYear, now.wMonth, rule->offsets[i], year, month);
        AddApptsMonthToPrjTree(year, month);
    }
    // Months the calendar or "Load Month" read into the cache come back after a rebuild. The keys
    // are copied first: loading a month may insert keys.
    const RecordArray<MonthKey> keys = g_ApptCache.keys;
    for (const MonthKey& key : keys)
        if (!InMonthList(key.year, key.month)) AddApptsMonthToPrjTree(key.year, key.month);
}

void AddApptsMonthToPrjTree(int year, int month) {
    HTREEITEM monthNode = nullptr;
    if (g_PrjOptions.outFolder) {
        SetTreeItemParam(GetApptGroupNode(true), kPrjApptGroupData);
        monthNode = InsertMonthNode(year, month);
    }
    ApptArray* const savedAppts = g_ApptCache.curAppts;
    SpanArray* const savedSpans = g_ApptCache.curSpans;
    const int at = FindMonthBucket(year, month);
    if (at >= 0) {
        g_ApptCache.curAppts = g_ApptCache.apptLists[at].get();
        g_ApptCache.curSpans = g_ApptCache.spanLists[at].get();
    } else {
        ReLoadApptPOOM(year, month, 0);
    }
    g_PrjTreeMonths.Append(PrjTreeMonth{year, month});
    if (ApptArray* const appts = g_ApptCache.curAppts) {
        for (const ApptRecord& appt : *appts) {
            if (appt.start.wYear != year || appt.start.wMonth != month) continue;
            const std::u16string label = ApptNodeLabel(appt.subject, appt.start);
            const bool inPrj = ForEachPrjOf(appt.categories, [&](const PrjPath& path) {
                AddItemNodeToPrj(label, path, Img(kPrjImgAppt), appt.oid);
            });
            if (monthNode && (!inPrj || g_PrjOptions.poomBelow)) {
                const HTREEITEM node =
                    InsertTreeNode(g_PrjTree.wnd, label, Img(kPrjImgAppt), Img(kPrjImgAppt), monthNode, TVI_LAST);
                SetTreeItemParam(node, appt.oid);
            }
        }
    }
    g_ApptCache.curAppts = savedAppts;
    g_ApptCache.curSpans = savedSpans;
}

void AddLinksToPrjTree() {
    std::u16string dir = GetPrjLinksDir();
    if (dir.empty() || dir.back() != u'\\') dir += u'\\';
    const std::u16string pattern = dir + u"*.*";
    WIN32_FIND_DATAW found{};
    const HANDLE find = FindFirstFileW(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        const std::u16string name(found.cFileName);
        if (name.find(u'.') == std::u16string::npos || name.find(u".lnk") == std::u16string::npos) continue;
        AddLinkNodeFromFile(dir + name);
    } while (FindNextFileW(find, &found));
    FindClose(find);
}

void RebuildPrjTree() {
    if (!g_PrjTree.wnd) return;
    const HCURSOR cursor = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    SendMessageW(g_PrjTree.wnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    g_PrjTree.projectsRoot =
        InsertTreeNode(g_PrjTree.wnd, u"Projects", Img(kPrjImgProjectsRoot), Img(kPrjImgProjectsRoot), TVI_ROOT,
                       TVI_LAST);
    g_PrjTree.outlookRoot = g_PrjOptions.outFolder
                                ? InsertTreeNode(g_PrjTree.wnd, u"Outlook", Img(kPrjImgOutlookRoot),
                                                 Img(kPrjImgOutlookRoot), TVI_ROOT, TVI_LAST)
                                : nullptr;
    AddTsksToPrjTree();
    AddCtsToPrjTree();
    LoadPrjMonths();
    AddLinksToPrjTree();
    SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(g_PrjTree.projectsRoot));
    if (g_PrjTree.outlookRoot)
        SendMessageW(g_PrjTree.wnd, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(g_PrjTree.outlookRoot));
    SendMessageW(g_PrjTree.wnd, WM_SETREDRAW, TRUE, 0);
    SendMessageW(g_PrjTree.wnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(g_PrjTree.projectsRoot));
    InvalidateRect(g_PrjTree.wnd, nullptr, TRUE);
    SetCursor(cursor);
}

void RefreshPrjTree() {
    const HTREEITEM selected =
        g_PrjTree.wnd ? reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_CARET, 0))
                      : nullptr;
    const HTREEITEM parent = selected ? TreeParent(selected) : nullptr;
    const PrjPath path = GetPrjNodePath(parent);
    enum class Reopen { kNone, kPath, kTasks, kContacts, kAppts } reopen = Reopen::kNone;
    if (IsPrjFolderNode(parent)) reopen = Reopen::kPath;
    else if (IsTskGroupNode(parent)) reopen = Reopen::kTasks;
    else if (IsCatNode(parent)) reopen = IsTaskNode(selected) ? Reopen::kTasks : Reopen::kContacts;
    else if (IsCtsGroupNode(parent) || IsCompanyNode(parent)) reopen = Reopen::kContacts;
    else if (IsApptGroupNode(parent) || IsMonthNode(parent)) reopen = Reopen::kAppts;
    RebuildPrjTree();
    switch (reopen) {
    case Reopen::kPath: ExpandPrjNodeByPath(path); break;
    case Reopen::kTasks: ShowTskGroup(); break;
    case Reopen::kContacts: ShowCtsGroup(); break;
    case Reopen::kAppts: ShowApptGroup(); break;
    case Reopen::kNone: break;
    }
    if (g_PrjTree.wnd)
        SendMessageW(g_PrjTree.wnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(g_PrjTree.projectsRoot));
}

void ShowPrjView() {
    if (!g_ViewShown[ShownView::Projects]) return;
    if (!ApptsReadyOrDefer(kStartProjects) || !TasksReadyOrDefer(kStartProjects) ||
        !ContactsReadyOrDefer(kStartProjects))
        return;
    if (!g_PrjTree.wnd) CreatePrjTree(g_Frame.mainWnd);
    ViewId = kViewProjects;
    SetViewTitle();
    HideAllViewWindows();
    EnsurePrjLinksDir();
    RebuildPrjTree();
    CreateViewMenuBar(&g_MenuBars.projects, 0, g_Frame.mainWnd, kShowBar);
    g_Main.backArmed = 0;
    if (g_PrjTree.wnd) PlaceViewWnd(g_PrjTree.wnd, kPlaceTree);
    InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
}

void ShowProjectsView() { ShowPrjView(); }

void LoadMonthCmd() {
    SYSTEMTIME now{};
    GetLocalTime(&now);
    LONG year = now.wYear;
    LONG month = now.wMonth;
    // A month the tree already shows would get a second month node with every appointment again.
    if (ShowMonthPicker(g_Frame.mainWnd, year, month) && !InMonthList(year, month))
        AddApptsMonthToPrjTree(year, month);
    FocusCurrentView();
}

// Putting an item into another project without an editor: "Add To Project" from the lists and
// calendar views, "Add to Project" / "Move To Project" on a tree node, and dragging a node onto a
// folder or an Outlook group. All end in the membership call; what differs is the item's old place.
#include "projects/prj_commands.h"

#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/res_string.h"
#include "core/view_id.h"
#include "lists/cts_list.h"
#include "lists/task_view.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/prj_membership.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_build.h"
#include "projects/prj_tree_edit.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/frame_calls.h"
#include "ui/pick_result.h"
#include "ui/view_calls.h"

namespace {

std::u16string Text(HTREEITEM node) { return GetTreeNodeText(g_PrjTree.wnd, node); }

bool TextEquals(std::u16string_view a, std::u16string_view b) { return platform::CompareNoCase(a, b) == 0; }

bool SamePath(const PrjPath& a, const PrjPath& b) {
    return TextEquals(a.project, b.project) && TextEquals(a.sub, b.sub) && TextEquals(a.subSub, b.subSub);
}

// "A>B>C" into its levels.
PrjPath SplitChosenPath(std::u16string_view chosen) {
    PrjPath path;
    const std::size_t first = chosen.find(u'>');
    path.project = std::u16string(chosen.substr(0, first));
    if (first == std::u16string_view::npos) return path;
    const std::u16string_view rest = chosen.substr(first + 1);
    const std::size_t second = rest.find(u'>');
    path.sub = std::u16string(rest.substr(0, second));
    if (second != std::u16string_view::npos) path.subSub = std::u16string(rest.substr(second + 1));
    return path;
}

// The picker over the project paths; false when nothing was chosen.
bool PickPrjPath(PrjPath& path) {
    CollectPrjPaths(ProjectPathList());
    if (!views::SelectTextDlg(g_Frame.mainWnd, 1) || g_ChosenText.empty()) return false;
    path = SplitChosenPath(g_ChosenText);
    return !path.project.empty();
}

bool IsPrjFolder(HTREEITEM node) { return IsPrjFolderNode(node) && IsFolderNode(node); }

// The dragged node lies in the target, or the target (a sub-level) lies in the dragged node's folder:
// the drop is a move within one project rather than an addition to another.
bool DropMovesWithin(HTREEITEM dragged, HTREEITEM target) {
    if (IsNodeInPrj(dragged, target)) return true;
    return (IsSubPrjNode(target) || IsSubSubPrjNode(target)) && IsNodeInPrj(target, TreeParent(dragged));
}

bool DropOnOwnGroup(int kind, HTREEITEM target) {
    switch (kind) {
    case kItemTask: return IsTskGroupNode(target);
    case kItemContact: return IsCtsGroupNode(target);
    case kItemAppt: return IsApptGroupNode(target) || IsMonthNode(target);
    }
    return false;
}

void ShowOwnGroup(int kind) {
    switch (kind) {
    case kItemTask: ShowTskGroup(); break;
    case kItemContact: ShowCtsGroup(); break;
    case kItemAppt: ShowApptGroup(); break;
    }
}

void DropItemOnFolder(HTREEITEM dragged, HTREEITEM target, int kind) {
    const LONG oid = static_cast<LONG>(GetTreeItemParam(dragged));
    const PrjPath targetPath = GetPrjNodePath(target);
    HTREEITEM node = dragged;
    if (!g_PrjOptions.removeCur) {
        // The membership call replaces the category of the same top-level project, so a node left
        // under another folder of that project (a sibling sub-project too) would show a stale place.
        if (DropMovesWithin(dragged, target) || TextEquals(GetPrjNodePath(dragged).project, targetPath.project)) {
            SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(dragged));
            node = nullptr;
        }
    } else if (RemoveNodeItemFromPrj(dragged, NodeFate::kDelete)) {
        node = nullptr;
    }
    if (node && !g_PrjOptions.poomBelow) RemoveOutlookItemNode(node);
    SetPrjCatOfKind(kind, oid, targetPath, true);
    ExpandPrjNodeByPath(targetPath);
}

void DropLinkOnFolder(HTREEITEM dragged, HTREEITEM target) {
    const bool isWeb = IsWebLinkNode(dragged);
    const PrjPath from = GetPrjNodePath(dragged);
    const PrjPath to = GetPrjNodePath(target);
    if (SamePath(from, to)) return;  // writing it again would double the link file's text
    const std::u16string file = BuildPrjLinkName(Text(dragged), from.project, from.sub, from.subSub, isWeb);
    const std::u16string linkTarget = ReadLinkTarget(file, isWeb);
    if (linkTarget.empty()) return;
    WriteLinkFile(linkTarget, to, isWeb, LinkNodeInsert::kYes);
    if (g_PrjOptions.removeCur || DropMovesWithin(dragged, target)) DeletePrjLinkNode(dragged);
    ExpandPrjNodeByPath(to);
}

}  // namespace

RecordArray<std::u16string>& ProjectPathList() {
    static RecordArray<std::u16string> paths;
    return paths;
}

void CollectPrjPaths(RecordArray<std::u16string>& paths) {
    paths.RemoveAll();
    for (HTREEITEM top = TreeFirstChild(g_PrjTree.projectsRoot); top; top = TreeNextSibling(top)) {
        if (!IsPrjFolder(top)) continue;
        const std::u16string topText = Text(top);
        paths.Append(topText);
        for (HTREEITEM sub = TreeFirstChild(top); sub; sub = TreeNextSibling(sub)) {
            if (!IsSubPrjNode(sub)) continue;
            const std::u16string subText = topText + u">" + Text(sub);
            paths.Append(subText);
            for (HTREEITEM subSub = TreeFirstChild(sub); subSub; subSub = TreeNextSibling(subSub))
                if (IsSubSubPrjNode(subSub)) paths.Append(subText + u">" + Text(subSub));
        }
    }
}

void AddCurItemToPrj() {
    if (ViewId == kViewTasks) CheckTskSelected(FALSE);
    else if (ViewId == kViewContacts) CheckCtsSelected(false);
    if (g_CurItem.oid == kNoId) return;
    const LONG oid = g_CurItem.oid;
    const LONG kind = g_CurItem.kind;
    if (!g_PrjTree.wnd) CreatePrjTree(g_Frame.mainWnd);
    RebuildPrjTree();
    PrjPath path;
    if (!PickPrjPath(path)) return;
    SetPrjCatOfKind(kind, oid, path, false);
}

void MoveToPrjCmd() {
    if (ViewId != kViewProjects) return AddCurItemToPrj();
    const HTREEITEM selected = GetSelectedPrjNode();
    const HTREEITEM parent = TreeParent(selected);
    const bool inPrj = IsPrjFolder(parent);
    PrjPath chosen;
    if (!PickPrjPath(chosen)) return FocusCurrentView();
    const PrjPath current = GetPrjNodePath(selected);
    if (inPrj && SamePath(current, chosen)) {
        MessageBoxW(g_Frame.mainWnd, LoadResString(IDS_PRJ_SAME_LOCATION).c_str(), u"", MB_OK | MB_ICONEXCLAMATION);
        return FocusCurrentView();
    }
    const int kind = PrjNodeItemKind(selected);
    if (kind != kItemNone) {
        SetPrjCatOfKind(kind, static_cast<LONG>(GetTreeItemParam(selected)), chosen, true);
        if (inPrj && TextEquals(current.project, chosen.project))
            SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(selected));
        else if (inPrj)
            RemoveNodeItemFromPrj(selected, NodeFate::kDelete);
        else if (!g_PrjOptions.poomBelow)
            RemoveOutlookItemNode(selected);
    }
    ExpandPrjNodeByPath(chosen);
    FocusCurrentView();
}

void PrjTreeDrop(HTREEITEM dragged, HTREEITEM target) {
    if (!dragged || !target || dragged == target) return;
    const int kind = PrjNodeItemKind(dragged);
    if (kind != kItemNone && IsPrjFolder(target)) {
        DropItemOnFolder(dragged, target, kind);
    } else if (kind != kItemNone && DropOnOwnGroup(kind, target)) {
        const LONG oid = static_cast<LONG>(GetTreeItemParam(dragged));
        // Only a node in a project leaves it; one already under its group stays where it is.
        if (IsPrjFolder(TreeParent(dragged)) && RemoveNodeItemFromPrj(dragged, NodeFate::kDelete))
            PutBackUnderOutlook(oid, kind, nullptr);
        ShowOwnGroup(kind);
    } else if ((IsFileLinkNode(dragged) || IsWebLinkNode(dragged)) && IsPrjFolder(target)) {
        DropLinkOnFolder(dragged, target);
    }
    if (kind == kItemTask && g_PrjOptions.progress) UpdatePrjProgress(g_PrjTree.projectsRoot, true);
}

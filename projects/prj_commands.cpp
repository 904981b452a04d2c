// The commands of the Projects view: making projects, adding new and existing items, file and web
// links, viewing, removing and deleting items, links and projects, converting between projects and
// categories, and completing a task. Each reads the selected node afresh and ends with the focus
// back on the view.
#include "projects/prj_commands.h"

#include <string>

#include "core/ansi_text.h"
#include "core/app_settings.h"
#include "core/cat_record.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/poom_session.h"
#include "core/res_string.h"
#include "core/show_message.h"
#include "core/tsk_loading.h"
#include "lists/task_view.h"
#include "platform/files.h"
#include "platform/poom.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/user.h"
#include "projects/choose_item.h"
#include "projects/prj_items.h"
#include "projects/prj_membership.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_build.h"
#include "projects/prj_tree_edit.h"
#include "projects/prj_view.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/file_picker.h"
#include "ui/frame_calls.h"
#include "ui/pick_result.h"
#include "ui/text_prompt.h"
#include "ui/view_calls.h"

namespace {

constexpr std::u16string_view kUrlPrefix = u"iexplore ";
constexpr const WCHAR* kHyperlinkPreset = u"http://";
constexpr const WCHAR* kBadPrjNameText = u"Project names cannot contain '>', ',' or '^'.";
// A project name with these would read back as other levels or other entries.
constexpr std::u16string_view kPrjNameForbidden = u">,^";
constexpr const WCHAR* kPrjTaskNotSavedText = u"The task could not be saved, so it was left as it was.";
constexpr const WCHAR* kPrjItemNotRemovedText = u"The item could not be saved, so it was left in the project.";

std::u16string Text(HTREEITEM node) { return GetTreeNodeText(g_PrjTree.wnd, node); }

void DeleteNode(HTREEITEM node) { SendMessageW(g_PrjTree.wnd, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(node)); }

int Ask(UINT id, std::u16string_view nodeText) {
    const std::u16string format = LoadResString(id);
    const std::u16string text = platform::FormatW(format.c_str(), std::u16string(nodeText).c_str());
    return MessageBoxW(g_Frame.mainWnd, text.c_str(), u"", MB_YESNO | MB_ICONQUESTION);
}

void Tell(UINT id) {
    MessageBoxW(g_Frame.mainWnd, LoadResString(id).c_str(), u"", MB_OK | MB_ICONEXCLAMATION);
}

bool IsItemNode(HTREEITEM node) { return IsTaskNode(node) || IsCtsNode(node) || IsApptNode(node); }
bool IsLinkNode(HTREEITEM node) { return IsFileLinkNode(node) || IsWebLinkNode(node); }

LONG NodeOid(HTREEITEM node) { return static_cast<LONG>(GetTreeItemParam(node)); }

bool ItemExists(LONG oid) {
    PoomPtr<IDispatch> item;
    IPOutlookApp2* app = GetPoomApp();
    return app && SUCCEEDED(app->GetItemFromOid(oid, item.Out())) && item;
}

bool AnyItemNode(LONG oid, HTREEITEM skip) {
    return FindItemNodeElsewhere(oid, g_PrjTree.projectsRoot, skip) ||
           (g_PrjTree.outlookRoot && FindItemNodeElsewhere(oid, g_PrjTree.outlookRoot, skip));
}

std::u16string LinkFileOf(HTREEITEM node) {
    const PrjPath path = GetPrjNodePath(node);
    return BuildPrjLinkName(Text(node), path.project, path.sub, path.subSub, IsWebLinkNode(node));
}

namespace {

// Characters a file name cannot hold, and the link file name's own marks.
constexpr std::u16string_view kTitleUnsafe = u"\\/:*?\"<>|^,#";

// The title as a file name can carry it: unsafe characters become '_', and trailing dots and
// blanks, which file systems drop, go.
std::u16string CleanLinkTitle(std::u16string_view title) {
    std::u16string clean(title);
    for (char16_t& c : clean)
        if (c < u' ' || kTitleUnsafe.find(c) != std::u16string_view::npos) c = u'_';
    while (!clean.empty() && (clean.back() == u'.' || clean.back() == u' ')) clean.pop_back();
    return clean.empty() ? std::u16string(u"_") : clean;
}

}  // namespace

std::u16string LinkTitle(std::u16string_view target, bool isWeb) {
    if (isWeb) {
        const std::size_t slash = target.rfind(u'/');
        return CleanLinkTitle(slash == std::u16string_view::npos ? target : target.substr(slash + 1));
    }
    std::u16string_view name = target;
    const std::size_t backslash = name.rfind(u'\\');
    if (backslash != std::u16string_view::npos) name = name.substr(backslash + 1);
    const std::size_t dot = name.rfind(u'.');
    if (dot != std::u16string_view::npos) name = name.substr(0, dot);
    return CleanLinkTitle(name);
}

bool ValidPrjName(std::u16string_view name) {
    return name.find_first_of(kPrjNameForbidden) == std::u16string_view::npos;
}

// False when the item's save failed: the store keeps it in the project, and so does memory.
bool RemoveItemFromPrjByKind(int kind, LONG oid, const std::u16string& project) {
    switch (kind) {
    case kItemTask:
        if (!RemoveCatFromTsk(oid, project)) return false;
        ForgetTskPrjInMemory(oid, project);
        return true;
    case kItemContact:
        if (!RemoveCatFromCts(oid, project)) return false;
        ForgetCtsPrjInMemory(oid, project);
        return true;
    case kItemAppt: return RemoveCatFromAppt(oid, project);
    default: return true;
    }
}

}  // namespace

void PutBackUnderOutlook(LONG oid, int kind, HTREEITEM skip) {
    if (AnyItemNode(oid, skip) || g_PrjOptions.poomBelow || !g_PrjOptions.outFolder) return;
    switch (kind) {
    case kItemTask:
        if (const TskRecord* task = FindTskRecord(oid))
            AddOutlookItemNode(GetTskGroupNode(), TskNodeLabel(*task), oid, TskNodeImage(*task), JoinCommaList(*task),
                               GroupPlace::kSorted);
        break;
    case kItemContact: AddPrjCtsNode(oid); break;
    case kItemAppt: AddPrjApptNode(oid); break;
    }
}

void NewPrjCmd() {
    g_PromptText.clear();
    if (PromptTextById(g_Frame.mainWnd, IDS_PRJ_NEW_PROJECT, IDS_PRJ_ENTER_NAME) != kPromptAccepted ||
        g_PromptText.empty())
        return FocusCurrentView();
    const std::u16string name = g_PromptText;
    if (!ValidPrjName(name)) {
        MessageBoxW(g_Frame.mainWnd, kBadPrjNameText, u"", MB_OK | MB_ICONEXCLAMATION);
        return FocusCurrentView();
    }
    const HTREEITEM selected = GetSelectedPrjNode();
    PrjPath path;
    int image = g_PrjTree.imageBase;
    if (selected && selected == g_PrjTree.projectsRoot) {
        path = PrjPath{name, {}, {}};
        image += kPrjImgTopPrj;
    } else if (IsTopPrjNode(selected) && IsFolderNode(selected)) {
        path = PrjPath{Text(selected), name, {}};
        image += kPrjImgSubPrj;
    } else if (IsSubPrjNode(selected)) {
        path = PrjPath{Text(TreeParent(selected)), Text(selected), name};
        image += kPrjImgSubSubPrj;
    } else {
        return FocusCurrentView();  // three levels at most
    }
    if (!FindPrjNodeByPath(path)) {
        InsertFolderNodeSorted(selected, name, image, kPrjFolderData);
        ExpandPrjNodeByPath(path);
    }
    FocusCurrentView();
}

void PrjAddCmd() {
    const HTREEITEM selected = GetSelectedPrjNode();
    if (selected && selected == g_PrjTree.projectsRoot) return NewPrjCmd();
    if (IsTskGroupNode(selected)) {
        NewItemInPrj = 1;
        views::NewTskFormDlg(0);
    } else if (IsApptGroupNode(selected) || IsMonthNode(selected)) {
        NewItemInPrj = 1;
        views::NewApptDlg();
    } else if (IsCtsGroupNode(selected)) {
        NewItemInPrj = 1;
        views::NewContactCmd();
    } else {
        ShowAddMenu();
    }
    FocusCurrentView();
}

void NewNoteInPrj() {
    NewItemInPrj = 1;
    // A project's note goes to the notes folder itself, not to whichever folder the notes view was left in.
    g_Settings.curNoteDir = g_Settings.noteDir;
    views::NewNoteFile(1, 0);  // a text note, no template choice
    FocusCurrentView();
}

namespace {

void AddExistingToPrj(int kind) {
    const LONG oid = ChooseItemDlg(g_Frame.mainWnd, kind);
    const PrjPath path = GetPrjNodePath(GetSelectedPrjNode());
    if (oid != -1 && !path.project.empty()) SetPrjCatOfKind(kind, oid, path, true);
    if (kind == kItemTask) UpdatePrjProgress(g_PrjTree.projectsRoot, true);
    FocusCurrentView();
}

}  // namespace

void AddExistingTskToPrj() { AddExistingToPrj(kItemTask); }
void AddExistingCtsToPrj() { AddExistingToPrj(kItemContact); }
void AddExistingApptToPrj() { AddExistingToPrj(kItemAppt); }

void WriteLinkFile(std::u16string_view target, const PrjPath& path, bool isWeb, LinkNodeInsert insert) {
    // A second link of the same title gets its own file: appended to the first, it was lost to
    // every reader but ours.
    const std::u16string base = LinkTitle(target, isWeb);
    std::u16string title = base;
    std::u16string file = BuildPrjLinkName(title, path.project, path.sub, path.subSub, isWeb);
    for (int n = 2; GetFileAttributesW(file.c_str()) != INVALID_FILE_ATTRIBUTES; ++n) {
        title = base + u" (" + platform::FromUtf8(std::to_string(n)) + u")";
        file = BuildPrjLinkName(title, path.project, path.sub, path.subSub, isWeb);
    }
    if (FILE* stream = _wfopen(file.c_str(), u"w")) {
        const std::string text = isWeb ? MakeUrlShortcut(target) : MakeFileShortcut(target);
        std::fwrite(text.data(), 1, text.size(), stream);
        std::fclose(stream);
    }
    if (insert == LinkNodeInsert::kYes) InsertLinkNode(title, file, path, isWeb);
}

std::u16string ReadLinkTarget(std::u16string_view linkFile, bool isWeb) {
    std::string bytes;
    if (FILE* stream = _wfopen(std::u16string(linkFile).c_str(), u"rb")) {
        char buffer[512];
        std::size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof(buffer), stream)) > 0) bytes.append(buffer, got);
        std::fclose(stream);
    }
    const std::u16string text = FromAnsi(bytes);
    const std::size_t mark = text.find(u'#');
    if (mark == std::u16string::npos) return std::u16string();
    // The count bounds the first text: a second link of the same title follows without a line end.
    // A count longer than any file is as good as none: stop before it could overflow.
    constexpr long kCountCap = 1L << 30;
    long count = 0;
    for (std::size_t i = 0; i < mark && text[i] >= u'0' && text[i] <= u'9' && count < kCountCap; ++i)
        count = count * 10 + (text[i] - u'0');
    std::u16string body = text.substr(mark + 1);
    if (isWeb) {
        if (count > 2 && static_cast<std::size_t>(count - 2) < body.size()) body.resize(static_cast<std::size_t>(count - 2));
        if (body.compare(0, kUrlPrefix.size(), kUrlPrefix) != 0) return std::u16string();
        return body.substr(kUrlPrefix.size());
    }
    if (count > 0 && static_cast<std::size_t>(count) < body.size()) body.resize(static_cast<std::size_t>(count));
    if (body.size() < 2 || body.front() != u'"') return std::u16string();
    const std::size_t close = body.find(u'"', 1);
    return body.substr(1, close == std::u16string::npos ? std::u16string::npos : close - 1);
}

void AddFileLinkToPrj(const std::u16string& path) {
    const HTREEITEM selected = GetSelectedPrjNode();
    if (!IsPrjFolderNode(selected)) return;
    const PrjPath prjPath = GetPrjNodePath(selected);
    WriteLinkFile(path, prjPath, false, LinkNodeInsert::kYes);
    ExpandPrjNodeByPath(prjPath);
}

void AddLinkCmd() {
    if (ShowFilePickerDlg(g_Frame.mainWnd, kPickAnyFile) && !g_FilePicker.chosenPath.empty())
        AddFileLinkToPrj(g_FilePicker.chosenPath);
    FocusCurrentView();
}

void AddHyperlinkCmd() {
    g_PromptText = kHyperlinkPreset;
    const bool accepted = PromptTextById(g_Frame.mainWnd, IDS_WEBSITE, IDS_ENTER_HYPERLINK) == kPromptAccepted;
    const HTREEITEM selected = GetSelectedPrjNode();
    if (accepted && !g_PromptText.empty() && IsPrjFolderNode(selected)) {
        const PrjPath path = GetPrjNodePath(selected);
        WriteLinkFile(g_PromptText, path, true, LinkNodeInsert::kYes);
        ExpandPrjNodeByPath(path);
    }
    FocusCurrentView();
}

void ViewPrjItem() {
    const HTREEITEM selected = GetSelectedPrjNode();
    const LONG oid = NodeOid(selected);
    const auto select = [oid](LONG kind) {
        g_CurItem.oid = oid;
        g_CurItem.kind = kind;
        g_CurItem.listIndex = -1;
    };
    if (IsTaskNode(selected)) {
        select(kItemTask);
        views::ShowTskPreview();
    } else if (IsApptNode(selected)) {
        select(kItemAppt);
        PrjAppt appt;
        if (ReadPrjAppt(oid, appt)) g_SelectedDate = DateRec(appt.start.wYear, appt.start.wMonth, appt.start.wDay);
        views::ShowApptPreview();
    } else if (IsCtsNode(selected)) {
        select(kItemContact);
        views::ShowCtsPreview(1);
    } else if (IsLinkNode(selected) && IsPrjFolderNode(TreeParent(selected))) {
        const std::u16string file = LinkFileOf(selected);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof(info);
        info.hwnd = g_Frame.mainWnd;
        info.lpFile = file.c_str();
        info.nShow = SW_SHOWNORMAL;
        ShellExecuteExW(&info);
    }
}

void RefreshPrjTskNode() {
    const HTREEITEM selected = GetSelectedPrjNode();
    const LONG oid = NodeOid(selected);
    if (!IsTaskNode(selected)) return FocusCurrentView();
    PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
    if (!task) return FocusCurrentView();
    VARIANT_BOOL complete = VARIANT_FALSE;
    task->get_Complete(&complete);
    const bool nowComplete = complete == VARIANT_FALSE;
    // The tree shows what the store holds: a save that failed changes nothing on screen.
    if (FAILED(task->put_Complete(nowComplete ? VARIANT_TRUE : VARIANT_FALSE)) || FAILED(task->Save())) {
        ShowMessage(g_Frame.mainWnd, kPrjTaskNotSavedText, MB_OK | MB_ICONEXCLAMATION);
        return FocusCurrentView();
    }
    task.Reset();
    std::u16string label = Text(selected);
    if (TskRecord* record = FindTskRecord(oid)) {
        record->complete = nowComplete ? 1 : 0;
        label = TskNodeLabel(*record);
    }
    UpdateTaskNodes(oid, label, nowComplete, g_PrjTree.projectsRoot, true);
    if (g_PrjTree.outlookRoot) UpdateTaskNodes(oid, label, nowComplete, g_PrjTree.outlookRoot, true);
    FocusCurrentView();
}

void DeletePrjItemCmd() {
    const HTREEITEM selected = GetSelectedPrjNode();
    if (IsLinkNode(selected)) {
        if (Ask(IDS_PRJ_REMOVE_ITEM, Text(selected)) == IDYES) DeletePrjLinkNode(selected);
        return FocusCurrentView();
    }
    const int kind = PrjNodeItemKind(selected);
    if (kind == kItemNone) return FocusCurrentView();
    const LONG oid = NodeOid(selected);
    g_CurItem.oid = oid;
    g_CurItem.kind = kind;
    switch (kind) {
    case kItemTask: views::DeleteTskCmd(); break;
    case kItemAppt: views::DeleteCurrentAppt(); break;
    case kItemContact: views::DeleteCtsCmd(); break;
    }
    // The editors' delete commands ask their own question; the store tells whether it went.
    if (!ItemExists(oid)) {
        RemoveItemNodes(oid, g_PrjTree.projectsRoot, false, true);
        if (g_PrjTree.outlookRoot) RemoveItemNodes(oid, g_PrjTree.outlookRoot, false, true);
    }
    FocusCurrentView();
}

void RemoveFromPrjCmd() {
    const HTREEITEM selected = GetSelectedPrjNode();
    const int kind = PrjNodeItemKind(selected);
    const HTREEITEM parent = TreeParent(selected);
    if (kind == kItemNone || !IsPrjFolderNode(parent)) return FocusCurrentView();
    const PrjPath path = GetPrjNodePath(parent);
    const LONG oid = NodeOid(selected);
    if (!RemoveItemFromPrjByKind(kind, oid, path.project)) {
        ShowMessage(g_Frame.mainWnd, kPrjItemNotRemovedText, MB_OK | MB_ICONEXCLAMATION);
        return FocusCurrentView();
    }
    if (kind == kItemTask) UpdatePrjProgress(g_PrjTree.projectsRoot, true);
    RemoveItemNodes(oid, FindPrjNode(path.project), false, true);
    PutBackUnderOutlook(oid, kind, nullptr);
    ExpandPrjNodeByPath(path);
    FocusCurrentView();
}

void RemovePrjFromItems(HTREEITEM folder) {
    HTREEITEM child = TreeFirstChild(folder);
    while (child) {
        const HTREEITEM next = TreeNextSibling(child);
        if (IsSubPrjNode(child) || IsSubSubPrjNode(child)) {
            RemovePrjFromItems(child);
        } else if (IsItemNode(child)) {
            const LONG oid = NodeOid(child);
            const int kind = PrjNodeItemKind(child);
            RemoveNodeItemFromPrj(child, NodeFate::kKeep);
            PutBackUnderOutlook(oid, kind, child);
        } else if (IsLinkNode(child)) {
            RemoveNodeItemFromPrj(child, NodeFate::kDelete);
        }
        child = next;
    }
    DeleteNode(folder);
}

void MovePrjItemsToParent(HTREEITEM folder) {
    PrjPath parentPath;
    if (IsSubPrjNode(folder)) {
        parentPath.project = Text(TreeParent(folder));
    } else if (IsSubSubPrjNode(folder)) {
        parentPath.project = Text(TreeParent(TreeParent(folder)));
        parentPath.sub = Text(TreeParent(folder));
    } else {
        return;
    }
    HTREEITEM child = TreeFirstChild(folder);
    while (child) {
        const HTREEITEM next = TreeNextSibling(child);
        if (IsLinkNode(child)) {
            const bool isWeb = IsWebLinkNode(child);
            const std::u16string target = ReadLinkTarget(LinkFileOf(child), isWeb);
            if (!target.empty()) WriteLinkFile(target, parentPath, isWeb, LinkNodeInsert::kYes);
            RemoveNodeItemFromPrj(child, NodeFate::kDelete);
        } else if (IsItemNode(child)) {
            const int kind = PrjNodeItemKind(child);
            const LONG oid = NodeOid(child);
            RemoveNodeItemFromPrj(child, NodeFate::kDelete);
            SetPrjCatOfKind(kind, oid, parentPath, true);
        } else if (IsFolderNode(child)) {
            // Its items keep their categories: a rebuild shows the folder again under its old path.
            DeleteNode(child);
        }
        child = next;
    }
}

void RemovePrjCmd() {
    const HTREEITEM selected = GetSelectedPrjNode();
    if (!selected) return FocusCurrentView();
    if (IsItemNode(selected)) {
        if (IsPrjFolderNode(TreeParent(selected))) ShowItemRemoveMenu();
        else DeletePrjItemCmd();
        return FocusCurrentView();
    }
    if (IsLinkNode(selected)) return DeletePrjItemCmd();
    const bool top = IsTopPrjNode(selected) && IsFolderNode(selected);
    const bool sub = IsSubPrjNode(selected);
    const bool subSub = IsSubSubPrjNode(selected);
    if (!top && !sub && !subSub) return FocusCurrentView();
    if (!TreeFirstChild(selected)) {
        DeleteNode(selected);
        return FocusCurrentView();
    }
    if (top) {
        if (Ask(IDS_PRJ_REMOVE_PROJECT, Text(selected)) == IDYES) RemovePrjFromItems(selected);
        return FocusCurrentView();
    }
    if (Ask(IDS_PRJ_REMOVE_SUB, Text(selected)) != IDYES) return FocusCurrentView();
    if (Ask(sub ? IDS_PRJ_MOVE_TO_PROJECT : IDS_PRJ_MOVE_TO_PARENT, Text(selected)) == IDYES) {
        MovePrjItemsToParent(selected);
        DeleteNode(selected);
    } else {
        RemovePrjFromItems(selected);
    }
    FocusCurrentView();
}

void ConvertPrjFolder(HTREEITEM folder, const std::u16string& category, bool remove) {
    HTREEITEM child = TreeFirstChild(folder);
    while (child) {
        const HTREEITEM next = TreeNextSibling(child);
        if (IsSubPrjNode(child) || IsSubSubPrjNode(child)) {
            ConvertPrjFolder(child, category, remove);
            if (remove) DeleteNode(child);
        } else if (IsItemNode(child)) {
            const int kind = PrjNodeItemKind(child);
            const LONG oid = NodeOid(child);
            switch (kind) {
            case kItemTask: AddCatToTsk(oid, category); break;
            case kItemContact: AddCatToCts(oid, category); break;
            case kItemAppt: AddCatToAppt(oid, category); break;
            }
            if (remove) {
                const PrjPath path = GetPrjNodePath(folder);
                RemoveItemFromPrjByKind(kind, oid, path.project);
                RemoveItemNodes(oid, FindPrjNode(path.project), false, true);
                PutBackUnderOutlook(oid, kind, nullptr);
            }
        } else if (IsLinkNode(child) && remove) {
            DeletePrjLinkNode(child);
        }
        child = next;
    }
}

void ConvertPrjCmd() {
    const HTREEITEM selected = GetSelectedPrjNode();
    if (!IsPrjFolderNode(selected) || !IsFolderNode(selected)) {
        Tell(IDS_PRJ_SELECT_FOLDER);
        return FocusCurrentView();
    }
    g_PromptText.clear();
    if (PromptTextById(g_Frame.mainWnd, IDS_SORT_CATEGORY, IDS_ENTER_CATEGORY_NAME) != kPromptAccepted ||
        g_PromptText.empty())
        return FocusCurrentView();
    const std::u16string category = g_PromptText;
    const bool remove = MessageBoxW(g_Frame.mainWnd, LoadResString(IDS_PRJ_CONVERT_REMOVE).c_str(), u"",
                                    MB_YESNO | MB_ICONQUESTION) == IDYES;
    ConvertPrjFolder(selected, category, remove);
    if (remove) DeleteNode(selected);
    FocusCurrentView();
}

namespace {

RecordArray<std::u16string> CollectNonPrjCats() {
    RecordArray<std::u16string> names;
    for (const CatRecord& cat : g_CatList)
        if (!IsPrjCat(cat.name)) names.Append(cat.name);
    return names;
}

}  // namespace

void CatToPrjCmd() {
    const RecordArray<std::u16string> names = CollectNonPrjCats();
    if (names.IsEmpty() || !views::StrListPickDlg(g_Frame.mainWnd, names, LoadResString(IDS_SORT_CATEGORY)) ||
        g_ChosenText.empty())
        return FocusCurrentView();
    const std::u16string chosen = g_ChosenText;
    const std::u16string category = u"Prj:" + chosen;
    for (const CtsRecord& contact : RecordArray<CtsRecord>(g_CtsList))
        if (CatListHasName(JoinCategories(contact.categories), chosen)) AddCatToCts(contact.oid, category);
    for (const TskRecord& task : TskArray(g_TskList))
        if (CatListHasName(JoinCommaList(task), chosen)) AddCatToTsk(task.oid, category);
    // The list of all appointments is read for this and emptied again when nobody had it loaded.
    const bool hadAll = !g_AllApptsArray.IsEmpty();
    if (!hadAll) LoadAllApptsPOOM();
    for (const ApptRecord& appt : ApptArray(g_AllApptsArray))
        if (CatListHasName(JoinApptCats(appt), chosen)) AddCatToAppt(appt.oid, category);
    if (!hadAll) g_AllApptsArray.RemoveAll();
    RebuildPrjTree();
    FocusCurrentView();
}

int PrjTreeTapHold(HWND tree, POINT point) {
    SHRGINFO info{};
    info.cbSize = sizeof(info);
    info.hwndClient = tree;
    info.ptDown = point;
    info.dwFlags = SHRG_RETURNCMD;
    if (SHRecognizeGesture(&info) != GN_CONTEXTMENU) return 0;
    ShowPrjNodeMenu(0);
    FocusCurrentView();
    return 1;
}

// A device with a PIM store, the program's POOM session, a plain main window and the project tree,
// helpers that put tasks, contacts and appointments with categories into the store and load them,
// and an outline of the tree as text to compare against.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/cat_loading.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/frame_state.h"
#include "core/month_cache.h"
#include "core/pim_state.h"
#include "core/pim_volume.h"
#include "core/poom_session.h"
#include "core/program_folder.h"
#include "core/theme_record.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "frame/main_window.h"
#include "platform/files.h"
#include "platform/kernel.h"
#include "platform/modules.h"
#include "platform/poom.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "projects/prj_membership.h"
#include "projects/prj_tree.h"
#include "projects/prj_tree_build.h"
#include "projects/prj_tree_edit.h"
#include "resources/quorvia_resources.h"
#include "ui/view_windows.h"

namespace prjtest {

inline LRESULT CALLBACK PlainWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcW(hwnd, msg, wp, lp);
}

inline platform::DeviceProfile Screen() {
    platform::DeviceProfile profile;
    profile.screenWidth = 240;
    profile.screenHeight = 320;
    profile.dpi = 96;
    profile.headless = true;
    return profile;
}

// Tuesday 10 March 2026: the tree's current month is March 2026.
inline constexpr SYSTEMTIME kNow{2026, 3, 2, 10, 10, 30, 0, 0};

inline std::string Narrow(std::u16string_view text) { return std::string(text.begin(), text.end()); }

class PrjTreeTest : public ::testing::Test {
protected:
    PrjTreeTest() : device_(Screen()) {}

    void SetUp() override {
        platform::testing::FreezeClock(kNow);
        RegisterQuorviaResources();
        InitCommonControls();
        ResetData();
        ThemeSetDefaults(g_Theme);
        g_Frame = {};
        g_Main = {};
        g_Main.instance = GetModuleHandleW(nullptr);
        WNDCLASSW wc{};
        wc.lpfnWndProc = PlainWndProc;
        wc.hInstance = g_Main.instance;
        wc.lpszClassName = u"PrjTreeTestMain";
        RegisterClassW(&wc);
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        g_Frame.mainWnd = CreateWindowExW(0, u"PrjTreeTestMain", u"Vestral Agenda", WS_VISIBLE, work.left, work.top,
                                          work.right - work.left, work.bottom - work.top, nullptr, nullptr,
                                          g_Main.instance, nullptr);
        StartPoomSession(g_Frame.mainWnd);
        ASSERT_NE(GetPoomApp(), nullptr);
        ASSERT_TRUE(MountPimVol(g_PimVol));
        CreatePrjTree(g_Frame.mainWnd);
        ASSERT_NE(g_PrjTree.wnd, nullptr);
        ShowWindow(g_PrjTree.wnd, SW_SHOW);
        MakeProgramFolder();
        EnsurePrjLinksDir();
        ViewId = kViewProjects;
    }

    void TearDown() override {
        platform::testing::ClearPimFailures();
        platform::testing::ClearMessageBoxes();
        if (g_PrjTree.wnd) DestroyWindow(g_PrjTree.wnd);
        g_PrjTree = PrjTreeState();
        g_ViewWnds = ViewWindows();
        UnmountPimVol(g_PimVol);
        EndPoomSession();
        ResetData();
        if (g_Frame.mainWnd) DestroyWindow(g_Frame.mainWnd);
        g_Frame = {};
        EXPECT_EQ(platform::testing::LivePimObjects(), 0) << "object-model objects leaked";
    }

    // The folder the program runs from, each level made when missing.
    static void MakeProgramFolder() {
        const std::u16string folder = ProgramFolderFile(u"");
        for (std::size_t at = folder.find(u'\\', 1); at != std::u16string::npos; at = folder.find(u'\\', at + 1))
            CreateDirectoryW(folder.substr(0, at).c_str(), nullptr);
    }

    static void ResetData() {
        g_Settings = AppSettings();
        g_PrjOptions = PrjOptions();
        ClearApptMonthCache();
        g_ApptCache.curAppts = nullptr;
        g_ApptCache.curSpans = nullptr;
        g_AllApptsArray.RemoveAll();
        g_TskList.RemoveAll();
        g_TskIdIndex.RemoveAll();
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
        g_CurItem = CurItem();
        g_CatList.RemoveAll();
        g_CatAssocLists = CatAssocListSet();
        g_PrjTreeMonths.RemoveAll();
        NewItemInPrj = 0;
    }

    DATE Ole(const DateRec& date) {
        SYSTEMTIME time = date;
        DATE out = 0;
        GetPoomApp()->SystemTimeToVariantTime(&time, &out);
        return out;
    }

    template <class T>
    PoomPtr<T> Create(int type, REFIID iid) {
        PoomPtr<IDispatch> item;
        EXPECT_EQ(GetPoomApp()->CreateItem(type, item.Out()), S_OK);
        return QueryPoom<T>(item.Get(), iid);
    }

    LONG AddTask(const char16_t* subject, const char16_t* categories, bool complete = false) {
        PoomPtr<ITask> task = Create<ITask>(olTaskItem, IID_ITask);
        task->put_Subject(subject);
        task->put_Categories(categories);
        task->put_ReminderSet(VARIANT_FALSE);
        if (complete) task->put_Complete(VARIANT_TRUE);
        EXPECT_EQ(task->Save(), S_OK);
        LONG oid = -1;
        task->get_Oid(&oid);
        return oid;
    }

    LONG AddContact(const char16_t* fileAs, const char16_t* company, const char16_t* categories) {
        PoomPtr<IContact> contact = Create<IContact>(olContactItem, IID_IContact);
        contact->put_LastName(fileAs);
        contact->put_FileAs(fileAs);
        contact->put_CompanyName(company);
        contact->put_Categories(categories);
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }

    LONG AddAppt(const char16_t* subject, const DateRec& start, const char16_t* categories) {
        PoomPtr<IAppointment> appt = Create<IAppointment>(olAppointmentItem, IID_IAppointment);
        appt->put_Subject(subject);
        appt->put_Start(Ole(start));
        appt->put_Duration(60);
        appt->put_Categories(categories);
        appt->put_ReminderSet(VARIANT_FALSE);
        EXPECT_EQ(appt->Save(), S_OK);
        LONG oid = -1;
        appt->get_Oid(&oid);
        return oid;
    }

    // The lists the tree is built from, read again from the store; the month cache emptied.
    void LoadItems() {
        LoadCategories();
        ReloadCategoryAssoc();
        LoadTskPOOM();
        LoadCtsPOOM();
        ClearApptMonthCache();
        g_ApptCache.curAppts = nullptr;
        g_ApptCache.curSpans = nullptr;
    }

    template <class T>
    std::u16string StoredCats(LONG oid, REFIID iid) {
        PoomPtr<T> item = GetPoomItem<T>(GetPoomApp(), oid, iid);
        if (!item) return u"<gone>";
        BSTR text = nullptr;
        item->get_Categories(&text);
        return TakeBstr(text);
    }
    std::u16string TaskCats(LONG oid) { return StoredCats<ITask>(oid, IID_ITask); }
    std::u16string ContactCats(LONG oid) { return StoredCats<IContact>(oid, IID_IContact); }
    std::u16string ApptCats(LONG oid) { return StoredCats<IAppointment>(oid, IID_IAppointment); }

    // Every node under the roots, two blanks of indent per level: "Projects\n  A\n    task\n".
    static std::string Outline() {
        std::string text;
        for (HTREEITEM root = FirstRoot(); root; root = TreeNextSibling(root)) AppendOutline(root, 0, text);
        return text;
    }
    static std::string Outline(HTREEITEM node) {
        std::string text;
        AppendOutline(node, 0, text);
        return text;
    }

    static HTREEITEM FirstRoot() {
        return reinterpret_cast<HTREEITEM>(SendMessageW(g_PrjTree.wnd, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    }

    static void AppendOutline(HTREEITEM node, int depth, std::string& text) {
        text += std::string(static_cast<std::size_t>(depth) * 2, ' ');
        text += Narrow(GetTreeNodeText(g_PrjTree.wnd, node));
        text += '\n';
        for (HTREEITEM child = TreeFirstChild(node); child; child = TreeNextSibling(child))
            AppendOutline(child, depth + 1, text);
    }

    // The node of that path of texts from a root ("Projects", "A", "x").
    static HTREEITEM Node(std::initializer_list<std::u16string_view> texts) {
        HTREEITEM at = nullptr;
        for (std::u16string_view text : texts) {
            HTREEITEM child = at ? TreeFirstChild(at) : FirstRoot();
            while (child && GetTreeNodeText(g_PrjTree.wnd, child) != text) child = TreeNextSibling(child);
            if (!child) return nullptr;
            at = child;
        }
        return at;
    }

    static void Select(HTREEITEM node) {
        SendMessageW(g_PrjTree.wnd, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(node));
    }

    static bool FileThere(const std::u16string& path) {
        return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    platform::testing::TestDevice device_;
};

}  // namespace prjtest

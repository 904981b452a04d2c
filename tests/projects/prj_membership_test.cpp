// Plain categories put into tasks, contacts and appointments through the PIM store: nothing saved
// when the list already holds the name in any case, one separator between entries, the loaded
// record following the store, and OIDs the store no longer knows left alone.
#include "projects/prj_membership.h"

#include "core/pim_state.h"
#include "core/poom_session.h"
#include "core/text_util.h"
#include "core/tsk_loading.h"
#include "platform/testing_pim.h"
#include "tests/projects/prj_dialog_fixture.h"

namespace {

class PrjMembershipTest : public prjtest::PrjDialogTest {
protected:
    void SetUp() override {
        PrjDialogTest::SetUp();
        StartPoomSession(nullptr);
        ASSERT_NE(GetPoomApp(), nullptr);
    }
    void TearDown() override {
        platform::testing::ClearPimFailures();
        EndPoomSession();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0);
        PrjDialogTest::TearDown();
    }
    template <class T>
    LONG Create(int type, REFIID iid, const WCHAR* categories) {
        PoomPtr<IDispatch> object;
        EXPECT_EQ(GetPoomApp()->CreateItem(type, object.Out()), S_OK);
        const PoomPtr<T> item = QueryPoom<T>(object.Get(), iid);
        item->put_Categories(categories);
        EXPECT_EQ(item->Save(), S_OK);
        LONG oid = -1;
        item->get_Oid(&oid);
        return oid;
    }
    template <class T>
    std::u16string Stored(LONG oid, REFIID iid) {
        const PoomPtr<T> item = GetPoomItem<T>(GetPoomApp(), oid, iid);
        BSTR text = nullptr;
        if (!item || FAILED(item->get_Categories(&text))) return u"<gone>";
        // The store keeps categories as a list and gives them back joined by ", ".
        std::u16string entries;
        ForEachCommaPiece(TakeBstr(text), [&](const std::u16string& entry) { entries += entry + u"|"; });
        return entries;
    }
};

TEST_F(PrjMembershipTest, PlainCategoriesAreAddedOnceWithOneSeparator) {
    const struct {
        const WCHAR* before;
        const WCHAR* category;
        const WCHAR* after;
        bool saved;
    } cases[] = {
        {u"Work", u"Home", u"Work|Home|", true},
        {u"Work,", u"Home", u"Work|Home|", true},
        {u"errands", u"Errands", u"errands|", false},
        {u"Business, Prj:Home ", u"prj:home", u"Business|Prj:Home|", false},
        {u"", u"Home", u"Home|", true},
    };
    for (const auto& c : cases) {
        g_ChangeMarks.ownChange = 0;
        const LONG task = Create<ITask>(olTaskItem, IID_ITask, c.before);
        const LONG contact = Create<IContact>(olContactItem, IID_IContact, c.before);
        const LONG appt = Create<IAppointment>(olAppointmentItem, IID_IAppointment, c.before);
        AddCatToTsk(task, c.category);
        AddCatToCts(contact, c.category);
        AddCatToAppt(appt, c.category);
        // The own-change mark is raised only for a save.
        EXPECT_EQ(g_ChangeMarks.ownChange != 0, c.saved);
        EXPECT_EQ(Stored<ITask>(task, IID_ITask), c.after);
        EXPECT_EQ(Stored<IContact>(contact, IID_IContact), c.after);
        EXPECT_EQ(Stored<IAppointment>(appt, IID_IAppointment), c.after);
    }
}

TEST_F(PrjMembershipTest, TheLoadedTaskFollowsTheStoreAndGoneItemsAreLeftAlone) {
    const LONG oid = Create<ITask>(olTaskItem, IID_ITask, u"Work");
    AddTask(oid, u"Plan");
    g_TskList[0].categories.Append(u"Work");
    AddCatToTsk(oid, u"Garden");
    ASSERT_EQ(g_TskList[0].categories.Size(), 2);
    EXPECT_EQ(g_TskList[0].categories[1], u"Garden");

    const LONG gone = Create<ITask>(olTaskItem, IID_ITask, u"Work");
    {
        const PoomPtr<ITask> item = GetPoomItem<ITask>(GetPoomApp(), gone, IID_ITask);
        ASSERT_EQ(item->Delete(), S_OK);
    }
    AddCatToTsk(gone, u"Garden");
    RemoveCatFromTsk(gone, u"Garden");
    EXPECT_EQ(SetTskPrjCat(gone, PrjPath{u"Garden", u"", u""}, true), nullptr);
    EXPECT_EQ(Stored<ITask>(gone, IID_ITask), u"<gone>");
}

}  // namespace

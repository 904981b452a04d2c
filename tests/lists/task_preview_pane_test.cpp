// The tasks view with its preview pane in the program's window: the list and the pane laid out on
// every screen class, the pane showing the selected task and following the selection, and the task's
// new values shown after an edit or a change from the store, in the pane and in the task preview.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "calendar/agenda_view.h"
#include "core/cur_item.h"
#include "core/date_text.h"
#include "core/poom_session.h"
#include "core/tsk_loading.h"
#include "core/view_id.h"
#include "editors/tsk_list_editor.h"
#include "lists/task_view.h"
#include "platform/controls.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"

namespace {

namespace pt = platform::testing;

const DateRec kAlphaDue(2026, 12, 12);
const DateRec kBetaDue(2026, 12, 15);

std::u16string DueLine(const DateRec& due) {
    std::u16string date;
    FormatShortDate(date, due);
    return u"Due: " + date;
}

RECT ClientRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    POINT topLeft{r.left, r.top};
    POINT bottomRight{r.right, r.bottom};
    ScreenToClient(g_Frame.mainWnd, &topLeft);
    ScreenToClient(g_Frame.mainWnd, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

RECT OnScreen(HWND window, RECT r) {
    POINT topLeft{r.left, r.top};
    POINT bottomRight{r.right, r.bottom};
    ClientToScreen(window, &topLeft);
    ClientToScreen(window, &bottomRight);
    return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

std::vector<std::u16string> Texts(const std::vector<pt::DrawnText>& drawn) {
    std::vector<std::u16string> texts;
    for (const pt::DrawnText& t : drawn) texts.push_back(t.text);
    return texts;
}

bool Holds(const std::vector<std::u16string>& texts, const std::u16string& text) {
    for (const std::u16string& t : texts) {
        if (t.find(text) != std::u16string::npos) return true;
    }
    return false;
}

std::string Narrow(const std::vector<std::u16string>& texts) {
    std::string out;
    for (const std::u16string& t : texts) {
        for (const char16_t c : t) out += c < 128 ? static_cast<char>(c) : '?';
        out += " | ";
    }
    return out;
}

class TaskPreviewPane : public frametest::ProgramTest {
protected:
    TaskPreviewPane() {
        FreezeTestDay();
    }

    // Two tasks in the store, the list by name with the pane on, and the tasks view shown.
    void OpenTasksWithPane() {
        if (alpha_ == -1) {
            Store store;
            alpha_ = store.Task(u"Alpha report", kAlphaDue);
            beta_ = store.Task(u"Beta invoice", kBetaDue);
        }
        WriteSetting(u"TASKPREVIEW", 1);
        WriteSetting(u"TASKSORT", 0);
        WriteSetting(u"TASKSORTASC1", 1);
        // Made first: the views draw into buffers that are drawn once and then only copied.
        record_.emplace();
        ASSERT_NE(Open(), nullptr);
        Command(IDM_VIEW_TASKS);
        ASSERT_EQ(ViewId, kViewTasks);
    }

    // The texts the pane shows after the main window paints again.
    std::vector<std::u16string> PaneTexts() {
        InvalidateRect(g_Frame.mainWnd, nullptr, FALSE);
        UpdateWindow(g_Frame.mainWnd);
        pt::PumpUntilIdle();
        return Texts(record_->ScreenTextsIn(OnScreen(g_Frame.mainWnd, g_TskListState.previewPane)));
    }

    // The texts the task preview view shows after it paints again.
    std::vector<std::u16string> PreviewTexts() {
        InvalidateRect(g_Agenda.wnd, nullptr, FALSE);
        UpdateWindow(g_Agenda.wnd);
        pt::PumpUntilIdle();
        RECT client{};
        GetClientRect(g_Agenda.wnd, &client);
        return Texts(record_->ScreenTextsIn(OnScreen(g_Agenda.wnd, client)));
    }

    // Edits the current task's subject in the program's editor and saves it.
    static void EditSubject(const std::u16string& subject) {
        pt::ActInsideDialog([subject](HWND dialog) {
            TskEditRows()[0].textValue = subject;
            SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDM_DLG_DONE, BN_CLICKED), 0);
        });
        Command(IDM_EDIT_ITEM);
    }

    // A change made in the store outside the program's editors; its notification reaches the window.
    static void ChangeSubjectInStore(LONG oid, const char16_t* subject) {
        const PoomPtr<ITask> task = GetPoomItem<ITask>(GetPoomApp(), oid, IID_ITask);
        ASSERT_TRUE(task);
        task->put_Subject(subject);
        ASSERT_EQ(task->Save(), S_OK);
        pt::PumpUntilIdle();
    }

    std::optional<pt::DrawRecord> record_;
    LONG alpha_ = -1;
    LONG beta_ = -1;
};

struct ScreenCase {
    int width;
    int height;
    int listBottom;  // in the main window's client area
    RECT pane;       // the same, side and bottom margins taken off
};

TEST_F(TaskPreviewPane, ListAndPaneShareTheViewOnEveryScreenClass) {
    // The theme leaves no margins. Beyond the fixed QVGA places the pane keeps the foot of the view
    // and the list takes the rest: on 320x320 and VGA screens the list does not stop at y 121.
    const ScreenCase cases[] = {
        {240, 320, 169, RECT{0, 172, 240, 264}}, {320, 240, 97, RECT{0, 100, 320, 186}},
        {240, 240, 97, RECT{0, 100, 240, 186}},  {240, 400, 249, RECT{0, 252, 240, 344}},
        {320, 320, 159, RECT{0, 162, 320, 248}}, {480, 640, 338, RECT{0, 344, 480, 528}},
        {640, 480, 194, RECT{0, 200, 640, 372}}, {480, 480, 194, RECT{0, 200, 480, 372}},
        {480, 800, 498, RECT{0, 504, 480, 688}},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        UseScreen(c.width, c.height);
        OpenTasksWithPane();
        const RECT list = ClientRectOf(g_TskListState.list);
        const RECT& pane = g_TskListState.previewPane;
        EXPECT_EQ(list.bottom, c.listBottom);
        EXPECT_EQ(pane.left, c.pane.left);
        EXPECT_EQ(pane.top, c.pane.top);
        EXPECT_EQ(pane.right, c.pane.right);
        EXPECT_EQ(pane.bottom, c.pane.bottom);
        const std::vector<std::u16string> shown = PaneTexts();
        EXPECT_TRUE(Holds(shown, u"Alpha report")) << Narrow(shown);
        EXPECT_TRUE(Holds(shown, DueLine(kAlphaDue))) << Narrow(shown);
        EXPECT_FALSE(Holds(shown, u"Beta invoice")) << Narrow(shown);
        CloseProgram();
        record_.reset();
    }
}

TEST_F(TaskPreviewPane, PaneFollowsTheSelectionAndShowsEditsAndStoreChanges) {
    UseScreen(480, 640);
    OpenTasksWithPane();
    pt::Key(VK_DOWN);
    pt::PumpUntilIdle();
    ASSERT_EQ(g_CurItem.oid, beta_);
    std::vector<std::u16string> shown = PaneTexts();
    EXPECT_TRUE(Holds(shown, u"Beta invoice")) << Narrow(shown);
    EXPECT_TRUE(Holds(shown, DueLine(kBetaDue))) << Narrow(shown);
    EXPECT_FALSE(Holds(shown, u"Alpha report")) << Narrow(shown);

    EditSubject(u"Gamma invoice");
    ASSERT_EQ(ViewId, kViewTasks);
    shown = PaneTexts();
    EXPECT_TRUE(Holds(shown, u"Gamma invoice")) << Narrow(shown);
    EXPECT_FALSE(Holds(shown, u"Beta invoice")) << Narrow(shown);

    ChangeSubjectInStore(beta_, u"Delta invoice");
    shown = PaneTexts();
    EXPECT_TRUE(Holds(shown, u"Delta invoice")) << Narrow(shown);
    EXPECT_FALSE(Holds(shown, u"Gamma invoice")) << Narrow(shown);
}

TEST_F(TaskPreviewPane, TaskPreviewShowsTheSubjectAfterAnEditAndAStoreChange) {
    UseScreen(240, 320);
    OpenTasksWithPane();
    pt::Key(VK_RETURN);
    pt::PumpUntilIdle();
    ASSERT_EQ(ViewId, kViewTaskPreview);
    std::vector<std::u16string> shown = PreviewTexts();
    EXPECT_TRUE(Holds(shown, u"Alpha report")) << Narrow(shown);

    EditSubject(u"Alpha summary");
    ASSERT_EQ(ViewId, kViewTaskPreview);
    shown = PreviewTexts();
    EXPECT_TRUE(Holds(shown, u"Alpha summary")) << Narrow(shown);
    EXPECT_FALSE(Holds(shown, u"Alpha report")) << Narrow(shown);

    ChangeSubjectInStore(alpha_, u"Alpha final");
    shown = PreviewTexts();
    EXPECT_TRUE(Holds(shown, u"Alpha final")) << Narrow(shown);
    EXPECT_FALSE(Holds(shown, u"Alpha summary")) << Narrow(shown);
}

}  // namespace

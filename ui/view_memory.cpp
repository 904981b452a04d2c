// What the main window remembers of its views and the small view-wide actions: the last main view
// and where a preview returns to, hiding every view window, the links key and the help viewer.
#include <array>

#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "core/view_id.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/user.h"
#include "ui/agenda_services.h"
#include "ui/help.h"
#include "ui/view_focus.h"
#include "ui/view_windows.h"

namespace {

// The main views a detail view can go back to.
constexpr std::array<LONG, 9> kLastViews = {kViewMonth, kViewWeek,     kViewTimelineWeek,
                                            kViewDates, kViewTasks,    kViewContacts,
                                            kViewProjects, kViewNotes, kViewWallet};

// Preview origin codes by the view a preview opens from; 4 is outside the lists.
struct PreviewOrigin {
    LONG view;
    LONG origin;
};
constexpr std::array<PreviewOrigin, 5> kPreviewOrigins = {{
    {kViewDay, 1}, {kViewDates, 2}, {kViewContacts, 3}, {kViewTasks, 0}, {kViewProjects, 7},
}};
constexpr LONG kOriginOutside = 4;

LONG g_PreviewOriginCode = kOriginOutside;

constexpr const WCHAR* kHelpProgram = u"peghelp.exe";
constexpr const WCHAR* kHelpCommand = u"file:VestralAgenda.htm#Main_Contents";

}  // namespace

void RememberLastView() {
    for (const LONG view : kLastViews) {
        if (view == ViewId) {
            g_Frame.prevViewId = ViewId;
            return;
        }
    }
}

void RememberPreviewOrigin(LONG outside) {
    if (outside) {
        g_PreviewOriginCode = kOriginOutside;
        return;
    }
    for (const PreviewOrigin& entry : kPreviewOrigins) {
        if (entry.view == ViewId) g_PreviewOriginCode = entry.origin;
    }
}

LONG GetPreviewOrigin() { return g_PreviewOriginCode; }

void HideAllViewWindows() {
    const ViewWindows& v = g_ViewWnds;
    for (HWND window : {v.scheduleList, v.taskList, v.contactsList, v.notesList, v.walletTree, v.projectTree,
                        v.agendaView, v.contactGrid, g_CtsAbcToolbar, v.weekdayBar}) {
        if (window) ShowWindow(window, SW_HIDE);
    }
}

void ShowHelp(HWND) {
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(kHelpProgram, kHelpCommand, nullptr, nullptr, FALSE, 0, nullptr, nullptr, nullptr, &info)) return;
    // The viewer runs on its own; the handles are not needed.
    if (info.hThread) CloseHandle(info.hThread);
    if (info.hProcess) CloseHandle(info.hProcess);
}

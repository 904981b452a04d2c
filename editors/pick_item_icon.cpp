// Choosing an item's custom icon: the icon picker seeded with the item's icon, the choice stored in
// the index and its file, or kept pending for an item that has no OID yet.
#include "calendar/agenda_view.h"
#include "core/custom_icon.h"
#include "core/frame_state.h"
#include "core/id_index.h"
#include "core/pim_state.h"
#include "core/tsk_loading.h"
#include "editors/appt_form.h"
#include "platform/user.h"
#include "ui/frame_calls.h"
#include "ui/icon_picker.h"
#include "ui/view_commands.h"

void PickItemCustomIcon(HWND window, LONG oid) {
    const LONG current = oid == kNoId ? kNoIcon : LookupCustomIcon(oid);
    if (!PickIconDlg(window, current)) return;
    if (oid == kNoId) {
        // The item is being created: the editor enters the icon once it has an OID.
        g_ApptEditFlags.pickedIcon = PickedIcon;
        g_ApptEditFlags.iconPicked = 1;
        return;
    }
    const int old = IdIndexFind(oid, g_CustomIconIndex);
    if (old >= 0) g_CustomIconIndex.RemoveAt(old);
    IdIndexInsert(oid, PickedIcon, g_CustomIconIndex);
    SaveCustomIconsFile();
    SyncApptCustomIcon();
    FreeBackBuffers();
    const HWND view = g_Agenda.wnd ? g_Agenda.wnd : g_Frame.mainWnd;
    if (!view) return;
    InvalidateRect(view, nullptr, TRUE);
    UpdateWindow(view);
}

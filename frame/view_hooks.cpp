// The views' answers to what a view in a lower folder asks of them (ui/view_calls.h).
#include "frame/frame_hooks.h"

#include "calendar/agenda_switch.h"
#include "calendar/agenda_view.h"
#include "editors/item_commands.h"
#include "editors/text_pick_dlg.h"
#include "extras/spinner.h"
#include "extras/weather_badge.h"
#include "notes/note_commands.h"
#include "notes/note_editor.h"
#include "projects/links_dlg.h"
#include "ui/view_calls.h"
#include "wallet/wlt_view.h"

void RegisterViewHooks() {
    views::ViewCalls calls;
    calls.showDayView = [](int reset, int drop) { ::ShowDayView(reset, drop); };
    calls.showApptPreview = []() { ::ShowApptPreview(); };
    calls.showTskPreview = []() { ::ShowTskPreview(); };
    calls.showTskPreviewByOid = [](LONG oid) { ::ShowTskPreviewByOid(oid); };
    calls.openApptPreviewByOid = [](LONG oid) { ::OpenApptPreviewByOid(oid); };
    calls.showCtsPreview = [](LONG mode) { ::ShowCtsPreview(mode); };
    calls.syncSchedSel = []() { ::SyncSchedSel(); };
    calls.createAgendaViewWnd = [](HWND parent) { ::CreateAgendaViewWnd(parent); };
    calls.releasePreviewBuffer = []() { ::ReleasePreviewBuffer(); };
    calls.showLinksDlg = [](HWND owner) { ::ShowLinksDlg(owner); };
    calls.newTskFormDlg = [](int fromNewTask) { ::NewTskFormDlg(fromNewTask); };
    calls.newApptDlg = []() { ::NewApptDlg(); };
    calls.newContactCmd = []() { ::NewContactCmd(); };
    calls.deleteTskCmd = []() { ::DeleteTskCmd(); };
    calls.deleteCtsCmd = []() { ::DeleteCtsCmd(); };
    calls.deleteCurrentAppt = []() { ::DeleteCurrentAppt(); };
    calls.selectTextDlg = [](HWND owner, int mode) { return ::SelectTextDlg(owner, mode); };
    calls.strListPickDlg = [](HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption) { return ::StrListPickDlg(owner, strings, caption); };
    calls.newNoteFile = [](int text, int askTemplate) { ::NewNoteFile(text, askTemplate); };
    calls.editTextFieldDlg = [](HWND parent, std::u16string& text, LONG caretAtEnd) { return ::EditTextFieldDlg(parent, text, caretAtEnd); };
    calls.clearSpinnerPress = []() { ::ClearSpinnerPress(); };
    calls.spinnerPressHit = [](int x, int y) { return ::SpinnerPressHit(x, y); };
    calls.spinnerPenDrag = [](int x, int y) { ::SpinnerPenDrag(x, y); };
    calls.spinnerTap = [](int x, int y) { ::SpinnerTap(x, y); };
    calls.weatherBadgeOn = []() { return ::WeatherBadgeOn(); };
    calls.drawWeatherBadge = [](HDC dc, int x, int y) { ::DrawWeatherBadge(dc, x, y); };
    calls.drawWalletItem = [](HDC dc, const RECT& area, int scrollY, bool draw) { return ::DrawWalletItem(dc, area, scrollY, draw); };
    calls.showWalletView = []() { ::ShowWalletView(); };
    calls.toggleViewFlag = []() { ::ToggleViewFlag(); };
    calls.fillWalletTree = []() { ::FillWalletTree(); };
    views::RegisterViewCalls(calls);
}

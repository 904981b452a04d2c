#include "ui/view_calls.h"

namespace views {

namespace {

ViewCalls g_calls;

}  // namespace

void RegisterViewCalls(const ViewCalls& calls) { g_calls = calls; }

void ShowDayView(int reset, int drop) { if (g_calls.showDayView) g_calls.showDayView(reset, drop); }
void ShowApptPreview() { if (g_calls.showApptPreview) g_calls.showApptPreview(); }
void ShowTskPreview() { if (g_calls.showTskPreview) g_calls.showTskPreview(); }
void ShowTskPreviewByOid(LONG oid) { if (g_calls.showTskPreviewByOid) g_calls.showTskPreviewByOid(oid); }
void OpenApptPreviewByOid(LONG oid) { if (g_calls.openApptPreviewByOid) g_calls.openApptPreviewByOid(oid); }
void ShowCtsPreview(LONG mode) { if (g_calls.showCtsPreview) g_calls.showCtsPreview(mode); }
void SyncSchedSel() { if (g_calls.syncSchedSel) g_calls.syncSchedSel(); }
void CreateAgendaViewWnd(HWND parent) { if (g_calls.createAgendaViewWnd) g_calls.createAgendaViewWnd(parent); }
void ReleasePreviewBuffer() { if (g_calls.releasePreviewBuffer) g_calls.releasePreviewBuffer(); }
void ShowLinksDlg(HWND owner) { if (g_calls.showLinksDlg) g_calls.showLinksDlg(owner); }
void NewTskFormDlg(int fromNewTask) { if (g_calls.newTskFormDlg) g_calls.newTskFormDlg(fromNewTask); }
void NewApptDlg() { if (g_calls.newApptDlg) g_calls.newApptDlg(); }
void NewContactCmd() { if (g_calls.newContactCmd) g_calls.newContactCmd(); }
void DeleteTskCmd() { if (g_calls.deleteTskCmd) g_calls.deleteTskCmd(); }
void DeleteCtsCmd() { if (g_calls.deleteCtsCmd) g_calls.deleteCtsCmd(); }
void DeleteCurrentAppt() { if (g_calls.deleteCurrentAppt) g_calls.deleteCurrentAppt(); }
int SelectTextDlg(HWND owner, int mode) { return g_calls.selectTextDlg ? g_calls.selectTextDlg(owner, mode) : 0; }
int StrListPickDlg(HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption) {
    return g_calls.strListPickDlg ? g_calls.strListPickDlg(owner, strings, caption) : 0;
}
void NewNoteFile(int text, int askTemplate) { if (g_calls.newNoteFile) g_calls.newNoteFile(text, askTemplate); }
bool EditTextFieldDlg(HWND parent, std::u16string& text, LONG caretAtEnd) {
    return g_calls.editTextFieldDlg ? g_calls.editTextFieldDlg(parent, text, caretAtEnd) : false;
}
void ClearSpinnerPress() { if (g_calls.clearSpinnerPress) g_calls.clearSpinnerPress(); }
int SpinnerPressHit(int x, int y) { return g_calls.spinnerPressHit ? g_calls.spinnerPressHit(x, y) : 0; }
void SpinnerPenDrag(int x, int y) { if (g_calls.spinnerPenDrag) g_calls.spinnerPenDrag(x, y); }
void SpinnerTap(int x, int y) { if (g_calls.spinnerTap) g_calls.spinnerTap(x, y); }
bool WeatherBadgeOn() { return g_calls.weatherBadgeOn ? g_calls.weatherBadgeOn() : false; }
void DrawWeatherBadge(HDC dc, int x, int y) { if (g_calls.drawWeatherBadge) g_calls.drawWeatherBadge(dc, x, y); }
int DrawWalletItem(HDC dc, const RECT& area, int scrollY, bool draw) {
    return g_calls.drawWalletItem ? g_calls.drawWalletItem(dc, area, scrollY, draw) : 0;
}
void ShowWalletView() { if (g_calls.showWalletView) g_calls.showWalletView(); }
void ToggleViewFlag() { if (g_calls.toggleViewFlag) g_calls.toggleViewFlag(); }
void FillWalletTree() { if (g_calls.fillWalletTree) g_calls.fillWalletTree(); }

}  // namespace views

// What a view asks of a view in a folder above it (a preview opened from a list, a new item from the
// project tree, the wheel drawn in the calendar). The feature folders call one another only downwards;
// these calls go up through answers the frame registers at start. Until then a call does nothing and
// answers 0.
#pragma once

#include <string>

#include "core/record_array.h"
#include "platform/types.h"

namespace views {

struct ViewCalls {
    void (*showDayView)(int reset, int drop) = nullptr;
    void (*showApptPreview)() = nullptr;
    void (*showTskPreview)() = nullptr;
    void (*showTskPreviewByOid)(LONG oid) = nullptr;
    void (*openApptPreviewByOid)(LONG oid) = nullptr;
    void (*showCtsPreview)(LONG mode) = nullptr;
    void (*syncSchedSel)() = nullptr;
    void (*createAgendaViewWnd)(HWND parent) = nullptr;
    void (*releasePreviewBuffer)() = nullptr;
    void (*showLinksDlg)(HWND owner) = nullptr;
    void (*newTskFormDlg)(int fromNewTask) = nullptr;
    void (*newApptDlg)() = nullptr;
    void (*newContactCmd)() = nullptr;
    void (*deleteTskCmd)() = nullptr;
    void (*deleteCtsCmd)() = nullptr;
    void (*deleteCurrentAppt)() = nullptr;
    int (*selectTextDlg)(HWND owner, int mode) = nullptr;
    int (*strListPickDlg)(HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption) = nullptr;
    void (*newNoteFile)(int text, int askTemplate) = nullptr;
    bool (*editTextFieldDlg)(HWND parent, std::u16string& text, LONG caretAtEnd) = nullptr;
    void (*clearSpinnerPress)() = nullptr;
    int (*spinnerPressHit)(int x, int y) = nullptr;
    void (*spinnerPenDrag)(int x, int y) = nullptr;
    void (*spinnerTap)(int x, int y) = nullptr;
    bool (*weatherBadgeOn)() = nullptr;
    void (*drawWeatherBadge)(HDC dc, int x, int y) = nullptr;
    int (*drawWalletItem)(HDC dc, const RECT& area, int scrollY, bool draw) = nullptr;
    void (*showWalletView)() = nullptr;
    void (*toggleViewFlag)() = nullptr;
    void (*fillWalletTree)() = nullptr;
};

void RegisterViewCalls(const ViewCalls& calls);

void ShowDayView(int reset, int drop);
void ShowApptPreview();
void ShowTskPreview();
void ShowTskPreviewByOid(LONG oid);
void OpenApptPreviewByOid(LONG oid);
void ShowCtsPreview(LONG mode);
void SyncSchedSel();
void CreateAgendaViewWnd(HWND parent);
void ReleasePreviewBuffer();
void ShowLinksDlg(HWND owner);
void NewTskFormDlg(int fromNewTask);
void NewApptDlg();
void NewContactCmd();
void DeleteTskCmd();
void DeleteCtsCmd();
void DeleteCurrentAppt();
int SelectTextDlg(HWND owner, int mode);
int StrListPickDlg(HWND owner, const RecordArray<std::u16string>& strings, const std::u16string& caption);
void NewNoteFile(int text, int askTemplate);
bool EditTextFieldDlg(HWND parent, std::u16string& text, LONG caretAtEnd);
void ClearSpinnerPress();
int SpinnerPressHit(int x, int y);
void SpinnerPenDrag(int x, int y);
void SpinnerTap(int x, int y);
bool WeatherBadgeOn();
void DrawWeatherBadge(HDC dc, int x, int y);
int DrawWalletItem(HDC dc, const RECT& area, int scrollY, bool draw = true);
void ShowWalletView();
void ToggleViewFlag();
void FillWalletTree();

}  // namespace views

// Stand-ins for the toolkit's picture decoding, colours, date grid and titles until they are built:
// no picture decodes, a darker shade is worked out plainly, the date grid is cancelled, a title is
// the window text alone.
#include <algorithm>

#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/imaging.h"
#include "ui/list_rows.h"
#include "ui/color_shades.h"
#include "ui/date_pickers.h"
#include "ui/help.h"
#include "ui/image_lists.h"
#include "ui/view_focus.h"
#include "frame/side_files.h"

HRESULT DecodeImageToDib(IStream*, HBITMAP*, int, bool) { return E_NOTIMPL; }

// Until the list routines are built the selected row is not scrolled to.
void EnsureSelRowVisible(HWND) {}

void CreateAllImageLists() {}
void DestroyAllImageLists() {}
void DrawItemListRow(const DRAWITEMSTRUCT&, HWND, int) {}
void ShowHelp(HWND) {}

void SetTitleText(HWND window, LPCWSTR text) {
    if (window && text) SetWindowTextW(window, text);
}

// No custom icons read yet: the index stays empty.
void LoadCustomIconsFile() {}

COLORREF DarkenColor(COLORREF colour, int amount) {
    const auto channel = [&](int shift) { return std::max(static_cast<int>((colour >> shift) & 0xFF) - amount, 0); };
    return RGB(channel(0), channel(8), channel(16));
}

SelectDateGrid g_SelectDateGrid;
bool SelectDateDlg(HWND, LONG, LONG, LONG) { return false; }

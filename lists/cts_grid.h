// The contacts view's picture grid (window class "ZQCtsWnd"): the shown contact rows as cells of
// picture and name, several to a line, under full-width group header bars, scrolled by whole lines.
#pragma once

#include <string>

#include "platform/types.h"
#include "ui/list_rows.h"
#include "ui/offscreen.h"

inline constexpr const WCHAR* kCtsGridClass = u"ZQCtsWnd";
inline constexpr int kIdContactGrid = 2358;

// Sizes of the grid on the current screen.
struct CtsGridGeometry {
    int columns = 3;
    int cellWidth = 0;
    int cellHeight = 0;
    int headerHeight = 0;
    int clientHeight = 0;  // the window's client height; drawing stops near its bottom
    bool collapsible = false;  // "CLIST": headers are selectable and fold their group
};

struct CtsGridState {
    HWND window = nullptr;
    int topRow = 0;      // always the first row of a grid line
    int selection = -1;  // a row index, -1 none
    int scrollPos = 0;   // pixel offset of the top line
    OffscreenBuffer buffer;
};

extern CtsGridState g_CtsGrid;
// The shown contact rows, filled by the contacts view; the list and the grid both show them.
extern ListRowArray g_CtsRows;

int CtsGridColumns();
int GetCtsCellHeight();
int GetCtsPictureSize();
// The geometry of the grid window as it is now.
CtsGridGeometry CurrentCtsGridGeometry();

// Line arithmetic over the rows (a line is one header or up to `columns` visible contacts).
int CtsGridLineStart(const ListRowArray& rows, const CtsGridGeometry& geo, int row);
int CtsGridNextLine(const ListRowArray& rows, const CtsGridGeometry& geo, int row);
int CtsGridPrevLine(const ListRowArray& rows, const CtsGridGeometry& geo, int row);
int CtsGridLineHeight(const ListRowArray& rows, const CtsGridGeometry& geo, int row);
bool CtsGridRowVisible(const ListRowArray& rows, const CtsGridGeometry& geo, const CtsGridState& state, int row);
// Content height from firstRow; calls cell(index, rect) and header(index, y) for what it lays out
// when given, and then stops near the window's bottom.
template <class Cell, class Header>
int WalkCtsGrid(const ListRowArray& rows, const CtsGridGeometry& geo, int firstRow, Cell&& cell, Header&& header,
                bool stopAtBottom);
int MeasureCtsGrid(const ListRowArray& rows, const CtsGridGeometry& geo);

// Selection and scrolling; each returns true when something moved.
enum class GridKey { Left, Up, Right, Down };
bool CtsGridMoveSel(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state, GridKey key);
void BuildCtsRows(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state);
void EnsureCtsSelVisible(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state);
bool CtsGridLineDown(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state);
bool CtsGridLineUp(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state);
// A thumb position of the scroll bar whose range ends at rangeMax.
bool CtsGridThumbTrack(const ListRowArray& rows, const CtsGridGeometry& geo, CtsGridState& state, int position,
                       int rangeMax);
// The row whose cell or header holds the point, -1 none.
int CtsGridHitTest(const ListRowArray& rows, const CtsGridGeometry& geo, const CtsGridState& state, POINT point,
                   RECT* cell);
// Opens or closes the group under the header row.
void ToggleCtsGroup(ListRowArray& rows, int header);

// A name fitted into one line of the width: "First L.", "First L", "First", else cut with "..".
std::u16string WrapCtsText(HDC dc, const std::u16string& text, int width);

// The window.
void RegisterCtsIconWnd();
HWND CreateCtsIconWnd(HWND mainWindow);
void RedrawCtsIcons(bool resetScroll);
void ReleaseCtsListBuffer();
// Selects the first visible contact row of the OID and scrolls it fully into view.
void CtsListSelById(LONG oid);
LRESULT CALLBACK CtsIconWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- template body ----
template <class Cell, class Header>
int WalkCtsGrid(const ListRowArray& rows, const CtsGridGeometry& geo, int firstRow, Cell&& cell, Header&& header,
                bool stopAtBottom) {
    constexpr int kTopGap = 3;
    constexpr int kBottomSlack = 5;
    const int limit = geo.clientHeight - kBottomSlack;
    int x = 0;
    int y = kTopGap;
    int column = 0;
    for (int i = firstRow < 0 ? 0 : firstRow; i < rows.Size(); ++i) {
        const ListRow& row = rows[i];
        if (row.kind == kRowItem && row.hidden == 0) {
            cell(i, RECT{x, y, x + geo.cellWidth, y + geo.cellHeight});
            x += geo.cellWidth;
            if (++column == geo.columns) {
                x = 0;
                column = 0;
                y += geo.cellHeight;
                if (stopAtBottom && y > limit) return y;
            }
        } else if (row.kind == kRowHeader) {
            // Only a partly filled line is closed: a full one has moved y on already.
            if (column != 0) y += geo.cellHeight;
            header(i, y);
            y += geo.headerHeight;
            x = 0;
            column = 0;
            if (stopAtBottom && y > limit) return y;
        }
    }
    if (column != 0) y += geo.cellHeight;
    return y;
}

// The zones of a field-list row, by screen class: the pixel widths the painter draws in and the
// taps hit, kept in one place so that what is drawn is what is hit.
#include "editors/field_zones.h"

#include "core/screen_class.h"
#include "editors/field_list.h"
#include "platform/gdi.h"
#include "platform/user.h"
#include "ui/gdi_scope.h"
#include "ui/list_view_calls.h"

namespace {

struct ZoneSizes {
    int picture, picturePad, singleValue, checkTap, arrowsExtra, arrowsInset, swatchZone;
};
constexpr ZoneSizes kSmallZones{12, 4, 28, 32, 38, 4, 28};
constexpr ZoneSizes kVgaZones{32, 8, 50, 54, 72, 8, 36};

bool IsSinglePictureKind(LONG kind) {
    return kind == kFieldCheck || kind == kFieldColor || kind == kFieldIcon || kind == kFieldIconColor;
}

}  // namespace

RowZones GetRowZonesIn(HDC dc, const RECT& rect, const ValSnap& row) {
    const ZoneSizes& z = IsVgaScreen() ? kVgaZones : kSmallZones;
    RowZones zones;
    zones.row = rect;
    zones.pictureSize = z.picture;
    zones.iconRight = rect.left + z.picturePad + z.picture;
    const int width = rect.right - rect.left;
    zones.valueLeft = IsSinglePictureKind(row.kind) ? rect.right - z.singleValue : rect.left + width / 2;
    zones.checkLeft = rect.right - z.checkTap;
    if (row.kind == kFieldChoice || row.kind == kFieldNumbered) {
        const std::u16string text = GetRowChoiceText(row);
        SIZE size{};
        if (dc != nullptr && !text.empty()) GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
        zones.textWidth = size.cx;
        zones.arrowsRight = rect.right - z.arrowsInset;
        zones.arrowsLeft = zones.arrowsRight - (size.cx + z.arrowsExtra);
        zones.valueLeft = zones.arrowsLeft;
    }
    zones.swatchLeft = rect.right - z.swatchZone;
    zones.styleLeft = zones.swatchLeft - z.swatchZone;
    return zones;
}

RowZones GetRowZones(HWND list, int index, const ValSnap& row) {
    RECT rect{};
    LvRowRect(list, index, rect, LVIR_BOUNDS);
    RECT client{};
    GetClientRect(list, &client);
    if (rect.right > client.right) rect.right = client.right;
    const HDC dc = GetDC(list);
    RowZones zones;
    {
        const SelectScope font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
        zones = GetRowZonesIn(dc, rect, row);
    }
    ReleaseDC(list, dc);
    return zones;
}

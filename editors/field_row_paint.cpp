// Painting a field-list row: a header band, or the row picture, the label and the value drawn the
// way the row's kind shows it, greyed while the row is locked.
#include <algorithm>
#include <string>
#include <vector>

#include "core/app_settings.h"
#include "core/date_text.h"
#include "core/screen_class.h"
#include "editors/cat_picker.h"
#include "editors/field_list.h"
#include "editors/field_zones.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/user.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/theme_colors.h"
#include "ui/themed_bars.h"

namespace {

constexpr UINT kRowHeightQvga = 26;
constexpr UINT kRowHeightVga = 65;
constexpr UINT kRowHeightOther = 20;
constexpr int kHeaderTextX = 10;
constexpr int kDarkLimit = 128;
constexpr COLORREF kLockedOnDark = RGB(192, 192, 192);
constexpr COLORREF kLockedOnLight = RGB(128, 128, 128);
constexpr COLORREF kValueOnLight = 0x800000;
constexpr COLORREF kValueOnDark = 0xE06060;
constexpr int kSwatchShade = 40;
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
constexpr const WCHAR* kNoDateText = u"No Date";

struct SwatchSize {
    int width, height, inset, corner;
};
constexpr SwatchSize kSwatch{18, 10, 4, 4};
constexpr SwatchSize kSwatchVga{36, 20, 12, 8};

// Dark means every one of red, green and blue is below the middle.
bool IsDarkBackground(COLORREF colour) {
    return GetRValue(colour) < kDarkLimit && GetGValue(colour) < kDarkLimit && GetBValue(colour) < kDarkLimit;
}

std::u16string Blanked(std::u16string text) {
    for (WCHAR& ch : text) {
        if (ch == u'\r' || ch == u'\n') ch = u' ';
    }
    return text;
}

struct RowPainter {
    HDC dc;
    const ValSnap& row;
    RowZones zones;
    COLORREF valueColour;

    int MiddleY(int height) const { return (zones.row.top + zones.row.bottom - height) / 2; }

    void Strip(int picture, int x) const {
        if (g_FieldList.strip != nullptr && picture >= 0)
            ImageList_Draw(g_FieldList.strip, picture, dc, x, MiddleY(zones.pictureSize), ILD_TRANSPARENT);
    }

    // A plain mark drawn in the colours of the strip, which need not read on the theme's background.
    void ReadableStrip(int picture, int x) const {
        const RECT box{x, MiddleY(zones.pictureSize), x + zones.pictureSize, MiddleY(zones.pictureSize) + zones.pictureSize};
        const std::vector<COLORREF> before = PixelsIn(dc, box);
        Strip(picture, x);
        ReadableMark(dc, box, before);
    }

    void Text(const std::u16string& text, int left, int right, UINT align) const {
        SetTextColor(dc, valueColour);
        ReadableDrawText(dc, text, RECT{left, zones.row.top, right, zones.row.bottom}, kTextFormat | align);
    }

    void Swatch(COLORREF colour, int right) const {
        const SwatchSize& s = IsVgaScreen() ? kSwatchVga : kSwatch;
        const int top = MiddleY(s.height);
        const OwnedPen pen(CreatePen(PS_SOLID, 1, DarkenColor(colour, kSwatchShade)));
        const OwnedBrush brush(CreateSolidBrush(colour));
        const SelectScope penScope(dc, pen.Get());
        const SelectScope brushScope(dc, brush.Get());
        Rectangle(dc, right - s.inset - s.width, top, right - s.inset, top + s.height);
        const OwnedBrush light(CreateSolidBrush(LightenColor(colour, kSwatchShade)));
        const RECT corner{right - s.inset - s.width + 1, top + 1, right - s.inset - s.width + 1 + s.corner, top + 1 + s.corner};
        FillRect(dc, &corner, light.Get());
    }

    // Text with a picture at the right end.
    void TextWithPicture(const std::u16string& text, int picture) const {
        const int pictureLeft = zones.row.right - zones.pictureSize - 2;
        Text(text, zones.valueLeft, pictureLeft - 2, DT_RIGHT);
        Strip(picture, pictureLeft);
    }

    void Choice() const {
        ReadableStrip(kStripArrowLeft, zones.arrowsLeft);
        ReadableStrip(kStripArrowRight, zones.arrowsRight - zones.pictureSize);
        Text(GetRowChoiceText(row), zones.arrowsLeft + zones.pictureSize, zones.arrowsRight - zones.pictureSize, DT_CENTER);
    }

    void Value() const {
        const int right = zones.row.right;
        switch (row.kind) {
        case kFieldCheck:
            Strip(row.plainValue ? kStripCheckTicked : kStripCheckClear,
                  zones.valueLeft + (right - zones.valueLeft - zones.pictureSize) / 2);
            return;
        case kFieldChoice:
        case kFieldNumbered: Choice(); return;
        case kFieldColor:
        case kFieldIconColor: Swatch(static_cast<COLORREF>(row.numberValue), right); return;
        case kFieldIcon:
            if (row.indexValue >= 0) DrawSmallCustomIcon(dc, zones.valueLeft, MiddleY(GetCustomIconWidth(IconSize::Small)), row.indexValue);
            return;
        case kFieldPath:
        case kFieldCategories: TextWithPicture(Blanked(row.textValue), kStripBrowse); return;
        case kFieldDate:
        case kFieldDateOrNone: {
            std::u16string text = kNoDateText;
            if (row.dateValue.wYear != kNoDateYear) FormatShortDate(text, row.dateValue);
            Text(text, zones.valueLeft, right - 4, DT_RIGHT);
            return;
        }
        case kFieldTime: {
            std::u16string text;
            FormatTime(text, row.dateValue, g_Settings.hours24 != 0, true, false);
            Text(text, zones.valueLeft, right - 4, DT_RIGHT);
            return;
        }
        case kFieldCheckColor: Swatch(static_cast<COLORREF>(row.plainValue), right); return;
        case kFieldSecret: TextWithPicture(std::u16string(row.textValue.size(), u'*'), kStripEditText); return;
        case kFieldSubject:
        case kFieldLocation:
        case kFieldLongText: TextWithPicture(Blanked(row.textValue), kStripEditText); return;
        default:
            if (row.kind > kFieldSecret && row.kind <= kFieldLastShortText) TextWithPicture(Blanked(row.textValue), kStripEditText);
            return;
        }
    }

    void Picture() const {
        const int x = zones.row.left + 2;
        if (row.kind == kFieldIconColor) {
            if (row.secondValue >= 0) DrawSmallCustomIcon(dc, x, MiddleY(GetCustomIconWidth(IconSize::Small)), row.secondValue);
        } else if (row.kind == kFieldCheckColor) {
            Strip(CatRowTicked(row) ? kStripCheckTicked : kStripCheckClear, x);
        } else {
            Strip(row.secondValue, x);
        }
    }
};

// The band is as high as its text; it sits in the middle of the row on the list's background.
void DrawHeaderRow(HDC dc, HWND list, const RECT& rect, const ValSnap& row) {
    const OwnedBrush brush(CreateSolidBrush(ThemeColor(kThemeBackground)));
    FillRect(dc, &rect, brush.Get());
    ThemedBarArgs args;
    // Clear of the band's rounded edge, as the list views' group headers are.
    args.x = rect.left + kHeaderTextX;
    args.leftText = row.label;
    args.rightEdge = rect.right;
    args.draw = false;
    const int height = DrawThemedBar(dc, list, args);
    args.draw = true;
    args.y = rect.top + std::max(0, static_cast<int>(rect.bottom - rect.top) - height) / 2;
    DrawThemedBar(dc, list, args);
}

}  // namespace

void MeasureFieldRow(MEASUREITEMSTRUCT& measure) {
    if (IsVgaScreen()) measure.itemHeight = kRowHeightVga;
    else if (IsQvgaScreen() || IsSquare320Screen()) measure.itemHeight = kRowHeightQvga;
    else measure.itemHeight = kRowHeightOther;
}

void DrawFieldRow(const DRAWITEMSTRUCT& draw) {
    const HWND list = draw.hwndItem;
    if (list == nullptr || GetDlgCtrlID(list) != g_FieldList.listId) return;
    const int index = static_cast<int>(draw.itemID);
    if (index < 0 || index >= FieldListRows().Size()) return;
    const ValSnap row = FieldListRows()[index];
    const HDC dc = draw.hDC;
    const RECT& rect = draw.rcItem;
    if (row.kind == kFieldHeader) {
        DrawHeaderRow(dc, list, rect, row);
        return;
    }
    const COLORREF background = ThemeColor(kThemeBackground);
    const OwnedBrush brush(CreateSolidBrush(background));
    FillRect(dc, &rect, brush.Get());
    if (draw.itemState & ODS_SELECTED) FillThemeSelRect(dc, rect, true);
    const bool dark = IsDarkBackground(background);
    const COLORREF locked = dark ? kLockedOnDark : kLockedOnLight;
    const SelectScope font(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SetBkMode(dc, TRANSPARENT);
    const RowPainter painter{dc, row, GetRowZonesIn(dc, rect, row),
                             row.locked ? locked : (dark ? kValueOnDark : kValueOnLight)};
    painter.Picture();
    const RECT labelRect{painter.zones.iconRight + 4, rect.top, painter.zones.valueLeft - 2, rect.bottom};
    SetTextColor(dc, row.locked ? locked : ThemeColor(kThemeTextColor));
    ReadableDrawText(dc, row.label, labelRect, kTextFormat | DT_LEFT);
    painter.Value();
    if (draw.itemState & ODS_FOCUS) DrawFocusRect(dc, &rect);
}

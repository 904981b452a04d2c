// The contact row's background by the selection style, its glyphs (link, notes, project and the
// category icons) and the default field's icon.
#include "lists/cts_row_parts.h"

#include "core/prj_cats.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "lists/list_colors.h"
#include "platform/commctrl.h"
#include "platform/gdi.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/image_lists.h"
#include "ui/row_separator.h"
#include "ui/text_wrap.h"
#include "ui/theme_pictures.h"
#include "ui/themed_bars.h"

namespace {

constexpr LONG kStyleFilled = 0;
constexpr LONG kStyleFramed = 1;
constexpr LONG kStyleGradient = kBackCutCorner;
constexpr int kDarken = 40;
constexpr int kGlyphHeight = 8;
constexpr int kGlyphHeightVga = 20;
constexpr int kGlyphAdvance = 14;
constexpr int kGlyphAdvanceVga = 20;
constexpr int kGlyphRoom = 11;
constexpr int kCatGap = 2;
constexpr int kWideIcon = 20;
// The third e-mail address has no picture of its own: it shows the e-mail one.
constexpr LONG kThirdEmailField = 12;
constexpr int kEmailIcon = 4;

// The status icons' positions in their strips.
constexpr int kLinkGlyph = 20;
constexpr int kNotesGlyph = 9;
constexpr int kProjectGlyph = 19;

bool Vga() { return IsVgaScreen() != FALSE; }

HIMAGELIST GlyphList() { return Vga() ? g_ImageLists.statusLarge : g_ImageLists.statusSmall; }

int ListIconSize(HIMAGELIST list) {
    int width = 0;
    int height = 0;
    if (!list || !ImageList_GetIconSize(list, &width, &height)) return 0;
    return width;
}

void DrawGlyph(HDC dc, int icon, int x, int centreY) {
    const HIMAGELIST list = GlyphList();
    if (!list) return;
    const int glyph = Vga() ? kGlyphHeightVga : kGlyphHeight;
    // The picture sits in the middle of the glyph's box, whatever the strip's own size.
    const int y = centreY - glyph / 2 + (glyph - ListIconSize(list)) / 2;
    ImageList_Draw(list, icon, dc, x, y, ILD_NORMAL);
}

int CatIconWidth() { return Vga() ? GetCustomIconWidth(IconSize::Large) : GetCustomIconWidth(IconSize::Small); }

bool DrawCatIconAt(HDC dc, int x, int centreY, const std::u16string& name) {
    const int y = centreY - CatIconWidth() / 2;
    return Vga() ? DrawCatIconAlt(dc, x, y, name, true, 0) : DrawCatIcon(dc, x, y, name, true, 0);
}

// The glyphs a contact has, in their drawing order.
int ContactGlyphs(const CtsRecord& contact, int (&icons)[3]) {
    int count = 0;
    if (ItemHasLinks(contact.oid)) icons[count++] = kLinkGlyph;
    if (contact.hasNotes != 0) icons[count++] = kNotesGlyph;
    if (HasPrjCat(contact.categories)) icons[count++] = kProjectGlyph;
    return count;
}

}  // namespace

void DrawCtsRowBackground(HDC dc, const RECT& row, bool selected, bool plain) {
    const RECT inner{row.left + 2, row.top + 1, row.right - 2, row.bottom - 1};
    const LONG style = GetThemeWord(kThemeListBackground);  // "BACKHIGH" as the theme holds it
    if ((style == kStyleFilled || style == kStyleFramed) && !plain) {
        // The current row of the framed style is filled with the selection as well: the background
        // colour inside a faint outline does not set it apart from the others.
        COLORREF fill = selected ? ListColor(kListBackground) : ListColor(kListSelection);
        COLORREF edge = ListColor(kListHeaderBand);
        if (style == kStyleFilled && !selected) {
            fill = ListColor(kListSelection);
            edge = DarkenColor(fill, kDarken);
        }
        // Over a background picture the row keeps the picture and shows only its outline.
        if (HasBackPicture()) {
            DrawFrameRect(dc, RECT{inner.left, inner.top, inner.right - 1, inner.bottom - 1}, edge, Corners::Closed,
                          LineStyle::Solid, 1);
            return;
        }
        OwnedBrush brush(CreateSolidBrush(fill));
        OwnedPen pen(CreatePen(PS_SOLID, 1, edge));
        SelectScope selectBrush(dc, brush.Get());
        SelectScope selectPen(dc, pen.Get());
        Rectangle(dc, inner.left, inner.top, inner.right, inner.bottom);
        return;
    }
    if (plain) return;
    if (style == kStyleGradient) {
        DrawGradientLines(dc, inner, ListColor(kListHeaderBand), ListColor(kListBackground));
        return;
    }
    // The other styles mark the current row with the theme's selection: a separator alone, or
    // nothing, leaves it looking like the rest.
    DrawSelectionFrame(dc, inner, false, false);
    if (ThemeNeedsBarInset(g_Theme)) DrawSeparator(dc, row.bottom - 1, row.left, row.right, 2);
}

int CtsGlyphAdvance() { return Vga() ? kGlyphAdvanceVga : kGlyphAdvance; }

int DrawCtsGlyphsAfterName(HDC dc, int x, int centreY, int limit, int catLimit, const CtsRecord& contact) {
    int icons[3] = {};
    const int count = ContactGlyphs(contact, icons);
    const int advance = CtsGlyphAdvance();
    for (int i = 0; i < count; ++i) {
        // Those that do not fit before the default text drop from the right.
        if (x >= limit - advance - kGlyphRoom) return x;
        DrawGlyph(dc, icons[i], x, centreY);
        x += advance;
    }
    for (const std::u16string& name : contact.categories) {
        if (x >= catLimit) break;
        if (DrawCatIconAt(dc, x, centreY, name)) x += CatIconWidth() + kCatGap;
    }
    return x;
}

int DrawCtsGlyphStrip(HDC dc, int right, int centreY, const CtsRecord& contact, bool withCategories) {
    int icons[3] = {};
    const int count = ContactGlyphs(contact, icons);
    const int advance = CtsGlyphAdvance();
    int cats = 0;
    if (withCategories) {
        for (const std::u16string& name : contact.categories) {
            if (DrawCatIconEx(dc, 0, 0, name, false, 0)) ++cats;
        }
    }
    const int width = count * advance + cats * (CatIconWidth() + kCatGap);
    int x = right - width;
    for (int i = 0; i < count; ++i, x += advance) DrawGlyph(dc, icons[i], x, centreY);
    if (withCategories) {
        for (const std::u16string& name : contact.categories) {
            if (DrawCatIconAt(dc, x, centreY, name)) x += CatIconWidth() + kCatGap;
        }
    }
    return right - width;
}

int DrawCtsFieldIcon(HDC dc, const CtsRecord& contact, int textLeft, int centreY, int gap, int wideGap) {
    if (contact.defaultField < 0) return textLeft;
    const int size = ListIconSize(g_ImageLists.fieldKinds);
    if (size == 0) return textLeft;
    const int left = textLeft - (size > kWideIcon ? wideGap : gap) - size;
    const int icon = contact.defaultField == kThirdEmailField ? kEmailIcon : static_cast<int>(contact.defaultField);
    DrawFieldKindIcon(dc, left, centreY - size / 2, icon, true);
    return left;
}

// The Display page: the font size by screen class, the theme's styles, margins and pictures, and
// its 31 colours; its apply step writes the theme words and saves the theme as the default file.
#include <algorithm>
#include <iterator>
#include <string>

#include "calendar/agenda_view.h"
#include "core/app_settings.h"
#include "core/cur_item.h"
#include "core/screen_class.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "editors/field_list.h"
#include "extras/spinner.h"
#include "extras/theme.h"
#include "lists/cts_view.h"
#include "options/options_display.h"
#include "options/options_state.h"
#include "ui/frame_calls.h"
#include "ui/main_state.h"

namespace {

constexpr LONG kNoIcon = -1;
constexpr LONG kCheckIcon = 12;
constexpr LONG kPictureIcon = 25;
constexpr LONG kColorIcon = 36;
constexpr LONG kLastMargin = 25;
constexpr int kSelectionWord = 0;
constexpr int kSelectionFrameWord = 1;
constexpr int kBigPreviewWord = 40;
constexpr int kDarkBatteryWord = 55;

// When a colour row uses its long label.
enum class LongWhen { Always, Qvga, Landscape };

struct ColorRowDef {
    const WCHAR* longLabel;
    const WCHAR* shortLabel;
    LongWhen when;
    int word;
    LONG pickerMode;
};

constexpr ColorRowDef kColorRows[] = {
    {u"Selection", nullptr, LongWhen::Always, 0, 3},
    {u"Background", nullptr, LongWhen::Always, 10, 3},
    {u"Alternate Background", nullptr, LongWhen::Always, 3, 1},
    {u"Item Border", nullptr, LongWhen::Always, 11, 1},
    {u"Title Primary", nullptr, LongWhen::Always, 4, 2},
    {u"Title Secondary", nullptr, LongWhen::Always, 5, 1},
    {u"Title Light Text", nullptr, LongWhen::Always, 7, 1},
    {u"Primary Text", nullptr, LongWhen::Always, 8, 2},
    {u"Secondary Text", nullptr, LongWhen::Always, 9, 2},
    {u"Location Text", nullptr, LongWhen::Always, 12, 2},
    {u"Note Text", nullptr, LongWhen::Always, 13, 2},
    {u"Default Bar Item", nullptr, LongWhen::Always, 6, 2},
    {u"Bar Border", nullptr, LongWhen::Always, 32, 2},
    {u"Bar Work Day Color", nullptr, LongWhen::Always, 30, 1},
    {u"3D Separator", nullptr, LongWhen::Always, 31, 5},
    {u"Weekend Color", nullptr, LongWhen::Always, 14, 1},
    {u"Today Highlight", nullptr, LongWhen::Always, 15, 1},
    {u"Status - Busy", nullptr, LongWhen::Always, 18, 2},
    {u"Status - Free", nullptr, LongWhen::Always, 16, 2},
    {u"Status - Out Of Office", nullptr, LongWhen::Always, 19, 2},
    {u"Status - Tentative", nullptr, LongWhen::Always, 17, 2},
    {u"Calendar - Lines", nullptr, LongWhen::Always, 20, 2},
    {u"Calendar - Background", nullptr, LongWhen::Always, 21, 1},
    {u"Calendar - Prev/Next Month", u"Cal- Prev/Next Month", LongWhen::Qvga, 22, 1},
    {u"Calendar - Prev/Next Month Text", u"Cal- Prev/Next M. Text", LongWhen::Landscape, 23, 2},
    {u"Calendar - Week Text", nullptr, LongWhen::Always, 25, 2},
    {u"Calendar - Weekend Text", u"Cal- Weekend Text", LongWhen::Qvga, 24, 2},
    {u"Year/Prev-Loaded Text", nullptr, LongWhen::Always, 26, 2},
    {u"Year/Prev-Grayed Text", nullptr, LongWhen::Always, 27, 2},
    {u"Year/Prev-Appt. Text", nullptr, LongWhen::Always, 29, 2},
    {u"Year/Prev-Task Text", nullptr, LongWhen::Always, 28, 2},
};
static_assert(std::size(kColorRows) == 31);

// Selection colours whose frame colour is not simply a darker shade.
struct FrameColorDef {
    COLORREF selection;
    COLORREF frame;
};
constexpr FrameColorDef kFrameColors[] = {
    {0xE0FFE0, 0x00FF80}, {0xB8CCFF, 0x0000E6}, {0xFFFFFF, 0x0000E6}, {0xFFE0E0, 0x804000}};
constexpr int kFrameDarken = 80;

constexpr const WCHAR* kMarginChoices[] = {u"0",  u"1",  u"2",  u"3",  u"4",  u"5",  u"6",  u"7",  u"8",
                                           u"9",  u"10", u"11", u"12", u"13", u"14", u"15", u"16", u"17",
                                           u"18", u"19", u"20", u"21", u"22", u"23", u"24", u"25"};
static_assert(std::size(kMarginChoices) == kLastMargin + 1);

// Font sizes by screen class: the choices, and what each choice writes to "FONTSIZE" and the
// derived small-font size.
constexpr FontSizeTable kQvgaFonts{{u"12", u"14", u"15", u"16", u"18"}, 5, {{12, 12}, {14, 13}, {15, 13}, {16, 13}, {18, 13}}, true};
constexpr FontSizeTable k320Fonts{{u"14", u"16", u"18", u"20", u"22"}, 5, {{14, 15}, {16, 15}, {18, 15}, {20, 16}, {22, 16}}, true};
constexpr FontSizeTable kVgaFonts{{u"22", u"24", u"26", u"28", nullptr}, 4, {{22, 22}, {24, 24}, {26, 24}, {28, 24}, {30, 24}}, true};
constexpr FontSizeTable kOtherFonts{{u"12", u"14", u"16", u"18", nullptr}, 4, {{12, 0}, {14, 0}, {16, 0}, {18, 0}, {0, 0}}, false};

ValSnap& AddThemeRow(const WCHAR* label, LONG kind, void* live, LONG icon) {
    ValSnap row;
    ValSnapSet(row, label, kind, live, nullptr);
    row.secondValue = icon;
    ValSnapArray& table = g_Options.pages[kPageDisplay];
    table.Append(row);
    return table[table.Size() - 1];
}

ValSnap& AddChoiceRow(const WCHAR* label, int word, std::initializer_list<const WCHAR*> choices) {
    ValSnap& row = AddThemeRow(label, kFieldChoice, &g_Theme.words[static_cast<std::size_t>(word)], kCheckIcon);
    for (const WCHAR* choice : choices) row.choices.Append(choice);
    return row;
}

void AddCheckRow(const WCHAR* label, int word) {
    AddThemeRow(label, kFieldCheck, &g_Theme.words[static_cast<std::size_t>(word)], kCheckIcon);
}

void AddMarginRow(const WCHAR* label, int word) {
    ValSnap& row = AddThemeRow(label, kFieldChoice, &g_Theme.words[static_cast<std::size_t>(word)], kCheckIcon);
    for (const WCHAR* choice : kMarginChoices) row.choices.Append(choice);
}

void AddPictureRow(const WCHAR* label, int word) {
    ValSnap& row = AddThemeRow(label, kFieldPath, &g_Theme.String(word), kPictureIcon);
    // The picture rows get "Set Image" / "Clear Image", whose picker lists pictures.
    row.rowOption = kPickerImageMenu;
}

bool UsesLongLabel(LongWhen when) {
    switch (when) {
    case LongWhen::Qvga: return IsQvgaScreen() != 0;
    case LongWhen::Landscape: return IsLandscapeScreen() != 0;
    default: return true;
    }
}

bool RowChanged(const ValSnap& row) { return ValSnapChanged(row); }

bool IsWord(const ValSnap& row, int word) { return row.live == &g_Theme.words[static_cast<std::size_t>(word)]; }
bool IsString(const ValSnap& row, int word) { return row.live == &g_Theme.String(word); }

}  // namespace

const FontSizeTable& CurrentFontSizeTable() {
    if (IsVgaScreen()) return kVgaFonts;
    if (IsQvgaScreen()) return kQvgaFonts;
    if (IsSquare320Screen()) return k320Fonts;
    return kOtherFonts;
}

LONG FontSizeIndexOf(const FontSizeTable& table, LONG fontSize, LONG previous) {
    for (int i = 0; i < table.count; ++i) {
        if (table.applied[i].fontSize == fontSize) return i;
    }
    return table.otherSizesToOne ? 1 : previous;
}

void ApplyFontSizeChoice(const FontSizeTable& table, LONG choice) {
    if (choice < 0 || choice >= static_cast<LONG>(std::size(table.applied))) return;
    const FontSizeChoice& applied = table.applied[choice];
    if (applied.fontSize == 0) return;
    g_Settings.fontSize = applied.fontSize;
    // Screens outside the three classes keep the small font they have.
    if (table.otherSizesToOne) g_Settings.smallFontHeight = applied.smallFont;
}

COLORREF SelectionFrameColor(COLORREF selection) {
    for (const FrameColorDef& def : kFrameColors) {
        if (def.selection == selection) return def.frame;
    }
    const auto darker = [](int channel) { return std::max(0, channel - kFrameDarken); };
    return RGB(darker(GetRValue(selection)), darker(GetGValue(selection)), darker(GetBValue(selection)));
}

void FillDisplayOptsPage() {
    const FontSizeTable& fonts = CurrentFontSizeTable();
    g_Options.fontSizeIndex = FontSizeIndexOf(fonts, g_Settings.fontSize, g_Options.fontSizeIndex);
    AddThemeRow(u"Display", kFieldHeader, nullptr, kNoIcon);
    ValSnap& font = AddThemeRow(u"Font Size", kFieldChoice, &g_Options.fontSizeIndex, kNoIcon);
    for (int i = 0; i < fonts.count; ++i) font.choices.Append(fonts.choices[i]);
    AddCheckRow(u"Big Preview Text", kBigPreviewWord);
    AddChoiceRow(u"Title Bars", 36, {u"Full Bar", u"Normal Bar", u"Tab Bar", u"Underline Bar"});
    AddCheckRow(u"Title Gradient", 34);
    AddChoiceRow(u"Gradient", 35, {u"Vertical", u"Horizontal", u"Reflection", u"Glossy", u"Mobile 6"});
    const bool narrow = IsSquareScreen() || IsPortraitScreen();
    AddChoiceRow(IsQvgaScreen() ? u"List Background" : u"List Back", 33,
                 {narrow ? u"Alt. Colors" : u"Alternate Colors", u"Border Only", u"Dash Separator", u"None", u"Circuit",
                  u"Line Separator"});
    AddChoiceRow(u"Selection Style", 54, {u"Solid", u"Transparent", u"Shadow", u"Glossy"});
    AddCheckRow(u"Selection Dashed", 39);
    AddMarginRow(u"Top Margin", 50);
    AddMarginRow(u"Bottom Margin", 51);
    AddMarginRow(u"Horizontal Margins", 52);
    AddCheckRow(u"Margins on Tree Views", 41);
    AddThemeRow(u"Theme Images", kFieldHeader, nullptr, kNoIcon);
    if (g_Settings.ce5OrLater != 0) {
        AddPictureRow(u"Background", kThemeBackgroundPicture);
        AddPictureRow(u"Spin Center", kThemeSpinCenterPicture);
        AddPictureRow(u"Spin Background", kThemeSpinBackgroundPicture);
    }
    AddChoiceRow(u"Drop Buttons", 37, {u"Green", u"Blue", u"Red", u"Gray", u"Yellow", u"White Box"});
    AddCheckRow(u"Dark Battery", kDarkBatteryWord);
    AddChoiceRow(u"Def Spin Center:", 53, {u"Boxes", u"Orange Ball", u"Compass", u"Center Z"});
    AddThemeRow(u"Colors", kFieldHeader, nullptr, kNoIcon);
    for (const ColorRowDef& def : kColorRows) {
        const WCHAR* label = def.shortLabel && !UsesLongLabel(def.when) ? def.shortLabel : def.longLabel;
        ValSnap& row = AddThemeRow(label, kFieldColor, &g_Theme.words[static_cast<std::size_t>(def.word)], kColorIcon);
        row.rowOption = def.pickerMode;
    }
}

void ApplyDisplayOptions() {
    bool anyChange = false;
    bool fontChanged = false;
    for (const ValSnap& row : g_Options.pages[kPageDisplay]) {
        if (!RowChanged(row)) continue;
        ValSnapCommit(row);
        anyChange = true;
        if (IsWord(row, kSelectionWord)) {
            g_Theme.words[kSelectionFrameWord] =
                static_cast<LONG>(SelectionFrameColor(static_cast<COLORREF>(g_Theme.words[kSelectionWord])));
        } else if (row.live == &g_Options.fontSizeIndex) {
            ApplyFontSizeChoice(CurrentFontSizeTable(), g_Options.fontSizeIndex);
            g_Options.viewReload = 1;
            fontChanged = true;
        } else if (IsWord(row, kDarkBatteryWord)) {
            CreateSpinnerImageList();
        } else if (IsWord(row, 50) || IsWord(row, 51) || IsWord(row, 52) || IsWord(row, 41)) {
            g_Options.viewReload = 1;
            FreeBackBuffers();
        } else if (IsWord(row, kBigPreviewWord)) {
            fontChanged = true;
        } else if (IsWord(row, 34) || IsWord(row, 35) || IsWord(row, 36)) {
            FreeBackBuffers();
        } else if (IsString(row, kThemeBackgroundPicture)) {
            DeleteThemePictures();
            g_Options.viewReload = 1;
            FreeBackBuffers();
        } else if (IsString(row, kThemeSpinCenterPicture) || IsString(row, kThemeSpinBackgroundPicture)) {
            DeleteThemePictures();
            g_Options.viewReload = 1;
        }
    }
    if (fontChanged) {
        CreateThemeFonts();
        ResetSelection();
        RelayoutAgendaView();
        FreeBackBuffers();
        g_Options.viewReload = 1;
    }
    if (anyChange) {
        // The contact grid keeps its own picture of the rows, drawn in the old colours.
        ReleaseContactGridBuffer();
        SaveThemeAsDefault();
    }
}

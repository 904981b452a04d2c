// The built-in themes: every numeric word of each theme in one table, the names beside it; the
// picture paths stay empty.
#include <array>

#include "extras/theme_dlg.h"

RecordArray<ThemeRec> g_Themes;

namespace {

struct BuiltinRow {
    int word;
    std::array<LONG, kBuiltinThemeCount> values;
};

constexpr std::array<const WCHAR*, kBuiltinThemeCount> kBuiltinNames = {
    u"Default", u"Pink Fusion", u"Black Night", u"Purple Power", u"Chocolate", u"Green Mobile 6", u"Orange Sherbet", u"Wild Banana", u"Black Phone",
};

// One row per numeric word, one column per theme in the order of the names.
constexpr BuiltinRow kBuiltinRows[] = {
    {0, {0xE0FFE0, 0xFFE0E0, 0x98FB98, 0x98FB98, 0x8CB4D2, 0xE0FFE0, 0x2068FF, 0x98FB98, 0x98FB98}},  // Selection
    {1, {0x00FF80, 0x804000, 0x48AB48, 0x48AB48, 0x3C6482, 0x00FF80, 0x0018AF, 0x48AB48, 0x48AB48}},  // second selection colour
    {2, {0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000, 0x000000}},  // word 2
    {3, {0xFAE6E6, 0x7373FF, 0x666666, 0xFAE6E6, 0xAFE6E6, 0xD8FFD8, 0xAFD8FF, 0xA0FFFF, 0xECECEC}},  // Alternate Background
    {4, {0xFA6464, 0x2020FF, 0xECECEC, 0x82004B, 0x345A72, 0x005500, 0x2068FF, 0x00F0F0, 0x000000}},  // Title Primary
    {5, {0xFF82A0, 0x7373FF, 0xD7D7D7, 0xFF82A0, 0xAFE6E6, 0x32CD32, 0x72B8FF, 0xFFFFFF, 0x666666}},  // Title Secondary
    {6, {0xAF5F5F, 0x005500, 0x005500, 0xC09E7D, 0x005500, 0x008B8B, 0x005500, 0x005500, 0xC09E7D}},  // Default Bar Item
    {7, {0xFFFFFF, 0x282828, 0x282828, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x002AA5, 0xFFFFFF}},  // Title Light Text
    {8, {0x000000, 0x5202D6, 0xECECEC, 0x82004B, 0x345A72, 0x404000, 0x002AA5, 0x002AA5, 0x282828}},  // Primary Text
    {9, {0x000082, 0x800080, 0xBCBCBC, 0xAF5F5F, 0x345A72, 0x005500, 0x002AA5, 0x002AA5, 0xA0A0A0}},  // Secondary Text
    {10, {0xFFFFFF, 0xF0E6FF, 0x282828, 0xFFE0E0, 0xD4ECEC, 0x98FB98, 0xAFD8FF, 0xC8FFFF, 0xFFFFFF}},  // Background
    {11, {0xD7D7D7, 0x5252FF, 0xECECEC, 0xFA5050, 0x5A92B4, 0x82D29B, 0x72B8FF, 0x66F0FF, 0xA0A0A0}},  // Item Border
    {12, {0x808080, 0xC09E7D, 0xC09E7D, 0x400000, 0x009300, 0x345A72, 0x009300, 0x009300, 0xC09E7D}},  // Location Text
    {13, {0x5A92B4, 0xAFD8FF, 0xAFD8FF, 0x5202D6, 0x5A92B4, 0x5A92B4, 0x5A92B4, 0x5A92B4, 0x8CB4D2}},  // Note Text
    {14, {0xFAE6E6, 0xCBC0FF, 0x000000, 0xE1BCC8, 0x5A92B4, 0x98FB98, 0x72B8FF, 0x66F0FF, 0xECECEC}},  // Weekend Color
    {15, {0xD8FFD8, 0xB6B6DC, 0x666666, 0xFF82A0, 0xAFE6D7, 0x4BE679, 0x5BADFF, 0xD6FFD6, 0xEAD6D6}},  // Today Highlight
    {16, {0x008000, 0x008000, 0x008000, 0x008000, 0x008000, 0x008000, 0x008000, 0x008000, 0x008000}},  // Status - Free
    {17, {0x000080, 0x000080, 0x000080, 0x000080, 0x000080, 0x000080, 0x000080, 0x000080, 0x000080}},  // Status - Tentative
    {18, {0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000, 0xFF0000}},  // Status - Busy
    {19, {0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000, 0x800000}},  // Status - Out Of Office
    {20, {0x808080, 0x800080, 0xA0A0A0, 0x404000, 0x345A72, 0x404000, 0x345A72, 0x000082, 0x666666}},  // Calendar - Lines
    {21, {0xFFFFFF, 0xF0E6FF, 0x282828, 0xFFFFFF, 0xD4ECEC, 0xAFE6D7, 0xAFD8FF, 0xC8FFFF, 0xFFFFFF}},  // Calendar - Background
    {22, {0xBEBEAF, 0xE4CAFF, 0x808080, 0xC09E7D, 0xAFE6E6, 0x98FB98, 0x72B8FF, 0xA0FFFF, 0xBEBEAF}},  // Calendar - Prev/Next Month
    {23, {0x808080, 0x5202D6, 0xECECEC, 0xAF5F5F, 0x345A72, 0x005500, 0x002AA5, 0x002AA5, 0xA0A0A0}},  // Calendar - Prev/Next Month Text
    {24, {0x400000, 0x5202D6, 0xD7D7D7, 0x82004B, 0x1E3646, 0x005500, 0x002AA5, 0x002AA5, 0x282828}},  // Calendar - Weekend Text
    {25, {0x000000, 0x5202D6, 0xECECEC, 0x82004B, 0x345A72, 0x005500, 0x002AA5, 0x002AA5, 0x282828}},  // Calendar - Week Text
    {26, {0x000000, 0xBCBCBC, 0xBCBCBC, 0x800080, 0x000000, 0x5A92B4, 0x000000, 0x000000, 0xBCBCBC}},  // Year/Prev-Loaded Text
    {27, {0xA0A0A0, 0xA0A0A0, 0x5A92B4, 0xA0A0A0, 0x5A92B4, 0xA0A0A0, 0xBCBCBC, 0xBCBCBC, 0x5A92B4}},  // Year/Prev-Grayed Text
    {28, {0x005500, 0xC09E7D, 0x0AC09C, 0xC09E7D, 0x0AC09C, 0xC09E7D, 0x0AC09C, 0x0AC09C, 0x0AC09C}},  // Year/Prev-Task Text
    {29, {0x002AA5, 0x0000FF, 0x5BADFF, 0x0000FF, 0x5BADFF, 0x0000FF, 0x0000FF, 0x0000FF, 0x5BADFF}},  // Year/Prev-Appt. Text
    {30, {0xD4ECEC, 0xD7E8FF, 0xD7E8FF, 0xD7E8FF, 0xD7E8FF, 0xD7E8FF, 0xD7E8FF, 0xD7E8FF, 0xE8E8D2}},  // Bar Work Day Color
    {31, {0xA0A0A0, 0x7373FF, 0xC0C0C0, 0xFA6464, 0x345A72, 0x005500, 0x2068FF, 0x00F0F0, 0xC0C0C0}},  // 3D Separator
    {32, {0xA0A0A0, 0x000000, 0x000000, 0x808080, 0x5A92B4, 0x009300, 0x2068FF, 0x808080, 0x000000}},  // Bar Border
    {33, {0, 5, 2, 2, 0, 2, 1, 3, 2}},  // List Background
    {34, {1, 1, 1, 1, 1, 1, 1, 1, 1}},  // Title Gradient
    {35, {3, 4, 3, 1, 3, 4, 2, 3, 3}},  // Gradient
    {36, {1, 2, 1, 1, 1, 0, 1, 1, 1}},  // Title Bars
    {37, {3, 3, 3, 3, 5, 3, 5, 4, 3}},  // Drop Buttons
    {38, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // word 38
    {39, {0, 1, 0, 0, 0, 0, 0, 0, 0}},  // Selection Dashed
    {40, {1, 1, 1, 1, 1, 1, 1, 1, 1}},  // Big Preview Text
    {41, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // Margins on Tree Views
    {50, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // Top Margin
    {51, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // Bottom Margin
    {52, {0, 0, 0, 0, 0, 0, 0, 0, 0}},  // Horizontal Margins
    {53, {3, 3, 3, 3, 3, 3, 3, 3, 3}},  // Def Spin Center:
    {54, {2, 2, 2, 2, 2, 2, 2, 2, 2}},  // Selection Style
    {55, {1, 0, 0, 1, 1, 0, 1, 1, 1}},  // Dark Battery
};

}  // namespace

void AddBuiltinThemes() {
    if (!g_Themes.IsEmpty()) return;
    for (int theme = 0; theme < kBuiltinThemeCount; ++theme) {
        ThemeRec record;
        for (const BuiltinRow& row : kBuiltinRows) {
            record.words[static_cast<std::size_t>(row.word)] = row.values[static_cast<std::size_t>(theme)];
        }
        record.String(kThemeName) = kBuiltinNames[static_cast<std::size_t>(theme)];
        g_Themes.Append(record);
    }
}

#include "ui/main_state.h"

#include <string>

#include "core/app_settings.h"
#include "core/screen_class.h"
#include "platform/gdi.h"

MainWindowState g_Main;

namespace {

constexpr const WCHAR* kThemeFace = u"Tahoma";
constexpr LONG kWeightNormal = 400;
constexpr LONG kWeightBold = 600;
constexpr LONG kSmallFontLess = 2;
constexpr LONG kTinyVgaHeight = 12;
constexpr LONG kTinyHeight = 8;
constexpr BYTE kFontQuality = 5;
constexpr BYTE kFontPitchAndFamily = 4;

struct ThemeFontDef {
    ThemeFont font;
    LONG weight;
};
constexpr ThemeFontDef kThemeFontTable[] = {
    {kFontNormal, kWeightNormal}, {kFontBold, kWeightBold}, {kFontList, kWeightNormal},
    {kFontSmall, kWeightNormal},  {kFontTiny, kWeightNormal},
};

}  // namespace

LONG ThemeFontHeight(ThemeFont font) {
    switch (font) {
    case kFontNormal:
    case kFontBold: return g_Settings.fontSize;
    case kFontList: return g_Settings.smallFontHeight;
    case kFontSmall: return g_Settings.smallFontHeight - kSmallFontLess;
    case kFontTiny:
    default: return IsVgaScreen() ? kTinyVgaHeight : kTinyHeight;
    }
}

void CreateThemeFonts() {
    DeleteThemeFonts();
    for (const ThemeFontDef& def : kThemeFontTable) {
        LOGFONTW lf{};
        lf.lfHeight = ThemeFontHeight(def.font);
        lf.lfWeight = def.weight;
        lf.lfQuality = kFontQuality;
        lf.lfPitchAndFamily = kFontPitchAndFamily;
        std::char_traits<WCHAR>::copy(lf.lfFaceName, kThemeFace, std::char_traits<WCHAR>::length(kThemeFace) + 1);
        g_Main.themeFonts[def.font] = CreateFontIndirectW(&lf);
    }
}

void DeleteThemeFonts() {
    for (HFONT& font : g_Main.themeFonts) {
        if (font) DeleteObject(font);
        font = nullptr;
    }
}

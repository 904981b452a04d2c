// The theme's pictures: the views' background (string word 44) and the launcher's background
// (string word 49), each decoded from its file on first use and kept until the theme changes; and
// whether the launcher's centre picture (word 48) is set.
#include "ui/theme_pictures.h"

#include "core/theme_record.h"
#include "core/theme_words.h"
#include "platform/gdi.h"
#include "ui/gdi_scope.h"
#include "ui/imaging.h"
#include "ui/theme_colors.h"

namespace {

constexpr int kBackPictureWord = 44;
constexpr int kSpinPicture2Word = 49;

// A picture read once; a file that cannot be read is not tried again until the pictures are freed.
struct CachedPicture {
    bool tried = false;
    OwnedBitmap bitmap;
};
struct ThemePictures {
    CachedPicture back;
    CachedPicture spinBack;
};
ThemePictures g_ThemePictures;

HBITMAP Picture(CachedPicture& picture, int word) {
    if (!picture.tried) {
        picture.tried = true;
        const std::u16string& path = g_Theme.String(word);
        if (!path.empty()) picture.bitmap.Reset(LoadImageFileScaled(path.c_str(), nullptr, kNoSize, false));
    }
    return picture.bitmap.Get();
}

}  // namespace

bool HasBackPicture() { return !g_Theme.String(kBackPictureWord).empty(); }
HBITMAP GetBackPicture() { return Picture(g_ThemePictures.back, kBackPictureWord); }
bool HasSpinPicture1() { return !g_Theme.String(kThemeSpinCenterPicture).empty(); }
bool HasSpinPicture2() { return !g_Theme.String(kSpinPicture2Word).empty(); }
HBITMAP GetSpinPicture2() { return Picture(g_ThemePictures.spinBack, kSpinPicture2Word); }

void FreeBackPictures() { g_ThemePictures = ThemePictures(); }

void FillRowBackground(HDC dc, const RECT& row, int width, int height) {
    if (HBITMAP picture = HasBackPicture() ? GetBackPicture() : nullptr) {
        const MemoryDC source(dc);
        const SelectScope keep(source.Get(), picture);
        BitBlt(dc, 0, 0, width, height, source.Get(), row.left + GetThemeWord(kThemeViewMarginSide),
               row.top + GetThemeWord(kThemeViewMarginTop), SRCCOPY);
        return;
    }
    const OwnedBrush background(CreateSolidBrush(ThemeColor(kThemeBackground)));
    const RECT rect{0, 0, width, height};
    FillRect(dc, &rect, background.Get());
}

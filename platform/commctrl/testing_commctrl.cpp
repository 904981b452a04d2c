// The common controls' test API: pictures of controls through WM_PRINTCLIENT, and live image lists.
#include "platform/testing_commctrl.h"

#include <algorithm>

#include "commctrl/image_list.h"
#include "commctrl/paint_support.h"
#include "platform/testing_gdi.h"

namespace platform::testing {
namespace {

template <class Use>
auto WithPicture(HWND control, Use use) {
    RECT rc{};
    GetClientRect(control, &rc);
    commctrl::PixelBuffer picture(std::max<LONG>(1, rc.right), std::max<LONG>(1, rc.bottom));
    if (picture.Ok()) {
        SendMessageW(control, WM_ERASEBKGND, reinterpret_cast<WPARAM>(picture.Dc()), 0);
        SendMessageW(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    }
    return use(picture);
}

}  // namespace

bool SaveControlPicture(HWND control, const std::filesystem::path& file) {
    if (!IsWindow(control)) return false;
    return WithPicture(control, [&](commctrl::PixelBuffer& p) { return p.Ok() && SaveDcAsPng(p.Dc(), file); });
}

COLORREF ControlPixel(HWND control, int x, int y) {
    if (!IsWindow(control)) return CLR_INVALID;
    return WithPicture(control, [&](commctrl::PixelBuffer& p) -> COLORREF {
        if (!p.Ok() || x < 0 || y < 0 || x >= p.Width() || y >= p.Height()) return CLR_INVALID;
        const std::uint32_t px = p.At(x, y);
        return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
    });
}

std::size_t LiveImageLists() { return commctrl::LiveImageListCount(); }

}  // namespace platform::testing

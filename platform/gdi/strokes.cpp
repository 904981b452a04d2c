// Lines drawn with a pen.
#include "gdi/strokes.h"

#include <cstdlib>

namespace platform::gdi {
namespace {

// Dash patterns as runs of drawn and left-out pixels.
constexpr int kDashOn = 6;
constexpr int kDashOff = 2;
constexpr int kDotOn = 1;
constexpr int kDotOff = 1;

}  // namespace

Stroke Stroke::Of(const DcObject& dc) {
    Stroke s;
    const auto pen = dc.Pen();
    if (!pen || pen->pen.lopnStyle == PS_NULL) return s;
    s.visible = true;
    s.style = pen->pen.lopnStyle;
    s.width = pen->pen.lopnWidth.x < 1 ? 1 : pen->pen.lopnWidth.x;
    s.colour = PixelFromColor(pen->pen.lopnColor);
    s.gap = PixelFromColor(dc.state.bkColor);
    s.opaqueGaps = dc.state.bkMode == OPAQUE;
    return s;
}

void Stroke::Line(const Canvas& canvas, int x0, int y0, int x1, int y1, bool lastPixel) {
    if (!visible || canvas.Empty()) return;
    const bool wide = width > 1;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    const int on = style == PS_DOT ? kDotOn : kDashOn;
    const int period = on + (style == PS_DOT ? kDotOff : kDashOff);
    const double half = width / 2.0;
    for (;;) {
        const bool last = x == x1 && y == y1;
        if (last && !lastPixel && !wide) break;
        bool draw = true;
        Pixel p = colour;
        if (style == PS_DASH || style == PS_DOT) {
            if (phase % period >= on) {
                draw = opaqueGaps;
                p = gap;
            }
            ++phase;
        }
        if (draw) {
            if (!wide) {
                canvas.Plot(x, y, p);
            } else {
                // A round brush of the pen's width centred on the pixel.
                const int offset = width / 2;
                for (int j = 0; j < width; ++j)
                    for (int i = 0; i < width; ++i) {
                        const double cx = i + 0.5 - half, cy = j + 0.5 - half;
                        if (cx * cx + cy * cy <= half * half) canvas.Plot(x - offset + i, y - offset + j, p);
                    }
            }
        }
        if (last) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

}  // namespace platform::gdi

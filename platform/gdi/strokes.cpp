// Lines drawn with a pen.
#include "gdi/strokes.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform::gdi {
namespace {

// Dash patterns as runs of drawn and left-out pixels.
constexpr int kDashOn = 6;
constexpr int kDashOff = 2;
constexpr int kDotOn = 1;
constexpr int kDotOff = 1;
// Both patterns repeat every this many pixels (for carrying the phase over a cut-off part).
constexpr long long kPatternCycle = 8;
static_assert(kPatternCycle % (kDashOn + kDashOff) == 0 && kPatternCycle % (kDotOn + kDotOff) == 0);

// Liang-Barsky: cuts the line to the box; false when it misses it.
bool ClipLine(double& x0, double& y0, double& x1, double& y1, const RECT& box) {
    const double dx = x1 - x0, dy = y1 - y0;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x0 - box.left, box.right - 1 - x0, y0 - box.top, box.bottom - 1 - y0};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
    x1 = x0 + t1 * dx;
    y1 = y0 + t1 * dy;
    x0 = nx0;
    y0 = ny0;
    return true;
}

// Lines much longer than what can show are cut first, so a far-reaching line costs no more than
// the surface.
constexpr int kLongLine = 4096;

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
    if (std::max(std::abs(static_cast<long long>(x1) - x0), std::abs(static_cast<long long>(y1) - y0)) > kLongLine) {
        RECT box = canvas.Bounds();
        const int margin = width + 2;
        box = {box.left - margin, box.top - margin, box.right + margin, box.bottom + margin};
        double fx0 = x0, fy0 = y0, fx1 = x1, fy1 = y1;
        if (!ClipLine(fx0, fy0, fx1, fy1, box)) return;
        const int nx0 = static_cast<int>(std::lround(fx0)), ny0 = static_cast<int>(std::lround(fy0));
        const long long skipped =
            std::max(std::abs(static_cast<long long>(nx0) - x0), std::abs(static_cast<long long>(ny0) - y0));
        phase += static_cast<int>(skipped % kPatternCycle);
        x0 = nx0;
        y0 = ny0;
        x1 = static_cast<int>(std::lround(fx1));
        y1 = static_cast<int>(std::lround(fy1));
        lastPixel = true;  // the cut end lies outside what shows
    }
    const bool wide = width > 1;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0, y = y0;
    const int on = style == PS_DOT ? kDotOn : kDashOn;
    const int period = on + (style == PS_DOT ? kDotOff : kDashOff);
    const double half = width / 2.0;
    const RECT visibleBox = canvas.Bounds();
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
                // A round brush of the pen's width centred on the pixel, only where it can show.
                const int offset = width / 2;
                const int i0 = std::max(0, visibleBox.left - (x - offset)), i1 = std::min(width, visibleBox.right - (x - offset));
                const int j0 = std::max(0, visibleBox.top - (y - offset)), j1 = std::min(width, visibleBox.bottom - (y - offset));
                for (int j = j0; j < j1; ++j)
                    for (int i = i0; i < i1; ++i) {
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

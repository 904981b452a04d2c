// Lines drawn with a DC's pen: one pixel wide (Bresenham, the last pixel left out), dashed or dotted
// with the gaps in the background colour when the background is opaque, and wide pens as a round
// brush moved along the line.
#pragma once

#include "gdi/dc.h"

namespace platform::gdi {

struct Stroke {
    bool visible = false;
    int width = 1;
    UINT style = PS_SOLID;
    Pixel colour = 0;
    Pixel gap = 0;
    bool opaqueGaps = false;
    int phase = 0;  // position in the dash pattern, carried from one segment to the next

    static Stroke Of(const DcObject& dc);
    // Surface coordinates; the end point is drawn only with lastPixel (wide pens always draw it).
    void Line(const Canvas& canvas, int x0, int y0, int x1, int y1, bool lastPixel);
};

}  // namespace platform::gdi

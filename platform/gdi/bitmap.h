// Making bitmaps inside the drawing area (resources, pictures, icons, pattern brushes).
#pragma once

#include <memory>

#include "gdi/dib.h"
#include "gdi/objects.h"

namespace platform::gdi {

bool SizeAllowed(int width, int height);
std::shared_ptr<BitmapObject> NewBitmap(int width, int height, bool monochrome, bool bottomUp = false);
HBITMAP BitmapFromPixels(const DibPixels& dib, bool monochrome);

}  // namespace platform::gdi

// Contact pictures for the contact list, the grid and the call history: the stored picture with a
// light frame, else a default person or company picture, stretched into a square.
#pragma once

#include "platform/types.h"

// Draws into the square of the given size at (x, y). With keep, a stored picture is not drawn but
// handed to the caller (who deletes it); null when the contact has none.
HBITMAP DrawCtsPicture(HDC dc, int x, int y, LONG oid, bool companyOnly, int size, bool smooth, bool keep);
// The bitmap stretched into the square with a light grey frame.
void DrawPictureFramed(HDC dc, int x, int y, HBITMAP bitmap, int size);
// The bitmap at (x, y) in its own size, pixels of the key colour left out.
void DrawBmpTransparent(HDC dc, int x, int y, HBITMAP bitmap, COLORREF key);
// The default pictures, drawn with the pen and brush.
void DrawDefaultCtsPicture(HDC dc, int x, int y, int size, bool companyOnly);

// The frame of a stored picture.
inline constexpr COLORREF kPictureFrameColour = 0xC0C0C0;

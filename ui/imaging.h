// Pictures through the imaging factory: decoding a buffer or a picture stream, drawing a picture at a
// point (centred and scaled when asked), turning it into a bitmap or a DIB section, and fitting a
// size into a box keeping its aspect.
#pragma once

#include "platform/com.h"
#include "platform/imaging.h"
#include "platform/types.h"

// The scale factor that means "at the picture's own size".
inline constexpr float kNoScale = -1.0f;

enum class Placement { TopLeft, Centred };

// The stream's length (its low 32 bits), the stream left at its start; E_FAIL for a null stream.
HRESULT GetStreamSize(IStream* stream, DWORD* length);
// Decodes the picture in the stream into a bitmap of at most size by size (square: exactly that).
HRESULT DecodeImageToDib(IStream* stream, HBITMAP* bitmap, int size, bool square);
// The longer side becomes size, the other in proportion.
SIZE FitAspect(int size, int width, int height);
HBITMAP ImageToDib(IImage* image);
HBITMAP ImageToBitmap(IImage* image);
// Null when the buffer holds no picture the factory reads; the caller keeps the buffer.
HBITMAP DecodeImageBuffer(const void* buffer, UINT length);
// 1 when the picture was drawn.
int DrawImage(IImage* image, HDC dc, int x, int y, Placement placement, float scale);
int DrawImageBuffer(const void* buffer, UINT length, HDC dc, int x, int y, Placement placement, float scale);
// A new bitmap of the source fitted into size (square: size by size); null in, null out.
HBITMAP ScaleBitmap(HBITMAP bitmap, HWND window, int size, bool square);

// The key colour that stands for magenta in LoadBitmapScaled.
inline constexpr COLORREF kDefaultKey = 0xFFFFFFFF;

// Draws a bitmap resource scaled and transparent with the key colour; nothing when it is missing.
void LoadBitmapScaled(HDC dc, HINSTANCE instance, int bitmapId, int x, int y, Placement placement, float scale,
                      COLORREF key);
// Draws the picture of an image file; nothing when the file cannot be opened.
void DrawImageFile(HDC dc, LPCWSTR path, int x, int y, Placement placement, float scale);
// Draws a resource of the custom "PNG" type; nothing when it is missing.
void DrawPngResource(HDC dc, HINSTANCE instance, int id, int x, int y, Placement placement, float scale);
// The picture of an image file as a bitmap, fitted into size (square: size by size) when size is not
// kNoSize and a window is given; null when the file cannot be read.
inline constexpr int kNoSize = -1;
HBITMAP LoadImageFileScaled(LPCWSTR path, HWND window, int size, bool square);

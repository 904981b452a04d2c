// The image lists and glyph bitmaps, made once for the screen class.
#pragma once


void CreateAllImageLists();
void DestroyAllImageLists();

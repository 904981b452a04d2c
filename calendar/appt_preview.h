// The appointment preview: one appointment in full, read afresh from the PIM store.
#pragma once

#include "platform/types.h"

// The content height; 0 when the cached drawing was only copied.
int DrawApptPreview(HDC dc, int draw);

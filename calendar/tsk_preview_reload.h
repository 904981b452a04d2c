// The task preview's mark that its task changed and is to be read again before it paints.
#pragma once

#include "platform/types.h"

extern LONG g_TskPreviewReload;

// The kernel area: texts, time, files, heap and system calls.
#pragma once

#include "platform/files.h"
#include "platform/memory.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/types.h"

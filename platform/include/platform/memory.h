// The heap calls. Blocks come from the C runtime's allocator; HeapSize knows each block's size.
// Each heap knows its blocks: freeing or sizing a pointer it did not give out fails instead of
// corrupting memory, and HeapDestroy frees what is left. A block grows in place only by moving, so
// HEAP_REALLOC_IN_PLACE_ONLY (and LocalReAlloc without LMEM_MOVEABLE) succeeds only in shrinking.
#pragma once

#include "platform/types.h"

#define HEAP_NO_SERIALIZE 0x00000001
#define HEAP_GENERATE_EXCEPTIONS 0x00000004
#define HEAP_ZERO_MEMORY 0x00000008
#define HEAP_REALLOC_IN_PLACE_ONLY 0x00000010
#define LMEM_FIXED 0x0000
#define LMEM_MOVEABLE 0x0002
#define LMEM_ZEROINIT 0x0040
#define LPTR (LMEM_FIXED | LMEM_ZEROINIT)

HANDLE GetProcessHeap();
HANDLE HeapCreate(DWORD options, SIZE_T initialSize, SIZE_T maximumSize);
BOOL HeapDestroy(HANDLE heap);
LPVOID HeapAlloc(HANDLE heap, DWORD flags, SIZE_T bytes);
LPVOID HeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T bytes);
BOOL HeapFree(HANDLE heap, DWORD flags, LPVOID block);
SIZE_T HeapSize(HANDLE heap, DWORD flags, LPCVOID block);
HLOCAL LocalAlloc(UINT flags, SIZE_T bytes);
HLOCAL LocalReAlloc(HLOCAL block, SIZE_T bytes, UINT flags);
HLOCAL LocalFree(HLOCAL block);
SIZE_T LocalSize(HLOCAL block);

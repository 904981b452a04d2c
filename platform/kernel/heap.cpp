// The heap calls over the C runtime's allocator. Every block carries a header with its size in
// front of it, and each heap keeps the set of its blocks so that a foreign or freed pointer is
// refused. The process heap lives for the whole process; LocalAlloc draws from it. The set holds
// the addresses disguised, so that the leak checker still sees a block nobody freed as leaked.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_set>

#include "platform/memory.h"
#include "platform/system.h"

namespace {

// The header keeps blocks at the allocator's own alignment.
struct alignas(std::max_align_t) BlockHeader {
    SIZE_T size;
};

constexpr SIZE_T kHeaderSize = sizeof(BlockHeader);
constexpr SIZE_T kMaxBlock = static_cast<SIZE_T>(-1) / 2;
constexpr SIZE_T kSizeFailed = static_cast<SIZE_T>(-1);

using BlockKey = std::uintptr_t;
constexpr BlockKey kDisguise = ~BlockKey{0};

BlockKey KeyOf(const void* block) { return reinterpret_cast<BlockKey>(block) ^ kDisguise; }

struct Heap {
    std::mutex lock;
    std::unordered_set<BlockKey> blocks;

    ~Heap() {
        for (const BlockKey key : blocks) std::free(HeaderOf(reinterpret_cast<void*>(key ^ kDisguise)));
    }

    static BlockHeader* HeaderOf(const void* block) {
        return reinterpret_cast<BlockHeader*>(static_cast<char*>(const_cast<void*>(block)) - kHeaderSize);
    }
};

Heap& ProcessHeap() {
    static Heap* heap = new Heap;  // never destroyed: blocks may be freed during process exit
    return *heap;
}

struct HeapList {
    std::mutex lock;
    std::unordered_set<Heap*> heaps;
};

HeapList& CreatedHeaps() {
    static HeapList list;
    return list;
}

Heap* Lookup(HANDLE handle) {
    if (handle == &ProcessHeap()) return &ProcessHeap();
    HeapList& list = CreatedHeaps();
    const std::lock_guard guard(list.lock);
    const auto it = list.heaps.find(static_cast<Heap*>(handle));
    return it == list.heaps.end() ? nullptr : *it;
}

void* NewBlock(Heap& heap, SIZE_T bytes, bool zero) {
    if (bytes > kMaxBlock) return nullptr;
    void* raw = zero ? std::calloc(1, kHeaderSize + bytes) : std::malloc(kHeaderSize + bytes);
    if (!raw) return nullptr;
    static_cast<BlockHeader*>(raw)->size = bytes;
    void* block = static_cast<char*>(raw) + kHeaderSize;
    const std::lock_guard guard(heap.lock);
    heap.blocks.insert(KeyOf(block));
    return block;
}

// True when the block belongs to the heap; it is taken out of the heap's set when remove is set.
bool Owns(Heap& heap, LPCVOID block, bool remove) {
    const std::lock_guard guard(heap.lock);
    const auto it = heap.blocks.find(KeyOf(block));
    if (it == heap.blocks.end()) return false;
    if (remove) heap.blocks.erase(it);
    return true;
}

void* Fail(DWORD error) {
    SetLastError(error);
    return nullptr;
}

// A new size for a block of the heap: shrinking stays in place; growing moves unless in-place
// only was asked; the content is kept and, when asked, the new part zeroed.
void* Resize(Heap& heap, void* block, SIZE_T bytes, bool zero, bool inPlaceOnly) {
    if (!Owns(heap, block, false)) return Fail(ERROR_INVALID_PARAMETER);
    BlockHeader* header = Heap::HeaderOf(block);
    const SIZE_T old = header->size;
    if (bytes <= old) {
        header->size = bytes;
        return block;
    }
    if (inPlaceOnly) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    void* moved = NewBlock(heap, bytes, false);
    if (!moved) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    std::memcpy(moved, block, old);
    if (zero) std::memset(static_cast<char*>(moved) + old, 0, bytes - old);
    Owns(heap, block, true);
    std::free(header);
    return moved;
}

}  // namespace

HANDLE GetProcessHeap() { return &ProcessHeap(); }

HANDLE HeapCreate(DWORD, SIZE_T, SIZE_T) {
    auto heap = std::make_unique<Heap>();
    HeapList& list = CreatedHeaps();
    const std::lock_guard guard(list.lock);
    list.heaps.insert(heap.get());
    return heap.release();
}

BOOL HeapDestroy(HANDLE handle) {
    HeapList& list = CreatedHeaps();
    std::unique_ptr<Heap> heap;
    {
        const std::lock_guard guard(list.lock);
        const auto it = list.heaps.find(static_cast<Heap*>(handle));
        if (it == list.heaps.end()) {
            SetLastError(ERROR_INVALID_HANDLE);
            return FALSE;
        }
        heap.reset(*it);
        list.heaps.erase(it);
    }
    return TRUE;
}

LPVOID HeapAlloc(HANDLE handle, DWORD flags, SIZE_T bytes) {
    Heap* heap = Lookup(handle);
    if (!heap) return Fail(ERROR_INVALID_HANDLE);
    void* block = NewBlock(*heap, bytes, (flags & HEAP_ZERO_MEMORY) != 0);
    return block ? block : Fail(ERROR_NOT_ENOUGH_MEMORY);
}

LPVOID HeapReAlloc(HANDLE handle, DWORD flags, LPVOID block, SIZE_T bytes) {
    Heap* heap = Lookup(handle);
    if (!heap) return Fail(ERROR_INVALID_HANDLE);
    if (!block) return Fail(ERROR_INVALID_PARAMETER);
    return Resize(*heap, block, bytes, (flags & HEAP_ZERO_MEMORY) != 0, (flags & HEAP_REALLOC_IN_PLACE_ONLY) != 0);
}

BOOL HeapFree(HANDLE handle, DWORD, LPVOID block) {
    Heap* heap = Lookup(handle);
    if (!heap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!block) return TRUE;
    if (!Owns(*heap, block, true)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::free(Heap::HeaderOf(block));
    return TRUE;
}

SIZE_T HeapSize(HANDLE handle, DWORD, LPCVOID block) {
    Heap* heap = Lookup(handle);
    if (!heap || !block || !Owns(*heap, block, false)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return kSizeFailed;
    }
    return Heap::HeaderOf(block)->size;
}

HLOCAL LocalAlloc(UINT flags, SIZE_T bytes) {
    return HeapAlloc(GetProcessHeap(), (flags & LMEM_ZEROINIT) ? HEAP_ZERO_MEMORY : 0, bytes);
}

HLOCAL LocalReAlloc(HLOCAL block, SIZE_T bytes, UINT flags) {
    if (!block) return Fail(ERROR_INVALID_PARAMETER);
    return Resize(ProcessHeap(), block, bytes, (flags & LMEM_ZEROINIT) != 0, (flags & LMEM_MOVEABLE) == 0);
}

// NULL on success, the block itself when it was not one of ours.
HLOCAL LocalFree(HLOCAL block) { return HeapFree(GetProcessHeap(), 0, block) ? nullptr : block; }

SIZE_T LocalSize(HLOCAL block) {
    const SIZE_T size = HeapSize(GetProcessHeap(), 0, block);
    return size == kSizeFailed ? 0 : size;
}

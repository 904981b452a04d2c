// The modules' registered resources and the calls that find, load and size them.
//
// Each registration keeps the module's bytes (owned by the caller) and the entries parsed from them.
// 1. A resource handle (HRSRC) is the address of its entry in the module's entry table; the table
//    never changes while the module is registered, so the handle stays valid that long.
// 2. A loaded resource (HGLOBAL) is the address of the resource's first byte in the module's bytes.
// 3. Registrations are rare and lookups come from any thread: readers share the lock.
// 4. Entries named by two ordinals (nearly all) are also found through a sorted index; among
//    entries of the same type and name the first in file order wins, as in a plain scan.
#include "resources/module_resources.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <shared_mutex>
#include <string_view>
#include <vector>

#include "platform/system.h"
#include "platform/text.h"

namespace platform {
namespace {

// Type and name ordinals of an entry, and its place in the file.
struct OrdinalKey {
    WORD type;
    WORD name;
    std::size_t index;

    bool operator<(const OrdinalKey& other) const {
        return type != other.type ? type < other.type : name < other.name;
    }
};

struct ModuleResources {
    HMODULE module = nullptr;
    std::span<const BYTE> bytes;
    std::vector<ResEntry> entries;
    std::vector<OrdinalKey> byOrdinal;  // sorted; stable, so file order within equal keys
};

std::vector<OrdinalKey> OrdinalIndex(const std::vector<ResEntry>& entries) {
    std::vector<OrdinalKey> index;
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].type.isOrdinal && entries[i].name.isOrdinal)
            index.push_back({entries[i].type.ordinal, entries[i].name.ordinal, i});
    std::stable_sort(index.begin(), index.end());
    return index;
}

struct ResourceTable {
    std::shared_mutex lock;
    std::vector<std::unique_ptr<ModuleResources>> modules;
};

ResourceTable& Table() {
    static ResourceTable table;
    return table;
}

// The program's instance handle and the null module name the same resources.
HMODULE Canonical(HMODULE module) { return module == GetModuleHandleW(nullptr) ? nullptr : module; }

ModuleResources* FindModuleLocked(HMODULE module) {
    module = Canonical(module);
    for (const auto& m : Table().modules)
        if (m->module == module) return m.get();
    return nullptr;
}

bool Contains(std::span<const BYTE> bytes, const void* address) {
    const auto* p = static_cast<const BYTE*>(address);
    const std::less<const BYTE*> before;
    return !before(p, bytes.data()) && before(p, bytes.data() + bytes.size());
}

// The entry a resource handle names, when it is one of this module's entries.
const ResEntry* EntryOfHandle(const ModuleResources& m, HRSRC resource) {
    if (m.entries.empty()) return nullptr;
    const auto at = reinterpret_cast<std::uintptr_t>(resource);
    const auto first = reinterpret_cast<std::uintptr_t>(m.entries.data());
    const auto end = reinterpret_cast<std::uintptr_t>(m.entries.data() + m.entries.size());
    if (at < first || at >= end || (at - first) % sizeof(ResEntry) != 0) return nullptr;
    return &m.entries[(at - first) / sizeof(ResEntry)];
}

// The entry whose data holds the address (entries lie in ascending order of their data).
const ResEntry* EntryHolding(const ModuleResources& m, const BYTE* address) {
    const auto after = std::upper_bound(m.entries.begin(), m.entries.end(), address,
                                        [](const BYTE* a, const ResEntry& e) {
                                            return std::less<const BYTE*>()(a, e.data.data());
                                        });
    if (after == m.entries.begin()) return nullptr;
    const ResEntry& entry = *(after - 1);
    if (address == entry.data.data()) return &entry;  // also a resource of no bytes
    return Contains(entry.data, address) ? &entry : nullptr;
}

std::optional<WORD> OrdinalOfText(std::u16string_view text) {
    // "#123" names ordinal 123.
    if (text.size() < 2 || text.front() != u'#') return std::nullopt;
    DWORD value = 0;
    for (const WCHAR c : text.substr(1)) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + static_cast<DWORD>(c - u'0');
        if (value > 0xFFFF) return std::nullopt;
    }
    return static_cast<WORD>(value);
}

// A type or name as the calls take it, read once: an ordinal (also "#123"), else a text.
struct WantedName {
    std::optional<WORD> ordinal;
    std::u16string_view text;

    explicit WantedName(LPCWSTR wanted) {
        if (IS_INTRESOURCE(wanted)) {
            ordinal = LOWORD(reinterpret_cast<ULONG_PTR>(wanted));
            return;
        }
        text = wanted;
        ordinal = OrdinalOfText(text);
    }

    bool Matches(const ResField& stored) const {
        if (ordinal) return stored.isOrdinal && stored.ordinal == *ordinal;
        return !stored.isOrdinal && EqualNoCase(stored.text, text);
    }
};

const ResEntry* FindEntryLocked(const ModuleResources& m, LPCWSTR typeArg, LPCWSTR nameArg, DWORD& error) {
    const WantedName type(typeArg), name(nameArg);
    bool typeSeen = false;
    if (type.ordinal && name.ordinal) {
        const OrdinalKey key{*type.ordinal, *name.ordinal, 0};
        const auto at = std::lower_bound(m.byOrdinal.begin(), m.byOrdinal.end(), key);
        if (at != m.byOrdinal.end() && at->type == key.type && at->name == key.name) return &m.entries[at->index];
        // The type may still be there under other ordinals, or with names given as text.
        const auto ofType = std::lower_bound(m.byOrdinal.begin(), m.byOrdinal.end(), OrdinalKey{key.type, 0, 0});
        typeSeen = (ofType != m.byOrdinal.end() && ofType->type == key.type) ||
                   std::any_of(m.entries.begin(), m.entries.end(),
                               [&](const ResEntry& e) { return type.Matches(e.type); });
    } else {
        for (const ResEntry& entry : m.entries) {
            if (!type.Matches(entry.type)) continue;
            typeSeen = true;
            if (name.Matches(entry.name)) return &entry;
        }
    }
    error = typeSeen ? ERROR_RESOURCE_NAME_NOT_FOUND : ERROR_RESOURCE_TYPE_NOT_FOUND;
    return nullptr;
}

const ResEntry* FindEntry(HMODULE module, LPCWSTR type, LPCWSTR name) {
    std::shared_lock guard(Table().lock);
    const ModuleResources* m = FindModuleLocked(module);
    if (!m) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    DWORD error = ERROR_SUCCESS;
    const ResEntry* entry = FindEntryLocked(*m, type, name, error);
    if (!entry) SetLastError(error);
    return entry;
}

const ResEntry* EntryOf(HMODULE module, HRSRC resource) {
    std::shared_lock guard(Table().lock);
    const ModuleResources* m = FindModuleLocked(module);
    const ResEntry* entry = m ? EntryOfHandle(*m, resource) : nullptr;
    if (!entry) SetLastError(m ? ERROR_INVALID_HANDLE : ERROR_RESOURCE_DATA_NOT_FOUND);
    return entry;
}

}  // namespace

bool ResNameMatches(const ResField& stored, LPCWSTR wanted) { return WantedName(wanted).Matches(stored); }

std::optional<std::span<const BYTE>> FindResourceData(HMODULE module, LPCWSTR type, LPCWSTR name) {
    const ResEntry* entry = FindEntry(module, type, name);
    if (!entry) return std::nullopt;
    return entry->data;
}

int ResourceIdAt(const void* address) {
    if (!address) return 0;
    std::shared_lock guard(Table().lock);
    const auto* p = static_cast<const BYTE*>(address);
    for (const auto& m : Table().modules) {
        if (!Contains(m->bytes, p)) continue;
        const ResEntry* entry = EntryHolding(*m, p);
        return entry && entry->name.isOrdinal ? entry->name.ordinal : 0;
    }
    return 0;
}

std::optional<std::span<const BYTE>> ResourceDataFrom(const void* address) {
    if (!address) return std::nullopt;
    std::shared_lock guard(Table().lock);
    const auto* p = static_cast<const BYTE*>(address);
    for (const auto& m : Table().modules) {
        if (!Contains(m->bytes, p)) continue;
        const ResEntry* entry = EntryHolding(*m, p);
        if (!entry) return std::nullopt;
        return entry->data.subspan(static_cast<std::size_t>(p - entry->data.data()));
    }
    return std::nullopt;
}

bool RegisterModuleResources(HINSTANCE module, const void* data, std::size_t size) {
    if (!data || size == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    module = Canonical(module);
    auto registration = std::make_unique<ModuleResources>();
    registration->module = module;
    registration->bytes = std::span<const BYTE>(static_cast<const BYTE*>(data), size);
    auto entries = ParseResFile(registration->bytes);
    if (!entries) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    registration->entries = std::move(*entries);
    registration->byOrdinal = OrdinalIndex(registration->entries);

    std::unique_lock guard(Table().lock);
    auto& modules = Table().modules;
    const auto old = std::find_if(modules.begin(), modules.end(),
                                  [module](const auto& m) { return m->module == module; });
    if (old != modules.end())
        *old = std::move(registration);
    else
        modules.push_back(std::move(registration));
    return true;
}

void UnregisterModuleResources(HINSTANCE module) {
    module = Canonical(module);
    std::unique_lock guard(Table().lock);
    std::erase_if(Table().modules, [module](const auto& m) { return m->module == module; });
}

}  // namespace platform

HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type) {
    const platform::ResEntry* entry = platform::FindEntry(module, type, name);
    return entry ? reinterpret_cast<HRSRC>(const_cast<platform::ResEntry*>(entry)) : nullptr;
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const platform::ResEntry* entry = platform::EntryOf(module, resource);
    return entry ? const_cast<BYTE*>(entry->data.data()) : nullptr;
}

LPVOID LockResource(HGLOBAL data) {
    if (!data) return nullptr;
    std::shared_lock guard(platform::Table().lock);
    const auto* p = static_cast<const BYTE*>(data);
    for (const auto& m : platform::Table().modules) {
        const platform::ResEntry* entry = platform::EntryHolding(*m, p);
        if (entry && entry->data.data() == p) return data;
    }
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const platform::ResEntry* entry = platform::EntryOf(module, resource);
    return entry ? static_cast<DWORD>(entry->data.size()) : 0;
}

BOOL FreeResource(HGLOBAL) { return FALSE; }

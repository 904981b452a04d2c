// The PIM store: pim.vol in the device root, one SQLite database in write-ahead mode that the object
// model, the database volume and devicectl all read and write.
//
// Invariants:
//  1. Every save or delete is one transaction (BEGIN IMMEDIATE .. COMMIT); a failure rolls it back.
//  2. One connection per process and device root, guarded by one lock, so both of the program's
//     threads may call in; other processes wait on SQLite's busy timeout.
//  3. A file that SQLite reports damaged, when it is opened or on any later call, is said so on
//     standard error and never written to again; its sole user keeps it aside as
//     pim.vol.damaged-<time> (at the open, or when its last session here closes), and it stays
//     reported for the process's life; the next process starts a new store and says where the old
//     one was kept. Every page is checked only at the first
//     open after a writer ended without closing; a busy answer is never damage.
//  4. OIDs stay inside their kind's range; a kind's OIDs are handed out upwards and reused only
//     when the range is full.
//  5. A read of several queries runs in one deferred transaction: it takes the read locks once and
//     writes nothing.
//  6. A session that only read writes nothing to the device, at close either: the last one to close
//     after a write copies the log into pim.vol and empties it, keeping the log and index files, so a
//     reader finds them made. A session opened for reading alone (GetForReading) keeps its index
//     in its own memory when no other process has the store open.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "kernel/shared_database.h"
#include "pim/item_data.h"
#include "pim/sqlite_statement.h"

namespace platform::pim {

inline constexpr CEOID kAppointmentOidBase = 0x40000000u;
inline constexpr CEOID kContactOidBase = 0x80000000u;
inline constexpr CEOID kTaskOidBase = 0xC0000000u;
inline constexpr CEOID kOidsPerKind = 0x4E20u;

CEOID OidBase(ItemKind kind);
// What a save of a new item gives when its kind already holds kOidsPerKind items.
inline constexpr HRESULT kStoreFull = E_OUTOFMEMORY;
// Says which kind is full and how many it holds: "the store is full: it holds 20000 appointments,
// the most it can keep".
std::string StoreFullText(ItemKind kind, std::size_t held);
std::optional<ItemKind> KindOfOid(CEOID oid);

enum class Change { Created, Changed, Deleted };

struct Category {
    LONG id = 0;
    std::u16string name;
};

// An item as the database volume hands it out: its properties in identifier order (values never
// empty), its categories in their order, and its pattern.
struct FlatItem {
    CEOID oid = 0;
    std::vector<std::pair<CEPROPID, PropValue>> props;
    std::vector<std::u16string> categories;
    RecurrenceData recurrence;
};

struct CategoryAssignment {
    CEOID oid = 0;
    LONG category = 0;
};

class Store {
public:
    // The store of the current device root, opened (and made when missing) on first use. Null with
    // `error` set when the file is not a sound store.
    static std::shared_ptr<Store> Get(HRESULT* error = nullptr);
    // Opens an existing store only (the volume's open-existing mount).
    static std::shared_ptr<Store> GetExisting(HRESULT* error = nullptr);
    // For a command that only reads: the store open in this process, else a session of its own that
    // can only read and writes nothing (no store: null, ERROR_FILE_NOT_FOUND). A damaged file is
    // reported and left where it is.
    static std::shared_ptr<Store> GetForReading(HRESULT* error = nullptr);
    ~Store();

    std::recursive_mutex& Lock() { return lock_; }
    const std::filesystem::path& Path() const { return path_; }

    std::optional<ItemData> Load(CEOID oid);
    // Every item of a kind, whole (properties, categories, pattern, changed occurrences, recipients),
    // in OID order, read in one read transaction with one query per table.
    std::vector<ItemData> LoadAll(ItemKind kind);
    // What a date range needs, whole and in OID order, in one read transaction: the items not
    // recurring whose start falls in [from, to), and the series that may have an occurrence there.
    std::vector<ItemData> LoadForRange(ItemKind kind, DATE from, DATE to);
    // Every item of a kind in OID order as LoadAll reads it, without its changed occurrences and
    // recipients, and with its properties in a list instead of a map; each list has room for
    // `spare` values more.
    std::vector<FlatItem> LoadFlat(ItemKind kind, std::size_t spare = 0);
    // How many items of the kind the store holds.
    std::size_t Count(ItemKind kind);
    // Counts the changes this process committed: what was read at one count is still what the
    // store holds while the count stays (other processes' changes are seen by the next read).
    std::uint64_t ChangeCount() const { return changeCount_.load(); }
    // Inserts (oid 0: a new OID is given) or replaces the item; one transaction.
    HRESULT Save(ItemData& item, Change* change = nullptr);
    HRESULT Delete(CEOID oid);
    // Several saves and deletes as one transaction (devicectl's import); `work` returns false to roll back.
    bool InTransaction(const std::function<bool()>& work);
    bool Exists(CEOID oid);

    // OIDs of a kind: all, or the non-recurring whose start falls in [from, to), or the recurring ones.
    std::vector<CEOID> Oids(ItemKind kind);
    // In a folder's own order: appointments by start, tasks by due date, contacts by file-as name.
    // Kept from one call to the next while no connection changed the store.
    std::vector<CEOID> OidsInFolderOrder(ItemKind kind);
    std::vector<CEOID> OidsStartingIn(ItemKind kind, DATE from, DATE to);
    std::vector<CEOID> RecurringOids(ItemKind kind);

    std::vector<Category> Categories();
    std::vector<CategoryAssignment> Assignments();

    // Called after every committed save or delete, with the process lock released: the listener
    // (the notifications), then the observer (for tests).
    using ChangeListener = std::function<void(ItemKind, CEOID, Change)>;
    static void SetChangeListener(ChangeListener listener);
    static void SetChangeObserver(ChangeListener observer);

private:
    enum class Mode { Create, Existing, Reading };
    Store() = default;
    static std::shared_ptr<Store> Open(Mode mode, HRESULT* error);
    static std::shared_ptr<Store> OpenForReading(const std::filesystem::path& path, HRESULT* error);
    // Makes a new store's tables or brings an older store up to date; one transaction.
    bool WriteSchema();
    // The first version's step: the last day of every series that ends after a count.
    bool AddLastDays();
    bool Begin();
    bool Commit();
    // A statement without rows, telling damage apart; SQLite's result.
    int Exec(const char* sql);
    // SQLite found the store damaged: said once, marked for the next users, and from then on the
    // store reads nothing and saves nothing; its last user here sets it aside.
    void OnDamage();
    // What a failed save or delete gives: ERROR_BADDB once the store is found damaged.
    HRESULT FailureCode() const;
    void Rollback();
    Statement& Query(const char* sql);
    CEOID NextOid(ItemKind kind);
    LONG CategoryId(const std::u16string& name);
    bool WriteItem(const ItemData& item);
    bool RemoveItem(CEOID oid);
    void ReadDetails(ItemData& item);
    // Whole items of the rows of `items i` that `where` picks, with parameters ?1.. bound by `bind`.
    // `series` false: the rows are all of items without a pattern (no pattern or occurrence rows).
    // `around`, when given, is a wider choice that costs less to ask, for the categories and patterns.
    std::vector<ItemData> LoadWhere(const std::string& where, const std::function<void(Statement&)>& bind,
                                    bool series = true, const std::string& around = {});
    // Category names by identifier.
    std::unordered_map<std::int64_t, std::u16string> CategoryNames();
    bool HasRows(const char* table);
    class ReadScope;
    void Notify(ItemKind kind, CEOID oid, Change change);

    std::recursive_mutex lock_;
    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
    DatabaseUsers users_;  // held while the store is open
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
    int transactionDepth_ = 0;
    std::atomic<bool> damaged_{false};
    std::unique_ptr<Statement> dead_;  // what a damaged store's queries get
    std::atomic<std::uint64_t> changeCount_{0};
    bool readOnly_ = false;
    bool lastDays_ = true;  // the series keep their last day (a reader of an older store: not)
    // An appointment or task in its folder's order: by start, then OID, as SQLite orders them.
    struct Dated {
        bool dated;
        double start;
        CEOID oid;
        bool operator<(const Dated& other) const;
    };
    struct FolderOrder {
        std::uint64_t changeCount = 0;
        std::int64_t dataVersion = -1;  // other connections' commits
        std::vector<CEOID> oids;
        std::vector<Dated> rows;   // the same with their starts (not for contacts)
        std::vector<CEOID> stale;  // saved or deleted by this process since: placed again when next asked
    };
    std::unordered_map<int, FolderOrder> folderOrders_;
    // The series of a kind, whole and in OID order, kept while no connection changed the store:
    // a range's query then asks only which of them it needs.
    struct SeriesKept {
        std::uint64_t changeCount = 0;
        std::int64_t dataVersion = -1;
        std::vector<ItemData> items;
        bool asked = false;  // a range was read before
        // Items this process saved or deleted since: read again alone before the next use.
        std::vector<CEOID> stale;
    };
    std::unordered_map<int, SeriesKept> series_;
    // Null when a range's series are better read alone.
    const std::vector<ItemData>* KeptSeries(ItemKind kind);
    // Changes by other connections, as SQLite counts them (negative when it cannot tell).
    std::int64_t DataVersion();
    // After this process's own commit: the kept series and folder orders stay, with the items it
    // touched marked.
    void KeepThrough(std::uint64_t countBefore);
    std::vector<std::function<void()>> pendingNotifications_;
    std::vector<CEOID> touched_;  // saved or deleted by the open transaction
};

}  // namespace platform::pim

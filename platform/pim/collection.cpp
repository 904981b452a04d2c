// Item collections: the items of a folder as a numbered list, narrowed by Restrict (with each
// occurrence of a series as an element of its own when IncludeRecurrences is set) and ordered by Sort.
// The list is taken when the collection is made; elements deleted since then give E_FAIL.
//
// The items are read as a set (a restricted list with its query, a whole folder once it is walked)
// and handed out from what was read while this process has committed no change since; after one,
// each element is read again from the store.
#include <algorithm>
#include <iterator>

#include "pim/fail_points.h"
#include "pim/item_fields.h"
#include "pim/objects.h"
#include "pim/ole_date.h"
#include "pim/recurrence.h"
#include "pim/restriction.h"
#include "platform/text.h"

namespace platform::pim {
namespace {

// One occurrence of a series: where the pattern puts it, and its changed values when it was changed
// (kept by the series the element holds).
struct OccurrenceAt {
    std::int64_t originalDay = 0;
    DATE start = 0;
    LONG duration = 0;
    const ExceptionData* exception = nullptr;
};

// Kept small: a whole folder has many.
struct Element {
    CEOID oid = 0;
    std::int32_t occurrence = -1;          // its place among the list's occurrences, for an occurrence
    std::shared_ptr<const ItemData> item;  // as read with the list, when it was
};

// A folder walked element by element is read whole from the second element on.
constexpr int kMissesBeforeWholeRead = 1;

class Collection final : public ComObject<IPOutlookItemCollection> {
public:
    // A whole folder's items, by OID in the folder's order.
    Collection(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind, std::vector<CEOID> oids)
        : Collection(app, std::move(store), kind, {}, true) {
        folderOids_ = std::move(oids);
    }
    Collection(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind, std::vector<Element> elements,
               bool wholeFolder, std::uint64_t readAt = 0, std::vector<OccurrenceAt> occurrences = {})
        : store_(std::move(store)), kind_(kind), elements_(std::move(elements)),
          occurrences_(std::move(occurrences)), wholeFolder_(wholeFolder), readAt_(readAt) {
        if (app) app->AddRef();
        app_ = ComPtr<IPOutlookApp>(app);
    }

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IPOutlookItemCollection, static_cast<IPOutlookItemCollection*>(this)}});
    }

    HRESULT Add(IDispatch** item) override {
        if (!item) return E_POINTER;
        auto state = std::make_shared<ItemState>();
        state->store = store_;
        state->app = app_;
        state->SetData(NewItem(kind_));
        *item = NewItemObject(std::move(state));
        return S_OK;
    }
    HRESULT get_Count(int* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<int>(Elements().size());
        return S_OK;
    }
    HRESULT Item(int index, IDispatch** item) override {
        if (!item) return E_POINTER;
        *item = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookItemCollection::Item"); FAILED(injected))
            return injected;
        if (index < 1 || static_cast<std::size_t>(index) > Elements().size()) return E_INVALIDARG;
        const Element& e = elements_[static_cast<std::size_t>(index - 1)];
        std::shared_ptr<const ItemData> data = Data(e);
        if (!data) return E_FAIL;
        auto state = std::make_shared<ItemState>();
        state->store = store_;
        state->app = app_;
        state->ShareData(std::move(data));
        if (e.occurrence >= 0) {
            const OccurrenceAt& o = occurrences_[static_cast<std::size_t>(e.occurrence)];
            ExceptionData& values = state->occurrence.emplace(o.exception ? *o.exception : ExceptionData{});
            values.originalDay = o.originalDay;
            values.start = o.start;
            values.duration = o.duration;
        }
        *item = NewItemObject(std::move(state));
        return S_OK;
    }
    HRESULT Remove(int index) override {
        if (index < 1 || static_cast<std::size_t>(index) > Elements().size()) return E_INVALIDARG;
        const HRESULT hr = store_->Delete(elements_[static_cast<std::size_t>(index - 1)].oid);
        if (SUCCEEDED(hr)) elements_.erase(elements_.begin() + (index - 1));
        return hr;
    }
    HRESULT Restrict(LPCWSTR text, IPOutlookItemCollection** items) override {
        if (!items) return E_POINTER;
        *items = nullptr;
        if (const HRESULT injected = InjectedFailure("IPOutlookItemCollection::Restrict"); FAILED(injected))
            return injected;
        if (!text) return E_INVALIDARG;
        std::u16string source;
        for (const WCHAR* p = text; *p; ++p) source += *p;
        const auto restriction = ParseRestriction(source, kind_);
        if (!restriction) return E_INVALIDARG;
        const std::uint64_t readAt = store_->ChangeCount();
        std::vector<OccurrenceAt> occurrences;
        std::vector<Element> selected = Select(*restriction, occurrences);
        *items = new Collection(app_.Get(), store_, kind_, std::move(selected), false, readAt, std::move(occurrences));
        return S_OK;
    }
    HRESULT Sort(LPCWSTR property, VARIANT_BOOL descending) override {
        std::u16string name;
        for (const WCHAR* p = property; p && *p; ++p)
            if (*p != u'[' && *p != u']') name += *p;
        const FieldInfo* field = FindField(name, kind_);
        if (!field) return E_INVALIDARG;
        std::vector<std::pair<PropValue, Element>> keyed;
        keyed.reserve(Elements().size());
        ReadWholeFolder();
        for (Element& e : elements_) {
            PropValue key;
            if (e.occurrence >= 0 && field->id == PIMPR_START)
                key = occurrences_[static_cast<std::size_t>(e.occurrence)].start;
            else if (const auto data = Data(e)) key = FieldValue(*data, field->id);
            keyed.emplace_back(std::move(key), std::move(e));
        }
        auto less = [](const PropValue& a, const PropValue& b) {
            const auto* sa = std::get_if<std::u16string>(&a);
            const auto* sb = std::get_if<std::u16string>(&b);
            if (sa && sb) return CompareNoCase(*sa, *sb) < 0;
            return a < b;
        };
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& x, const auto& y) {
            return descending ? less(y.first, x.first) : less(x.first, y.first);
        });
        elements_.clear();
        for (auto& [key, e] : keyed) elements_.push_back(std::move(e));
        return S_OK;
    }
    HRESULT get_IncludeRecurrences(VARIANT_BOOL* include) override {
        if (!include) return E_POINTER;
        *include = includeRecurrences_ ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT put_IncludeRecurrences(VARIANT_BOOL include) override {
        includeRecurrences_ = include != 0;
        return S_OK;
    }
    HRESULT get_Application(IPOutlookApp** app) override {
        if (!app) return E_POINTER;
        *app = app_.Get();
        if (*app) (*app)->AddRef();
        return *app ? S_OK : E_FAIL;
    }

private:
    // The elements, made from the folder's OIDs when first needed (a month's query needs none).
    std::vector<Element>& Elements() {
        if (!folderOids_.empty()) {
            elements_.reserve(folderOids_.size());
            for (const CEOID oid : folderOids_) elements_.push_back({oid, -1, nullptr});
            folderOids_ = {};
        }
        return elements_;
    }

    // The element's item as the store holds it: what was read with the list while this process has
    // saved nothing since, else read again. Null when it is no longer stored.
    std::shared_ptr<const ItemData> Data(const Element& e) {
        if (wholeFolder_ && !wholeRead_ && misses_++ >= kMissesBeforeWholeRead) ReadWholeFolder();
        if (e.item && readAt_ == store_->ChangeCount()) return e.item;
        std::optional<ItemData> loaded = store_->Load(e.oid);
        if (!loaded) return nullptr;
        return std::make_shared<const ItemData>(std::move(*loaded));
    }

    // Reads every item of the folder in one pass (again when this process saved since).
    void ReadWholeFolder() {
        if (!wholeFolder_ || (wholeRead_ && readAt_ == store_->ChangeCount())) return;
        wholeRead_ = true;
        readAt_ = store_->ChangeCount();
        // The items come in OID order, the elements in the folder's.
        std::vector<ItemData> items = store_->LoadAll(kind_);
        std::vector<std::shared_ptr<const ItemData>> shared(items.size());
        for (Element& e : Elements()) {
            const auto it = std::lower_bound(items.begin(), items.end(), e.oid,
                                             [](const ItemData& item, CEOID oid) { return item.oid < oid; });
            if (it == items.end() || it->oid != e.oid) {
                e.item = nullptr;
                continue;
            }
            auto& made = shared[static_cast<std::size_t>(it - items.begin())];
            if (!made) made = std::make_shared<const ItemData>(std::move(*it));
            e.item = made;
        }
    }

    std::vector<Element> Select(const Restriction& restriction, std::vector<OccurrenceAt>& occurrences) {
        const std::optional<StartBounds> bounds = kind_ == ItemKind::Appointment ? RequiredStartBounds(restriction)
                                                                                  : std::nullopt;
        const bool bounded = bounds.has_value();
        const StartBounds span = bounds.value_or(StartBounds{});
        std::vector<std::shared_ptr<const ItemData>> candidates;
        if (wholeFolder_ && bounded) {
            // The single items by start, then the series by OID, as the store's index gives them.
            std::vector<ItemData> loaded = store_->LoadForRange(kind_, span.from, span.to);
            std::vector<std::pair<DATE, std::shared_ptr<const ItemData>>> singles;
            std::vector<std::shared_ptr<const ItemData>> series;
            for (ItemData& item : loaded) {
                auto shared = std::make_shared<const ItemData>(std::move(item));
                if (shared->recurrence.Set()) series.push_back(std::move(shared));
                else singles.emplace_back(shared->Date(PIMPR_START, 0), std::move(shared));
            }
            std::sort(singles.begin(), singles.end(), [](const auto& a, const auto& b) {
                return a.first != b.first ? a.first < b.first : a.second->oid < b.second->oid;
            });
            candidates.reserve(loaded.size());
            for (auto& [start, item] : singles) candidates.push_back(std::move(item));
            std::move(series.begin(), series.end(), std::back_inserter(candidates));
        } else {
            ReadWholeFolder();
            for (const Element& e : Elements()) {
                if (e.occurrence >= 0) continue;
                if (std::shared_ptr<const ItemData> item = Data(e)) candidates.push_back(std::move(item));
            }
        }
        std::vector<Element> found;
        // Each element's start as the order compares it, with its place: sorted, the places give
        // the elements by start, those of one start in the order they were found.
        std::vector<std::pair<std::int64_t, std::size_t>> order;
        for (const std::shared_ptr<const ItemData>& item : candidates) {
            const CEOID oid = item->oid;
            if (includeRecurrences_ && bounded && item->recurrence.Set()) {
                for (const Occurrence& o : SeriesOccurrences(*item, span.from, span.to)) {
                    if (!Matches(restriction, *item, o.start, o.duration)) continue;
                    order.emplace_back(OleMinutes(o.start), found.size());
                    found.push_back({oid, static_cast<std::int32_t>(occurrences.size()), item});
                    occurrences.push_back({o.originalDay, o.start, o.duration, o.exception});
                }
            } else if (Matches(restriction, *item)) {
                order.emplace_back(OleMinutes(item->Date(PIMPR_START, 0)), found.size());
                found.push_back({oid, -1, item});
            }
        }
        if (kind_ != ItemKind::Appointment) return found;
        std::sort(order.begin(), order.end());
        std::vector<Element> result;
        result.reserve(found.size());
        for (const auto& [minutes, place] : order) result.push_back(std::move(found[place]));
        return result;
    }

    ComPtr<IPOutlookApp> app_;
    std::shared_ptr<Store> store_;
    ItemKind kind_;
    std::vector<Element> elements_;
    std::vector<OccurrenceAt> occurrences_;  // of a restricted list's elements, in the order found
    std::vector<CEOID> folderOids_;  // a whole folder's elements not yet made
    bool wholeFolder_;
    std::uint64_t readAt_ = 0;  // the store's change count when the elements' items were read
    bool wholeRead_ = false;
    int misses_ = 0;
    bool includeRecurrences_ = false;
};

}  // namespace

IPOutlookItemCollection* NewCollection(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind) {
    std::vector<CEOID> oids = store->OidsInFolderOrder(kind);
    return new Collection(app, std::move(store), kind, std::move(oids));
}

}  // namespace platform::pim

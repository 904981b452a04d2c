// The recipients of an appointment (its attendees): kept with the item and stored by its Save.
#include "pim/bstr_util.h"
#include "pim/objects.h"

namespace platform::pim {
namespace {

class Recipients final : public ComObject<IRecipients> {
public:
    explicit Recipients(std::shared_ptr<ItemState> state) : s_(std::move(state)) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IRecipients, static_cast<IRecipients*>(this)}});
    }
    HRESULT Add(LPCWSTR name, IRecipient** recipient) override {
        if (recipient) *recipient = nullptr;
        const std::u16string text = TextOf(name);
        if (text.empty() || s_->deleted) return E_INVALIDARG;
        s_->Edit().recipients.push_back({text, {}});
        if (recipient) *recipient = NewRecipient(s_, s_->Data().recipients.size() - 1);
        return S_OK;
    }
    HRESULT Item(int index, IRecipient** recipient) override {
        if (!recipient) return E_POINTER;
        *recipient = nullptr;
        if (index < 1 || static_cast<std::size_t>(index) > s_->Data().recipients.size()) return E_INVALIDARG;
        *recipient = NewRecipient(s_, static_cast<std::size_t>(index - 1));
        return S_OK;
    }
    HRESULT Remove(int index) override {
        auto& list = s_->Edit().recipients;
        if (index < 1 || static_cast<std::size_t>(index) > list.size()) return E_INVALIDARG;
        list.erase(list.begin() + (index - 1));
        return S_OK;
    }
    HRESULT get_Count(int* count) override {
        if (!count) return E_POINTER;
        *count = static_cast<int>(s_->Data().recipients.size());
        return S_OK;
    }

private:
    std::shared_ptr<ItemState> s_;
};

// One recipient, named by its place in the item's list; a recipient removed meanwhile fails.
class Recipient final : public ComObject<IRecipient> {
public:
    Recipient(std::shared_ptr<ItemState> state, std::size_t index) : s_(std::move(state)), index_(index) {}

    HRESULT QueryInterface(REFIID iid, void** out) override {
        return Answer(iid, out, {{&IID_IRecipient, static_cast<IRecipient*>(this)}});
    }
    HRESULT get_Name(BSTR* name) override {
        if (!name) return E_POINTER;
        if (!Valid()) return (*name = nullptr, E_FAIL);
        return ReturnText(s_->Data().recipients[index_].name, name);
    }
    HRESULT get_Address(BSTR* address) override {
        if (!address) return E_POINTER;
        if (!Valid()) return (*address = nullptr, E_FAIL);
        return ReturnText(s_->Data().recipients[index_].address, address);
    }
    HRESULT put_Address(LPCWSTR address) override {
        if (!Valid()) return E_FAIL;
        s_->Edit().recipients[index_].address = TextOf(address);
        return S_OK;
    }

private:
    bool Valid() const { return index_ < s_->Data().recipients.size(); }

    std::shared_ptr<ItemState> s_;
    std::size_t index_;
};

}  // namespace

IRecipients* NewRecipients(std::shared_ptr<ItemState> state) { return new Recipients(std::move(state)); }

IRecipient* NewRecipient(std::shared_ptr<ItemState> state, std::size_t index) {
    return new Recipient(std::move(state), index);
}

}  // namespace platform::pim

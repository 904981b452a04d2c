// The object model's objects as the implementation sees them: what each is made from, and the
// state an item object shares with its recurrence pattern and recipients.
#pragma once

#include <memory>
#include <optional>

#include "pim/com_object.h"
#include "pim/item_data.h"
#include "pim/store.h"
#include "platform/poom.h"

namespace platform::pim {

// An item being viewed or edited: the store's data plus the changes not yet saved. For an
// occurrence of a series, the data is the series and `occurrence` the occurrence's own values.
// Objects handed out from one read list share its data until they change it: the first change
// copies it, so a change made through one object is never seen through another.
class ItemState {
public:
    std::shared_ptr<Store> store;
    ComPtr<IPOutlookApp> app;
    std::optional<ExceptionData> occurrence;
    bool deleted = false;

    const ItemData& Data() const { return shared_ ? *shared_ : own_; }
    ItemData& Edit() {
        if (shared_) {
            own_ = *shared_;
            shared_.reset();
        }
        return own_;
    }
    void SetData(ItemData data) {
        own_ = std::move(data);
        shared_.reset();
    }
    void ShareData(std::shared_ptr<const ItemData> read) { shared_ = std::move(read); }

private:
    ItemData own_;
    std::shared_ptr<const ItemData> shared_;  // read with a list, not changed here
};

IPOutlookApp2* NewApplication();
IFolder* NewFolder(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind);
// The folder of items to send by infrared.
IFolder* NewInfraredFolder(IPOutlookApp* app);
IPOutlookItemCollection* NewCollection(IPOutlookApp* app, std::shared_ptr<Store> store, ItemKind kind);
// The item object for the state: an IAppointment, ITask or IContact (as IDispatch).
IDispatch* NewItemObject(std::shared_ptr<ItemState> state);
IDispatch* NewAppointmentObject(std::shared_ptr<ItemState> state);
IDispatch* NewTaskObject(std::shared_ptr<ItemState> state);
IDispatch* NewContactObject(std::shared_ptr<ItemState> state);
IRecurrencePattern* NewRecurrencePattern(std::shared_ptr<ItemState> state);
IRecipients* NewRecipients(std::shared_ptr<ItemState> state);
IRecipient* NewRecipient(std::shared_ptr<ItemState> state, std::size_t index);
// A stream over bytes; with a property given, Commit (and the final Release) writes them back to it.
IStream* NewPropertyStream(std::shared_ptr<ItemState> state, CEPROPID prop, bool writable);

// The identifier of a default folder (the folder parameter of notifications).
CEOID FolderOid(ItemKind kind);
std::optional<ItemKind> KindOfFolder(int olFolder);
int FolderOfKind(ItemKind kind);

// The process's notification settings of a folder (PIMFOLDERNOTIFICATION_ flags).
void SetFolderNotifications(ItemKind kind, DWORD flags);
DWORD FolderNotifications(ItemKind kind);
// The window the application object logged on with (0 when none).
void SetLogonWindow(LONG_PTR window);
LONG_PTR LogonWindow();

}  // namespace platform::pim

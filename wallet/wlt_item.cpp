// Wallet items and fields, the fourteen built-in templates and the lookups by field kind that the
// tree, the detail view and the item actions use.
#include "wallet/wlt_item.h"

#include <iterator>

#include "core/secure_wipe.h"
#include "core/text_util.h"
#include "platform/text.h"
#include "ui/shell_actions.h"

WltState g_Wlt;

namespace {

struct WltFieldDef {
    const char16_t* label;
    WltFieldKind kind;
};

struct WltTemplateDef {
    const char16_t* type;
    LONG icon;
    const WltFieldDef* fields;
    int fieldCount;
};

constexpr WltFieldDef kBankFields[] = {
    {u"Bank Name", kWltKindName},        {u"Phone Number", kWltKindPhone}, {u"Account Type", kWltKindText},
    {u"Account Number", kWltKindNumber}, {u"PIN Number", kWltKindSecret},  {u"Website", kWltKindWeb},
    {u"User Name", kWltKindText},        {u"Password", kWltKindSecret},
};
constexpr WltFieldDef kCallingCardFields[] = {
    {u"Calling Card Name", kWltKindText}, {u"Access Number", kWltKindText},
    {u"Card Number", kWltKindNumber},     {u"PIN Number", kWltKindSecret},
    {u"Service Phone Number", kWltKindPhone},
};
constexpr WltFieldDef kClothingFields[] = {
    {u"Shirt Size", kWltKindText}, {u"Pant Size", kWltKindText}, {u"Dress Size", kWltKindText},
    {u"Shoe Size", kWltKindText},  {u"Other", kWltKindText},
};
constexpr WltFieldDef kCreditCardFields[] = {
    {u"Credit Card Name", kWltKindName},         {u"Cardholder Name", kWltKindName}, {u"Card Type", kWltKindText},
    {u"Card Number", kWltKindNumber},            {u"Card Expiration", kWltKindText},
    {u"3 Digit Verification #", kWltKindNumber}, {u"Phone Number", kWltKindPhone},   {u"PIN", kWltKindSecret},
    {u"Website", kWltKindWeb},                   {u"User Name", kWltKindText},       {u"Password", kWltKindSecret},
};
constexpr WltFieldDef kLicenseFields[] = {
    {u"Name", kWltKindName},        {u"License Number", kWltKindText},  {u"Location", kWltKindName},
    {u"Date Issued", kWltKindDate}, {u"Expiration Date", kWltKindDate},
};
constexpr WltFieldDef kEmailFields[] = {
    {u"User Name", kWltKindName},   {u"Password", kWltKindSecret}, {u"POP Server", kWltKindText},
    {u"SMTP Server", kWltKindText}, {u"Website", kWltKindWeb},
};
constexpr WltFieldDef kSiteLoginFields[] = {
    {u"Website", kWltKindWeb}, {u"User Name", kWltKindText}, {u"Password", kWltKindSecret},
};
constexpr WltFieldDef kNoteFields[] = {{u"Name", kWltKindText}, {u"Note", kWltKindNote}};
constexpr WltFieldDef kPasswordFields[] = {{u"Name", kWltKindName}, {u"Password", kWltKindSecret}};
constexpr WltFieldDef kHealthFields[] = {
    {u"Plan Name", kWltKindName}, {u"Group Name", kWltKindName},
    {u"Number", kWltKindNumber},  {u"Phone Number", kWltKindPhone},
};
constexpr WltFieldDef kIdFields[] = {
    {u"Name", kWltKindName},        {u"Number", kWltKindText},          {u"Location", kWltKindName},
    {u"Date Issued", kWltKindDate}, {u"Expiration Date", kWltKindDate},
};
constexpr WltFieldDef kCombinationFields[] = {{u"Combination", kWltKindSecret}};
constexpr WltFieldDef kSoftwareFields[] = {
    {u"Software Name", kWltKindName},    {u"Version Number", kWltKindNumber},
    {u"Registration Code", kWltKindText}, {u"Other", kWltKindText},
};

#define QV_WLT_FIELDS(list) list, static_cast<int>(std::size(list))

// The order is the order of the type choice and of the tree's groups.
constexpr WltTemplateDef kWltTemplates[] = {
    {u"Bank Account", 18, QV_WLT_FIELDS(kBankFields)},
    {u"Calling Card", 10, QV_WLT_FIELDS(kCallingCardFields)},
    {u"Clothing Sizes", 20, QV_WLT_FIELDS(kClothingFields)},
    {u"Credit Card", 2, QV_WLT_FIELDS(kCreditCardFields)},
    {u"Driver's License", 1, QV_WLT_FIELDS(kLicenseFields)},
    {u"Email", 16, QV_WLT_FIELDS(kEmailFields)},
    {u"Frequent Flyer", 15, QV_WLT_FIELDS(kSiteLoginFields)},
    {u"Generic Note", 14, QV_WLT_FIELDS(kNoteFields)},
    {u"Generic Password", 13, QV_WLT_FIELDS(kPasswordFields)},
    {u"Health Information", 9, QV_WLT_FIELDS(kHealthFields)},
    {u"Identification", 1, QV_WLT_FIELDS(kIdFields)},
    {u"Lock Combination", 17, QV_WLT_FIELDS(kCombinationFields)},
    {u"Software Registration", 21, QV_WLT_FIELDS(kSoftwareFields)},
    {u"Website", 12, QV_WLT_FIELDS(kSiteLoginFields)},
};
static_assert(std::size(kWltTemplates) == kWltTemplateCount);

#undef QV_WLT_FIELDS

std::u16string FirstValueOfKind(const WltItem& item, WltFieldKind kind) {
    for (const WltEntry& field : item.fields)
        if (field.kind == kind && !field.value.empty()) return field.value;
    return {};
}

}  // namespace

void WltEntryInit(WltEntry& entry) { entry = WltEntry(); }
void WltEntryCopy(const WltEntry& source, WltEntry& target) { target = source; }
void WltItemInit(WltItem& item) { item = WltItem(); }
void WltItemCopy(const WltItem& source, WltItem& target) { target = source; }
void WltItemAddField(WltItem& item, const WltEntry& field) { item.fields.Append(field); }

void FillWalletTemplates() {
    if (!g_Wlt.templates.IsEmpty()) return;
    for (const WltTemplateDef& def : kWltTemplates) {
        WltItem item;
        item.type = def.type;
        item.icon = def.icon;
        for (int i = 0; i < def.fieldCount; ++i) {
            WltEntry field;
            field.kind = def.fields[i].kind;
            field.label = def.fields[i].label;
            WltItemAddField(item, field);
        }
        g_Wlt.templates.Append(item);
    }
}

int FindWltTemplate(const WltItem& item) {
    FillWalletTemplates();
    for (int i = 0; i < g_Wlt.templates.Size(); ++i)
        if (NameEqualsNoCase(item, g_Wlt.templates[i].type)) return i;
    return -1;
}

bool NameEqualsNoCase(const WltItem& item, std::u16string_view text) {
    return platform::CompareNoCase(item.type, text) == 0;
}

bool WltItemHasCat(const WltItem& item, std::u16string_view category) {
    bool found = false;
    ForEachCommaPiece(item.categories, [&](const std::u16string& part) {
        if (!found && platform::CompareNoCase(part, category) == 0) found = true;
    });
    return found;
}

std::u16string GetWltPhoneValue(const WltItem& item) { return FirstValueOfKind(item, kWltKindPhone); }
std::u16string GetWltWebsiteValue(const WltItem& item) { return FirstValueOfKind(item, kWltKindWeb); }
std::u16string GetWltEmailValue(const WltItem& item) { return FirstValueOfKind(item, kWltKindMail); }

const WltItem* SelectedWltItem() {
    if (g_Wlt.selection < 0 || g_Wlt.selection >= g_Wlt.items.Size()) return nullptr;
    return &g_Wlt.items[g_Wlt.selection];
}

bool WltItemHasPhone() {
    const WltItem* item = SelectedWltItem();
    return item && !GetWltPhoneValue(*item).empty();
}
bool WltItemHasWebsite() {
    const WltItem* item = SelectedWltItem();
    return item && !GetWltWebsiteValue(*item).empty();
}
bool WltItemHasEmail() {
    const WltItem* item = SelectedWltItem();
    return item && !GetWltEmailValue(*item).empty();
}

// Each action works on a copy: the call may reach a dialog that changes the list.
void DialWalletItemPhone() {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    const std::u16string number = GetWltPhoneValue(WltItem(*item));
    if (!number.empty()) DialPhoneNumber(number);
}
void OpenWalletItemWebsite() {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    const std::u16string address = GetWltWebsiteValue(WltItem(*item));
    if (!address.empty()) OpenUrlInBrowser(address);
}
void MailWalletItemAddress() {
    const WltItem* item = SelectedWltItem();
    if (!item) return;
    const std::u16string address = GetWltEmailValue(WltItem(*item));
    if (!address.empty()) ComposeMail(address);
}

namespace {

void WipeWltEntry(WltEntry& entry) {
    WipeText(entry.label);
    WipeText(entry.value);
    // Slots past the size are constructed too and may hold older texts.
    for (int i = 0; i < entry.extras.Capacity(); ++i) WipeText(entry.extras[i]);
    entry.extras = RecordArray<std::u16string>();
}

}  // namespace

void WipeWltItems(WltItemArray& items) {
    for (int i = 0; i < items.Capacity(); ++i) {
        WltItem& item = items[i];
        WipeText(item.name);
        WipeText(item.type);
        WipeText(item.categories);
        for (int f = 0; f < item.fields.Capacity(); ++f) WipeWltEntry(item.fields[f]);
        item.fields = RecordArray<WltEntry>();
    }
    items = WltItemArray();
}

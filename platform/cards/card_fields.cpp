// The field tables of the three cards and the moving of values between a card and its item.
#include "cards/card_fields.h"

#include <array>

#include "platform/files.h"
#include "platform/time.h"

namespace platform::cards {
namespace {

// Parts of the work and home addresses, as the store numbers them.
constexpr CEPROPID kWorkStreet = 0x00C1001Fu;
constexpr CEPROPID kWorkCity = 0x00C2001Fu;
constexpr CEPROPID kWorkState = 0x00C3001Fu;
constexpr CEPROPID kWorkPostalCode = 0x00C4001Fu;
constexpr CEPROPID kWorkCountry = 0x00C5001Fu;
constexpr CEPROPID kHomeStreet = 0x00D1001Fu;
constexpr CEPROPID kHomeCity = 0x00D2001Fu;
constexpr CEPROPID kHomeState = 0x00D3001Fu;
constexpr CEPROPID kHomePostalCode = 0x00D4001Fu;
constexpr CEPROPID kHomeCountry = 0x00D5001Fu;

constexpr std::array kContactFields = {
    CardField{u"First name", PIMPR_FIRST_NAME, FieldType::Text},
    CardField{u"Middle name", PIMPR_MIDDLE_NAME, FieldType::Text},
    CardField{u"Last name", PIMPR_LAST_NAME, FieldType::Text},
    CardField{u"File as", PIMPR_FILEAS, FieldType::Text},
    CardField{u"Company", PIMPR_COMPANY_NAME, FieldType::Text},
    CardField{u"Job title", PIMPR_JOB_TITLE, FieldType::Text},
    CardField{u"Mobile tel", PIMPR_MOBILE_TELEPHONE_NUMBER, FieldType::Phone},
    CardField{u"Work tel", PIMPR_BUSINESS_TELEPHONE_NUMBER, FieldType::Phone},
    CardField{u"Home tel", PIMPR_HOME_TELEPHONE_NUMBER, FieldType::Phone},
    CardField{u"E-mail", PIMPR_EMAIL1_ADDRESS, FieldType::Email},
    CardField{u"E-mail 2", PIMPR_EMAIL2_ADDRESS, FieldType::Email},
    CardField{u"E-mail 3", PIMPR_EMAIL3_ADDRESS, FieldType::Email},
    CardField{u"Web page", PIMPR_WEB_PAGE, FieldType::Web},
    CardField{u"Work street", kWorkStreet, FieldType::Lines},
    CardField{u"Work city", kWorkCity, FieldType::Text},
    CardField{u"Work state", kWorkState, FieldType::Text},
    CardField{u"Work ZIP code", kWorkPostalCode, FieldType::Text},
    CardField{u"Work country", kWorkCountry, FieldType::Text},
    CardField{u"Home street", kHomeStreet, FieldType::Lines},
    CardField{u"Home city", kHomeCity, FieldType::Text},
    CardField{u"Home state", kHomeState, FieldType::Text},
    CardField{u"Home ZIP code", kHomePostalCode, FieldType::Text},
    CardField{u"Home country", kHomeCountry, FieldType::Text},
    CardField{u"Birthday", PIMPR_BIRTHDAY, FieldType::Date},
    CardField{u"Anniversary", PIMPR_ANNIVERSARY, FieldType::Date},
    CardField{u"Categories", PIMPR_CATEGORIES, FieldType::Categories},
    CardField{u"Notes", PIMPR_BODY_TEXT, FieldType::Lines},
    CardField{u"Picture", PIMPR_PICTURE, FieldType::Picture},
};

constexpr std::array kAppointmentFields = {
    CardField{u"Subject", PIMPR_SUBJECT, FieldType::Text},
    CardField{u"Location", PIMPR_LOCATION, FieldType::Text},
    CardField{u"Starts", PIMPR_START, FieldType::DateTime},
    CardField{u"Ends", PIMPR_END, FieldType::DateTime},
    CardField{u"All day", PIMPR_ALL_DAY_EVENT, FieldType::Check},
    CardField{u"Categories", PIMPR_CATEGORIES, FieldType::Categories},
    CardField{u"Notes", PIMPR_BODY_TEXT, FieldType::Lines},
};

constexpr std::array kTaskFields = {
    CardField{u"Subject", PIMPR_SUBJECT, FieldType::Text},
    CardField{u"Priority", PIMPR_IMPORTANCE, FieldType::Importance},
    CardField{u"Starts", PIMPR_START_DATE, FieldType::Date},
    CardField{u"Due", PIMPR_DUE_DATE, FieldType::Date},
    CardField{u"Completed", PIMPR_COMPLETE, FieldType::Check},
    CardField{u"Categories", PIMPR_CATEGORIES, FieldType::Categories},
    CardField{u"Notes", PIMPR_BODY_TEXT, FieldType::Lines},
};

std::u16string TakeText(HRESULT hr, BSTR text) {
    std::u16string out = SUCCEEDED(hr) && text ? std::u16string(text) : std::u16string();
    SysFreeString(text);
    return out;
}

std::u16string Text(const pim::ItemCore& item, CEPROPID id) {
    BSTR text = nullptr;
    const HRESULT hr = item.GetText(id, &text);
    return TakeText(hr, text);
}

// The whole of a device file, or nothing when it cannot be read.
std::optional<std::vector<BYTE>> ReadDeviceFile(const std::u16string& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<BYTE> bytes(GetFileSize(file, nullptr));
    DWORD read = 0;
    const BOOL ok = bytes.empty() || ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
    CloseHandle(file);
    if (!ok || read != bytes.size()) return std::nullopt;
    return bytes;
}

std::u16string FormatWith(DWORD flags, const SYSTEMTIME& time, bool isTime) {
    WCHAR buffer[80] = {};
    const int n = isTime ? GetTimeFormatW(LOCALE_USER_DEFAULT, flags, &time, nullptr, buffer, 80)
                         : GetDateFormatW(LOCALE_USER_DEFAULT, flags, &time, nullptr, buffer, 80);
    return n > 0 ? std::u16string(buffer) : std::u16string();
}

}  // namespace

std::span<const CardField> FieldsOf(pim::ItemKind kind) {
    switch (kind) {
    case pim::ItemKind::Contact: return kContactFields;
    case pim::ItemKind::Task: return kTaskFields;
    case pim::ItemKind::Appointment: return kAppointmentFields;
    }
    return {};
}

FieldValue ReadField(const pim::ItemCore& item, const CardField& field) {
    FieldValue v;
    switch (field.type) {
    case FieldType::Date:
    case FieldType::DateTime: item.GetDate(field.prop, &v.date); break;
    case FieldType::Check:
    case FieldType::Importance: item.GetLong(field.prop, &v.number); break;
    case FieldType::Categories: {
        BSTR text = nullptr;
        const HRESULT hr = item.GetCategories(&text);
        v.text = TakeText(hr, text);
        break;
    }
    case FieldType::Picture: {
        const std::vector<BYTE>* bytes = item.State().Data().Bytes(field.prop);
        v.pictureSet = bytes && !bytes->empty();
        break;
    }
    default: v.text = Text(item, field.prop); break;
    }
    return v;
}

bool WriteField(pim::ItemCore& item, const CardField& field, const FieldValue& value) {
    switch (field.type) {
    case FieldType::Date:
    case FieldType::DateTime: return SUCCEEDED(item.PutDate(field.prop, value.date));
    case FieldType::Check:
    case FieldType::Importance: return SUCCEEDED(item.PutLong(field.prop, value.number));
    case FieldType::Categories: return SUCCEEDED(item.PutCategories(value.text.c_str()));
    case FieldType::Picture: {
        auto& props = item.State().Edit().props;
        if (!value.pictureSet) {
            props.erase(field.prop);
        } else if (!value.text.empty()) {
            const auto bytes = ReadDeviceFile(value.text);
            if (!bytes) return false;
            props[field.prop] = *bytes;
        }
        return true;
    }
    default: return SUCCEEDED(item.PutText(field.prop, value.text.c_str()));
    }
}

std::u16string DateText(DATE date, bool withTime) {
    SYSTEMTIME t{};
    if (pim::IsNoDate(date) || !pim::OleToSystemTime(date, t)) return u"";
    std::u16string text = FormatWith(DATE_LONGDATE, t, false);
    if (withTime) text += u" " + FormatWith(TIME_NOSECONDS, t, true);
    return text;
}

std::u16string TimeText(DATE date) {
    SYSTEMTIME t{};
    if (pim::IsNoDate(date) || !pim::OleToSystemTime(date, t)) return u"";
    return FormatWith(TIME_NOSECONDS, t, true);
}

std::u16string ContactName(const pim::ItemCore& item) {
    std::u16string name;
    for (const CEPROPID id : {PIMPR_FIRST_NAME, PIMPR_MIDDLE_NAME, PIMPR_LAST_NAME}) {
        const std::u16string part = Text(item, id);
        if (part.empty()) continue;
        if (!name.empty()) name += u' ';
        name += part;
    }
    if (name.empty()) name = Text(item, PIMPR_FILEAS);
    if (name.empty()) name = Text(item, PIMPR_COMPANY_NAME);
    return name.empty() ? u"(No name)" : name;
}

const char16_t* CardTitle(pim::ItemKind kind) {
    switch (kind) {
    case pim::ItemKind::Contact: return u"Contacts";
    case pim::ItemKind::Task: return u"Tasks";
    case pim::ItemKind::Appointment: return u"Calendar";
    }
    return u"";
}

bool LooksLikeEmail(std::u16string_view text) {
    const auto at = text.find(u'@');
    if (at == std::u16string_view::npos || at == 0 || text.find(u'@', at + 1) != std::u16string_view::npos) return false;
    if (text.find_first_of(u" \t,;<>") != std::u16string_view::npos) return false;
    const std::u16string_view domain = text.substr(at + 1);
    const auto dot = domain.find(u'.');
    return dot != std::u16string_view::npos && dot > 0 && dot + 1 < domain.size();
}

}  // namespace platform::cards

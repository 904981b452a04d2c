// vCard files (versions 2.1, 3.0 and 4.0): each card becomes a contact.
#include "devicectl/pim_import.h"
#include "pim/item_core.h"
#include "pim/item_fields.h"
#include "platform/text.h"

namespace devicectl {

using platform::pim::ItemData;
using platform::pim::ItemKind;

namespace {

constexpr int kEmailSlots = 3;

// Telephone types and the contact field each fills; the first whose types all appear wins.
struct PhoneType {
    const char* types[2];
    CEPROPID prop;
    CEPROPID second;  // where a second number of the same kind goes (0: none)
};
constexpr PhoneType kPhones[] = {
    {{"CELL", nullptr}, PIMPR_MOBILE_TELEPHONE_NUMBER, 0},
    {{"PAGER", nullptr}, PIMPR_PAGER_NUMBER, 0},
    {{"CAR", nullptr}, PIMPR_CAR_TELEPHONE_NUMBER, 0},
    {{"WORK", nullptr}, PIMPR_BUSINESS_TELEPHONE_NUMBER, PIMPR_BUSINESS2_TELEPHONE_NUMBER},
    {{"HOME", nullptr}, PIMPR_HOME_TELEPHONE_NUMBER, PIMPR_HOME2_TELEPHONE_NUMBER},
};

bool HasType(const ContentLine& line, const char* type) {
    const auto it = line.params.find("TYPE");
    if (it == line.params.end()) return false;
    for (const std::string& t : SplitEscaped(it->second, ','))
        if (Upper(t) == type) return true;
    return false;
}

void SetText(ItemData& item, CEPROPID id, const std::string& utf8) {
    item.SetText(id, platform::FromUtf8(utf8));
}

class CardReader {
public:
    CardReader(const std::vector<ContentLine>& lines, std::vector<ImportError>* leftOut)
        : lines_(lines), leftOut_(leftOut) {}

    std::optional<Items> Read(ImportError& error) {
        Items items;
        for (i_ = 0; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            if (line.name == "BEGIN" && Upper(line.value) == "VCARD") {
                auto item = ReadCard(error);
                if (!item) return std::nullopt;
                items.push_back(std::move(*item));
            } else {
                error = {line.number, "expected BEGIN:VCARD"};
                return std::nullopt;
            }
        }
        if (items.empty()) {
            error = {1, "no cards"};
            return std::nullopt;
        }
        return items;
    }

private:
    std::optional<ItemData> ReadCard(ImportError& error) {
        const int begin = lines_[i_].number;
        ItemData item = platform::pim::NewItem(ItemKind::Contact);
        std::string formatted;
        int emails = 0;
        for (++i_; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            if (line.name == "END") {
                if (Upper(line.value) != "VCARD") {
                    error = {line.number, "END:" + Upper(line.value) + " inside VCARD"};
                    return std::nullopt;
                }
                if (item.Text(PIMPR_FIRST_NAME).empty() && item.Text(PIMPR_LAST_NAME).empty() &&
                    item.Text(PIMPR_COMPANY_NAME).empty()) {
                    if (formatted.empty()) {
                        error = {line.number, "card without a name"};
                        return std::nullopt;
                    }
                    SetText(item, PIMPR_FILEAS, formatted);
                }
                platform::pim::PrepareForSave(item);
                return item;
            }
            if (line.name == "BEGIN") {
                error = {line.number, "BEGIN inside VCARD"};
                return std::nullopt;
            }
            if (!ReadProperty(line, item, formatted, emails, error)) return std::nullopt;
        }
        error = {begin, "missing END:VCARD"};
        return std::nullopt;
    }

    bool ReadProperty(const ContentLine& original, ItemData& item, std::string& formatted, int& emails,
                      ImportError& error) {
        ContentLine line = original;
        if (const auto it = line.params.find("ENCODING"); it != line.params.end() && Upper(it->second) == "QUOTED-PRINTABLE") {
            const auto decoded = DecodeQuotedPrintable(line.value);
            if (!decoded) {
                error = {line.number, "bad quoted-printable text"};
                return false;
            }
            line.value = *decoded;
        }
        if (line.name == "N") {
            const auto parts = SplitEscaped(line.value, ';');
            static constexpr CEPROPID kParts[] = {PIMPR_LAST_NAME, PIMPR_FIRST_NAME, PIMPR_MIDDLE_NAME, PIMPR_TITLE,
                                                  PIMPR_SUFFIX};
            for (std::size_t p = 0; p < parts.size() && p < std::size(kParts); ++p) SetText(item, kParts[p], parts[p]);
        } else if (line.name == "FN") {
            formatted = Unescape(line.value);
        } else if (line.name == "ORG") {
            const auto parts = SplitEscaped(line.value, ';');
            SetText(item, PIMPR_COMPANY_NAME, parts[0]);
            if (parts.size() > 1) SetText(item, PIMPR_DEPARTMENT, parts[1]);
        } else if (line.name == "TITLE") {
            SetText(item, PIMPR_JOB_TITLE, Unescape(line.value));
        } else if (line.name == "TEL") {
            CEPROPID target = PIMPR_HOME_TELEPHONE_NUMBER;
            CEPROPID second = PIMPR_HOME2_TELEPHONE_NUMBER;
            for (const PhoneType& p : kPhones)
                if (HasType(line, p.types[0])) {
                    target = p.prop;
                    second = p.second;
                    break;
                }
            if (item.Has(target) && second) target = second;
            SetText(item, target, Unescape(line.value));
        } else if (line.name == "EMAIL") {
            static constexpr CEPROPID kEmails[kEmailSlots] = {PIMPR_EMAIL1_ADDRESS, PIMPR_EMAIL2_ADDRESS,
                                                              PIMPR_EMAIL3_ADDRESS};
            if (emails < kEmailSlots) SetText(item, kEmails[emails++], Unescape(line.value));
        } else if (line.name == "URL") {
            SetText(item, PIMPR_WEB_PAGE, Unescape(line.value));
        } else if (line.name == "NOTE") {
            SetText(item, PIMPR_BODY_TEXT, Unescape(line.value));
        } else if (line.name == "CATEGORIES") {
            for (const std::string& c : SplitEscaped(line.value, ','))
                for (auto& n : platform::pim::SplitCategories(platform::FromUtf8(c))) item.categories.push_back(n);
        } else if (line.name == "BDAY" || line.name == "ANNIVERSARY" || line.name == "X-ANNIVERSARY") {
            // A day without a year ("--0412") the store cannot hold: the card is kept without it.
            if (line.value.rfind("--", 0) == 0) {
                if (leftOut_)
                    leftOut_->push_back({line.number, line.name + " " + line.value + " has no year; left out"});
                return true;
            }
            const auto date = ParseIcalDate(line.value);
            if (!date) {
                error = {line.number, "bad date " + line.value};
                return false;
            }
            item.SetDate(line.name == "BDAY" ? PIMPR_BIRTHDAY : PIMPR_ANNIVERSARY, *date);
        } else if (line.name == "PHOTO") {
            std::string data = line.value;
            if (const std::size_t comma = data.find(','); data.rfind("data:", 0) == 0 && comma != std::string::npos)
                data = data.substr(comma + 1);
            const auto bytes = DecodeBase64(data);
            if (!bytes) {
                error = {line.number, "picture is not base64"};
                return false;
            }
            item.props[PIMPR_PICTURE] = std::vector<BYTE>(bytes->begin(), bytes->end());
        }
        return true;
    }

    const std::vector<ContentLine>& lines_;
    std::size_t i_ = 0;
    std::vector<ImportError>* leftOut_;
};

}  // namespace

std::optional<Items> ReadCards(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut) {
    const auto lines = ReadContentLines(text, error);
    if (!lines) return std::nullopt;
    return CardReader(*lines, leftOut).Read(error);
}

}  // namespace devicectl

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

// A birthday or anniversary: its date, whatever time and offset follow (vCard 4's "20090808T1430-0500").
std::optional<DATE> CardDate(const std::string& value) {
    return ParseIcalDate(value.substr(0, value.find_first_of("Tt")));
}

// A picture given as a link ("http://...", VALUE=uri), not as its bytes.
bool IsLink(const ContentLine& line) {
    if (const auto it = line.params.find("VALUE"); it != line.params.end()) {
        const std::string value = Upper(it->second);
        if (value == "URI" || value == "URL") return true;
    }
    // Base64 has no colon: one before the data is a scheme.
    return line.value.find(':') != std::string::npos && line.value.rfind("data:", 0) != 0;
}

// Reads the cards of a file. A card the store cannot keep (cut short, wrongly ended, with nothing to
// file it under) is skipped and so is a property it cannot read; each is named with its line in the
// left-out list, and the other cards are kept.
class CardReader {
public:
    CardReader(const std::vector<ContentLine>& lines, std::vector<ImportError>* leftOut)
        : lines_(lines), leftOut_(leftOut) {}

    std::optional<Items> Read(ImportError& error) {
        Items items;
        std::optional<ImportError> stray;
        bool anyCard = false;
        for (i_ = 0; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            if (line.name == "BEGIN" && Upper(line.value) == "VCARD") {
                anyCard = true;
                if (auto item = ReadCard()) items.push_back(std::move(*item));
            } else {
                if (!stray) stray = ImportError{line.number, "expected BEGIN:VCARD"};
                LeaveOut(line.number, line.name + " outside a card; left out");
            }
        }
        // Not a contacts file at all: refused, with its first line.
        if (!anyCard) {
            error = stray ? *stray : ImportError{1, "no cards"};
            return std::nullopt;
        }
        return items;
    }

private:
    // What a card gives to file it under when it has no name.
    struct Filing {
        std::string formatted, email, phone;
    };

    void LeaveOut(int line, std::string why) {
        if (leftOut_) leftOut_->push_back({line, std::move(why)});
    }

    std::nullopt_t SkipCard(int line, int begin, const std::string& why) {
        LeaveOut(line, why + "; the card from line " + std::to_string(begin) + " is skipped");
        return std::nullopt;
    }

    std::optional<ItemData> ReadCard() {
        const int begin = lines_[i_].number;
        ItemData item = platform::pim::NewItem(ItemKind::Contact);
        Filing filing;
        int emails = 0;
        for (++i_; i_ < lines_.size(); ++i_) {
            const ContentLine& line = lines_[i_];
            if (line.name != "BEGIN" && line.name != "END") {
                ReadProperty(line, item, filing, emails);
                continue;
            }
            const std::string what = Upper(line.value);
            if (line.name == "END") {
                if (what != "VCARD") return SkipCard(line.number, begin, "END:" + what + " inside VCARD");
                if (!FileUnder(item, filing))
                    return SkipCard(line.number, begin, "card without a name, organisation, e-mail or phone");
                if (FAILED(platform::pim::PrepareForSave(item)))
                    return SkipCard(line.number, begin, "the store cannot keep this card");
                return item;
            }
            if (line.name == "BEGIN" && what == "VCARD") {
                // The next card begins before this one ended: it is read on its own.
                --i_;
                return SkipCard(line.number, begin, "missing END:VCARD");
            }
            if (!SkipBlock()) return SkipCard(line.number, begin, "missing END:" + what);
            LeaveOut(line.number, "BEGIN:" + what + " inside VCARD; left out");
        }
        return SkipCard(begin, begin, "missing END:VCARD");
    }

    // Passes over an embedded block (BEGIN ... END, with blocks inside it); false when it never ends
    // or the next card begins first (that card is then read on its own).
    bool SkipBlock() {
        int depth = 1;
        for (++i_; i_ < lines_.size(); ++i_) {
            if (lines_[i_].name == "BEGIN" && Upper(lines_[i_].value) == "VCARD") {
                --i_;
                return false;
            }
            if (lines_[i_].name == "BEGIN") ++depth;
            if (lines_[i_].name == "END" && --depth == 0) return true;
        }
        return false;
    }

    // A card without a name is filed, as address books do, under its formatted name, organisation
    // (the store's own default), first e-mail or first phone; false when it has none of them.
    static bool FileUnder(ItemData& item, const Filing& filing) {
        if (!item.Text(PIMPR_FIRST_NAME).empty() || !item.Text(PIMPR_LAST_NAME).empty() ||
            !item.Text(PIMPR_COMPANY_NAME).empty())
            return true;
        for (const std::string* name : {&filing.formatted, &filing.email, &filing.phone})
            if (!name->empty()) {
                SetText(item, PIMPR_FILEAS, *name);
                return true;
            }
        return false;
    }

    void ReadProperty(const ContentLine& original, ItemData& item, Filing& filing, int& emails) {
        ContentLine line = original;
        if (const auto it = line.params.find("ENCODING"); it != line.params.end() && Upper(it->second) == "QUOTED-PRINTABLE") {
            const auto decoded = DecodeQuotedPrintable(line.value);
            if (!decoded) return LeaveOut(line.number, "bad quoted-printable text; " + line.name + " left out");
            line.value = *decoded;
        }
        if (line.name == "N") {
            const auto parts = SplitEscaped(line.value, ';');
            static constexpr CEPROPID kParts[] = {PIMPR_LAST_NAME, PIMPR_FIRST_NAME, PIMPR_MIDDLE_NAME, PIMPR_TITLE,
                                                  PIMPR_SUFFIX};
            for (std::size_t p = 0; p < parts.size() && p < std::size(kParts); ++p) SetText(item, kParts[p], parts[p]);
        } else if (line.name == "FN") {
            filing.formatted = Unescape(line.value);
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
            const std::string number = Unescape(line.value);
            SetText(item, target, number);
            if (filing.phone.empty()) filing.phone = number;
        } else if (line.name == "EMAIL") {
            static constexpr CEPROPID kEmails[kEmailSlots] = {PIMPR_EMAIL1_ADDRESS, PIMPR_EMAIL2_ADDRESS,
                                                              PIMPR_EMAIL3_ADDRESS};
            const std::string address = Unescape(line.value);
            if (emails < kEmailSlots) SetText(item, kEmails[emails++], address);
            if (filing.email.empty()) filing.email = address;
        } else if (line.name == "URL") {
            SetText(item, PIMPR_WEB_PAGE, Unescape(line.value));
        } else if (line.name == "NOTE") {
            SetText(item, PIMPR_BODY_TEXT, Unescape(line.value));
        } else if (line.name == "CATEGORIES") {
            for (const std::string& c : SplitEscaped(line.value, ','))
                for (auto& n : platform::pim::SplitCategories(platform::FromUtf8(c))) item.categories.push_back(n);
        } else if (line.name == "BDAY" || line.name == "ANNIVERSARY" || line.name == "X-ANNIVERSARY") {
            // A day without a year ("--0412") the store cannot hold: the card is kept without it.
            if (line.value.rfind("--", 0) == 0)
                return LeaveOut(line.number, line.name + " " + line.value + " has no year; left out");
            const auto date = CardDate(line.value);
            if (!date || !platform::pim::DateInRange(*date)) return LeaveOut(line.number, "bad date " + line.value + "; " + line.name + " left out");
            item.SetDate(line.name == "BDAY" ? PIMPR_BIRTHDAY : PIMPR_ANNIVERSARY, *date);
        } else if (line.name == "PHOTO") {
            // The device fetches nothing: a linked picture stays where it is.
            if (IsLink(line)) return LeaveOut(line.number, "PHOTO is a link, not a picture; left out");
            std::string data = line.value;
            if (const std::size_t comma = data.find(','); data.rfind("data:", 0) == 0 && comma != std::string::npos)
                data = data.substr(comma + 1);
            const auto bytes = DecodeBase64(data);
            if (!bytes) return LeaveOut(line.number, "picture is not base64; PHOTO left out");
            item.props[PIMPR_PICTURE] = std::vector<BYTE>(bytes->begin(), bytes->end());
        }
    }

    const std::vector<ContentLine>& lines_;
    std::size_t i_ = 0;
    std::vector<ImportError>* leftOut_;
};

}  // namespace

std::optional<Items> ReadCards(const std::string& text, ImportError& error, std::vector<ImportError>* leftOut) {
    const auto lines = ReadContentLines(text, error, leftOut);
    if (!lines) return std::nullopt;
    return CardReader(*lines, leftOut).Read(error);
}

}  // namespace devicectl

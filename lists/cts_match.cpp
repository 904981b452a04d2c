// Phone-key letters, contact tests and the contact's category colour.
#include "lists/cts_match.h"

#include <array>

#include "core/cat_record.h"
#include "core/text_util.h"
#include "lists/list_colors.h"
#include "platform/text.h"

namespace {

struct KeypadKey {
    WCHAR key;
    const char16_t* letters;
};

constexpr std::array<KeypadKey, 8> kKeypad = {{
    {u'2', u"ABC"}, {u'3', u"DEF"}, {u'4', u"GHI"}, {u'5', u"JKL"},
    {u'6', u"MNO"}, {u'7', u"PQRS"}, {u'8', u"TUV"}, {u'9', u"WXYZ"},
}};

bool NameOk(std::u16string_view name, const WCHAR* keys, int last) { return NameMatchesKeys(keys, last, name); }

}  // namespace

std::u16string_view KeypadLetters(WCHAR key) {
    for (const KeypadKey& entry : kKeypad) {
        if (entry.key == key) return entry.letters;
    }
    return {};
}

bool KeyMatchesLetter(WCHAR letter, WCHAR key) {
    return KeypadLetters(key).find(ToUpperAscii(letter)) != std::u16string_view::npos;
}

bool NameMatchesKeys(const WCHAR* keys, int last, std::u16string_view name) {
    if (last < 0 || name.size() < static_cast<std::size_t>(last) + 1) return false;
    for (int i = 0; i <= last; ++i) {
        if (!KeyMatchesLetter(name[static_cast<std::size_t>(i)], keys[i])) return false;
    }
    return true;
}

bool CtsMatchesKeys(const CtsRecord& record, const WCHAR* keys, int last, bool withFirst, bool withCompany) {
    if (NameOk(record.lastName, keys, last)) return true;
    if (withFirst && NameOk(record.firstName, keys, last)) return true;
    return withCompany && NameOk(record.company, keys, last);
}

void CycleKeypadLetter(WCHAR key, WCHAR& letter) {
    const std::u16string_view letters = KeypadLetters(key);
    if (letters.empty()) return;
    const std::size_t at = letters.find(letter);
    letter = (at == std::u16string_view::npos || at + 1 == letters.size()) ? letters[0] : letters[at + 1];
}

bool CtsIsCompanyOnly(const CtsRecord& record) {
    return record.firstName.empty() && record.lastName.empty() && !record.company.empty();
}

bool CtsHasCat(const CtsRecord& record, std::u16string_view name) { return StrArrHasNoCase(record.categories, name); }

bool CtsMatchesText(const CtsRecord& record, std::u16string_view text) {
    const std::u16string wanted = LowerText(text);
    const auto holds = [&wanted](std::u16string_view field) {
        return LowerText(field).find(wanted) != std::u16string::npos;
    };
    return holds(record.firstName + u" " + record.lastName) || holds(record.fileAs) || holds(record.defaultText);
}

std::u16string JoinWithCommas(const StrArray& strings) { return JoinCommas(strings); }

void SetCtsCatsFromText(CtsRecord& record, std::u16string_view text) {
    ForEachCommaPiece(text, [&record](const std::u16string& part) { record.categories.Append(part); });
}

COLORREF GetCtsCatColor(const CtsRecord& record) {
    if (!record.categories.IsEmpty()) {
        for (const CatRecord& category : g_CatList) {
            if (platform::EqualNoCase(category.name, record.categories[0])) return category.colour;
        }
    }
    return ListColor(kListText);
}

// Keyboard models by OEM text and the digit translations of their thumb keyboards. Every table here
// is the device makers' key printing; the odd cases (a capital-only row, a model missing from one
// routine) are kept as they are because the key handlers built on them expect exactly these answers.
#include "core/kbd_model.h"

#include <algorithm>
#include <iterator>

#include "platform/user.h"

namespace {

// The buffer the OEM text is read into, in bytes.
constexpr UINT kOemInfoBytes = 200;

// An OEM text matches a row when it begins with the pattern; '?' stands for any one character.
struct OemRule {
    std::u16string_view pattern;
    LONG model;
};

// Tested in this order; a later match overrides an earlier one.
constexpr OemRule kOemRules[] = {
    {u"MotoQ", kKbdMotoQ},
    {u"MotoQ9M", kKbdMotoQ9M},
    {u"MotoQ9c", kKbdMotoQ9M},
    {u"MotoQ9C", kKbdMotoQ9M},
    {u"MotoQ9e", kKbdMotoQ9M},
    {u"MotoQ2", kKbdMotoQ9M},
    {u"MotoQ Norm", kKbdMotoQ9H},
    {u"SG", kKbdSamsungSeries},
    {u"SG???61", kKbdSamsungBJ2},
    {u"SG???63", kKbdSamsungJack},
    {u"SPH????5", kKbdSamsungAce},
    {u"S511", kKbdHtcSnap},
    {u"T-Mo?????Da", kKbdDash},
    {u"HTC?S62", kKbdDash},
    {u"Treo500", kKbdPalmTreo500},
    {u"Palm Tr", kKbdPalmTreo},
};

constexpr std::u16string_view kModelNames[] = {
    u"Motorola Q",     u"Motorola Q9H", u"Motorola Q9M",  u"Samsung Series", u"Samsung Ace",  u"Samsung BJ2",
    u"Dash",           u"Palm Treo",    u"Palm Treo 500", u"Samsung Jack",   u"HTC Snap",
};

// The letter keys that carry the digits 1 to 9, in digit order.
constexpr std::u16string_view kWLayout = u"WERSDFZXC";
constexpr std::u16string_view kELayout = u"ERTDFGXCV";
constexpr std::u16string_view kDashLayout = u"WERSDFXCV";
constexpr std::u16string_view kPairFirst = u"ETUDGJXVN";
constexpr std::u16string_view kPairSecond = u"RYIFHKCBM";

// The keys that count as carrying a digit, by the three groups of models.
struct CarryRow {
    WCHAR digit;
    std::u16string_view eModels;     // models 1, 4, 5, 7, 8, 9
    std::u16string_view pairModel;   // model 3
    std::u16string_view otherModels;
};

constexpr CarryRow kCarryRows[] = {
    {u'1', u"Ee", u"EeRr", u"Ww"}, {u'2', u"Rr", u"TtYy", u"Ee"}, {u'3', u"T", u"UuIi", u"Rr"},
    {u'4', u"Dd", u"DdFf", u"Ss"}, {u'5', u"Ff", u"GgHh", u"Dd"}, {u'6', u"Gg", u"JjKk", u"Ff"},
    {u'7', u"X", u"XxCc", u"Zz"},  {u'8', u"Cc", u"VvBb", u"Xx"}, {u'9', u"Vv", u"NnMm", u"Cc"},
};

// Keys that give a character other than a digit on models 0 and 6.
struct KeyChar {
    WCHAR key;
    WCHAR ch;
};
constexpr KeyChar kMotoExtraKeys[] = {{u'U', u'-'}, {u'T', u'('}, {u'Y', u')'}, {u'?', u'0'}};

struct RemapRow {
    LONG model;
    WCHAR forW;
    WCHAR forX;
};
constexpr RemapRow kRemapRows[] = {
    {kKbdDash, u'Z', u'A'},       {kKbdMotoQ9H, u'Z', u'B'}, {kKbdSamsungJack, u'Z', u'B'},
    {kKbdSamsungBJ2, u'S', u'B'}, {kKbdPalmTreo500, u'Y', u'B'},
};

constexpr KeyChar kSymbolKeys[] = {
    {u'"', u'Q'}, {u'1', u'W'}, {u'2', u'E'}, {u'3', u'R'}, {u'(', u'T'}, {u')', u'Y'}, {u'-', u'U'},
    {u'+', u'I'}, {u'&', u'O'}, {u':', u'P'}, {u'*', u'A'}, {u'4', u'S'}, {u'5', u'D'}, {u'6', u'F'},
    {u'$', u'G'}, {u'!', u'H'}, {u'=', u'K'}, {u'@', u'L'}, {u'7', u'Z'}, {u'8', u'X'}, {u'9', u'C'},
    {u'/', u'V'}, {u'\\', u'B'}, {u',', u'N'}, {u';', u'M'},
};

bool MatchesPattern(std::u16string_view text, std::u16string_view pattern) {
    if (text.size() < pattern.size()) return false;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != u'?' && pattern[i] != text[i]) return false;
    }
    return true;
}

WCHAR ToUpperAscii(int key) {
    if (key >= 'a' && key <= 'z') return static_cast<WCHAR>(key - 'a' + 'A');
    return static_cast<WCHAR>(key);
}

WCHAR ToLowerAscii(WCHAR ch) {
    if (ch >= u'A' && ch <= u'Z') return static_cast<WCHAR>(ch - u'A' + u'a');
    return ch;
}

bool IsKeyValue(int key) { return key >= 0 && key <= 0xFFFF; }

// The digit (1-9) whose key in `layout` is `key` in either case, or 0.
WCHAR LayoutDigit(std::u16string_view layout, int key) {
    if (!IsKeyValue(key)) return 0;
    const std::size_t pos = layout.find(ToUpperAscii(key));
    return pos == std::u16string_view::npos ? 0 : static_cast<WCHAR>(u'1' + pos);
}

int DigitIndex(WCHAR digit) { return digit >= u'1' && digit <= u'9' ? digit - u'1' : -1; }

bool IsEModelForCarry(LONG model) {
    constexpr LONG models[] = {kKbdMotoQ9H, kKbdSamsungAce, kKbdSamsungBJ2, kKbdPalmTreo, kKbdPalmTreo500, kKbdSamsungJack};
    return std::ranges::find(models, model) != std::end(models);
}

// The pair layout's key for a digit: the first when `which` equals the digit's value.
WCHAR PairKey(int index, int which) { return which == index + 1 ? kPairFirst[index] : kPairSecond[index]; }

}  // namespace

LONG KbdModelFromOemText(std::u16string_view oem, LONG model) {
    for (const OemRule& rule : kOemRules) {
        if (MatchesPattern(oem, rule.pattern)) model = rule.model;
    }
    return model;
}

void DetectKbdModel(LONG& model) {
    WCHAR oem[kOemInfoBytes / sizeof(WCHAR)] = {};
    if (!SystemParametersInfoW(SPI_GETOEMINFO, kOemInfoBytes, oem, 0)) return;
    oem[std::size(oem) - 1] = 0;
    model = KbdModelFromOemText(oem, model);
}

std::u16string GetKbdModelName(LONG model) {
    if (model < 0 || model >= static_cast<LONG>(std::size(kModelNames))) return {};
    return std::u16string(kModelNames[model]);
}

int KeyCarriesDigit(LONG model, int key, WCHAR digit) {
    if (key == digit) return 1;
    if (digit == u'0') return key == u'?' || key == u'+' || key == kShiftKeyCode ? 1 : 0;
    const int index = DigitIndex(digit);
    if (index < 0 || !IsKeyValue(key)) return 0;
    const CarryRow& row = kCarryRows[index];
    std::u16string_view keys = row.otherModels;
    if (model == kKbdSamsungSeries) keys = row.pairModel;
    else if (IsEModelForCarry(model)) keys = row.eModels;
    return keys.find(static_cast<WCHAR>(key)) != std::u16string_view::npos ? 1 : 0;
}

WCHAR KeyToDigit(LONG model, int key) {
    switch (model) {
    case kKbdMotoQ:
    case kKbdDash: {
        if (const WCHAR digit = LayoutDigit(kWLayout, key)) return digit;
        for (const KeyChar& extra : kMotoExtraKeys) {
            if (IsKeyValue(key) && ToUpperAscii(key) == extra.key) return extra.ch;
        }
        return 0;
    }
    case kKbdSamsungSeries:
        if (key == u' ') return u'0';
        if (const WCHAR digit = LayoutDigit(kPairFirst, key)) return digit;
        return LayoutDigit(kPairSecond, key);
    case kKbdSamsungAce:
    case kKbdSamsungBJ2:
    case kKbdPalmTreo:
    case kKbdPalmTreo500:
        return LayoutDigit(kELayout, key);
    default:
        return 0;
    }
}

int DigitToKey(LONG model, WCHAR digit, int which, WCHAR& out) {
    if (model == kKbdMotoQ9M && (digit == u'#' || digit == u'*')) {
        out = digit == u'#' ? u'G' : u'A';
        return 1;
    }
    const int index = DigitIndex(digit);
    if (index < 0) return 0;
    switch (model) {
    case kKbdSamsungSeries: out = PairKey(index, which); return 1;
    case kKbdDash: out = kDashLayout[index]; return 1;
    case kKbdMotoQ9H:
    case kKbdSamsungAce:
    case kKbdSamsungBJ2:
    case kKbdSamsungJack: out = kELayout[index]; return 1;
    case kKbdMotoQ9M: out = kWLayout[index]; return 1;
    default: return 0;
    }
}

void DigitCharToKeyLetter(LONG model, WCHAR& ch, int which) {
    const int index = DigitIndex(ch);
    if (index < 0) return;
    switch (model) {
    case kKbdSamsungSeries: ch = ToLowerAscii(PairKey(index, which)); break;
    case kKbdDash: ch = ToLowerAscii(kDashLayout[index]); break;
    case kKbdSamsungAce:
    case kKbdSamsungBJ2:
    case kKbdSamsungJack: ch = ToLowerAscii(kELayout[index]); break;
    default: break;
    }
}

WCHAR RemapKbdKey(LONG model, WCHAR ch) {
    if (ch != u'w' && ch != u'x') return ch;
    for (const RemapRow& row : kRemapRows) {
        if (row.model == model) return ch == u'w' ? row.forW : row.forX;
    }
    return ch;
}

WCHAR MapSymbolKey(LONG model, WCHAR ch) {
    if (model != kKbdMotoQ9M) return ch;
    for (const KeyChar& symbol : kSymbolKeys) {
        if (symbol.key == ch) return symbol.ch;
    }
    return ch;
}

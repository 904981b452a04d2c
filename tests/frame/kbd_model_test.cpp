// Keyboard model detection from OEM texts and the key and digit translations of each model group.
#include <gtest/gtest.h>

#include <string>

#include "core/kbd_model.h"
#include "platform/testing.h"

namespace {

TEST(KbdModel, DetectsModelFromOemText) {
    struct Case {
        std::u16string oem;
        LONG model;
    };
    const Case cases[] = {
        {u"", kKbdModelUnknown},
        {u"Quorvia Device", kKbdModelUnknown},
        {u"MotoQ", kKbdMotoQ},
        {u"MotoQ9x", kKbdMotoQ},
        {u"MotoQ9c", kKbdMotoQ9M},
        {u"MotoQ9M something", kKbdMotoQ9M},
        {u"MotoQ9e", kKbdMotoQ9M},
        {u"MotoQ2", kKbdMotoQ9M},
        {u"MotoQ Norm", kKbdMotoQ9H},
        {u"SGabc61", kKbdSamsungBJ2},
        {u"SGabc63", kKbdSamsungJack},
        {u"SGabc60", kKbdSamsungSeries},
        {u"SG", kKbdSamsungSeries},
        {u"SPH-I325", kKbdSamsungAce},
        {u"SPH-M620", kKbdModelUnknown},
        {u"S511", kKbdHtcSnap},
        {u"T-Mobile Dash", kKbdDash},
        {u"T-Mobile Wing", kKbdModelUnknown},
        {u"HTC S620", kKbdDash},
        {u"HTC S710", kKbdModelUnknown},
        {u"Palm Treo 750", kKbdPalmTreo},
        {u"Treo500v", kKbdPalmTreo500},
        {u"motoq", kKbdModelUnknown},  // the match is case-sensitive
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KbdModelFromOemText(c.oem, kKbdModelUnknown), c.model) << std::string(c.oem.begin(), c.oem.end());
    }
    // A text that names nothing leaves an earlier answer.
    EXPECT_EQ(KbdModelFromOemText(u"Unknown", kKbdDash), kKbdDash);
}

TEST(KbdModel, DetectsTheDeviceModel) {
    struct Case {
        std::u16string oem;
        LONG model;
    };
    const Case cases[] = {
        {u"MotoQ Norm", kKbdMotoQ9H},
        {u"", kKbdModelUnknown},
        {u"Quorvia Device", kKbdModelUnknown},
        {std::u16string(120, u'M'), kKbdModelUnknown},  // longer than the text is read
    };
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.oemInfo = c.oem;
        platform::testing::TestDevice device(profile);
        LONG model = kKbdModelUnknown;
        DetectKbdModel(model);
        EXPECT_EQ(model, c.model);
    }
}

TEST(KbdModel, NamesEveryModel) {
    EXPECT_EQ(GetKbdModelName(kKbdModelUnknown), u"");
    EXPECT_EQ(GetKbdModelName(kKbdMotoQ), u"Motorola Q");
    EXPECT_EQ(GetKbdModelName(kKbdSamsungJack), u"Samsung Jack");
    EXPECT_EQ(GetKbdModelName(kKbdHtcSnap), u"HTC Snap");
    EXPECT_EQ(GetKbdModelName(11), u"");
}

TEST(KbdModel, KeyCarriesDigitByModelGroup) {
    struct Case {
        LONG model;
        int key;
        WCHAR digit;
        int carries;
    };
    constexpr Case cases[] = {
        // The digit itself, on every model, the unknown one included.
        {kKbdModelUnknown, '5', u'5', 1}, {kKbdSamsungSeries, '9', u'9', 1}, {kKbdPalmTreo, '0', u'0', 1},
        // Models with the E layout; the 3 and 7 rows hold the capital only.
        {kKbdMotoQ9H, 'E', u'1', 1}, {kKbdMotoQ9H, 'e', u'1', 1}, {kKbdPalmTreo500, 'T', u'3', 1},
        {kKbdPalmTreo500, 't', u'3', 0}, {kKbdSamsungJack, 'x', u'7', 0}, {kKbdSamsungJack, 'V', u'9', 1},
        {kKbdSamsungAce, 'W', u'1', 0},
        // The two-key model.
        {kKbdSamsungSeries, 'r', u'1', 1}, {kKbdSamsungSeries, 'Y', u'2', 1}, {kKbdSamsungSeries, 'm', u'9', 1},
        {kKbdSamsungSeries, 'W', u'1', 0},
        // Every other code: the W layout.
        {kKbdModelUnknown, 'w', u'1', 1}, {kKbdMotoQ, 'C', u'9', 1}, {kKbdMotoQ9M, 'z', u'7', 1},
        {kKbdDash, 'E', u'1', 0},
        // Zero: '?', '+' or Shift on all models.
        {kKbdMotoQ, '?', u'0', 1}, {kKbdSamsungSeries, '+', u'0', 1}, {kKbdModelUnknown, 16, u'0', 1},
        {kKbdModelUnknown, ' ', u'0', 0},
        // Not a digit.
        {kKbdMotoQ, 'W', u'#', 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCarriesDigit(c.model, c.key, c.digit), c.carries)
            << "model " << c.model << " key " << c.key << " digit " << static_cast<char>(c.digit);
    }
}

TEST(KbdModel, KeyToDigitByModel) {
    struct Case {
        LONG model;
        int key;
        WCHAR digit;
    };
    constexpr Case cases[] = {
        {kKbdMotoQ, 'w', u'1'},         {kKbdMotoQ, 'C', u'9'},          {kKbdDash, 'u', u'-'},
        {kKbdDash, 'T', u'('},          {kKbdDash, 'y', u')'},           {kKbdMotoQ, '?', u'0'},
        {kKbdMotoQ, 'Q', 0},            {kKbdSamsungSeries, 'e', u'1'},  {kKbdSamsungSeries, 'R', u'1'},
        {kKbdSamsungSeries, 'M', u'9'}, {kKbdSamsungSeries, ' ', u'0'},  {kKbdSamsungAce, 'e', u'1'},
        {kKbdPalmTreo, 'V', u'9'},      {kKbdPalmTreo500, 'W', 0},       {kKbdMotoQ9H, 'E', 0},
        {kKbdMotoQ9M, 'W', 0},          {kKbdSamsungJack, 'E', 0},       {kKbdModelUnknown, 'E', 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyToDigit(c.model, c.key), c.digit) << "model " << c.model << " key " << c.key;
    }
}

TEST(KbdModel, DigitToKeyAndBack) {
    struct Case {
        LONG model;
        WCHAR digit;
        int which;
        int found;
        WCHAR key;
    };
    constexpr Case cases[] = {
        {kKbdSamsungSeries, u'9', 9, 1, u'N'}, {kKbdSamsungSeries, u'9', 1, 1, u'M'},
        {kKbdSamsungSeries, u'1', 1, 1, u'E'}, {kKbdDash, u'7', 0, 1, u'X'},
        {kKbdDash, u'9', 0, 1, u'V'},          {kKbdMotoQ9H, u'1', 0, 1, u'E'},
        {kKbdSamsungJack, u'9', 0, 1, u'V'},   {kKbdMotoQ9M, u'7', 0, 1, u'Z'},
        {kKbdMotoQ9M, u'#', 0, 1, u'G'},       {kKbdMotoQ9M, u'*', 0, 1, u'A'},
        {kKbdDash, u'#', 0, 0, 0},             {kKbdMotoQ9M, u'0', 0, 0, 0},
        {kKbdPalmTreo, u'1', 0, 0, 0},         {kKbdModelUnknown, u'5', 0, 0, 0},
    };
    for (const Case& c : cases) {
        WCHAR key = 0;
        EXPECT_EQ(DigitToKey(c.model, c.digit, c.which, key), c.found) << "model " << c.model;
        if (c.found) {
            EXPECT_EQ(key, c.key) << "model " << c.model << " digit " << static_cast<char>(c.digit);
        }
    }
    // A key found for a digit carries that digit back on the same model.
    for (const LONG model : {kKbdSamsungSeries, kKbdSamsungAce, kKbdSamsungBJ2}) {
        for (WCHAR digit = u'1'; digit <= u'9'; ++digit) {
            WCHAR key = 0;
            ASSERT_EQ(DigitToKey(model, digit, 0, key), 1);
            EXPECT_EQ(KeyToDigit(model, key), digit) << "model " << model;
        }
    }
}

TEST(KbdModel, DigitCharToKeyLetterInPlace) {
    struct Case {
        LONG model;
        WCHAR in;
        int which;
        WCHAR out;
    };
    constexpr Case cases[] = {
        {kKbdSamsungSeries, u'2', 2, u't'}, {kKbdSamsungSeries, u'2', 0, u'y'}, {kKbdDash, u'7', 0, u'x'},
        {kKbdSamsungAce, u'1', 0, u'e'},    {kKbdSamsungJack, u'9', 0, u'v'},   {kKbdMotoQ9H, u'1', 0, u'1'},
        {kKbdDash, u'a', 0, u'a'},          {kKbdDash, u'0', 0, u'0'},
    };
    for (const Case& c : cases) {
        WCHAR ch = c.in;
        DigitCharToKeyLetter(c.model, ch, c.which);
        EXPECT_EQ(ch, c.out) << "model " << c.model << " char " << static_cast<char>(c.in);
    }
}

TEST(KbdModel, RemapAndSymbolKeys) {
    EXPECT_EQ(RemapKbdKey(kKbdDash, u'w'), u'Z');
    EXPECT_EQ(RemapKbdKey(kKbdDash, u'x'), u'A');
    EXPECT_EQ(RemapKbdKey(kKbdSamsungJack, u'x'), u'B');
    EXPECT_EQ(RemapKbdKey(kKbdSamsungBJ2, u'w'), u'S');
    EXPECT_EQ(RemapKbdKey(kKbdPalmTreo500, u'w'), u'Y');
    EXPECT_EQ(RemapKbdKey(kKbdDash, u'W'), u'W');  // capitals are left
    EXPECT_EQ(RemapKbdKey(kKbdMotoQ, u'w'), u'w');

    EXPECT_EQ(MapSymbolKey(kKbdMotoQ9M, u'"'), u'Q');
    EXPECT_EQ(MapSymbolKey(kKbdMotoQ9M, u'@'), u'L');
    EXPECT_EQ(MapSymbolKey(kKbdMotoQ9M, u'\\'), u'B');
    EXPECT_EQ(MapSymbolKey(kKbdMotoQ9M, u'0'), u'0');
    EXPECT_EQ(MapSymbolKey(kKbdMotoQ, u'@'), u'@');
}

}  // namespace

// The record-file stream: key preparation, the three string encodings and number lines byte for
// byte, and the damaged or unusual files a reader meets (missing line feeds, line breaks inside
// texts, long lines, counts beyond the end of the file).
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "core/blowfish.h"
#include "core/record_file.h"
#include "platform/files.h"
#include "platform/testing.h"

namespace {

constexpr const WCHAR* kPath = u"\\My Documents\\records.dat";

enum class Mode { kPlain, kText, kEnciphered };

void MakeDocumentsFolder(const platform::testing::TestDevice& device) {
    std::filesystem::create_directories(device.HostPath(u"\\My Documents"));
}

class RecordFileTest : public ::testing::Test {
protected:
    void SetUp() override { MakeDocumentsFolder(device_); }
    // Writes through a record file in the mode, as a serialise routine does.
    void Write(Mode mode, const std::function<void(RecordFile&)>& body, const std::u16string& password = u"secret") {
        FILE* file = _wfopen(kPath, mode == Mode::kText ? u"w" : u"wb");
        ASSERT_NE(file, nullptr);
        RecordFile rf;
        rf.file = file;
        rf.textMode = mode == Mode::kText;
        if (mode == Mode::kEnciphered) InitRecFileKey(rf, password);
        body(rf);
        std::fclose(file);
    }
    void Read(Mode mode, const std::function<void(RecordFile&)>& body, const std::u16string& password = u"secret") {
        FILE* file = _wfopen(kPath, mode == Mode::kText ? u"r" : u"rb");
        ASSERT_NE(file, nullptr);
        RecordFile rf;
        rf.file = file;
        rf.textMode = mode == Mode::kText;
        if (mode == Mode::kEnciphered) InitRecFileKey(rf, password);
        body(rf);
        std::fclose(file);
    }
    std::string Bytes() const { return device_.ReadFile(kPath); }
    void SetBytes(const std::string& bytes) const { device_.WriteFile(kPath, bytes); }

    platform::testing::TestDevice device_;
};

std::string KeyText(const RecordFile& rf) {
    return std::string(rf.key.begin(), rf.key.begin() + rf.keyLength);
}

TEST_F(RecordFileTest, KeyPreparationFillsToWholeBlocksOfAtLeast16) {
    struct Case {
        std::u16string password;
        std::string key;
    };
    const Case cases[] = {
        {u"", "KVKVKVKVKVKVKVKV"},
        {u"abcde", "abcdeKVabcdeKVab"},
        {u"abcdefghijklmn", "abcdefghijklmnKV"},
        {u"abcdefghijklmno", "abcdefghijklmnoK"},
        {u"abcdefghijklmnop", "abcdefghijklmnop"},
        {u"abcdefghijklmnopq", "abcdefghijklmnopqKVabcde"},
        {u"abcdefghijklmnopqrstuvw", "abcdefghijklmnopqrstuvwK"},
        {u"abcdefghijklmnopqrstuvwx", "abcdefghijklmnopqrstuvwx"},
    };
    for (const Case& c : cases) {
        RecordFile rf;
        PrepRecFileKey(rf, c.password);
        EXPECT_EQ(rf.keyLength, static_cast<int>(c.key.size()));
        EXPECT_EQ(KeyText(rf), c.key);
        ASSERT_EQ(rf.key.size(), c.key.size() + 1);
        EXPECT_EQ(rf.key.back(), 0);
        EXPECT_FALSE(rf.enciphered);
    }
    RecordFile rf;
    InitRecFileKey(rf, u"pw");
    EXPECT_TRUE(rf.enciphered);
    EXPECT_EQ(KeyText(rf), "pwKVpwKVpwKVpwKV");
}

TEST_F(RecordFileTest, KeyOfAMultibytePasswordStopsAtWholeCharacters) {
    // 16 units, 32 UTF-8 bytes: the key keeps the first 16 bytes, 8 whole characters.
    RecordFile rf;
    PrepRecFileKey(rf, std::u16string(16, u'\u00E9'));
    EXPECT_EQ(rf.keyLength, 16);
    std::string expected;
    for (int i = 0; i < 8; ++i) expected += "\xC3\xA9";
    EXPECT_EQ(KeyText(rf), expected);
}

TEST_F(RecordFileTest, EncipheredStringIsCountAndPaddedEcbCiphertext) {
    Write(Mode::kEnciphered, [](RecordFile& rf) { EXPECT_TRUE(WriteStrLine(rf, u"abc")); });
    const std::string bytes = Bytes();
    ASSERT_EQ(bytes.size(), 2u + 16u);
    EXPECT_EQ(bytes[0], 16);
    EXPECT_EQ(bytes[1], 0);

    RecordFile key;
    PrepRecFileKey(key, u"secret");
    std::string plain = "abc" + std::string(13, '^');
    Blowfish cipher;
    BlowfishInit(cipher, key.key.data(), key.keyLength, BlowfishBlock{});
    BlowfishEncrypt(cipher, reinterpret_cast<const BYTE*>(plain.data()), reinterpret_cast<BYTE*>(plain.data()),
                    plain.size(), kBlowfishEcb);
    EXPECT_EQ(bytes.substr(2), plain);

    Read(Mode::kEnciphered, [](RecordFile& rf) { EXPECT_EQ(ReadStrLine(rf), u"abc"); });
}

TEST_F(RecordFileTest, EncipheredRoundTripsKeepNumbersReadable) {
    const std::u16string texts[] = {u"", u"Account 1", u"Z\u00FCrich \u20AC 12", std::u16string(500, u'x'),
                                    u"exactly sixteen!"};
    Write(Mode::kEnciphered, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            WriteStrLine(rf, t);
            WriteNumLine(rf, 42);
        }
    });
    EXPECT_EQ(Bytes().substr(0, 5), std::string("\0\0" "42\n", 5));
    Read(Mode::kEnciphered, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            EXPECT_EQ(ReadStrLine(rf), t);
            EXPECT_EQ(ReadNumLine(rf), 42);
        }
        EXPECT_FALSE(rf.endOfFile);
    });
}

TEST_F(RecordFileTest, EncipheredTrailingCaretsAreDropped) {
    Write(Mode::kEnciphered, [](RecordFile& rf) {
        WriteStrLine(rf, u"up^^");
        WriteStrLine(rf, u"^^^");
        WriteStrLine(rf, u"^mid^dle");
    });
    Read(Mode::kEnciphered, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"up");
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_EQ(ReadStrLine(rf), u"^mid^dle");
    });
}

TEST_F(RecordFileTest, EncipheredTextLongerThanTheOldBufferDoesNotOverflow) {
    // A 24-byte key pads 2047 bytes to 2064, and a very long password pads a short text to its
    // own length: both passed the end of a fixed 2048-byte buffer.
    const std::u16string longText(2047, u'w');
    const std::u16string longPassword(3000, u'p');
    Write(Mode::kEnciphered, [&](RecordFile& rf) { EXPECT_TRUE(WriteStrLine(rf, longText)); }, u"seventeen letters");
    EXPECT_EQ(Bytes().size(), 2u + 2064u);
    Read(Mode::kEnciphered, [&](RecordFile& rf) { EXPECT_EQ(ReadStrLine(rf), longText); }, u"seventeen letters");

    Write(Mode::kEnciphered, [](RecordFile& rf) { EXPECT_TRUE(WriteStrLine(rf, u"short")); }, longPassword);
    EXPECT_EQ(Bytes().size(), 2u + 3000u);
    Read(Mode::kEnciphered, [](RecordFile& rf) { EXPECT_EQ(ReadStrLine(rf), u"short"); }, longPassword);
}

TEST_F(RecordFileTest, PlainStringsAreCountedBytes) {
    Write(Mode::kPlain, [](RecordFile& rf) {
        WriteStrLine(rf, u"");
        WriteStrLine(rf, u"abc");
        WriteNumLine(rf, -1);
    });
    EXPECT_EQ(Bytes(), std::string("\0\0\3\0abc-1\n", 10));
    Read(Mode::kPlain, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_EQ(ReadStrLine(rf), u"abc");
        EXPECT_EQ(ReadNumLine(rf), -1);
    });
}

TEST_F(RecordFileTest, CountedStringsBeyondTheCountAreCutAndReported) {
    Write(Mode::kPlain, [](RecordFile& rf) { EXPECT_FALSE(WriteStrLine(rf, std::u16string(70000, u'a'))); });
    EXPECT_EQ(Bytes().substr(0, 2), "\xFF\xFF");
    Read(Mode::kPlain, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), std::u16string(0xFFFF, u'a'));
        EXPECT_FALSE(rf.endOfFile);
    });
}

TEST_F(RecordFileTest, TextModeLinesAndNumberLines) {
    Write(Mode::kText, [](RecordFile& rf) {
        WriteStrLine(rf, u"Meeting");
        WriteStrLine(rf, u"");
        WriteNumLine(rf, -1);
        WriteNumLine(rf, 2147483647);
        WriteNumLine(rf, -2147483647 - 1);
    });
    EXPECT_EQ(Bytes(), "Meeting\n\n-1\n2147483647\n-2147483648\n");
    Read(Mode::kText, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"Meeting");
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_EQ(ReadNumLine(rf), -1);
        EXPECT_EQ(ReadNumLine(rf), 2147483647);
        EXPECT_EQ(ReadNumLine(rf), -2147483647 - 1);
        EXPECT_FALSE(rf.endOfFile);
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_TRUE(rf.endOfFile);
    });
}

TEST_F(RecordFileTest, NumberLinesParseLikeTheRuntime) {
    struct Case {
        const char* line;
        LONG number;
    };
    constexpr Case cases[] = {{"12abc\n", 12}, {"abc\n", 0}, {"\n", 0}, {" +7\n", 7}, {"-0\n", 0}, {"99999999999\n", 2147483647}};
    for (const Case& c : cases) {
        SetBytes(c.line);
        Read(Mode::kText, [&](RecordFile& rf) { EXPECT_EQ(ReadNumLine(rf), c.number) << c.line; });
    }
}

TEST_F(RecordFileTest, LongNumberLineStaysOneValue) {
    SetBytes("5" + std::string(400, '0') + "\n9\n");
    Read(Mode::kText, [](RecordFile& rf) {
        ReadNumLine(rf);
        EXPECT_EQ(ReadNumLine(rf), 9);
    });
}

TEST_F(RecordFileTest, LastLineWithoutLineFeedKeepsItsLastCharacter) {
    SetBytes("Meeting\nLunch");
    Read(Mode::kText, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"Meeting");
        EXPECT_EQ(ReadStrLine(rf), u"Lunch");
        EXPECT_FALSE(rf.endOfFile);
    });
    SetBytes("12");
    Read(Mode::kText, [](RecordFile& rf) { EXPECT_EQ(ReadNumLine(rf), 12); });
}

TEST_F(RecordFileTest, DeviceLineEndsAreRead) {
    SetBytes("Meeting\r\n12\r\n");
    Read(Mode::kText, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"Meeting");
        EXPECT_EQ(ReadNumLine(rf), 12);
    });
}

TEST_F(RecordFileTest, TextWithLineBreaksNoLongerSplitsTheFile) {
    const std::u16string texts[] = {u"first\r\nsecond", u"a\nb", u"ends in\n", u"C:\\notes\\n.txt\r", u"\n"};
    Write(Mode::kText, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            WriteStrLine(rf, t);
            WriteNumLine(rf, 5);
        }
        WriteStrLine(rf, u"C:\\plain\\n");
    });
    const std::string bytes = Bytes();
    // Texts without line breaks are written as they always were, backslashes and all.
    EXPECT_EQ(bytes.substr(bytes.size() - 11), "C:\\plain\\n\n");
    Read(Mode::kText, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            EXPECT_EQ(ReadStrLine(rf), t);
            EXPECT_EQ(ReadNumLine(rf), 5);
        }
        EXPECT_EQ(ReadStrLine(rf), u"C:\\plain\\n");
    });
}

TEST_F(RecordFileTest, Line2047BytesLongKeepsItsLastByte) {
    const std::u16string texts[] = {std::u16string(2047, u'x'), std::u16string(2046, u'y'), std::u16string(9000, u'z')};
    Write(Mode::kText, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            WriteStrLine(rf, t);
            WriteNumLine(rf, 7);
        }
    });
    Read(Mode::kText, [&](RecordFile& rf) {
        for (const std::u16string& t : texts) {
            EXPECT_EQ(ReadStrLine(rf), t);
            EXPECT_EQ(ReadNumLine(rf), 7);
        }
    });
}

TEST_F(RecordFileTest, DamagedCountStopsAtTheEndOfTheFile) {
    SetBytes(std::string("\xFF\xFF" "abc", 5));
    Read(Mode::kPlain, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"abc");
        EXPECT_TRUE(rf.endOfFile);
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_EQ(ReadNumLine(rf), 0);
    });

    Write(Mode::kEnciphered, [](RecordFile& rf) { WriteStrLine(rf, u"wallet item"); });
    std::string damaged = Bytes();
    damaged[1] = '\x7F';  // the count now claims far more than the file holds
    damaged += "xyz";     // and a part block follows the ciphertext
    SetBytes(damaged);
    Read(Mode::kEnciphered, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"wallet item");
        EXPECT_TRUE(rf.endOfFile);
    });

    SetBytes("\x05");
    Read(Mode::kPlain, [](RecordFile& rf) {
        EXPECT_EQ(ReadStrLine(rf), u"");
        EXPECT_TRUE(rf.endOfFile);
    });
}

TEST(RecordFileCodePage, CharactersTheCodePageLacksAreLeftOut) {
    platform::DeviceProfile profile;
    profile.ansiCodePage = 1252;
    platform::testing::TestDevice device(profile);
    MakeDocumentsFolder(device);
    FILE* file = _wfopen(kPath, u"w");
    ASSERT_NE(file, nullptr);
    RecordFile rf;
    rf.file = file;
    rf.textMode = TRUE;
    WriteStrLine(rf, u"\u20AC 5 \u0416ok");
    std::fclose(file);
    EXPECT_EQ(device.ReadFile(kPath), "\x80 5 ok\n");
}

TEST(RecordFileNoFile, ReadsAsEndedAndRefusesWrites) {
    RecordFile rf;
    EXPECT_EQ(ReadNumLine(rf), 0);
    EXPECT_TRUE(rf.endOfFile);
    EXPECT_EQ(ReadStrLine(rf), u"");
    EXPECT_FALSE(WriteNumLine(rf, 1));
    EXPECT_FALSE(WriteStrLine(rf, u"x"));
}

}  // namespace

// The block cipher against the published test vectors (blocks packed big-endian), its key length
// rules, the whole-block buffer operations and the CBC and CFB chaining.
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "core/blowfish.h"

namespace {

std::vector<BYTE> Hex(std::string_view hex) {
    std::vector<BYTE> bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) bytes.push_back(static_cast<BYTE>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    return bytes;
}

Blowfish Make(const std::vector<BYTE>& key, BlowfishBlock chain = {}) {
    Blowfish cipher;
    BlowfishInit(cipher, key.data(), static_cast<int>(key.size()), chain);
    return cipher;
}

std::vector<BYTE> Cipher(bool encrypt, const Blowfish& cipher, const std::vector<BYTE>& in, int mode) {
    std::vector<BYTE> out(in.size());
    if (encrypt)
        BlowfishEncrypt(cipher, in.data(), out.data(), in.size(), mode);
    else
        BlowfishDecrypt(cipher, in.data(), out.data(), in.size(), mode);
    return out;
}

TEST(Blowfish, PublishedVectors) {
    struct Vector {
        const char* key;
        const char* plain;
        const char* cipher;
    };
    constexpr Vector vectors[] = {
        {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
        {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
        {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
        {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
        {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
        {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
        {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
        {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
        {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
        {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
        {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
        {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
        {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
        {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
        {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
        {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
        {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
        {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
        {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
        {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
        {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
        {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
        {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
        {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
        {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
        // Longer keys.
        {"F0E1D2C3B4A5968778695A4B3C2D1E0F", "FEDCBA9876543210", "93142887EE3BE15C"},
    };
    for (const Vector& v : vectors) {
        const Blowfish cipher = Make(Hex(v.key));
        EXPECT_EQ(Cipher(true, cipher, Hex(v.plain), kBlowfishEcb), Hex(v.cipher)) << v.key;
        EXPECT_EQ(Cipher(false, cipher, Hex(v.cipher), kBlowfishEcb), Hex(v.plain)) << v.key;

        // The block functions see the same words, the first byte most significant.
        const std::vector<BYTE> plain = Hex(v.plain);
        const std::vector<BYTE> expected = Hex(v.cipher);
        BlowfishBlock block{(DWORD{plain[0]} << 24) | (DWORD{plain[1]} << 16) | (DWORD{plain[2]} << 8) | plain[3],
                            (DWORD{plain[4]} << 24) | (DWORD{plain[5]} << 16) | (DWORD{plain[6]} << 8) | plain[7]};
        BlowfishEncryptBlock(cipher, block);
        EXPECT_EQ(block.left >> 24, expected[0]) << v.key;
        EXPECT_EQ(block.right & 0xFF, expected[7]) << v.key;
        BlowfishDecryptBlock(cipher, block);
        EXPECT_EQ(block.left >> 24, plain[0]) << v.key;
    }
}

TEST(Blowfish, PublishedVariableKeyLengthVectors) {
    const std::vector<BYTE> keyBytes = Hex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    constexpr const char* expected[] = {
        "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05", "B39E44481BDB1E6E",
        "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82", "15750E7A4F4EC577", "122BA70B3AB64AE0",
        "3A833C9AFFC537F6", "9409DA87A90F6BF2", "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F",
        "93142887EE3BE15C", "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
        "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080",
    };
    for (std::size_t n = 1; n <= keyBytes.size(); ++n) {
        const Blowfish cipher = Make(std::vector<BYTE>(keyBytes.begin(), keyBytes.begin() + static_cast<long>(n)));
        EXPECT_EQ(Cipher(true, cipher, Hex("FEDCBA9876543210"), kBlowfishEcb), Hex(expected[n - 1])) << n;
    }
}

TEST(Blowfish, KeyBeyond56BytesIsIgnored) {
    std::vector<BYTE> key(60);
    for (std::size_t i = 0; i < key.size(); ++i) key[i] = static_cast<BYTE>(i * 37 + 11);
    const Blowfish full = Make(key);
    const Blowfish first56 = Make(std::vector<BYTE>(key.begin(), key.begin() + 56));
    EXPECT_EQ(full.p, first56.p);
    EXPECT_EQ(full.s, first56.s);
    key[57] ^= 0xFF;
    EXPECT_EQ(Make(key).p, first56.p);
}

TEST(Blowfish, OnlyWholeBlocksAreProcessed) {
    const Blowfish cipher = Make(Hex("0123456789ABCDEF"));
    std::vector<BYTE> in(20);
    for (std::size_t i = 0; i < in.size(); ++i) in[i] = static_cast<BYTE>(i);
    for (int mode : {kBlowfishEcb, kBlowfishCbc, kBlowfishCfb}) {
        std::vector<BYTE> out(20, 0xAA);
        BlowfishEncrypt(cipher, in.data(), out.data(), in.size(), mode);
        EXPECT_NE(std::vector<BYTE>(out.begin(), out.begin() + 16), std::vector<BYTE>(in.begin(), in.begin() + 16));
        EXPECT_EQ(std::vector<BYTE>(out.begin() + 16, out.end()), std::vector<BYTE>(4, 0xAA)) << mode;
        std::vector<BYTE> back(20, 0x55);
        BlowfishDecrypt(cipher, out.data(), back.data(), 16, mode);
        EXPECT_EQ(std::vector<BYTE>(back.begin(), back.begin() + 16), std::vector<BYTE>(in.begin(), in.begin() + 16));
        EXPECT_EQ(back[16], 0x55);
    }
}

// "7654321 Now is the time for " and its terminating zero, padded with zeros to whole blocks.
const std::vector<BYTE> kChainedText = Hex("37363534333231204E6F77206973207468652074696D6520666F722000000000");
const std::vector<BYTE> kChainedKey = Hex("0123456789ABCDEFF0E1D2C3B4A59687");
constexpr BlowfishBlock kChainedIv{0xFEDCBA98, 0x76543210};

TEST(Blowfish, CbcMatchesThePublishedVectorAndRoundTrips) {
    const Blowfish cipher = Make(kChainedKey, kChainedIv);
    const std::vector<BYTE> sealed = Cipher(true, cipher, kChainedText, kBlowfishCbc);
    EXPECT_EQ(sealed, Hex("6B77B4D63006DEE605B156E27403979358DEB9E7154616D959F1652BD5FF92CC"));
    // Every call starts from the same chaining block.
    EXPECT_EQ(Cipher(true, cipher, kChainedText, kBlowfishCbc), sealed);
    EXPECT_EQ(Cipher(false, cipher, sealed, kBlowfishCbc), kChainedText);
    EXPECT_NE(Cipher(false, cipher, sealed, kBlowfishEcb), kChainedText);
}

TEST(Blowfish, CfbMatchesThePublishedVectorAndRoundTrips) {
    const Blowfish cipher = Make(kChainedKey, kChainedIv);
    const std::vector<BYTE> sealed = Cipher(true, cipher, kChainedText, kBlowfishCfb);
    EXPECT_EQ(std::vector<BYTE>(sealed.begin(), sealed.begin() + 24), Hex("E73214A2822139CAF26ECF6D2EB9E76E3DA3DE04D1517200"));
    EXPECT_EQ(Cipher(false, cipher, sealed, kBlowfishCfb), kChainedText);
}

TEST(Blowfish, EcbRoundTripsInPlaceAndUnknownModesAreEcb) {
    const Blowfish cipher = Make(Hex("6B6579"));
    std::vector<BYTE> data(64);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<BYTE>(255 - i);
    const std::vector<BYTE> original = data;
    const std::vector<BYTE> ecb = Cipher(true, cipher, data, kBlowfishEcb);
    EXPECT_EQ(Cipher(true, cipher, data, 7), ecb);
    BlowfishEncrypt(cipher, data.data(), data.data(), data.size(), kBlowfishEcb);
    EXPECT_EQ(data, ecb);
    BlowfishDecrypt(cipher, data.data(), data.data(), data.size(), kBlowfishEcb);
    EXPECT_EQ(data, original);
}

}  // namespace

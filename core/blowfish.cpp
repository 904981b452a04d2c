// The block cipher: key schedule, the 16-round block function and the ECB, CBC and 64-bit CFB
// buffer operations.
#include "core/blowfish.h"

#include <utility>

namespace {

DWORD F(const Blowfish& c, DWORD x) {
    const DWORD a = (x >> 24) & 0xFF;
    const DWORD b = (x >> 16) & 0xFF;
    const DWORD cc = (x >> 8) & 0xFF;
    const DWORD d = x & 0xFF;
    return ((c.s[0][a] + c.s[1][b]) ^ c.s[2][cc]) + c.s[3][d];
}

BlowfishBlock ReadBlock(const BYTE* in) {
    auto word = [](const BYTE* b) {
        return (DWORD{b[0]} << 24) | (DWORD{b[1]} << 16) | (DWORD{b[2]} << 8) | DWORD{b[3]};
    };
    return BlowfishBlock{word(in), word(in + 4)};
}

void WriteBlock(const BlowfishBlock& block, BYTE* out) {
    auto word = [](DWORD w, BYTE* b) {
        b[0] = static_cast<BYTE>(w >> 24);
        b[1] = static_cast<BYTE>(w >> 16);
        b[2] = static_cast<BYTE>(w >> 8);
        b[3] = static_cast<BYTE>(w);
    };
    word(block.left, out);
    word(block.right, out + 4);
}

BlowfishBlock Xor(const BlowfishBlock& a, const BlowfishBlock& b) { return {a.left ^ b.left, a.right ^ b.right}; }

}  // namespace

void BlowfishEncryptBlock(const Blowfish& cipher, BlowfishBlock& block) {
    DWORD l = block.left;
    DWORD r = block.right;
    for (int i = 0; i < kBlowfishRounds; ++i) {
        l ^= cipher.p[i];
        r ^= F(cipher, l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= cipher.p[kBlowfishRounds];
    l ^= cipher.p[kBlowfishRounds + 1];
    block = {l, r};
}

void BlowfishDecryptBlock(const Blowfish& cipher, BlowfishBlock& block) {
    DWORD l = block.left;
    DWORD r = block.right;
    for (int i = kBlowfishRounds + 1; i > 1; --i) {
        l ^= cipher.p[i];
        r ^= F(cipher, l);
        std::swap(l, r);
    }
    std::swap(l, r);
    r ^= cipher.p[1];
    l ^= cipher.p[0];
    block = {l, r};
}

void BlowfishInit(Blowfish& cipher, const BYTE* key, int keyLength, BlowfishBlock initialChain) {
    cipher.initialChain = initialChain;
    cipher.chain = initialChain;
    cipher.p = kBlowfishInitP;
    cipher.s = kBlowfishInitS;

    const int used = keyLength < kBlowfishMaxKeyBytes ? keyLength : kBlowfishMaxKeyBytes;
    if (used > 0) {
        int k = 0;
        for (DWORD& subkey : cipher.p) {
            DWORD word = 0;
            for (int i = 0; i < 4; ++i) {
                word = (word << 8) | key[k];
                k = (k + 1) % used;
            }
            subkey ^= word;
        }
    }

    BlowfishBlock block;
    for (std::size_t i = 0; i < cipher.p.size(); i += 2) {
        BlowfishEncryptBlock(cipher, block);
        cipher.p[i] = block.left;
        cipher.p[i + 1] = block.right;
    }
    for (auto& box : cipher.s) {
        for (std::size_t i = 0; i < box.size(); i += 2) {
            BlowfishEncryptBlock(cipher, block);
            box[i] = block.left;
            box[i + 1] = block.right;
        }
    }
}

void BlowfishEncrypt(const Blowfish& cipher, const BYTE* in, BYTE* out, std::size_t length, int mode) {
    BlowfishBlock chain = cipher.chain;
    for (std::size_t at = 0; at + kBlowfishBlockBytes <= length; at += kBlowfishBlockBytes) {
        BlowfishBlock block = ReadBlock(in + at);
        switch (mode) {
        case kBlowfishCbc:
            block = Xor(block, chain);
            BlowfishEncryptBlock(cipher, block);
            chain = block;
            break;
        case kBlowfishCfb:
            BlowfishEncryptBlock(cipher, chain);
            block = Xor(block, chain);
            chain = block;
            break;
        default: BlowfishEncryptBlock(cipher, block); break;
        }
        WriteBlock(block, out + at);
    }
}

void BlowfishDecrypt(const Blowfish& cipher, const BYTE* in, BYTE* out, std::size_t length, int mode) {
    BlowfishBlock chain = cipher.chain;
    for (std::size_t at = 0; at + kBlowfishBlockBytes <= length; at += kBlowfishBlockBytes) {
        const BlowfishBlock input = ReadBlock(in + at);
        BlowfishBlock block = input;
        switch (mode) {
        case kBlowfishCbc:
            BlowfishDecryptBlock(cipher, block);
            block = Xor(block, chain);
            chain = input;
            break;
        case kBlowfishCfb:
            // The feedback register is enciphered in this direction too.
            BlowfishEncryptBlock(cipher, chain);
            block = Xor(input, chain);
            chain = input;
            break;
        default: BlowfishDecryptBlock(cipher, block); break;
        }
        WriteBlock(block, out + at);
    }
}

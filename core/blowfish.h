// The block cipher under the enciphered strings of the record files and so under the wallet:
// 64-bit blocks, 16 rounds, keys of up to 56 bytes, and buffer operations in three chaining modes.
#pragma once

#include <array>
#include <cstddef>

#include "core/blowfish_tables.h"
#include "platform/types.h"

// Keys longer than this use only their first bytes.
inline constexpr int kBlowfishMaxKeyBytes = 56;
inline constexpr int kBlowfishBlockBytes = 8;

// Chaining modes of the buffer operations; any other value is ECB.
enum BlowfishMode : int {
    kBlowfishEcb = 0,
    kBlowfishCbc = 1,
    kBlowfishCfb = 2,
};

struct BlowfishBlock {
    DWORD left = 0;
    DWORD right = 0;
};

struct Blowfish {
    BlowfishBlock initialChain;
    // The buffer operations start every call from this block and never write their running value back.
    BlowfishBlock chain;
    std::array<DWORD, kBlowfishRounds + 2> p{};
    std::array<std::array<DWORD, kBlowfishBoxSize>, kBlowfishBoxes> s{};
};

void BlowfishInit(Blowfish& cipher, const BYTE* key, int keyLength, BlowfishBlock initialChain);
void BlowfishEncryptBlock(const Blowfish& cipher, BlowfishBlock& block);
void BlowfishDecryptBlock(const Blowfish& cipher, BlowfishBlock& block);
// Whole 8-byte blocks, each read and written as two big-endian words; bytes after the last whole
// block are neither read nor written. Input and output may be the same buffer.
void BlowfishEncrypt(const Blowfish& cipher, const BYTE* in, BYTE* out, std::size_t length, int mode);
void BlowfishDecrypt(const Blowfish& cipher, const BYTE* in, BYTE* out, std::size_t length, int mode);

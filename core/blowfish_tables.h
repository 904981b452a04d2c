// The cipher's initial subkeys and substitution boxes (the fractional hexadecimal digits of pi).
#pragma once

#include <array>

#include "platform/types.h"

inline constexpr int kBlowfishRounds = 16;
inline constexpr int kBlowfishBoxes = 4;
inline constexpr int kBlowfishBoxSize = 256;

extern const std::array<DWORD, kBlowfishRounds + 2> kBlowfishInitP;
extern const std::array<std::array<DWORD, kBlowfishBoxSize>, kBlowfishBoxes> kBlowfishInitS;

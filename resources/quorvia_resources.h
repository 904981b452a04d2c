// The program's embedded resources (the compiled quorvia.rc).
#pragma once

#include <cstddef>
#include <span>

// Makes the embedded resources the program module's, so that FindResourceW, LoadStringW and the
// menu, dialog and bitmap calls find them. Called once at start-up, before the first window;
// false only if the build embedded a broken file.
bool RegisterQuorviaResources();

// The embedded bytes, in the standard resource layout.
std::span<const std::byte> QuorviaResourceBytes();

// An open FILE stream of the device file system that closes itself; the close is what commits a
// written side file, so every side file is written whole or not at all.
#pragma once

#include <cstdio>
#include <memory>

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};
using FileHandle = std::unique_ptr<FILE, FileCloser>;

// A fuzz target run without libFuzzer, in the test build with its sanitizers: every seed of the
// target's corpus, then a fixed number of inputs made from the seeds by small random changes. The
// same seed for the changes each time, so a failure comes back on the next run. The deep,
// coverage-guided runs are scripts/fuzz.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

std::vector<Bytes> ReadSeeds(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<Bytes> seeds;
    for (const auto& path : paths) {
        std::ifstream in(path, std::ios::binary);
        seeds.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return seeds;
}

// One small change of the kinds that find most reader faults: a byte changed, a digit or an edge
// value written, a stretch dropped, repeated or cut off.
void Change(Bytes& bytes, std::mt19937& random) {
    static constexpr std::uint8_t kEdges[] = {0, 0xFF, 0x7F, 0x80, '0', '9', '-', '\n', ':', ';'};
    const auto pick = [&random](std::size_t below) {
        return below == 0 ? std::size_t{0} : std::uniform_int_distribution<std::size_t>(0, below - 1)(random);
    };
    switch (pick(6)) {
    case 0:
        if (!bytes.empty()) bytes[pick(bytes.size())] ^= static_cast<std::uint8_t>(1u << pick(8));
        break;
    case 1:
        if (!bytes.empty()) bytes[pick(bytes.size())] = kEdges[pick(std::size(kEdges))];
        break;
    case 2:
        if (!bytes.empty()) {
            const std::size_t at = pick(bytes.size());
            bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(std::min(bytes.size(), at + 1 + pick(16))));
        }
        break;
    case 3:
        if (!bytes.empty() && bytes.size() < (1u << 20)) {
            const std::size_t at = pick(bytes.size());
            const std::size_t length = std::min(bytes.size() - at, 1 + pick(64));
            const Bytes stretch(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                                bytes.begin() + static_cast<std::ptrdiff_t>(at + length));
            bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size() + 1)), stretch.begin(), stretch.end());
        }
        break;
    case 4: bytes.resize(pick(bytes.size() + 1)); break;
    default: bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(pick(bytes.size() + 1)), static_cast<std::uint8_t>(pick(256)));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s SEED_FOLDER RUNS\n", argv[0]);
        return 2;
    }
    const std::vector<Bytes> seeds = ReadSeeds(argv[1]);
    if (seeds.empty()) {
        std::fprintf(stderr, "no seeds in %s\n", argv[1]);
        return 2;
    }
    for (const Bytes& seed : seeds) LLVMFuzzerTestOneInput(seed.data(), seed.size());
    const int runs = std::atoi(argv[2]);
    std::mt19937 random(20261211);
    for (int run = 0; run < runs; ++run) {
        Bytes input = seeds[random() % seeds.size()];
        const int changes = 1 + static_cast<int>(random() % 4);
        for (int c = 0; c < changes; ++c) Change(input, random);
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("%zu seeds and %d changed inputs read\n", seeds.size(), runs);
    return 0;
}

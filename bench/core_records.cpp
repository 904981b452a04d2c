// Speed of the data core's containers and cipher: filling a record array as the load thread does,
// building and searching an identifier index, and enciphering wallet strings.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/blowfish.h"
#include "core/id_index.h"
#include "core/record_array.h"

namespace {

struct BenchRecord {
    std::u16string subject;
    int oid = -1;
    int minutes = 0;
};

void BM_RecordArrayAppend(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        RecordArray<BenchRecord> records;
        for (int i = 0; i < count; ++i) records.Append(BenchRecord{u"Appointment", i, 30});
        benchmark::DoNotOptimize(records.Data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_RecordArrayAppend)->Arg(100000);

// OIDs arrive in no particular order; a multiplicative step spreads them over the key range.
LONG ScatteredOid(int i) { return static_cast<LONG>(0x40000000u + (static_cast<DWORD>(i) * 2654435761u) % 0x3FFFFFFFu); }

void BM_IdIndexInsert(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    for (auto _ : state) {
        IdIndex index;
        for (int i = 0; i < count; ++i) IdIndexInsert(ScatteredOid(i), i, index);
        benchmark::DoNotOptimize(index.Data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_IdIndexInsert)->Arg(5000)->Arg(20000);

void BM_IdIndexFind(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    IdIndex index;
    for (int i = 0; i < count; ++i) IdIndexInsert(ScatteredOid(i), i, index);
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(IdIndexGet(ScatteredOid(i), index));
        i = (i + 1) % count;
    }
}
BENCHMARK(BM_IdIndexFind)->Arg(20000);

void BM_BlowfishEcb(benchmark::State& state) {
    const std::vector<BYTE> key(16, 0x5A);
    Blowfish cipher;
    BlowfishInit(cipher, key.data(), static_cast<int>(key.size()), BlowfishBlock{});
    std::vector<BYTE> data(static_cast<std::size_t>(state.range(0)), 0x42);
    for (auto _ : state) {
        BlowfishEncrypt(cipher, data.data(), data.data(), data.size(), kBlowfishEcb);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_BlowfishEcb)->Arg(4096);

// A fresh key schedule per string is what a reader without a cached cipher would pay.
void BM_BlowfishKeySchedule(benchmark::State& state) {
    const std::vector<BYTE> key(16, 0x5A);
    for (auto _ : state) {
        Blowfish cipher;
        BlowfishInit(cipher, key.data(), static_cast<int>(key.size()), BlowfishBlock{});
        benchmark::DoNotOptimize(cipher.p.data());
    }
}
BENCHMARK(BM_BlowfishKeySchedule);

}  // namespace

// Speed of the GEDCOM reading pass and of loading every individual, on
// synthetic files of 10,000 and 100,000 individuals (1,000,000 with
// VELLIX_BENCH_1M=1). Files are generated into /tmp. Peak RSS is printed at
// the end.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "bench_environment.h"
#include "gedcom/gedcom_reader.h"
#include "gedcom/record_store.h"
#include "gedcom_synth.h"
#include "platform/file_system.h"

namespace {

using vellix::GedcomReader;
namespace bench = vellix::bench;
using vellix::GedcomRecord;
using vellix::RecordKind;
using vellix::RecordStore;

// The path of the synthetic file with `n` individuals (made once).
const std::string& FileFor(int n) {
  static std::map<int, std::string> files;
  auto it = files.find(n);
  if (it != files.end()) return it->second;
  const std::string path = "/tmp/vellix-bench-" + std::to_string(n) + ".ged";
  if (!vellix::platform::FileExists(path)) {
    vellix::platform::WriteWholeFile(path, vellix::bench::MakeGedcom(n));
  }
  return files[n] = path;
}

void BM_ReadPass(benchmark::State& state) {
  const std::string& path = FileFor(static_cast<int>(state.range(0)));
  bench::BenchEnvironment services;
  RecordStore store;
  GedcomReader reader(store, services.env);
  int64_t bytes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    reader.Close(true);
    if (!reader.Open(path)) state.SkipWithError("open failed");
    state.ResumeTiming();
    if (!reader.ReadPass(true, nullptr, nullptr)) state.SkipWithError("pass failed");
    bytes += reader.fileSize();
  }
  state.SetBytesProcessed(bytes);
  state.counters["records"] = static_cast<double>(store.individualCount());
}

void BM_OpenAndReadPass(benchmark::State& state) {
  const std::string& path = FileFor(static_cast<int>(state.range(0)));
  bench::BenchEnvironment services;
  RecordStore store;
  GedcomReader reader(store, services.env);
  int64_t bytes = 0;
  for (auto _ : state) {
    reader.Close(true);
    reader.Open(path);
    reader.ReadPass(true, nullptr, nullptr);
    bytes += reader.fileSize();
  }
  state.SetBytesProcessed(bytes);
}

void BM_LoadEveryIndividual(benchmark::State& state) {
  const std::string& path = FileFor(static_cast<int>(state.range(0)));
  bench::BenchEnvironment services;
  RecordStore store;
  GedcomReader reader(store, services.env);
  reader.Open(path);
  reader.ReadPass(true, nullptr, nullptr);
  int64_t loaded = 0;
  for (auto _ : state) {
    store.ResetWalk();
    while (GedcomRecord* entry = store.Next(RecordKind::kIndividual)) {
      GedcomRecord* record = nullptr;
      reader.LoadRecord(RecordKind::kIndividual, entry->key, false, &record);
      benchmark::DoNotOptimize(record);
      ++loaded;
    }
  }
  state.SetItemsProcessed(loaded);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Arg(10000)->Arg(100000);
  const char* big = std::getenv("VELLIX_BENCH_1M");
  if (big && *big == '1') b->Arg(1000000);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ReadPass)->Apply(Sizes);
BENCHMARK(BM_OpenAndReadPass)->Apply(Sizes);
BENCHMARK(BM_LoadEveryIndividual)->Apply(Sizes);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf("peak RSS: %ld MB\n", usage.ru_maxrss / 1024);
  return 0;
}

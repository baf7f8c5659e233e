// Reading speed and peak memory of loading and parsing the large Gaussian
// output (see LargeOutput.h). Besides the benchmark:
//   GaussianOutputBench --write PATH   writes the large output to PATH
//   GaussianOutputBench --read PATH    loads and parses PATH once
// so that a fresh process can be timed beside another reader
// (compare_with_openbabel.sh).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <iostream>

#include "LargeOutput.h"
#include "PeakMemory.h"
#include "molfile/MolFile.h"

namespace {

bool LoadOutput(const char* path, MolFile& file) {
  file.FileType = GAUSSIAN_OUTPUT;
  return file.Load(path);
}

void LoadAndParse(benchmark::State& state) {
  const std::string& path = LargeOutputPath();
  if (path.empty()) {
    state.SkipWithError("could not write the large output");
    return;
  }
  double peak = 0.0;
  std::size_t atoms = 0, modes = 0;
  for (auto _ : state) {
    state.PauseTiming();
    StartPeakMeasure();
    state.ResumeTiming();
    {
      MolFile file;
      if (!LoadOutput(path.c_str(), file)) state.SkipWithError("could not read the file back");
      atoms = file.AtomIds.Ids.size();
      modes = file.ModeData.ModeNumbers.size();
      state.PauseTiming();
      peak = std::max(peak, PeakGrowthMegabytes());
    }
    state.ResumeTiming();
  }
  const double megabytes = FileMegabytes(path);
  state.counters["file_MB"] = megabytes;
  state.counters["MB/s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_file"] = peak / megabytes;
  state.counters["atoms"] = static_cast<double>(atoms);
  state.counters["modes"] = static_cast<double>(modes);
}

BENCHMARK(LoadAndParse)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--write") == 0) return WriteLargeOutput(argv[2]) ? 0 : 1;
  if (argc == 3 && std::strcmp(argv[1], "--read") == 0) {
    // Only the reading is timed: the process ends without freeing the lines.
    auto* const file = new MolFile;
    if (!LoadOutput(argv[2], *file)) return 1;
    std::cout << file->AtomIds.Ids.size() << " atoms, " << file->ModeData.ModeNumbers.size() << " modes" << std::endl;
    std::quick_exit(0);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

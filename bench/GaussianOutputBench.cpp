// Reading speed and peak memory of loading a large Gaussian output: 200
// atoms, 100 optimisation steps (each an input and a standard orientation,
// SCF cycles and a distance matrix) and a frequency section, some 30 MB.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <new>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

#include "molfile/MolFile.h"
#include "platform/Numbers.h"

// Live heap bytes and their high-water mark, counted by the global
// allocation functions of this program.
namespace {
std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void* Allocate(std::size_t size) {
  void* p = std::malloc(size ? size : 1);
  if (!p) throw std::bad_alloc();
  const std::size_t now = liveBytes += malloc_usable_size(p);
  std::size_t peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
  return p;
}

void Release(void* p) {
  if (!p) return;
  liveBytes -= malloc_usable_size(p);
  std::free(p);
}
}  // namespace

void* operator new(std::size_t size) { return Allocate(size); }
void* operator new[](std::size_t size) { return Allocate(size); }
void operator delete(void* p) noexcept { Release(p); }
void operator delete[](void* p) noexcept { Release(p); }
void operator delete(void* p, std::size_t) noexcept { Release(p); }
void operator delete[](void* p, std::size_t) noexcept { Release(p); }

namespace {

constexpr int kAtoms = 200;
constexpr int kSteps = 100;

// A repeatable spread of numbers, so that every run reads the same file.
double Wiggle(int a, int b) {
  const unsigned h = static_cast<unsigned>(a) * 2654435761u ^ static_cast<unsigned>(b) * 40503u;
  return static_cast<double>(h % 20001u) / 10000.0 - 1.0;
}

std::string Column(const std::string& text, std::size_t width) {
  return text.size() >= width ? " " + text : std::string(width - text.size(), ' ') + text;
}

void WriteTable(std::ofstream& out, const char* heading, int step) {
  const std::string rule =
      " ---------------------------------------------------------------------\n";
  out << "                         " << heading << "\n" << rule
      << " Center     Atomic      Atomic             Coordinates (Angstroms)\n"
      << " Number     Number       Type             X           Y           Z\n" << rule;
  for (int a = 0; a < kAtoms; ++a) {
    out << Column(std::to_string(a + 1), 7) << Column(a % 3 ? "1" : "6", 11) << "           0";
    for (int k = 0; k < 3; ++k)
      out << Column(FormatFloat("0.000000", 8.0 * Wiggle(a, k) + 0.001 * step), 12);
    out << "\n";
  }
  out << rule;
}

void WriteStep(std::ofstream& out, int step) {
  WriteTable(out, "Input orientation:", step);
  out << "                    Distance matrix (angstroms):\n";
  for (int first = 0; first < kAtoms; first += 5) {
    out << "               ";
    for (int c = first; c < first + 5 && c < kAtoms; ++c) out << Column(std::to_string(c + 1), 11);
    out << "\n";
    for (int row = first; row < kAtoms; ++row) {
      out << Column(std::to_string(row + 1), 6) << "  " << (row % 3 ? "H" : "C") << " ";
      for (int c = first; c < first + 5 && c <= row; ++c)
        out << Column(FormatFloat("0.000000", row == c ? 0.0 : 1.5 + Wiggle(row, c)), 10);
      out << "\n";
    }
  }
  WriteTable(out, "Standard orientation:", step);
  for (int cycle = 1; cycle <= 15; ++cycle)
    out << " Cycle " << Column(std::to_string(cycle), 3) << "  Pass 1  IDiag  1:\n"
        << " E= " << FormatFloat("0.0000000000", -7600.0 + Wiggle(step, cycle))
        << "     Delta-E=       -0.000000000001 Rises=F Damp=F\n";
  out << " SCF Done:  E(RB3LYP) =  -7600.0107465151     A.U. after   15 cycles\n\n";
}

void WriteFrequencies(std::ofstream& out) {
  out << " Harmonic frequencies (cm**-1), IR intensities (KM/Mole), Raman scattering\n"
         " activities (A**4/AMU), depolarization ratios for plane and unpolarized\n"
         " incident light, reduced masses (AMU), force constants (mDyne/A),\n"
         " and normal coordinates:\n";
  const int modes = 3 * kAtoms - 6;
  for (int first = 0; first < modes; first += 3) {
    std::string numbers;
    for (int m = first; m < first + 3; ++m) numbers += Column(std::to_string(m + 1), 23);
    out << numbers << "\n                     A                      A                      A\n";
    for (const char* name : {" Frequencies --", " Red. masses --", " Frc consts  --",
                             " IR Inten    --", " Raman Activ --", " Depolar (P) --",
                             " Depolar (U) --"}) {
      out << name;
      for (int m = first; m < first + 3; ++m)
        out << Column(FormatFloat("0.0000", 10.0 * m + 5.0 + Wiggle(m, 7)), 12) << "           ";
      out << "\n";
    }
    out << "  Atom  AN      X      Y      Z        X      Y      Z        X      Y      Z\n";
    for (int a = 0; a < kAtoms; ++a) {
      out << Column(std::to_string(a + 1), 6) << Column(a % 3 ? "1" : "6", 4) << "  ";
      for (int m = first; m < first + 3; ++m) {
        for (int k = 0; k < 3; ++k) out << Column(FormatFloat("0.00", 0.5 * Wiggle(a + m, k)), 6);
        out << "  ";
      }
      out << "\n";
    }
  }
  out << "\n Normal termination of Gaussian 16.\n";
}

std::string writtenFile;  // removed when the program ends

std::string WriteLargeOutput() {
  std::string path = (std::filesystem::temp_directory_path() / "quivera-bench-XXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) return {};
  close(fd);
  std::ofstream out(path, std::ios::binary);
  out << " Entering Gaussian System, Link 0=g16\n # opt freq=raman b3lyp/6-31g(d)\n\n";
  for (int step = 0; step < kSteps; ++step) WriteStep(out, step);
  WriteFrequencies(out);
  writtenFile = path;
  return path;
}

long MaxResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void LoadAndParse(benchmark::State& state) {
  static const std::string path = WriteLargeOutput();
  // The resident high-water mark before the first load; the library runs
  // this function more than once.
  static const long residentBefore = MaxResidentKiB();
  if (path.empty()) {
    state.SkipWithError("could not write the temporary file");
    return;
  }
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
  const std::size_t heapBefore = liveBytes.load();
  peakBytes = heapBefore;
  std::size_t modes = 0;
  for (auto _ : state) {
    MolFile file;
    file.FileType = GAUSSIAN_OUTPUT;
    if (!file.Load(path.c_str())) state.SkipWithError("could not read the file back");
    modes = file.ModeData.ModeNumbers.size();
    benchmark::DoNotOptimize(file);
  }
  const double peakHeap = static_cast<double>(peakBytes.load() - heapBefore) / 1e6;
  const double residentGrowth = static_cast<double>(MaxResidentKiB() - residentBefore) * 1024 / 1e6;
  state.counters["file_MB"] = megabytes;
  state.counters["MB/s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_heap_MB"] = peakHeap;
  state.counters["peak_heap_per_file"] = peakHeap / megabytes;
  state.counters["rss_growth_MB"] = residentGrowth;
  state.counters["rss_growth_per_file"] = residentGrowth / megabytes;
  state.counters["modes"] = static_cast<double>(modes);
}

}  // namespace

BENCHMARK(LoadAndParse)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (!writtenFile.empty()) std::remove(writtenFile.c_str());
  return 0;
}

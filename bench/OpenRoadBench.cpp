// The road a user waits for when a file is opened, step by step: read (load
// and parse), display model, bonds by distance, the console and the editor
// taking the molecule, the first drawn pass, and later showing the editor's
// file page; and the whole open as the command line does it (bonds by
// distance always). For the large Gaussian output and the small sample it
// was made from, an ordinary 1,000-atom molecule, and the inputs that once
// ran away: atoms heaped on one point, one atom at 1e30 among 100,000 others,
// 100,000-atom Z-matrix and MOPAC chains. Each step gives its time, MB/s of
// the file and how far resident memory rose.
// Needs an X display with GL: xvfb-run -a -s "-screen 0 1280x1024x24".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTabWidget>
#include <QTimer>

#include <fstream>
#include <iostream>
#include <iterator>

#include "LargeOutput.h"
#include "MoleculeTexts.h"
#include "PeakMemory.h"
#include "TemporaryFiles.h"
#include "console/Forms.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Application.h"

namespace {

enum Step { kRead, kDisplayModel, kBonds, kConsoleAndEditor, kDrawn, kShowFilePage, kSteps };
const char* const kStepNames[] = {"read", "display_model", "bonds", "console_and_editor", "drawn", "show_file_page"};

struct Road {
  std::string Path;
  int FileType;
  MolFile File;
  MolGL Model;
};

// A generated input written to a temporary file; empty when it cannot be
// written.
std::string Written(const char* suffix, const std::string& text) {
  const std::string path = NewTemporaryFile(suffix);
  if (path.empty()) return path;
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  return out ? path : std::string();
}

struct Input {
  const char* Name;
  int FileType;
  std::string (*Path)();
};

const Input kInputs[] = {
    {"large_output", GAUSSIAN_OUTPUT, [] { return LargeOutputPath(); }},
    {"small_output", GAUSSIAN_OUTPUT, [] { return SampleOutputPath(); }},
    {"alkane_1000", GAUSSIAN_INPUT, [] { return Written(".gjf", AlkaneInput(1000, false)); }},
    {"point_5000", GAUSSIAN_INPUT, [] { return Written(".gjf", AtomsOnOnePoint(5000)); }},
    {"point_100000", GAUSSIAN_INPUT, [] { return Written(".gjf", AtomsOnOnePoint(100000)); }},
    {"alkane_100000_far_atom", GAUSSIAN_INPUT, [] { return Written(".gjf", AlkaneInput(100000, true)); }},
    {"zmatrix_100000", GAUSSIAN_INPUT, [] { return Written(".gjf", ChainZMatrixInput(100000)); }},
    {"mopac_100000", MOPAC_INPUT, [] { return Written(".mop", ChainMopacInput(100000)); }},
};
constexpr int kInputCount = static_cast<int>(std::size(kInputs));

// Each input is made once, on first use.
const std::string& PathOf(int input) {
  static std::string paths[kInputCount];
  static bool made[kInputCount] = {};
  if (!made[input]) paths[input] = kInputs[input].Path(), made[input] = true;
  return paths[input];
}

void RestartForms() {
  if (FormMolecules) DestroyForms();
  CreateForms({QStringLiteral("quivera")});
  FormGL->IdleTimer->stop();  // passes run when a step says so
  QCoreApplication::processEvents();
}

// One pass of the view after the windows have taken their events.
void DrawPass() {
  QCoreApplication::processEvents();
  FormGL->ApplicationIdle();
}

void Run(Step step, Road& road) {
  switch (step) {
    case kRead:
      road.File.FileType = road.FileType;
      road.File.Name = road.File.Path = road.Path;
      if (!road.File.Load(road.Path.c_str())) std::cerr << "could not read " << road.Path << "\n";
      break;
    case kDisplayModel:
      road.Model.Name = road.File.Name;
      road.File.ToMolGL(road.Model);
      break;
    case kBonds:
      road.Model.Bonds.clear();
      road.Model.AutoBond();
      break;
    case kConsoleAndEditor:
      FormMolecules->AppendAndSelectMolecule(std::move(road.File), road.Model);
      FormMolecules->EnableEditorConversions();
      break;
    case kDrawn:
      DrawPass();
      break;
    case kShowFilePage:
      FormMoleculeEdit->PageControl->setCurrentWidget(FormMoleculeEdit->TabSheetFile);
      QCoreApplication::processEvents();
      break;
    case kSteps:
      break;
  }
}

void Report(benchmark::State& state, const std::string& path, double peak) {
  const double megabytes = FileMegabytes(path);
  state.counters["file_MB"] = megabytes;
  state.counters["MB/s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_file"] = peak / megabytes;
}

// Args: step, input.
void OpenStep(benchmark::State& state) {
  const auto step = static_cast<Step>(state.range(0));
  const Input& input = kInputs[state.range(1)];
  const std::string& path = PathOf(static_cast<int>(state.range(1)));
  if (path.empty()) {
    state.SkipWithError("no file to read");
    return;
  }
  state.SetLabel(std::string(input.Name) + "/" + kStepNames[step]);
  double peak = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      RestartForms();
      Road road{path, input.FileType, {}, {}};
      for (int before = kRead; before < step; ++before) Run(static_cast<Step>(before), road);
      StartPeakMeasure();
      state.ResumeTiming();
      Run(step, road);
      state.PauseTiming();
      peak = std::max(peak, PeakGrowthMegabytes());
    }  // the road's molecule goes while the clock stands
    state.ResumeTiming();
  }
  Report(state, path, peak);
}

// The whole open of a file named on the command line (its extension chose
// the road already), to the first drawn pass. Arg: input.
void OpenAndDraw(benchmark::State& state) {
  const Input& input = kInputs[state.range(0)];
  const std::string& path = PathOf(static_cast<int>(state.range(0)));
  if (path.empty()) {
    state.SkipWithError("no file to read");
    return;
  }
  state.SetLabel(input.Name);
  double peak = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    RestartForms();
    StartPeakMeasure();
    state.ResumeTiming();
    FormMolecules->OpenMoleculeFile(path, input.FileType, true);
    DrawPass();
    state.PauseTiming();
    peak = std::max(peak, PeakGrowthMegabytes());
    state.ResumeTiming();
  }
  Report(state, path, peak);
}

void StepArgs(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"step", "input"});
  for (int input = 0; input < kInputCount; ++input)
    for (int step = kRead; step < kSteps; ++step) bench->Args({step, input});
}

BENCHMARK(OpenStep)->Apply(StepArgs)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenAndDraw)->ArgName("input")->DenseRange(0, kInputCount - 1)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  qputenv("QT_QPA_PLATFORM", "xcb");
  Application application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  if (FormMolecules) DestroyForms();
  return 0;
}

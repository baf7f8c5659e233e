// The road a user waits for when a Gaussian output is opened, step by step:
// read (load and parse), display model, bonds by distance, the console and
// the editor taking the molecule, the first drawn pass, and later showing the
// editor's file page; and the whole open as the command line does it, for
// the large output and for the small sample it was made from. Each step
// gives its time, MB/s of the file and how far resident memory rose.
// Needs an X display with GL: xvfb-run -a -s "-screen 0 1280x1024x24".
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTabWidget>
#include <QTimer>

#include <iostream>

#include "LargeOutput.h"
#include "PeakMemory.h"
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
  MolFile File;
  MolGL Model;
};

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
      road.File.FileType = GAUSSIAN_OUTPUT;
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

const std::string& PathFor(bool large) {
  static const std::string small = SampleOutputPath();
  return large ? LargeOutputPath() : small;
}

void Report(benchmark::State& state, const std::string& path, double peak) {
  const double megabytes = FileMegabytes(path);
  state.counters["file_MB"] = megabytes;
  state.counters["MB/s"] = benchmark::Counter(megabytes, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MB"] = peak;
  state.counters["peak_per_file"] = peak / megabytes;
}

// Args: step, large (1) or small (0) output.
void OpenStep(benchmark::State& state) {
  const auto step = static_cast<Step>(state.range(0));
  const std::string& path = PathFor(state.range(1) != 0);
  if (path.empty()) {
    state.SkipWithError("no output to read");
    return;
  }
  state.SetLabel(kStepNames[step]);
  double peak = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    {
      RestartForms();
      Road road{path, {}, {}};
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
// the road already), to the first drawn pass. Arg: large (1) or small (0)
// output.
void OpenAndDraw(benchmark::State& state) {
  const std::string& path = PathFor(state.range(0) != 0);
  if (path.empty()) {
    state.SkipWithError("no output to read");
    return;
  }
  double peak = 0.0;
  for (auto _ : state) {
    state.PauseTiming();
    RestartForms();
    StartPeakMeasure();
    state.ResumeTiming();
    FormMolecules->OpenMoleculeFile(path, GAUSSIAN_OUTPUT, true);
    DrawPass();
    state.PauseTiming();
    peak = std::max(peak, PeakGrowthMegabytes());
    state.ResumeTiming();
  }
  Report(state, path, peak);
}

void StepArgs(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"step", "large"});
  for (int large : {1, 0})
    for (int step = kRead; step < kSteps; ++step) bench->Args({step, large});
}

BENCHMARK(OpenStep)->Apply(StepArgs)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(OpenAndDraw)->ArgName("large")->Arg(1)->Arg(0)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

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

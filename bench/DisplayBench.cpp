// Automatic bonding and copying of large display models, and the CPU cost of
// drawing a 1,000-atom ball-and-stick model (needs an X display: xvfb-run).
#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "display/MolGL.h"

namespace {

// Water molecules on a cubic lattice 3.1 A apart, cut to `count` atoms; each
// molecule gets a normal mode so that copies re-point displacements too.
MolGL WaterBox(int count) {
  MolGL model;
  const int side = static_cast<int>(std::ceil(std::cbrt(count / 3.0)));
  for (int i = 0; static_cast<int>(model.Atoms.size()) < count; ++i) {
    const double x = (i % side) * 3.1, y = (i / side % side) * 3.1, z = (i / side / side) * 3.1;
    const double offsets[3][3] = {{0, 0, 0}, {0.757, 0.586, 0}, {-0.757, 0.586, 0}};
    NormalMode mode;
    mode.ModeNumber = i + 1;
    mode.Frequency = 1600.0;
    for (int k = 0; k < 3 && static_cast<int>(model.Atoms.size()) < count; ++k) {
      Atom atom;
      atom.AtomicNumber = k == 0 ? 8 : 1;
      atom.Id = static_cast<std::int32_t>(model.Atoms.size());
      atom.BasePosition = atom.Position = {x + offsets[k][0], y + offsets[k][1], z + offsets[k][2], 1.0};
      mode.Displacements[model.Atoms.size()] = {0.01, 0.02, 0.0, 1.0};
      model.Atoms.push_back(atom);
    }
    model.Modes.push_back(std::move(mode));
  }
  return model;
}

void AutoBond(benchmark::State& state) {
  MolGL model = WaterBox(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    model.Bonds.clear();
    model.AutoBond();
    benchmark::DoNotOptimize(model.Bonds.data());
  }
  state.counters["bonds"] = static_cast<double>(model.Bonds.size());
}
BENCHMARK(AutoBond)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

void Copy(benchmark::State& state) {
  MolGL model = WaterBox(static_cast<int>(state.range(0)));
  model.AutoBond();
  for (auto _ : state) {
    MolGL copy(model);
    benchmark::DoNotOptimize(copy.Bonds.data());
  }
}
BENCHMARK(Copy)->Arg(1000)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond);

bool HaveGL = false;

// One Draw of the model, with and without waiting for the rasteriser.
void DrawBallAndStick(benchmark::State& state) {
  if (!HaveGL) {
    state.SkipWithError("no GL context (run under xvfb-run)");
    return;
  }
  MolGL model = WaterBox(1000);
  model.AutoBond();
  glViewport(0, 0, 640, 480);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(40.0, 640.0 / 480.0, 0.1, 100000.0);
  glTranslated(-10, -10, -80.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glEnable(GL_NORMALIZE);
  glEnable(GL_CULL_FACE);
  const bool finish = state.range(0) != 0;
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    model.Draw();
    if (finish) glFinish();
  }
  glFinish();
  state.counters["bonds"] = static_cast<double>(model.Bonds.size());
}
BENCHMARK(DrawBallAndStick)->ArgName("finish")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  std::unique_ptr<QGuiApplication> app;
  std::unique_ptr<QOffscreenSurface> surface;
  std::unique_ptr<QOpenGLContext> context;
  std::unique_ptr<QOpenGLFramebufferObject> frame;
  if (std::getenv("DISPLAY") != nullptr) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    app = std::make_unique<QGuiApplication>(argc, argv);
    surface = std::make_unique<QOffscreenSurface>();
    surface->create();
    context = std::make_unique<QOpenGLContext>();
    if (context->create() && context->makeCurrent(surface.get())) {
      frame = std::make_unique<QOpenGLFramebufferObject>(640, 480, QOpenGLFramebufferObject::Depth);
      HaveGL = frame->isValid() && frame->bind();
    }
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  frame.reset();
  return 0;
}

// One keystroke typed into a cell of the editor's Cartesian or Z-matrix grid,
// as a user types it, for molecules of 1,000, 16,000 and 64,000 atoms: a
// Cartesian Gaussian input (no bonds), a TINKER XYZ file (every bond listed,
// so the console's bond list is refilled) and a Z-matrix Gaussian input. The
// key goes to the cell's open line edit, and the windows then take their
// events (the grid repaints). Keys alternate a digit and Backspace, so that
// the cell's text stays as long, or are digits that widen the cell's column
// each time. A key should take the same time at any size.
// Runs under Xvfb (xvfb-run -a -s "-screen 0 1280x1024x24") or on
// QT_QPA_PLATFORM=offscreen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include <fstream>
#include <string>

#include "MoleculeTexts.h"
#include "TemporaryFiles.h"
#include "console/Forms.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/Application.h"
#include "platform/ui/StringGrid.h"

namespace {

enum Molecule { kCartesian, kTinker, kZMatrix };
const char* const kMoleculeNames[] = {"cartesian_gjf", "tinker_xyz", "zmatrix_gjf"};

// The molecule `kind` of `atoms` atoms in a temporary file, and its file type.
std::string Written(Molecule kind, int atoms, int& fileType) {
  std::string text;
  switch (kind) {
    case kCartesian: text = AlkaneInput(atoms, false), fileType = GAUSSIAN_INPUT; break;
    case kTinker: text = AlkaneTinker(atoms), fileType = TINKER_XYZ; break;
    case kZMatrix: text = ChainZMatrixInput(atoms), fileType = GAUSSIAN_INPUT; break;
  }
  const std::string path = NewTemporaryFile(kind == kTinker ? ".xyz" : ".gjf");
  if (path.empty()) return path;
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  return out ? path : std::string();
}

// The open in-place editor of `grid`'s cell, which is brought into view.
QLineEdit* OpenCellEditor(StringGrid* grid, int column, int row) {
  grid->setCurrentCell(row, column);
  grid->scrollToItem(grid->item(row, column));
  grid->editItem(grid->item(row, column));
  QCoreApplication::processEvents();
  for (QLineEdit* editor : grid->findChildren<QLineEdit*>()) {
    if (editor->isVisible()) return editor;
  }
  return nullptr;
}

void Key(QLineEdit* editor, int key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(editor, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(editor, &release);
}

struct OpenCell {
  StringGrid* Grid = nullptr;
  int Column = 0;
  QLineEdit* Editor = nullptr;  // null, with the error given to the state, when none opened
};

// The forms with molecule `kind` of `atoms` atoms opened, and the line edit
// of a cell halfway down its grid (a distance, or an x coordinate) open, its
// cursor at the end.
OpenCell OpenMoleculeAndCell(benchmark::State& state, Molecule kind, int atoms) {
  int fileType = 0;
  const std::string path = Written(kind, atoms, fileType);
  if (path.empty()) {
    state.SkipWithError("no file to read");
    return {};
  }
  state.SetLabel(kMoleculeNames[kind]);
  CreateForms({QStringLiteral("quivera")});
  FormGL->IdleTimer->stop();  // the view is not what is measured
  FormMolecules->OpenMoleculeFile(path, fileType, false);
  const bool zmatrix = kind == kZMatrix;
  TFormMoleculeEdit* editor = FormMoleculeEdit;
  editor->PageControl->setCurrentWidget(zmatrix ? editor->TabSheetZMatrixData : editor->TabSheetCartesianData);
  OpenCell cell{zmatrix ? editor->StringGridZMatrixData : editor->StringGridCartesianData, zmatrix ? 4 : 3};
  cell.Editor = OpenCellEditor(cell.Grid, cell.Column, atoms / 2);
  if (!cell.Editor) {
    state.SkipWithError("no cell editor opened");
    DestroyForms();
    return cell;
  }
  cell.Editor->end(false);
  // The edit's first key also keeps the molecule as it was, for a refusal
  // to put back: typed before the clock runs.
  Key(cell.Editor, Qt::Key_5, QStringLiteral("5"));
  QCoreApplication::processEvents();
  return cell;
}

// Keys that leave the column as wide as it was. Args: molecule, atoms.
void KeyInGridCell(benchmark::State& state) {
  const OpenCell cell =
      OpenMoleculeAndCell(state, static_cast<Molecule>(state.range(0)), static_cast<int>(state.range(1)));
  if (!cell.Editor) return;
  bool digit = false;
  for (auto _ : state) {
    if (digit) Key(cell.Editor, Qt::Key_5, QStringLiteral("5"));
    else Key(cell.Editor, Qt::Key_Backspace, QString());
    digit = !digit;
    QCoreApplication::processEvents();
  }
  DestroyForms();
}

// Digits typed into a cell as wide as its column: each key widens it.
// Args: molecule, atoms.
void WideningKeyInGridCell(benchmark::State& state) {
  const OpenCell cell =
      OpenMoleculeAndCell(state, static_cast<Molecule>(state.range(0)), static_cast<int>(state.range(1)));
  if (!cell.Editor) return;
  const int width = cell.Grid->ColWidth(cell.Column);
  for (int key = 0; key < 100 && cell.Grid->ColWidth(cell.Column) == width; ++key) {
    Key(cell.Editor, Qt::Key_5, QStringLiteral("5"));
  }
  QCoreApplication::processEvents();
  if (cell.Grid->ColWidth(cell.Column) == width) {
    state.SkipWithError("the column did not widen");
    DestroyForms();
    return;
  }
  for (auto _ : state) {
    Key(cell.Editor, Qt::Key_5, QStringLiteral("5"));
    QCoreApplication::processEvents();
  }
  DestroyForms();
}

void Sizes(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"molecule", "atoms"});
  for (int kind : {kCartesian, kTinker, kZMatrix})
    for (int atoms : {1000, 16000, 64000}) bench->Args({kind, atoms});
}

BENCHMARK(KeyInGridCell)->Apply(Sizes)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WideningKeyInGridCell)->Apply(Sizes)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Application application(argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

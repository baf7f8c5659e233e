// The 3-D view window: its GL context and surface, the display models of the
// loaded molecules, the camera, the clock and the flags of what is drawn. An
// idle pass (a zero-interval timer) renders the scene and moves the clock.
#pragma once

#include <string>
#include <vector>

#include <QMainWindow>

#include "Dialogs.h"
#include "MolGL.h"
#include "ViewClock.h"

class QAction;
class QMenu;
class QOpenGLContext;
class QStatusBar;
class QTabBar;
class QTimer;
class ViewSurface;

class TFormGL : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFormGL(QWidget* parent = nullptr);
  ~TFormGL() override;

  // --- Components -----------------------------------------------------------
  QStatusBar* StatusBar;
  QTabBar* TabControlGL;
  QMenu* PopupMenuFormGL;
  QMenu* MenuFile;
  QMenu* MenuView;
  QMenu* MenuCapture;
  QMenu* MenuHelp;
  QAction* ShowArrow;
  QAction* ShowXAxis;
  QAction* ShowYAxis;
  QAction* ShowZAxis;
  QAction* ShowXYGrid;
  QAction* ShowYZGrid;
  QAction* ShowZXGrid;
  QAction* ShowTime;
  QAction* ShowFreq;
  QAction* SaveWindowImage;
  QAction* SaveWindowAnimation;
  QAction* SaveWindowNormalMode;
  QAction* ExportPovRay;
  QAction* ExportPovrayNormalMode;
  QAction* ExportMetasequoiaObject;
  FileDialog SaveDialog{FileDialog::Kind::Save};

  ViewSurface* Surface;
  QWidget* SurfaceContainer;
  // Null when no context could be made: nothing is rendered then.
  QOpenGLContext* GLContext = nullptr;
  // The idle loop: one pass per timeout.
  QTimer* IdleTimer;

  // --- Data -----------------------------------------------------------------
  std::vector<MolGL> MolGLs;
  long double TimeStep = 3.0L;
  long double CurrentTime = 0.0L;
  long double PlaySpeed = 1.0L;
  int FramesPerPeriod = 18;
  float DragRotation[4] = {0, 0, 0, 1};
  float Rotation[4] = {0, 0, 0, 1};
  int MouseX = 0;
  int MouseY = 0;
  float BackgroundColor[4] = {100.0f / 255.0f, 165.0f / 255.0f, 244.0f / 255.0f, 1.0f};
  float CameraDistance = 20.0f;
  bool XYGridVisible = false;
  bool YZGridVisible = false;
  bool ZXGridVisible = false;
  bool XAxisVisible = false;
  bool YAxisVisible = false;
  bool ZAxisVisible = false;
  bool AxisArrowsVisible = false;
  float ArrowPosition[3] = {-20.0f, -10.0f, 0.0f};
  float ArrowLength = 10.0f;
  bool FreqTextVisible = true;
  float FreqTextPosition[3] = {20.0f, 10.0f, 0.0f};
  bool TimeTextVisible = false;
  float TimeTextPosition[3] = {-20.0f, 15.0f, 0.0f};
  bool AnimationMode = false;
  int PlayState = STOP;
  bool ShowOnlySelected = true;
  bool UseWindowSize = false;
  int ImageWidth = 320;
  int ImageHeight = 240;
  bool Recording = false;
  int RecordWidth = 320;
  int RecordHeight = 240;
  long double RecordEndTime = 0.0L;
  long double RecordTime = 300.0L;

  // --- Operations -----------------------------------------------------------
  // Makes the view's context current on its surface; false without one.
  bool MakeCurrent();
  int ClientWidth() const;
  int ClientHeight() const;

  void FormCreate();
  void FormResize();
  void RenderScene();
  void DrawGridsAndAxes();
  void DrawAxisArrows();
  void ApplicationIdle();
  void StopCapture();

  void FormMouseDown(int x, int y);
  void FormMouseUp(int x, int y);
  void FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y);
  void FormKeyPress(char key);
  void TabControlGLChange(int index);

  // Rebuilds the tab strip (one tab per label, the last one current) and
  // moves it, without raising its change event.
  void SetTabs(const std::vector<QString>& labels);
  void SetTabIndex(int index);

  void ShowArrowExecute();
  void ShowXAxisExecute();
  void ShowYAxisExecute();
  void ShowZAxisExecute();
  void ShowXYGridExecute();
  void ShowYZGridExecute();
  void ShowZXGridExecute();
  void ShowTimeExecute();
  void ShowFreqExecute();
  // Scene exports: POV-Ray (static, or with the selected mode on POV-Ray's
  // clock when Sender is ExportPovrayNormalMode) and Metasequoia.
  void ExportPovRayExecute(QAction* Sender);
  void ExportMetasequoiaObjectExecute();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QAction* AddAction(const QString& caption, bool checked = false);
  void Toggle(QAction* action, bool& flag);
  void BuildMenus();
  void DrawText(const std::string& text, const float position[3], unsigned listBase, bool visible);
};

extern TFormGL* FormGL;

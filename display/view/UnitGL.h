// The 3-D view window: its GL context and surface, the display models of the
// loaded molecules, the camera, the clock and the flags of what is drawn. An
// idle pass (a zero-interval timer) renders the scene and moves the clock.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QSize>

#include "ViewClock.h"
#include "console/model/ReplaceFile.h"
#include "display/MolGL.h"
#include "display/capture/AviWriter.h"
#include "display/capture/CaptureImage.h"
#include "platform/ui/Dialogs.h"

class QAction;
class QMenu;
class QOpenGLContext;
class QOpenGLFramebufferObject;
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

  // --- Capture and recording ------------------------------------------------
  bool TimeStepSaved = false;  // SavedTimeStep goes back at the end of the recording
  long double SavedTimeStep = 0.0L;
  bool SeriesJpeg = false;
  bool ImageSeries = false;     // the running recording writes numbered images
  std::string ImagePrefix;      // file names, in the system's encoding
  std::string AviFileName;
  VideoCompressor CompressorVars;
  int FrameRate = 15;
  int FrameWidth = 0;
  int FrameHeight = 0;
  int FrameCount = 0;
  // The recording goes to a temporary file beside AviFileName, renamed over
  // it when the recording ends well: a user's file is never left half-written.
  std::unique_ptr<AviWriter> AviFile;
  std::unique_ptr<FileReplacement> AviReplacement;
  // While set, each render pass draws into it instead of the window: a
  // capture at a size other than the window's.
  std::unique_ptr<QOpenGLFramebufferObject> CaptureBuffer;
  // The mode that a normal-mode recording shows moving, ticked or not: the
  // places of its model in MolGLs and of the mode in the model's Modes, its
  // number, and its period in fs.
  struct RecordedModeMotion {
    std::size_t Model = 0;
    std::size_t Mode = 0;
    std::int32_t ModeNumber = 0;
    long double Period = 0.0L;
  };
  std::optional<RecordedModeMotion> RecordedMode;

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

  void SaveWindowImageExecute();
  void SaveWindowAnimationExecute();
  void SaveWindowNormalModeExecute();
  void StartCapture();
  void CaptureFrame();
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
  // The client area's size in device pixels.
  QSize WindowRenderSize() const;
  // The size a render pass draws at: the capture buffer's while there is
  // one, else the window's.
  int RenderWidth() const;
  int RenderHeight() const;
  // Binds where the render pass draws and sets the viewport to it.
  void BindRenderTarget();
  // Makes the capture buffer for a width x height capture (no larger than the
  // context allows); false when none can be made.
  bool MakeCaptureBuffer(int width, int height);
  // The last rendered picture of the render target.
  CaptureImage ReadRenderTarget();
  // Shows a picture rendered into the capture buffer in the window, scaled to
  // fit, before the swap.
  void ShowCaptureBuffer();
  // Arms the recording set up by the two recording actions.
  void ArmRecording();
  // Ends the AVI file: renamed over AviFileName when all went well.
  void FinishAviFile();
  // Places the atoms of a pass of a normal-mode recording along the recorded
  // mode when it is not ticked, leaving its flag and phase as they are.
  void MoveRecordedMode();
};

extern TFormGL* FormGL;

// The view's idle pass, mouse and transport keys.
#include <QOpenGLContext>

#include "UnitGL.h"
#include "ViewSurface.h"
#include "console/UnitMolecules.h"
#include "display/Trackball.h"

void TFormGL::ApplicationIdle() {
  for (MolGL& model : MolGLs) model.Update(CurrentTime);
  MoveRecordedMode();
  RenderScene();
  std::optional<long double> first, last;
  if (FormMolecules) {
    first = FormMolecules->Animation.First();
    last = FormMolecules->Animation.Last();
  }
  const long double before = CurrentTime;
  CurrentTime = AdvanceClock(CurrentTime, TimeStep, AnimationMode, PlayState, PlaySpeed, first, last);
  if (Recording) {
    // Forward play past the last frame starts again at the first: the whole
    // project is recorded, and a recording would otherwise never end.
    const bool wrapped = AnimationMode && PlayState > 0 && CurrentTime < before;
    if (!wrapped && CurrentTime < RecordEndTime) CaptureFrame();
    if (Recording && (RecordEndTime <= CurrentTime || wrapped)) StopCapture();
  }
  if (GLContext && Surface->isExposed() && MakeCurrent()) {
    ShowCaptureBuffer();
    GLContext->swapBuffers(Surface);
  }
}

void TFormGL::FormMouseDown(int x, int y) {
  MouseX = x;
  MouseY = y;
}

void TFormGL::FormMouseUp(int x, int y) {
  MouseX = x;
  MouseY = y;
}

void TFormGL::FormMouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int x, int y) {
  if (buttons & Qt::LeftButton) {
    if ((modifiers & Qt::ShiftModifier) || (buttons & Qt::MiddleButton)) {
      CameraDistance += static_cast<float>(y - MouseY);
    } else {
      float p1x, p1y, p2x, p2y;
      // An empty client area maps no point: the rotation must not turn NaN.
      if (MapToTrackball(MouseX, MouseY, ClientWidth(), ClientHeight(), p1x, p1y) &&
          MapToTrackball(x, y, ClientWidth(), ClientHeight(), p2x, p2y)) {
        Trackball(DragRotation, p1x, p1y, p2x, p2y);
        AddQuats(DragRotation, Rotation, Rotation);
      }
    }
  }
  MouseX = x;
  MouseY = y;
}

void TFormGL::FormKeyPress(char key) { HandleKey(key, AnimationMode, PlayState, PlaySpeed); }

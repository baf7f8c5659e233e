// The render pass of the view: one frame of the scene into the back buffer.
#include <algorithm>

#include <GL/gl.h>
#include <GL/glu.h>

#include "FontLists.h"
#include "UnitGL.h"
#include "ViewTexts.h"
#include "console/UnitMolecules.h"
#include "display/GLShapes.h"
#include "display/Trackball.h"
#include "platform/Numbers.h"
#include "platform/ui/ListView.h"

void TFormGL::RenderScene() {
  if (!MakeCurrent()) return;
  BindRenderTarget();
  MolGL* selected = FormMolecules ? FormMolecules->SelectedMolGL : nullptr;
  QTreeWidgetItem* selectedModeRow = FormMolecules ? FormMolecules->ListViewNormalModes->Selected() : nullptr;
  MolAnimation* animation = FormMolecules ? &FormMolecules->Animation : nullptr;
  // Animation mode with a project of no frames draws no project.
  const std::optional<long double> first = animation ? animation->First() : std::nullopt;
  const bool drawAnimation = AnimationMode && first.has_value();

  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(40.0, static_cast<double>(RenderWidth()) / RenderHeight(), 0.1, 100000.0);
  glTranslated(0.0, 0.0, -CameraDistance);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  float m[16];
  BuildRotMatrix(m, Rotation);

  glClearColor(BackgroundColor[0], BackgroundColor[1], BackgroundColor[2], BackgroundColor[3]);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

  glPushMatrix();
  glMultMatrixf(m);
  DrawGridsAndAxes();
  if (!AnimationMode) {
    if (ShowOnlySelected && selected) {
      selected->Draw();
    } else {
      for (const MolGL& model : MolGLs) model.Draw();
    }
    if (FormMolecules && FormMolecules->ShowModeArrows && selected && selectedModeRow) {
      const int mode = ReadInt(selectedModeRow->text(0).toStdString());
      selected->DrawNormalModeArrows(mode, FormMolecules->ModeArrowMagnitude,
                                     selected->BondRadius * FormMolecules->ModeArrowRadius);
    }
  } else if (drawAnimation) {
    const double step = static_cast<double>(PlaySpeed * TimeStep);
    animation->Advance(CurrentTime, step);
    animation->Draw(CurrentTime, step);
  }
  glPopMatrix();

  // Axis arrows on the overlay plane, at an eye distance of 100 whatever the zoom.
  glPushMatrix();
  glDisable(GL_DEPTH_TEST);
  glTranslatef(0.0f, 0.0f, CameraDistance - 100.0f);
  glPushMatrix();
  glTranslatef(ArrowPosition[0], ArrowPosition[1], ArrowPosition[2]);
  glMultMatrixf(m);
  if (AxisArrowsVisible) DrawAxisArrows();
  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
  glPopMatrix();

  glPushMatrix();
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glColor4ub(255, 255, 255, 255);
  if (drawAnimation) DrawText(TimeText(CurrentTime, *first), TimeTextPosition, TimeFontListBase, TimeTextVisible);
  std::string frequency;
  if (!AnimationMode) {
    if (FreqTextVisible && selected && selectedModeRow && !selected->Modes.empty()) {
      frequency = FreqText(FormMolecules->SelectedNormalMode());
    }
  } else if (const MolAnimation::MolFrame* frame = drawAnimation ? animation->Current() : nullptr) {
    frequency = AnimationFreqText(frame->Freqs);
  }
  DrawText(frequency, FreqTextPosition, FreqFontListBase, FreqTextVisible);
  glPopMatrix();

  if (drawAnimation) {
    glPushMatrix();
    glScalef(0.1f, 0.1f, 1.0f);
    glTranslatef(0.0f, 0.0f, CameraDistance - 100.0f);
    animation->DrawTexts();
    glPopMatrix();
  }
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glFlush();
}

void TFormGL::DrawText(const std::string& text, const float position[3], unsigned listBase, bool visible) {
  if (!visible || text.empty()) return;
  // The text's place on the overlay plane, moved in where the text would
  // run past the edge of the picture drawn (a narrow view, a capture).
  GLdouble model[16], projection[16];
  GLint viewport[4];
  glGetDoublev(GL_MODELVIEW_MATRIX, model);
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  GLdouble x = 0, y = 0, z = 0;
  if (gluProject(position[0], position[1], CameraDistance - 100.0, model, projection, viewport, &x, &y, &z) != GL_TRUE)
    return;
  const TextPlace place = FitText(static_cast<float>(x - viewport[0]), static_cast<float>(y - viewport[1]),
                                  MeasureText(listBase, text), viewport[2], viewport[3]);
  // The raster position in window pixels: an anchor outside the view would
  // make it invalid, and nothing would be drawn.
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  glOrtho(0.0, viewport[2], 0.0, viewport[3], -1.0, 1.0);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glRasterPos2f(place.X, place.Y);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glListBase(listBase);
  glCallLists(static_cast<GLsizei>(text.size()), GL_UNSIGNED_BYTE, text.data());
  glListBase(0);
}

namespace {

void Segment(float x1, float y1, float z1, float x2, float y2, float z2) {
  glBegin(GL_LINE_STRIP);
  glVertex3f(x1, y1, z1);
  glVertex3f(x2, y2, z2);
  glEnd();
}

}  // namespace

void TFormGL::DrawGridsAndAxes() {
  glLineWidth(1.0f);
  glDisable(GL_LIGHTING);
  glColor4ub(75, 100, 120, 255);
  for (int step = -5; step <= 5; ++step) {
    const float i = static_cast<float>(step);
    // The positive half of each axis in the grid's plane is the axis line.
    const float far = step == 0 ? 0.0f : 5.0f;
    if (XYGridVisible) {
      Segment(far, i, 0, -5, i, 0);
      Segment(i, far, 0, i, -5, 0);
    }
    if (YZGridVisible) {
      Segment(0, i, far, 0, i, -5);
      Segment(0, far, i, 0, -5, i);
    }
    if (ZXGridVisible) {
      Segment(far, 0, i, -5, 0, i);
      Segment(i, 0, far, i, 0, -5);
    }
  }
  if (XYGridVisible || ZXGridVisible || XAxisVisible) {
    glColor4ub(255, 0, 0, 255);
    Segment(0, 0, 0, 5, 0, 0);
  }
  if (XYGridVisible || YZGridVisible || YAxisVisible) {
    glColor4ub(0, 255, 0, 255);
    Segment(0, 0, 0, 0, 5, 0);
  }
  if (YZGridVisible || ZXGridVisible || ZAxisVisible) {
    glColor4ub(0, 0, 255, 255);
    Segment(0, 0, 0, 0, 0, 5);
  }
  glEnable(GL_LIGHTING);
}

void TFormGL::DrawAxisArrows() {
  glDisable(GL_LIGHTING);
  glColor4ub(255, 0, 0, 255);
  glPushMatrix();
  glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
  DrawArrow(0.3, ArrowLength, 16, 8);
  glPopMatrix();
  glColor4ub(0, 255, 0, 255);
  glPushMatrix();
  glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
  DrawArrow(0.3, ArrowLength, 16, 8);
  glPopMatrix();
  glColor4ub(0, 0, 255, 255);
  DrawArrow(0.3, ArrowLength, 16, 8);
  glEnable(GL_LIGHTING);
}

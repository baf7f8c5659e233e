// The view in a real GL context (Xvfb, Mesa): start-up with a file, idle
// passes, the picture in the back buffer, keys and the mouse.
#include <cmath>
#include <vector>

#include <GL/gl.h>

#include <QAction>
#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QTest>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "display/view/ViewSurface.h"
#include "platform/ui/ListView.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/console/support/ViewFrame.h"

namespace {

class View : public FormsFixture {
 protected:
  void StartWith(const QStringList& arguments) {
    Start(arguments);
    ASSERT_TRUE(PrepareView());
    ASSERT_NE(FormGL->GLContext, nullptr) << "no GL: run under Xvfb";
  }

  static ViewFrame Render() {
    ViewFrame frame = RenderFrame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    return frame;
  }

  static QString Water() { return QStringLiteral(QUIVERA_EXAMPLES "/water.out"); }

  void Key(char key) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(QLatin1Char(key)));
    QCoreApplication::sendEvent(FormGL->Surface, &press);
  }

  void Drag(QPoint from, QPoint to, Qt::KeyboardModifiers modifiers) {
    QMouseEvent press(QEvent::MouseButtonPress, from, FormGL->Surface->mapToGlobal(from), Qt::LeftButton,
                      Qt::LeftButton, modifiers);
    QCoreApplication::sendEvent(FormGL->Surface, &press);
    QMouseEvent move(QEvent::MouseMove, to, FormGL->Surface->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     modifiers);
    QCoreApplication::sendEvent(FormGL->Surface, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, FormGL->Surface->mapToGlobal(to), Qt::LeftButton,
                        Qt::NoButton, modifiers);
    QCoreApplication::sendEvent(FormGL->Surface, &release);
  }
};

TEST_F(View, WithNothingLoadedEveryPixelIsTheBackground) {
  StartWith({});
  const ViewFrame frame = Render();
  ASSERT_GT(frame.Width, 0);
  EXPECT_EQ(frame.Drawn(), 0);
  // The context is double-buffered with a deep depth buffer.
  GLint doubled = 0, depth = 0;
  glGetIntegerv(GL_DOUBLEBUFFER, &doubled);
  glGetIntegerv(GL_DEPTH_BITS, &depth);
  EXPECT_EQ(doubled, 1);
  EXPECT_GE(depth, 24);
}

TEST_F(View, TheCommandLineMoleculeIsDrawnAndTheClockRunsPerPass) {
  StartWith({Water()});
  ASSERT_EQ(FormGL->MolGLs.size(), 1u);
  ASSERT_EQ(FormGL->MolGLs[0].Atoms.size(), 3u);
  const ViewFrame frame = Render();
  EXPECT_GT(frame.Drawn(frame.Width / 2 - 20, frame.Height / 2 - 20, frame.Width / 2 + 20, frame.Height / 2 + 20),
            100);
  const long double before = FormGL->CurrentTime;
  for (int pass = 0; pass < 5; ++pass) FormGL->ApplicationIdle();
  EXPECT_EQ(FormGL->CurrentTime, before + 5 * FormGL->TimeStep);
}

TEST_F(View, AHiddenMoleculeIsNotDrawn) {
  StartWith({Water()});
  FormMolecules->CheckBoxShowMolecule->setChecked(false);
  EXPECT_EQ(Render().Drawn(), 0);
}

TEST_F(View, WithoutASelectionEveryModelIsDrawn) {
  StartWith({Water()});
  OpenThroughDialog(Water(), 2);
  FormGL->MolGLs[0].Position.x = -5;
  FormGL->MolGLs[1].Position.x = 5;
  const ViewFrame selected = Render();
  FormMolecules->SelectedIndex = -1;
  FormMolecules->ShowSelectedMolecule();
  const ViewFrame all = Render();
  const int w = all.Width, h = all.Height;
  EXPECT_EQ(selected.Drawn(0, 0, w / 2, h), 0);
  EXPECT_GT(all.Drawn(0, 0, w / 2, h), 50);
  EXPECT_GT(all.Drawn(w / 2, 0, w, h), 50);
}

TEST_F(View, ASelectedModeVibratesAndItsFrequencyShows) {
  StartWith({Water()});
  MolGL& model = FormGL->MolGLs[0];
  ASSERT_FALSE(model.Modes.empty());
  model.NMMagnitude = 3.0;
  model.Modes[0].Animate = true;
  std::vector<double> heights;
  for (int pass = 0; pass < 4; ++pass) {
    FormGL->ApplicationIdle();
    heights.push_back(model.Atoms[1].Position.z);
  }
  EXPECT_NE(heights[0], heights[1]);
  EXPECT_NE(heights[1], heights[2]);

  // The frequency text stands at (20, 10) on the overlay plane: right of the centre, above it.
  const auto textArea = [](const ViewFrame& p) { return p.Drawn(p.Width / 2 + 20, p.Height / 2, p.Width, p.Height); };
  model.Modes[0].Animate = false;
  FormMolecules->ListViewNormalModes->AddItem(QString::number(model.Modes[0].ModeNumber), 4);
  FormMolecules->ListViewNormalModes->SelectRow(0);
  FormMolecules->SelectedModeNumber = model.Modes[0].ModeNumber;
  const int withText = textArea(Render());
  FormGL->ShowFreqExecute();
  const int withoutText = textArea(Render());
  EXPECT_GT(withText, withoutText + 20);
  // A mode number the model does not have shows no text rather than failing.
  FormGL->ShowFreqExecute();
  FormMolecules->SelectedModeNumber = 999;
  EXPECT_EQ(textArea(Render()), withoutText);
}

TEST_F(View, TheTimeTextShowsInAnimationMode) {
  StartWith({});
  MolAnimation& animation = FormMolecules->Animation;
  animation.Frames[100.0L];
  animation.Frames[130.0L];
  FormGL->AnimationMode = true;
  FormGL->CurrentTime = 100.0L;
  FormGL->PlayState = PLAY;
  const auto textArea = [](const ViewFrame& p) { return p.Drawn(0, p.Height / 2, p.Width / 2, p.Height); };
  EXPECT_EQ(textArea(Render()), 0);
  FormGL->ShowTimeExecute();
  EXPECT_GT(textArea(Render()), 20);
  for (int pass = 0; pass < 10; ++pass) FormGL->ApplicationIdle();
  EXPECT_EQ(FormGL->CurrentTime, 130.0L);
  FormGL->ApplicationIdle();
  EXPECT_EQ(FormGL->CurrentTime, 100.0L);  // played past the last frame: back to the first
}

TEST_F(View, AnEmptyProjectDrawsNothingAndKeepsTheClock) {
  StartWith({Water()});
  FormGL->AnimationMode = true;
  FormGL->PlayState = PLAY;
  FormGL->TimeTextVisible = true;
  FormGL->CurrentTime = 42.0L;
  FormGL->ApplicationIdle();
  EXPECT_EQ(FormGL->CurrentTime, 42.0L);
  EXPECT_EQ(Render().Drawn(), 0);
}

TEST_F(View, KeysDriveTheTransportInAnimationMode) {
  StartWith({});
  Key('b');
  EXPECT_EQ(FormGL->PlayState, STOP);
  FormGL->AnimationMode = true;
  Key('b');
  Key('b');
  EXPECT_EQ(FormGL->PlayState, FAST_REVERSE);
  EXPECT_EQ(FormGL->PlaySpeed, 2.0L);
  Key(' ');
  EXPECT_EQ(FormGL->PlayState, STOP);
}

TEST_F(View, DraggingTurnsTheSceneAndShiftDraggingZooms) {
  StartWith({Water()});
  FormGL->ShowXYGridExecute();
  const ViewFrame start = Render();
  const QPoint centre(FormGL->ClientWidth() / 2, FormGL->ClientHeight() / 2);
  Drag(centre, centre + QPoint(60, 25), Qt::NoModifier);
  EXPECT_NE(FormGL->Rotation[3], 1.0f);
  const ViewFrame turned = Render();
  EXPECT_NE(turned.Rgb, start.Rgb);

  const float distance = FormGL->CameraDistance;
  Drag(centre, centre + QPoint(0, 40), Qt::ShiftModifier);
  EXPECT_FLOAT_EQ(FormGL->CameraDistance, distance + 40);
  EXPECT_LT(Render().Drawn(), turned.Drawn());  // farther away: smaller
  // Dragging up by more than the distance puts the camera behind the origin.
  Drag(centre, centre - QPoint(0, 200), Qt::ShiftModifier);
  EXPECT_LT(FormGL->CameraDistance, 0.0f);
}

TEST_F(View, AZeroHeightGivesAFiniteProjection) {
  StartWith({Water()});
  FormGL->SurfaceContainer->setFixedHeight(0);
  QTest::qWait(50);
  FormGL->FormResize();
  Render();
  GLdouble projection[16];
  glGetDoublev(GL_PROJECTION_MATRIX, projection);
  for (double value : projection) EXPECT_TRUE(std::isfinite(value));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(View, ShowingAndHidingTheViewChecksItsAction) {
  StartWith({});
  FormMolecules->ShowFormGL->trigger();
  EXPECT_FALSE(FormGL->isVisible());
  EXPECT_FALSE(FormMolecules->ShowFormGL->isChecked());
  FormGL->ApplicationIdle();  // the loop runs on while the view is hidden
  FormMolecules->ShowFormGL->trigger();
  EXPECT_TRUE(FormGL->isVisible());
  EXPECT_TRUE(FormMolecules->ShowFormGL->isChecked());
}

}  // namespace

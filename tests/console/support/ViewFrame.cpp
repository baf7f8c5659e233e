#include "ViewFrame.h"

#include <algorithm>

#include <GL/gl.h>

#include <QTest>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "display/view/ViewSurface.h"
#include "editor/UnitMoleculeEdit.h"

int ViewFrame::Drawn(int x0, int y0, int x1, int y1) const {
  int count = 0;
  for (int y = std::max(0, y0); y < std::min(Height, y1); ++y) {
    for (int x = std::max(0, x0); x < std::min(Width, x1); ++x) {
      const unsigned char* p = &Rgb[3 * (static_cast<std::size_t>(y) * Width + x)];
      if (p[0] != 100 || p[1] != 165 || p[2] != 244) ++count;
    }
  }
  return count;
}

bool PrepareView() {
  FormGL->setGeometry(0, 0, 640, 480);
  FormMolecules->move(700, 0);
  FormMoleculeEdit->move(700, 520);
  if (!QTest::qWaitForWindowExposed(FormGL)) return false;
  QTest::qWait(20);
  // A swap lets the GL drawable take the window's new size.
  FormGL->ApplicationIdle();
  FormGL->FormResize();
  return true;
}

ViewFrame RenderFrame() {
  FormGL->RenderScene();
  ViewFrame frame;
  const qreal ratio = FormGL->Surface->devicePixelRatio();
  frame.Width = static_cast<int>(FormGL->ClientWidth() * ratio);
  frame.Height = static_cast<int>(FormGL->ClientHeight() * ratio);
  frame.Rgb.resize(static_cast<std::size_t>(frame.Width) * frame.Height * 3);
  glReadBuffer(GL_BACK);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, frame.Width, frame.Height, GL_RGB, GL_UNSIGNED_BYTE, frame.Rgb.data());
  return frame;
}

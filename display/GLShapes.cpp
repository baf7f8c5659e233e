#include "GLShapes.h"

#include <GL/gl.h>
#include <GL/glu.h>

std::map<std::uint32_t, std::uint32_t> SphereLists;
std::map<std::uint32_t, std::uint32_t> CylinderLists;
std::map<std::uint32_t, std::uint32_t> ConeLists;
std::map<std::uint32_t, std::uint32_t> DiskLists;

namespace {

std::uint32_t ResolutionKey(int slices, int stacks) {
  return static_cast<std::uint32_t>(slices) * 65535u + static_cast<std::uint32_t>(stacks);
}

// Calls the cached list for `key`, compiling it first with `emit` on the
// first use.
template <typename Emit>
void CallCachedShape(std::map<std::uint32_t, std::uint32_t>& cache, std::uint32_t key, Emit emit) {
  std::uint32_t& name = cache[key];
  if (name == 0) {
    name = glGenLists(1);
    glNewList(name, GL_COMPILE);
    GLUquadric* quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricOrientation(quadric, GLU_OUTSIDE);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    emit(quadric);
    gluDeleteQuadric(quadric);
    glEndList();
  }
  glCallList(name);
}

}  // namespace

void DrawSphere(int slices, int stacks) {
  CallCachedShape(SphereLists, ResolutionKey(slices, stacks),
                  [&](GLUquadric* q) { gluSphere(q, 1.0, slices, stacks); });
}

void DrawCylinder(int slices, int stacks) {
  CallCachedShape(CylinderLists, ResolutionKey(slices, stacks),
                  [&](GLUquadric* q) { gluCylinder(q, 1.0, 1.0, 1.0, slices, stacks); });
}

void DrawCone(int slices, int stacks) {
  CallCachedShape(ConeLists, ResolutionKey(slices, stacks),
                  [&](GLUquadric* q) { gluCylinder(q, 1.0, 0.0, 2.0, slices, stacks); });
}

void DrawDisk(int slices) {
  CallCachedShape(DiskLists, static_cast<std::uint32_t>(slices),
                  [&](GLUquadric* q) { gluDisk(q, 0.0, 1.0, slices, 1); });
}

void DrawArrow(double radius, double length, int slices, int stacks) {
  const double head = radius * 2.0;

  glPushMatrix();
  glScaled(radius, radius, length - radius);
  DrawCylinder(slices, stacks);
  glRotated(180.0, 1.0, 0.0, 0.0);
  DrawDisk(slices);
  glPopMatrix();

  glPushMatrix();
  glTranslated(0.0, 0.0, length - head);
  glScaled(head, head, head);
  DrawCone(slices, stacks);
  glRotated(180.0, 1.0, 0.0, 0.0);
  DrawDisk(slices);
  glPopMatrix();
}

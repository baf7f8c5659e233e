#include <GL/gl.h>

#include "GLShapes.h"
#include "MolGL.h"

void MolGL::Draw() const {}
void MolGL::DrawAtoms() const {}
void MolGL::DrawAtom(const Atom&) const {}
void MolGL::DrawBonds() const {}
void MolGL::DrawBondCylinders(const Bond&) const {}
void MolGL::DrawBondLines(const Bond&) const {}
void MolGL::DrawNormalModeArrows(int, float, float) const {}

// Pieces shared by the POV-Ray writers of atoms, bonds and arrows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ExportLines.h"
#include "MolGL.h"

// "matrix < ... >": the twelve elements of a 4x4 matrix that POV-Ray takes
// (the last of each group of four is left out).
std::string PovRayMatrixLine(const double element[16]);
// "x, y, z".
void PutPovRayPoint(ExportLine& line, const Position<double>& p);
// "bx+dx*sin(2*pi*clock), +by+dy*sin(2*pi*clock), +bz+dz*sin(2*pi*clock)": the
// point moves with POV-Ray's clock. Every number after bx carries its sign,
// and so does every later number of the line.
void PutPovRayMovingPoint(ExportLine& line, const Position<double>& base, const Position<double>& displacement);
// The displacement of the atom at `place` in the exported mode, scaled by
// the model's vibration magnitude; (0, 0, 0) for an atom the mode leaves at rest.
Position<double> PovRayDisplacement(const MolGL& model, std::size_t place);
// The texture lines and the closing brace of one object.
void AddPovRayTexture(ExportObject& object, const GraphicHandler::Color<float>& color, std::string_view finish);

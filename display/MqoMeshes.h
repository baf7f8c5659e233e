// The polygon meshes of the Metasequoia export: a vertex chunk and a face
// chunk each, appended to an object's lines. Positions are absolute (the
// model's translation already added). Seen from outside, every face runs
// clockwise. Resolutions below 3 slices or 2 stacks are raised to those, the
// least that close a mesh.
#pragma once

#include "ExportLines.h"
#include "core/Geometry.h"

void WriteMqoSphere(ExportObject& object, const Position<double>& centre, float radius, int material, int slices,
                    int stacks);
// An open cylinder from p1 to p2 in two halves; faces of the half at p1
// carry material1, the others material2.
void WriteMqoCylinder(ExportObject& object, const Position<double>& p1, const Position<double>& p2, float radius,
                      int material1, int material2, int slices);
// A shaft of `radius` from `start` to 2 x radius short of `start` + `vector`,
// and a cone twice as wide from there to 2 x radius beyond it.
void WriteMqoArrow(ExportObject& object, const Position<double>& start, const Position<double>& vector, float radius,
                   int material, int slices);

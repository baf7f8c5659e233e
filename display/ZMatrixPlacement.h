// Cartesian placement of one atom of a molecule file against the atoms a
// display model already holds.
#pragma once

#include <cstdint>

#include "core/Geometry.h"

class AtomIndex;
class MolFile;
class MolGL;

// The frame a Z-matrix is built in: the display model's own puts the third
// atom on the -y side of the first two, which lie on x; MOPAC's, in which a
// MOPAC geometry writes its Cartesian atoms, on the +y side (the same frame
// turned 180 degrees about x).
enum class ZMatrixFrame { Display, Mopac };

// MOPAC's frame for a MOPAC geometry whose later atoms are Cartesian, so
// that its internal atoms stand where those are written; the display
// model's own for every other file.
ZMatrixFrame ZMatrixFrameOf(const MolFile& file);

// The position of atom `id` of `file`: its Cartesian position, or the
// Z-matrix construction in `frame` from its bond, angle and dihedral
// references among the atoms of `model`, found through `index`, the index of
// those atoms; a MOPAC file's as MOPAC builds it, which decides where a
// dihedral about a straight line turns from. When the bond reference atom is
// in the model, `partner` receives its id; otherwise it keeps the caller's
// value. A missing kind entry for `id` is added to the file's table with 0.
Position<double> ZMatrixToCartesian(MolFile& file, std::int32_t id, std::int32_t& partner, const MolGL& model,
                                    const AtomIndex& index, ZMatrixFrame frame);

// Cartesian placement of one atom of a molecule file against the atoms a
// display model already holds.
#pragma once

#include <cstdint>

#include "core/Geometry.h"

class AtomIndex;
class MolFile;
class MolGL;

// The position of atom `id` of `file`: its Cartesian position, or the
// Z-matrix construction from its bond, angle and dihedral references among
// the atoms of `model`, found through `index`, the index of those atoms.
// When the bond reference atom is in the model, `partner` receives its id;
// otherwise it keeps the caller's value. A missing kind entry for `id` is
// added to the file's table with 0.
Position<double> ZMatrixToCartesian(MolFile& file, std::int32_t id, std::int32_t& partner, const MolGL& model,
                                    const AtomIndex& index);

// Molecule files the benchmarks open, made here rather than stored: an
// ordinary molecule, and the inputs that once made automatic bonding or
// Z-matrix placement run away (atoms heaped on one point, a far-off atom,
// long Z-matrix chains). Plain text, no Qt; the display tests check that
// the ordinary ones bond exactly as every pair compared would.
#pragma once

#include <string>

// A Gaussian input of `count` "C 0 0 0" lines.
std::string AtomsOnOnePoint(int count);
// An all-trans alkane chain of `count` atoms (CH2 units), as a Cartesian
// Gaussian input; with `farAtom` one more carbon at x = 1e30.
std::string AlkaneInput(int count, bool farAtom);
// The same chain without the far atom as a TINKER XYZ file, every bond listed.
std::string AlkaneTinker(int count);
// A zigzag carbon chain of `count` atoms as a Gaussian Z-matrix whose
// references are atom labels (C1, C2, ...).
std::string ChainZMatrixInput(int count);
// The same chain as a MOPAC input with numbered references.
std::string ChainMopacInput(int count);

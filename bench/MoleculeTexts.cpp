#include "MoleculeTexts.h"

#include "platform/Numbers.h"

namespace {

const char* const kGaussianHeader = "#p hf/3-21g\n\ngenerated\n\n0 1\n";

std::string Number(double value) { return FormatFloat("0.0000", value); }

std::string Coordinates(double x, double y, double z) { return " " + Number(x) + " " + Number(y) + " " + Number(z); }

std::string Line(const char* label, double x, double y, double z) { return label + Coordinates(x, y, z) + "\n"; }

// Calls `atom(label, x, y, z)` for each of the first `count` atoms of an
// all-trans alkane chain: C-C 1.54 A and C-H 1.09 A at tetrahedral angles;
// along the chain a carbon advances 1.258 A and alternates 0.889 A across it;
// its two hydrogens point away from the chain, above and below its plane.
// Carbon i is atom 3 i, its hydrogens 3 i + 1 and 3 i + 2.
template <typename Atom>
void EachAlkaneAtom(int count, Atom atom) {
  for (int i = 0; 3 * i < count; ++i) {
    const double side = i % 2 == 0 ? -1.0 : 1.0;
    const double x = 1.258 * i, y = i % 2 == 0 ? 0.0 : 0.889;
    atom("C", x, y, 0.0);
    if (3 * i + 1 < count) atom("H", x, y + side * 0.629, 0.890);
    if (3 * i + 2 < count) atom("H", x, y + side * 0.629, -0.890);
  }
}

}  // namespace

std::string AtomsOnOnePoint(int count) {
  std::string text = kGaussianHeader;
  for (int i = 0; i < count; ++i) text += "C 0 0 0\n";
  return text + "\n";
}

std::string AlkaneInput(int count, bool farAtom) {
  std::string text = kGaussianHeader;
  EachAlkaneAtom(count, [&](const char* label, double x, double y, double z) { text += Line(label, x, y, z); });
  if (farAtom) text += "C 1e30 0 0\n";
  return text + "\n";
}

std::string AlkaneTinker(int count) {
  std::string text = std::to_string(count) + " alkane\n";
  int index = 0;
  EachAlkaneAtom(count, [&](const char* label, double x, double y, double z) {
    const int serial = ++index;
    const bool carbon = (serial - 1) % 3 == 0;
    // Atom types 1 (C) and 5 (H) as MM3 numbers them; then the bonded atoms.
    text += std::to_string(serial) + " " + label + Coordinates(x, y, z) + (carbon ? " 1" : " 5");
    if (!carbon) {
      text += " " + std::to_string(serial - (serial - 1) % 3);
    } else {
      if (serial > 3) text += " " + std::to_string(serial - 3);
      for (int bonded : {serial + 1, serial + 2, serial + 3}) {
        if (bonded <= count) text += " " + std::to_string(bonded);
      }
    }
    text += "\n";
  });
  return text;
}

std::string ChainZMatrixInput(int count) {
  std::string text = kGaussianHeader;
  const auto label = [](int n) { return "C" + std::to_string(n); };
  for (int n = 1; n <= count; ++n) {
    text += label(n);
    if (n >= 2) text += " " + label(n - 1) + " 1.54";
    if (n >= 3) text += " " + label(n - 2) + " 109.5";
    if (n >= 4) text += " " + label(n - 3) + " 180.0";
    text += "\n";
  }
  return text + "\n";
}

std::string ChainMopacInput(int count) {
  std::string text = "PM7\ngenerated\n\n";
  for (int n = 1; n <= count; ++n) {
    const std::string bond = n >= 2 ? "1.54 1 " : "0.0 0 ";
    const std::string angle = n >= 3 ? "109.5 1 " : "0.0 0 ";
    const std::string dihedral = n >= 4 ? "180.0 1 " : "0.0 0 ";
    const auto reference = [n](int back) { return std::to_string(n > back ? n - back : 0); };
    text += "C " + bond + angle + dihedral + reference(1) + " " + reference(2) + " " + reference(3) + "\n";
  }
  return text + "\n";
}

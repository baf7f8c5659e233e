#include "ZMatrixPlacement.h"

#include <cmath>
#include <optional>

#include "AtomIndex.h"
#include "MolGL.h"
#include "molfile/MolFile.h"

namespace {

double Radians(double degrees) { return degrees * (1.0 / 180.0) * Pi; }

bool IsZero(const Position<double>& v) { return v.x == 0.0 && v.y == 0.0 && v.z == 0.0; }

// Third atom: bond reference A and angle reference B must lie on one axis,
// or, in MOPAC's frame, on a line along one: there the first atoms may be
// Cartesian ones away from the origin, the second along x from the first.
Position<double> PlaceByAngle(const Position<double>& a, const Position<double>& b, double r, double theta,
                              ZMatrixFrame frame) {
  const double c = r * std::cos(theta), s = r * std::sin(theta);
  const auto along = [&](double a1, double a2, double b1, double b2) {
    return a1 == b1 && a2 == b2 && (frame == ZMatrixFrame::Mopac || (a1 == 0.0 && a2 == 0.0));
  };
  if (along(a.y, a.z, b.y, b.z))
    return {a.x >= b.x ? a.x - c : a.x + c, frame == ZMatrixFrame::Mopac ? a.y + s : a.y - s, a.z, 1.0};
  if (along(a.x, a.z, b.x, b.z)) return {a.x, a.y >= b.y ? a.y - c : a.y + c, a.z - s, 1.0};
  if (along(a.x, a.y, b.x, b.y)) return {a.x - s, a.y, a.z >= b.z ? a.z - c : a.z + c, 1.0};
  return {};
}

// Fourth atom onward: distance r from A, angle theta at A from B, torsion D
// about A-B from C. Works in a frame where A - B lies along +z.
Position<double> PlaceByDihedral(const Position<double>& a, const Position<double>& b,
                                 const Position<double>& c, double r, double theta, double dihedral) {
  const Position<double> u = a - b;
  const Position<double> v = c - b;
  double length, thetaU = 0.0, phiU = 0.0;
  if (!IsZero(u)) CartesianToSpherical(u, length, thetaU, phiU);

  const double x1 = v.x * std::cos(-phiU) - v.y * std::sin(-phiU);
  const double y1 = v.x * std::sin(-phiU) + v.y * std::cos(-phiU);
  const double z1 = v.z;
  const double x2 = z1 * std::sin(-thetaU) + x1 * std::cos(-thetaU);
  const double y2 = y1;
  const double z2 = z1 * std::cos(-thetaU) - x1 * std::sin(-thetaU);

  double thetaV, phiV = 0.0;
  const Position<double> turned{x2, y2, z2, 1.0};
  if (!IsZero(turned)) CartesianToSpherical(turned, length, thetaV, phiV);

  const double psi = phiV + Radians(dihedral);
  const double alpha = Radians(180.0 - theta);
  const double px = r * std::sin(alpha) * std::cos(psi);
  const double py = r * std::sin(alpha) * std::sin(psi);
  const double pz = r * std::cos(alpha);

  const double x3 = pz * std::sin(thetaU) + px * std::cos(thetaU);
  const double z3 = pz * std::cos(thetaU) - px * std::sin(thetaU);
  const double x4 = x3 * std::cos(phiU) - py * std::sin(phiU);
  const double y4 = x3 * std::sin(phiU) + py * std::cos(phiU);
  return {a.x + x4, a.y + y4, a.z + z3, 1.0};
}

// MOPAC's frame turned 180 degrees about x, which is the display frame, and
// back. A zero stays 0, not -0, which a written number would show.
Position<double> TurnedAboutX(const Position<double>& p) { return {p.x, 0.0 - p.y, 0.0 - p.z, p.w}; }

// Below this length of B - A across z, MOPAC first swaps the axes (x' = z,
// z' = -x); below this distance of C from the line A-B, it takes a fixed
// direction for the dihedral. Angstroms.
constexpr double kMopacNearZ = 0.009;
constexpr double kMopacOnTheLine = 1e-4;

// Fourth atom onward as MOPAC builds it, in its frame: distance r from A,
// angle theta at A from B, dihedral about A-B from C (radians). Where C
// lies off the line A-B this is the molecule PlaceByDihedral builds; on it,
// within kMopacOnTheLine, MOPAC turns the dihedral from a fixed direction
// where another construction would follow the rounding of C. Nothing where
// A and B give no line.
std::optional<Position<double>> PlaceAsMopac(const Position<double>& a, const Position<double>& b,
                                             const Position<double>& c, double r, double theta, double dihedral) {
  Position<double> u = b - a, v = c - a;
  const bool swapped = std::sqrt(u.x * u.x + u.y * u.y) <= kMopacNearZ;
  if (swapped) {
    u = {u.z, u.y, -u.x, 1.0};
    v = {v.z, v.y, -v.x, 1.0};
  }
  const double xyb = std::sqrt(u.x * u.x + u.y * u.y);
  if (xyb == 0.0) return std::nullopt;
  // Turn B onto x: by -t about z, then by p about y; C into the xy-plane
  // by k about x.
  const double cosT = u.x / xyb, sinT = u.y / xyb;
  const double xpa = v.x * cosT + v.y * sinT, ypa = v.y * cosT - v.x * sinT;
  const double sinP = u.z / VectorLength(u), cosP = std::sqrt(std::abs(1.0 - sinP * sinP));
  const double zqa = v.z * cosP - xpa * sinP;
  const double yza = std::sqrt(ypa * ypa + zqa * zqa);
  const bool onTheLine = yza < kMopacOnTheLine;
  const double cosK = onTheLine ? 1.0 : ypa / yza, sinK = onTheLine ? 0.0 : zqa / yza;
  // The atom in that frame, turned and swapped back.
  const double xd = r * std::cos(theta), yd = r * std::sin(theta) * std::cos(dihedral),
               zd = -r * std::sin(theta) * std::sin(dihedral);
  const double ypd = yd * cosK - zd * sinK, zpd = zd * cosK + yd * sinK;
  const double xpd = xd * cosP - zpd * sinP, zqd = zpd * cosP + xd * sinP;
  const double xqd = xpd * cosT - ypd * sinT, yqd = ypd * cosT + xpd * sinT;
  return a + (swapped ? Position<double>{-zqd, yqd, xqd, 1.0} : Position<double>{xqd, yqd, zqd, 1.0});
}

// A unit vector at right angles to the unit vector u: from the axis u leans
// on least, which is never parallel to it.
Position<double> Perpendicular(const Position<double>& u) {
  const double x = std::abs(u.x), y = std::abs(u.y), z = std::abs(u.z);
  const Position<double> axis = x <= y && x <= z ? Position<double>{1.0, 0.0, 0.0, 1.0}
                                : y <= z         ? Position<double>{0.0, 1.0, 0.0, 1.0}
                                                 : Position<double>{0.0, 0.0, 1.0, 1.0};
  const Position<double> p = axis - Dot(axis, u) * u;
  return (1.0 / VectorLength(p)) * p;
}

// Fourth atom onward with a second bond angle for a dihedral: distance r
// from A, angle theta1 at A from B and theta2 at A from C, on the side of
// the plane (A, B, C) that (B - A) x (C - A) points to for side 1, on the
// other for -1. Where no point makes both angles, or A, B and C lie in one
// line, the atom keeps theta1 and comes as near theta2 as the plane allows.
Position<double> PlaceByTwoAngles(const Position<double>& a, const Position<double>& b,
                                  const Position<double>& c, double r, double theta1, double theta2, int side) {
  // The direction from A is cos1 u + across e + out n, with u toward B, e
  // toward C at right angles to u, and n = u x e.
  Position<double> u = b - a;
  const double toB = VectorLength(u);
  u = toB > 0.0 ? (1.0 / toB) * u : Position<double>{0.0, 0.0, 1.0, 1.0};
  const Position<double> v = c - a;
  const Position<double> right = v - Dot(v, u) * u;
  const double toC = VectorLength(v), sinGamma = toC > 0.0 ? VectorLength(right) / toC : 0.0;
  const double cos1 = std::cos(theta1), sin1 = std::abs(std::sin(theta1));
  double across = sin1, out = 0.0;
  Position<double> e;
  if (sinGamma > 1e-12) {
    e = (1.0 / VectorLength(right)) * right;
    across = (std::cos(theta2) - cos1 * Dot(v, u) / toC) / sinGamma;
    const double outSquared = 1.0 - cos1 * cos1 - across * across;
    if (outSquared >= 0.0)
      out = side * std::sqrt(outSquared);
    else
      across = std::copysign(sin1, across);
  } else {
    e = Perpendicular(u);
  }
  return a + r * (cos1 * u + across * e + out * Cross(u, e));
}

}  // namespace

ZMatrixFrame ZMatrixFrameOf(const MolFile& file) {
  if (file.FileType != MOPAC_INPUT) return ZMatrixFrame::Display;
  bool internal = false, cartesian = false;
  for (const auto& [id, kind] : file.AtomIds.Kinds) {
    internal = internal || kind == ZMATRIX;
    cartesian = cartesian || kind == CARTESIAN;
  }
  return internal && cartesian ? ZMatrixFrame::Mopac : ZMatrixFrame::Display;
}

Position<double> ZMatrixToCartesian(MolFile& file, std::int32_t id, std::int32_t& partner, const MolGL& model,
                                    const AtomIndex& index, ZMatrixFrame frame) {
  // The tables hold the file's numbers, in its units.
  const double length = file.Units.Length, degrees = file.Units.Angle;
  const std::uint32_t kind = file.AtomIds.Kinds[id];
  if (kind == CARTESIAN) {
    const auto it = file.CartesianData.Positions.find(id);
    if (it == file.CartesianData.Positions.end()) return {};
    const Position<double>& p = it->second;
    return {p.x * length, p.y * length, p.z * length, p.w};
  }
  if (kind != ZMATRIX) return {};

  const ZMatrix& z = file.ZMatrixData;
  const auto bond = z.Bonds.find(id);
  if (bond == z.Bonds.end()) return {};

  // A reference to an atom not placed yet stands at the origin.
  const auto place = [&](const ZMatrix::Pair& pair) {
    const std::size_t at = index.Find(pair.Reference);
    return at == AtomIndex::None ? Position<double>{} : model.Atoms[at].BasePosition;
  };
  if (index.Find(bond->second.Reference) != AtomIndex::None) partner = bond->second.Reference;

  const Position<double> a = place(bond->second);
  const double r = bond->second.Value * length;
  const auto angle = z.Angles.find(id);
  if (angle == z.Angles.end()) return {a.x + r, a.y, a.z, a.w};

  const Position<double> b = place(angle->second);
  const auto dihedral = z.Dihedrals.find(id);
  const double theta = angle->second.Value * degrees;
  if (dihedral == z.Dihedrals.end()) return PlaceByAngle(a, b, r, Radians(theta), frame);

  const double third = dihedral->second.Value * degrees;
  const auto side = z.SecondAngleSides.find(id);
  if (side != z.SecondAngleSides.end())
    return PlaceByTwoAngles(a, b, place(dihedral->second), r, Radians(theta), Radians(third), side->second);
  const Position<double> c = place(dihedral->second);
  if (file.FileType == MOPAC_INPUT) {
    // Where MOPAC puts the atom, in its frame.
    const bool turned = frame == ZMatrixFrame::Display;
    const auto turn = [&](const Position<double>& p) { return turned ? TurnedAboutX(p) : p; };
    if (const auto p = PlaceAsMopac(turn(a), turn(b), turn(c), r, Radians(theta), Radians(third))) return turn(*p);
  }
  return PlaceByDihedral(a, b, c, r, theta, third);
}

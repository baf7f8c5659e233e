// The display model's automatic bonding: a bond between each pair of atoms
// closer than 1.2 times the sum of their bond radii, each atom taking at
// most its nearest few such partners.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "AtomIndex.h"
#include "MolGL.h"

namespace {

// No real molecule comes near this; atoms heaped on one point (a broken or
// generated file) would otherwise bond every pair, n² / 2 bonds.
constexpr std::size_t kMaxAutoBonds = 16;

// A partner and its squared distance, ordered nearest first, the lower place
// first among equals, so that the choice never depends on the search order.
struct Candidate {
  double D2;
  std::uint32_t Place;
  bool operator<(const Candidate& other) const {
    return D2 < other.D2 || (D2 == other.D2 && Place < other.Place);
  }
};

bool IsFinite(const Position<double>& p) { return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z); }

// The bond test, written once so that the search's bounds are computed the
// same way: rounding is monotonic, so a bound computed from a box edge or a
// radius limit can never disagree with the test on an atom inside it.
double Squared(double dx, double dy, double dz) { return dx * dx + dy * dy + dz * dz; }
double BondLimit(double radius1, double radius2) {
  const double s = (radius1 + radius2) * 0.01;
  return 1.44 * s * s;
}

// A k-d tree over the atoms with finite coordinates. It splits where the
// atoms are, so a far-off atom or a heap of atoms on one point costs no
// more than any other; each node knows its box, its radius range and its
// lowest atom, which together decide when it can hold no better partner.
class NeighbourTree {
 public:
  struct Point {
    double At[3];
    double Radius;
    std::uint32_t Place;  // in the model's atoms
  };

  NeighbourTree(const std::vector<Atom>& atoms, const std::vector<double>& radii) {
    for (std::uint32_t i = 0; i < atoms.size(); ++i) {
      const Position<double>& p = atoms[i].BasePosition;
      if (IsFinite(p)) points_.push_back({{p.x, p.y, p.z}, radii[i], i});
    }
    if (!points_.empty()) Build(0, static_cast<std::uint32_t>(points_.size()));
  }

  // The atoms with finite coordinates, neighbours mostly next to each other:
  // asked in this order, successive searches walk the same nodes.
  const std::vector<Point>& Points() const { return points_; }

  // Into `best`, sorted by place: the up to kMaxAutoBonds nearest atoms that
  // pass the bond test with `point`, one of Points().
  void Nearest(const Point& point, std::vector<Candidate>& best) const {
    best.clear();
    Visit(0, BoxD2(nodes_[0], point), point, best);
    std::sort(best.begin(), best.end(), [](const Candidate& a, const Candidate& b) { return a.Place < b.Place; });
  }

 private:
  static constexpr std::uint32_t kLeafSize = 16;

  struct Node {
    double Low[3], High[3];
    double LowRadius, HighRadius;
    std::uint32_t Begin, End;  // range of points_
    std::uint32_t LowestPlace;
    std::uint32_t Left = 0, Right = 0;  // children; 0 for a leaf
  };

  std::uint32_t Build(std::uint32_t begin, std::uint32_t end) {
    const auto at = static_cast<std::uint32_t>(nodes_.size());
    nodes_.push_back({});
    const Point& first = points_[begin];
    Node node{};
    node.Begin = begin;
    node.End = end;
    node.LowestPlace = first.Place;
    node.LowRadius = node.HighRadius = first.Radius;
    for (int axis = 0; axis < 3; ++axis) node.Low[axis] = node.High[axis] = first.At[axis];
    for (std::uint32_t k = begin; k < end; ++k) {
      const Point& point = points_[k];
      node.LowestPlace = std::min(node.LowestPlace, point.Place);
      node.LowRadius = std::min(node.LowRadius, point.Radius);
      node.HighRadius = std::max(node.HighRadius, point.Radius);
      for (int axis = 0; axis < 3; ++axis) {
        node.Low[axis] = std::min(node.Low[axis], point.At[axis]);
        node.High[axis] = std::max(node.High[axis], point.At[axis]);
      }
    }
    if (end - begin > kLeafSize) {
      int axis = 0;
      for (int a = 1; a < 3; ++a)
        if (node.High[a] - node.Low[a] > node.High[axis] - node.Low[axis]) axis = a;
      // Atoms on one coordinate split by place, so the lower places lie left.
      const std::uint32_t middle = begin + (end - begin) / 2;
      std::nth_element(points_.begin() + begin, points_.begin() + middle, points_.begin() + end,
                       [axis](const Point& a, const Point& b) {
                         return a.At[axis] < b.At[axis] || (a.At[axis] == b.At[axis] && a.Place < b.Place);
                       });
      node.Left = Build(begin, middle);
      node.Right = Build(middle, end);
    }
    nodes_[at] = node;
    return at;
  }

  // The squared distance from `p` to the node's box, computed as the bond
  // test computes it, so never more than the test's for an atom inside.
  static double BoxD2(const Node& node, const Point& p) {
    double gap[3];
    for (int axis = 0; axis < 3; ++axis) {
      const double c = p.At[axis];
      gap[axis] = c < node.Low[axis] ? node.Low[axis] - c : c > node.High[axis] ? c - node.High[axis] : 0.0;
    }
    return Squared(gap[0], gap[1], gap[2]);
  }

  // Whether some atom of the node might pass the bond test with `p` and be
  // a better partner than the worst of a full `best`; d2 is its BoxD2.
  static bool MayHold(const Node& node, double d2, const Point& p, const std::vector<Candidate>& best) {
    const double limit = std::max(BondLimit(p.Radius, node.LowRadius), BondLimit(p.Radius, node.HighRadius));
    if (!(limit > d2)) return false;
    if (best.size() < kMaxAutoBonds) return true;
    const Candidate& worst = best.front();
    return d2 < worst.D2 || (d2 == worst.D2 && node.LowestPlace < worst.Place);
  }

  void Visit(std::uint32_t at, double d2, const Point& p, std::vector<Candidate>& best) const {
    const Node& node = nodes_[at];
    if (!MayHold(node, d2, p, best)) return;
    if (node.Left == 0) {
      for (std::uint32_t k = node.Begin; k < node.End; ++k) Offer(p, points_[k], best);
      return;
    }
    // Nearer side first, so that `best` fills with close atoms early.
    std::uint32_t first = node.Left, second = node.Right;
    double firstD2 = BoxD2(nodes_[first], p), secondD2 = BoxD2(nodes_[second], p);
    if (secondD2 < firstD2) std::swap(first, second), std::swap(firstD2, secondD2);
    Visit(first, firstD2, p, best);
    Visit(second, secondD2, p, best);
  }

  static void Offer(const Point& p, const Point& q, std::vector<Candidate>& best) {
    if (q.Place == p.Place) return;
    const double d2 = Squared(p.At[0] - q.At[0], p.At[1] - q.At[1], p.At[2] - q.At[2]);
    if (!(BondLimit(p.Radius, q.Radius) > d2)) return;
    const Candidate candidate{d2, q.Place};
    if (best.size() == kMaxAutoBonds) {
      if (!(candidate < best.front())) return;
      std::pop_heap(best.begin(), best.end());
      best.pop_back();
    }
    best.push_back(candidate);
    std::push_heap(best.begin(), best.end());  // the worst stays in front
  }

  std::vector<Point> points_;
  std::vector<Node> nodes_;
};

}  // namespace

void MolGL::AutoBond() {
  if (Atoms.size() < 2) return;
  // Look-up-or-insert: an element without a radius bonds with 0 and gains
  // that entry in the model's table.
  std::vector<double> radii(Atoms.size());
  for (std::size_t i = 0; i < Atoms.size(); ++i) radii[i] = ElementData.Radii[Atoms[i].AtomicNumber];

  // Each atom's chosen partners, by place. A pair bonds when each chose the
  // other, so no atom takes more than kMaxAutoBonds; below that limit every
  // pair within the distance bonds, as comparing every pair would give.
  const NeighbourTree tree(Atoms, radii);
  std::vector<std::uint32_t> chosen(Atoms.size() * kMaxAutoBonds);
  std::vector<std::uint8_t> counts(Atoms.size());
  std::vector<Candidate> best;
  for (const NeighbourTree::Point& point : tree.Points()) {
    const std::uint32_t i = point.Place;
    tree.Nearest(point, best);
    counts[i] = static_cast<std::uint8_t>(best.size());
    for (std::size_t k = 0; k < best.size(); ++k) chosen[i * kMaxAutoBonds + k] = best[k].Place;
  }
  const auto chose = [&](std::uint32_t i, std::uint32_t j) {
    const auto first = chosen.begin() + static_cast<std::ptrdiff_t>(i * kMaxAutoBonds);
    return std::binary_search(first, first + counts[i], j);
  };

  // In the order (i, then j ascending) that a plain double loop gives.
  const AtomIndex index(Atoms);
  for (std::uint32_t i = 0; i < Atoms.size(); ++i) {
    for (std::size_t k = 0; k < counts[i]; ++k) {
      const std::uint32_t j = chosen[i * kMaxAutoBonds + k];
      if (j > i && chose(j, i)) Bonds.push_back({index.Find(Atoms[i].Id), index.Find(Atoms[j].Id)});
    }
  }
}

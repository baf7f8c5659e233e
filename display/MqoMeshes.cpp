#include "MqoMeshes.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "MolGL.h"

namespace {

// Rotation about y by theta, then about z by phi: carries +z onto the
// direction with polar angle theta and azimuth phi.
Position<double> Place(double theta, double phi, double x, double y, double z) {
  const double x1 = x * std::cos(theta) + z * std::sin(theta);
  const double z1 = z * std::cos(theta) - x * std::sin(theta);
  return {x1 * std::cos(phi) - y * std::sin(phi), x1 * std::sin(phi) + y * std::cos(phi), z1, 1.0};
}

struct Face {
  int Count;  // 3 or 4
  int V[4];
  int Material;
};

void WriteChunks(ExportObject& object, const std::vector<Position<double>>& vertices, const std::vector<Face>& faces) {
  ExportLine vertexHead;
  vertexHead << "\tvertex ";
  vertexHead.Int(static_cast<std::int64_t>(vertices.size())) << " {";
  object.Add(vertexHead);
  for (const Position<double>& p : vertices) {
    ExportLine line;
    line << "\t\t";
    line.Fixed(p.x, 4) << " ";
    line.Fixed(p.y, 4) << " ";
    line.Fixed(p.z, 4);
    object.Add(line);
  }
  object.Add("\t}");
  ExportLine faceHead;
  faceHead << "\tface ";
  faceHead.Int(static_cast<std::int64_t>(faces.size())) << " {";
  object.Add(faceHead);
  for (const Face& f : faces) {
    ExportLine line;
    line << "\t\t";
    line.Int(f.Count) << " V(";
    for (int i = 0; i < f.Count; ++i) {
      if (i > 0) line << " ";
      line.Int(f.V[i]);
    }
    line << ") M(";
    line.Int(f.Material) << ") ";
    object.Add(line);
  }
  object.Add("\t}");
}

int AtLeast(int value, int least) { return std::max(value, least); }

}  // namespace

void WriteMqoSphere(ExportObject& object, const Position<double>& centre, float radius, int material, int slices,
                    int stacks) {
  const int s = AtLeast(slices, 3);
  const int t = AtLeast(stacks, 2);
  const double r = radius;
  std::vector<Position<double>> vertices;
  vertices.reserve(static_cast<std::size_t>((t - 1) * s + 2));
  vertices.push_back(centre + Position<double>{0.0, 0.0, r, 1.0});
  for (int k = 1; k < t; ++k) {
    for (int j = 0; j < s; ++j)
      vertices.push_back(centre + Place(k * Pi / t, 2.0 * Pi * j / s, 0.0, 0.0, r));
  }
  vertices.push_back(centre + Position<double>{0.0, 0.0, -r, 1.0});

  const int bottom = (t - 1) * s + 1;
  std::vector<Face> faces;
  faces.reserve(static_cast<std::size_t>(s * t));
  for (int u = 0; u < s; ++u) faces.push_back({3, {0, u + 2 > s ? 1 : u + 2, u + 1, 0}, material});
  for (int q = 0; q <= t - 3; ++q) {
    for (int v = q * s; v < (q + 1) * s; ++v) {
      const bool wrap = v + 2 > (q + 1) * s;
      faces.push_back({4, {v + 1, wrap ? q * s + 1 : v + 2, wrap ? (q + 1) * s + 1 : v + 2 + s, v + 1 + s}, material});
    }
  }
  for (int v = (t - 2) * s; v < (t - 1) * s; ++v)
    faces.push_back({3, {v + 1, v + 2 > (t - 1) * s ? (t - 2) * s + 1 : v + 2, bottom, 0}, material});
  WriteChunks(object, vertices, faces);
}

void WriteMqoCylinder(ExportObject& object, const Position<double>& p1, const Position<double>& p2, float radius,
                      int material1, int material2, int slices) {
  const int s = AtLeast(slices, 3);
  const double r = radius;
  double length, theta, phi;
  CartesianToSpherical(p2 - p1, length, theta, phi);
  const double heights[3] = {0.0, length * 0.5, length};
  std::vector<Position<double>> vertices;
  vertices.reserve(static_cast<std::size_t>(3 * s));
  for (const double h : heights) {
    for (int j = 0; j < s; ++j) {
      const double a = 2.0 * Pi * j / s;
      vertices.push_back(p1 + Place(theta, phi, r * std::cos(a), r * std::sin(a), h));
    }
  }
  std::vector<Face> faces;
  faces.reserve(static_cast<std::size_t>(2 * s));
  for (int u = 0; u < 2 * s; ++u) {
    int a = u + 1;
    int e = u + 1 + s;
    if (u + 1 == s) a = 0, e = s;
    if (u + 1 == 2 * s) a = s, e = 2 * s;
    faces.push_back({4, {a, u, u + s, e}, u < s ? material1 : material2});
  }
  WriteChunks(object, vertices, faces);
}

void WriteMqoArrow(ExportObject& object, const Position<double>& start, const Position<double>& vector, float radius,
                   int material, int slices) {
  const int s = AtLeast(slices, 3);
  const double r = radius;
  double length, theta, phi;
  CartesianToSpherical(vector, length, theta, phi);
  std::vector<Position<double>> vertices;
  vertices.reserve(static_cast<std::size_t>(3 * s + 2));
  const auto ring = [&](int first, double ringRadius, double height) {
    for (int i = first; i < first + s; ++i) {
      const double a = 2.0 * Pi * i / s;
      vertices.push_back(start + Place(theta, phi, ringRadius * std::cos(a), ringRadius * std::sin(a), height));
    }
  };
  vertices.push_back(start + Place(theta, phi, 0.0, 0.0, 0.0));
  ring(1, r, 0.0);
  ring(s + 1, r, length - 2.0 * r);
  ring(2 * s + 1, 2.0 * r, length - 2.0 * r);
  vertices.push_back(start + Place(theta, phi, 0.0, 0.0, length + 2.0 * r));

  std::vector<Face> faces;
  faces.reserve(static_cast<std::size_t>(4 * s));
  for (int u = 0; u < s; ++u) faces.push_back({3, {0, u + 1, u + 2 > s ? 1 : u + 2, 0}, material});
  for (int u = 0; u < s; ++u) {
    const bool wrap = u + 2 > s;
    faces.push_back({4, {wrap ? 1 : u + 2, u + 1, u + 1 + s, wrap ? s + 1 : u + 2 + s}, material});
  }
  for (int v = s; v < 2 * s; ++v) {
    const bool wrap = v + 2 > 2 * s;
    faces.push_back({4, {wrap ? s + 1 : v + 2, v + 1, v + 1 + s, wrap ? 2 * s + 1 : v + 2 + s}, material});
  }
  for (int v = 2 * s; v < 3 * s; ++v)
    faces.push_back({3, {v + 2 > 3 * s ? 2 * s + 1 : v + 2, v + 1, 3 * s + 1, 0}, material});
  WriteChunks(object, vertices, faces);
}

#include "Geometry.h"

#include <algorithm>
#include <cmath>

Position<double> operator-(const Position<double>& a, const Position<double>& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z, 1.0};
}

Position<double> operator*(double s, const Position<double>& p) {
  return {s * p.x, s * p.y, s * p.z, 1.0};
}

Position<double> operator*(const Position<double>& p, double s) {
  return {p.x * s, p.y * s, p.z * s, 1.0};
}

double VectorLength(const Position<double>& v) {
  return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

double Dot(const Position<double>& a, const Position<double>& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Position<double> Cross(const Position<double>& a, const Position<double>& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x, 1.0};
}

void CartesianToSpherical(const Position<double>& v, double& r, double& theta, double& phi) {
  r = VectorLength(v);
  // Two atoms at one place give a zero vector: no direction, but no NaN either.
  theta = r > 0.0 ? std::acos(std::clamp(v.z / r, -1.0, 1.0)) : 0.0;
  const double x = v.x, y = v.y;
  if (x > 0.0 && y != 0.0) phi = std::atan(y / x);
  else if (x < 0.0 && y != 0.0) phi = std::atan(y / x) + Pi;
  else if (x == 0.0 && y > 0.0) phi = Pi * 0.5;
  else if (x == 0.0 && y < 0.0) phi = -Pi * 0.5;
  else if (x > 0.0) phi = 0.0;
  else phi = Pi;
}

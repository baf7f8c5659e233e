// Small value types that carry every coordinate, orientation and colour.
#pragma once

namespace GraphicHandler {

// RGBA colour; float components run from 0 to 1, unsigned char ones to 255.
template <typename T>
struct Color {
  T r{}, g{}, b{}, a{};
};

}  // namespace GraphicHandler

// A homogeneous point or vector, in angstroms where it is a coordinate.
template <typename T>
struct Position {
  T x{0}, y{0}, z{0}, w{1};
};

// A 4x4 matrix stored as OpenGL takes it (column by column): elements 12, 13
// and 14 are the translation.
template <typename T>
struct Transformation {
  T Element[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

Position<double> operator-(const Position<double>& a, const Position<double>& b);
Position<double> operator*(double s, const Position<double>& p);
Position<double> operator*(const Position<double>& p, double s);
double VectorLength(const Position<double>& v);
double Dot(const Position<double>& a, const Position<double>& b);
Position<double> Cross(const Position<double>& a, const Position<double>& b);

// Length, polar angle (from +z, 0..pi) and azimuth of v, in radians. The
// azimuth runs from -pi/2 to 3pi/2; a vector along z gets pi, a zero vector
// theta 0.
void CartesianToSpherical(const Position<double>& v, double& r, double& theta, double& phi);

inline constexpr double Pi = 3.141592653589793;

#include "Trackball.h"

#include <cmath>

namespace {

constexpr float kSphereSize = 0.8f;
int AddQuatsCalls = 0;
constexpr int kRenormalizeCount = 97;

}  // namespace

void VecZero(float v[3]) { v[0] = v[1] = v[2] = 0.0f; }

void VecSet(float v[3], float x, float y, float z) {
  v[0] = x;
  v[1] = y;
  v[2] = z;
}

void VecSub(const float a[3], const float b[3], float out[3]) {
  out[0] = a[0] - b[0];
  out[1] = a[1] - b[1];
  out[2] = a[2] - b[2];
}

void VecCopy(const float from[3], float to[3]) {
  for (int i = 0; i < 3; ++i) to[i] = from[i];
}

void VecCross(const float a[3], const float b[3], float out[3]) {
  float t[3];
  t[0] = a[1] * b[2] - a[2] * b[1];
  t[1] = a[2] * b[0] - a[0] * b[2];
  t[2] = a[0] * b[1] - a[1] * b[0];
  VecCopy(t, out);
}

float VecLength(const float v[3]) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

void VecScale(float v[3], float s) {
  v[0] *= s;
  v[1] *= s;
  v[2] *= s;
}

void VecNormalize(float v[3]) { VecScale(v, 1.0f / VecLength(v)); }

float VecDot(const float a[3], const float b[3]) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

void VecAdd(const float a[3], const float b[3], float out[3]) {
  out[0] = a[0] + b[0];
  out[1] = a[1] + b[1];
  out[2] = a[2] + b[2];
}

float ProjectToSphere(float r, float x, float y) {
  const float d = std::sqrt(x * x + y * y);
  if (d < r * 0.7071067811865476) return std::sqrt(r * r - d * d);
  const float t = static_cast<float>(r * 0.70710678118654752);
  return t * t / d;
}

void Trackball(float q[4], float p1x, float p1y, float p2x, float p2y) {
  // Points mapped through a window of zero size are not numbers: no turn.
  const bool finite = std::isfinite(p1x) && std::isfinite(p1y) && std::isfinite(p2x) &&
                      std::isfinite(p2y);
  if (!finite || (p1x == p2x && p1y == p2y)) {
    VecZero(q);
    q[3] = 1.0f;
    return;
  }
  float p1[3], p2[3], axis[3], d[3];
  VecSet(p1, p1x, p1y, ProjectToSphere(kSphereSize, p1x, p1y));
  VecSet(p2, p2x, p2y, ProjectToSphere(kSphereSize, p2x, p2y));
  VecCross(p2, p1, axis);
  VecSub(p1, p2, d);
  float t = VecLength(d) * 0.625f;
  if (t > 1.0f) t = 1.0f;
  AxisToQuat(axis, 2.0f * std::asin(t), q);
}

void AxisToQuat(float axis[3], float phi, float q[4]) {
  // Points parallel but unequal (at the seam of sphere and sheet) give no
  // axis; a NaN rotation would lose the scene for good, so turn nothing.
  if (VecLength(axis) == 0.0f) {
    VecZero(q);
    q[3] = 1.0f;
    return;
  }
  VecNormalize(axis);
  VecCopy(axis, q);
  VecScale(q, std::sin(phi * 0.5f));
  q[3] = std::cos(phi * 0.5f);
}

void AddQuats(const float q1[4], const float q2[4], float dest[4]) {
  float t1[3], t2[3], t3[3], sum[3];
  VecCopy(q1, t1);
  VecScale(t1, q2[3]);
  VecCopy(q2, t2);
  VecScale(t2, q1[3]);
  VecCross(q2, q1, t3);
  VecAdd(t1, t2, sum);
  VecAdd(t3, sum, sum);
  const float w = q1[3] * q2[3] - VecDot(q1, q2);
  VecCopy(sum, dest);
  dest[3] = w;
  if (++AddQuatsCalls > kRenormalizeCount) {
    AddQuatsCalls = 0;
    NormalizeQuat(dest);
  }
}

void NormalizeQuat(float q[4]) {
  const float m = q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3];
  for (int i = 0; i < 4; ++i) q[i] /= m;
}

void BuildRotMatrix(float m[16], const float q[4]) {
  const float x = q[0], y = q[1], z = q[2], w = q[3];
  m[0] = 1.0f - 2.0f * (y * y + z * z);
  m[1] = 2.0f * (x * y - z * w);
  m[2] = 2.0f * (z * x + y * w);
  m[3] = 0.0f;
  m[4] = 2.0f * (x * y + z * w);
  m[5] = 1.0f - 2.0f * (z * z + x * x);
  m[6] = 2.0f * (y * z - x * w);
  m[7] = 0.0f;
  m[8] = 2.0f * (z * x - y * w);
  m[9] = 2.0f * (y * z + x * w);
  m[10] = 1.0f - 2.0f * (y * y + x * x);
  m[11] = 0.0f;
  m[12] = m[13] = m[14] = 0.0f;
  m[15] = 1.0f;
}

void ResetAddQuatsCounter() { AddQuatsCalls = 0; }

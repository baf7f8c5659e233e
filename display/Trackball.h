// Virtual trackball: mouse drags as rotation quaternions (x, y, z, w) in
// single precision, and the matrix handed to glMultMatrixf.
#pragma once

void VecZero(float v[3]);
void VecSet(float v[3], float x, float y, float z);
void VecSub(const float a[3], const float b[3], float out[3]);
void VecCopy(const float from[3], float to[3]);
void VecCross(const float a[3], const float b[3], float out[3]);
float VecLength(const float v[3]);
void VecScale(float v[3], float s);
void VecNormalize(float v[3]);
float VecDot(const float a[3], const float b[3]);
void VecAdd(const float a[3], const float b[3], float out[3]);

// The rotation of a drag from (p1x, p1y) to (p2x, p2y), both in -1..1 with y up.
void Trackball(float q[4], float p1x, float p1y, float p2x, float p2y);
// Rotation by phi radians about `axis`, which is normalised in place.
void AxisToQuat(float axis[3], float phi, float q[4]);
// z of (x, y) on a sphere of radius r that turns into a hyperbolic sheet
// away from the centre.
float ProjectToSphere(float r, float x, float y);
// dest = q1 followed by q2; dest may be q1 or q2. Every 98th call since start
// (or since the last reset) renormalises the result.
void AddQuats(const float q1[4], const float q2[4], float dest[4]);
// Divides q by its squared norm.
void NormalizeQuat(float q[4]);
// m as 16 floats, element 4 x i + j being row i, column j.
void BuildRotMatrix(float m[16], const float q[4]);

// Sets the AddQuats call counter back to 0 (for tests).
void ResetAddQuatsCounter();

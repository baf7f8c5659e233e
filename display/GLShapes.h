// Unit shapes for the 3-D view, each tessellated once per resolution by GLU
// quadrics into a display list and from then on drawn by calling that list.
// Call only with the view's GL context current.
#pragma once

#include <cstdint>
#include <map>

// Resolution key -> display-list name; 0 means no list yet. Sphere, cylinder
// and cone are keyed by slices x 65535 + stacks, the disk by slices.
extern std::map<std::uint32_t, std::uint32_t> SphereLists;
extern std::map<std::uint32_t, std::uint32_t> CylinderLists;
extern std::map<std::uint32_t, std::uint32_t> ConeLists;
extern std::map<std::uint32_t, std::uint32_t> DiskLists;

// Radius 1 at the origin.
void DrawSphere(int slices, int stacks);
// Open tube of radius 1 along +z from 0 to 1.
void DrawCylinder(int slices, int stacks);
// Open cone along +z: base radius 1 at z = 0, tip at z = 2.
void DrawCone(int slices, int stacks);
// Disk of radius 1 in z = 0, facing +z.
void DrawDisk(int slices);
// Arrow along +z from 0 to length + 2 x radius: a capped shaft of `radius`
// and a capped head of twice that radius starting at length - 2 x radius.
void DrawArrow(double radius, double length, int slices, int stacks);

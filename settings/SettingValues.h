// What the settings dialog computes without a window: the drawing
// resolutions, the element box's items, the places of the
// periodic-table panels and the reading of its edits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Tessellation of atoms and bonds for one position of the resolution bar.
struct Tessellation {
  std::int32_t SphereSlices = 18;
  std::int32_t SphereStacks = 9;
  std::int32_t CylinderSlices = 8;
  std::int32_t CylinderStacks = 4;
};

inline constexpr int LowestResolution = -2;
inline constexpr int HighestResolution = 2;
// The row for a bar position; a position beyond either end takes that end.
Tessellation ResolutionRow(int position);

// Elements 1 .. LastElementNumber have panels; 0 is the dummy atom.
inline constexpr std::uint32_t LastElementNumber = 109;
// The element box's item: "dummy atom" for 0, "6  C", "100 Fm".
std::string ElementItemText(std::uint32_t number, const std::string& symbol);
// The number the box's text begins with, read as a C int; no digits give 0
// and a negative number lands far above the table, as in an unsigned value.
std::uint32_t ElementNumberFromText(std::string_view text);

// Top left corner of an element's panel in the periodic table (18 columns,
// lanthanides and actinides in two rows below); false for numbers without
// a panel.
struct PanelPlace {
  int Left = 0;
  int Top = 0;
};
bool PanelPlaceOf(std::uint32_t number, PanelPlace& place);
inline constexpr int PanelWidth = 19;
inline constexpr int PanelHeight = 24;

// A number of an edit kept in single precision: text that is not a number,
// and a number that a float cannot hold, read as 0.
float ReadFloatSetting(std::string_view text);
// The time step: not above 0 (or not a number) becomes 0.01 fs.
long double ReadTimeStep(std::string_view text);
// A size in pixels for images and the view window, from 1 to MaxImageSide:
// a capture or window of no pixels, or of more than the GL can draw into,
// would fail later where no one can tell why.
inline constexpr int MaxImageSide = 8192;
int ReadImageSide(std::string_view text);
// Images per vibration period: at least 1, since the period is divided by it.
int ReadFramesPerPeriod(std::string_view text);
// An element radius in pm to store, or 0 for text that stores nothing: no
// number, 0, a negative radius (the bonding test squares the sum of two
// radii, so negative ones would bond distant atoms) or one a float cannot
// hold.
double ReadElementRadius(std::string_view text);

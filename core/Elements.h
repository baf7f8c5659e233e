// The periodic table of the program: symbols, bonding and van der Waals radii
// (picometres) and display colours by atomic number. Atomic number 0 is the
// dummy atom. Every instance starts from the same literal rows.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "Geometry.h"

class Elements {
 public:
  Elements();

  std::map<std::string, std::uint32_t> SymbolToNumber;  // "" and H..Lr only
  std::map<std::uint32_t, std::string> NumberToSymbol;
  std::map<std::uint32_t, double> Radii;
  std::map<std::uint32_t, double> VdwRadii;  // fourteen elements only
  std::map<std::uint32_t, GraphicHandler::Color<float>> Colors;
};

// The fixed table through which the readers and the Gaussian-input writer
// turn labels into atomic numbers and back; nothing edits it.
extern const Elements ElementTable;
// The table the settings dialog edits; every new display model copies it.
extern Elements DefaultElements;

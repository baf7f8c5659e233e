// The display model: one molecule in three dimensions, with its atoms, bonds
// and normal modes, how it is drawn, and its own copy of the element table.
// Plain C++; the drawing members issue GL calls into the current context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/Elements.h"
#include "core/Geometry.h"

enum ModelTypeCode : std::int32_t {
  SPACE_FILLING = 100,
  BALL_AND_STICK = 101,
  BALL_AND_STICK_COLORED = 102,
  STICK = 103,
  STICK_COLORED = 104,
  WIRE = 107,
  WIRE_COLORED = 108,
};

// Which parts a model type draws (and exports): spheres for the atoms,
// cylinders or lines for the bonds.
inline bool HasAtomModel(std::int32_t type) { return type >= SPACE_FILLING && type <= STICK_COLORED; }
inline bool HasCylinderBonds(std::int32_t type) { return type >= BALL_AND_STICK && type <= STICK_COLORED; }
inline bool HasLineBonds(std::int32_t type) { return type == WIRE || type == WIRE_COLORED; }

// Positions are qualified with :: inside the records below: their members
// named Position would otherwise change what the name means in the class.
struct Atom {
  std::uint32_t AtomicNumber = 0;      // 0: dummy atom
  ::Position<double> BasePosition;     // equilibrium
  ::Position<double> Position;         // drawn: equilibrium plus vibration
  std::int32_t Id = 0;                 // the file's atom id; GL name of its sphere
  std::uint32_t ColorKey = 0;          // 0: element colour, else key into AtomColors
  std::uint32_t RadiusKey = 0;         // 0: element radius, else key into AtomRadii
};

// Ends of a bond as places in the owning model's Atoms: they stay valid when
// the vector grows, and a copy of the model re-points them at its own atoms.
struct Bond {
  std::size_t Atom1 = 0;
  std::size_t Atom2 = 0;
};

struct NormalMode {
  std::int32_t ModeNumber = 0;
  double Frequency = 0.0;  // cm-1
  // Displacement of each moving atom, keyed by its place in Atoms.
  std::map<std::size_t, ::Position<double>> Displacements;
  bool Animate = false;
  long double Phase = 0;  // radians, never reduced
};

class MolGL {
 public:
  MolGL();
  MolGL(const MolGL& source);
  MolGL& operator=(const MolGL& source);
  ~MolGL() = default;

  std::string Name;
  ::Position<double> Position;
  Transformation<double> RotMatrix;
  std::int32_t ModelType = BALL_AND_STICK;
  std::vector<Atom> Atoms;
  std::vector<Bond> Bonds;
  std::vector<NormalMode> Modes;
  bool ShowMolecule = true;
  bool ShowDummyAtoms = true;
  double ScalingFactor = 1.0;
  long double LastUpdateTime = 0;  // fs
  double NMMagnitude = 1.0;
  GraphicHandler::Color<float> BondColor{0.75f, 0.75f, 0.75f, 1.0f};
  float BondRadius = 0.12f;
  float BallScale = 0.6f;
  float SpaceFillingScale = 2.0f;
  Elements ElementData;
  std::map<std::uint32_t, GraphicHandler::Color<float>> AtomColors;
  std::map<std::uint32_t, double> AtomRadii;
  std::int32_t SphereSlices = 18;
  std::int32_t SphereStacks = 9;
  std::int32_t CylinderSlices = 8;
  std::int32_t CylinderStacks = 4;
  NormalMode ExportMode;
  std::int32_t ExportIndex = 0;  // assigned by the Metasequoia export before use
  std::map<std::int32_t, std::uint32_t> MaterialIndex;

  // The first atom with this id, or Atoms.end().
  std::vector<Atom>::iterator FindAtom(std::int32_t id);
  std::vector<Atom>::const_iterator FindAtom(std::int32_t id) const;
  // Appends a bond between the first atoms carrying these ids; nothing when
  // either is missing. Self-bonds and repeated bonds are allowed.
  void AddBond(std::int32_t id1, std::int32_t id2);
  void AddBond(const Atom& a, const Atom& b);
  // Bonds every pair closer than 1.2 times the sum of their element radii,
  // keeping the bonds already present. An atom takes at most its 16 nearest
  // such partners (the earlier atom first among equally near ones), and a
  // pair bonds only when each is among the other's.
  void AutoBond();

  // Drawing into the current GL context.
  void Draw() const;
  void DrawAtoms() const;
  void DrawAtom(const Atom& atom) const;
  void DrawBonds() const;
  void DrawBondCylinders(const Bond& bond) const;
  void DrawBondLines(const Bond& bond) const;
  void DrawNormalModeArrows(int modeNumber, float lengthScale, float radius) const;

  // POV-Ray scene objects, appended to `lines`. Atoms and bonds move with
  // POV-Ray's clock when ExportMode is flagged Animate.
  void WritePovRay(std::vector<std::string>& lines) const;
  void WritePovRayAtoms(std::vector<std::string>& lines) const;
  void WritePovRayAtom(std::size_t place, std::vector<std::string>& lines) const;  // Atoms[place]
  void WritePovRayBonds(std::vector<std::string>& lines) const;
  void WritePovRayBond(const Bond& bond, std::vector<std::string>& lines) const;
  void WritePovRayWireBond(const Bond& bond, std::vector<std::string>& lines) const;
  void WritePovRayNormalMode(int modeNumber, float lengthScale, float radius, std::vector<std::string>& lines) const;

  // Metasequoia mesh objects, appended to `lines`; they read ExportIndex and
  // MaterialIndex, which the document builder sets first.
  void WriteMqo(std::vector<std::string>& lines) const;
  void WriteMqoAtoms(std::vector<std::string>& lines) const;
  void WriteMqoAtom(const Atom& atom, std::vector<std::string>& lines) const;
  void WriteMqoBonds(std::vector<std::string>& lines) const;
  void WriteMqoBond(const Bond& bond, std::vector<std::string>& lines) const;
  void WriteMqoWireBond(const Bond& bond, std::vector<std::string>& lines) const;
  void WriteMqoNormalMode(int modeNumber, float lengthScale, float radius, std::vector<std::string>& lines) const;

  // Vibration: advance the switched-on modes to `time` (fs) and move the
  // atoms; or move them for the phases as they stand.
  void Update(long double time);
  void ApplyModePhases();

 private:
  void CopyFrom(const MolGL& source);
};

// The atom's own colour: its override when it has a ColorKey, else its
// element's; a missing entry reads as (0, 0, 0, 0).
GraphicHandler::Color<float> AtomColorLookup(const MolGL& model, const Atom& atom);
// The atom's own radius in angstroms: its override when it has a RadiusKey,
// else its element's radius x 0.01; a missing entry reads as 0.
double AtomBaseRadius(const MolGL& model, const Atom& atom);
// The colour and radius an atom is drawn with in the model's current type.
GraphicHandler::Color<float> AtomDrawColor(const MolGL& model, const Atom& atom);
float AtomDrawRadius(const MolGL& model, const Atom& atom);

Position<double> operator+(const Position<double>& a, const Position<double>& b);
Position<double> operator/(const Position<double>& p, int divisor);

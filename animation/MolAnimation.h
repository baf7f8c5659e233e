// One animation project: the molecules and particles an animation file
// declares, and its frames keyed by time in femtoseconds. The console owns
// one; the view plays and draws it in animation mode.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/Elements.h"
#include "core/Geometry.h"

class MolFile;
class MolGL;

class MolAnimation {
 public:
  // Placement of a loaded molecule in one frame.
  struct MolFileData {
    ::Position<float> Position;
    Transformation<float> Orientation;
    std::int32_t FreqKey = 0;
  };

  // A normal-mode entry of a frame (%FREQ).
  struct NMPair {
    std::int32_t Mode = 0;
    float Frequency = 0;  // cm-1
    float Amplitude = 1.0f;
  };

  struct Particle {
    Particle(std::int32_t element, float x, float y, float z, float w);

    std::int32_t Element;  // atomic number, key into ParticleElements
    ::Position<float> Position;
  };

  struct MolFrame {
    std::multimap<std::uint32_t, MolFileData> Molecules;
    std::multimap<std::uint32_t, std::vector<Particle>> Particles;
    std::map<std::uint32_t, NMPair> Freqs;
    std::map<std::uint32_t, float> Dipoles;
    Transformation<float> Rotation;
  };

  // One text overlay: Prefix + number + Unit + Postfix.
  struct TextData {
    std::string Unit;
    std::string Prefix;
    std::string Postfix;
    ::Position<float> Position;
    GraphicHandler::Color<unsigned char> Color;
  };

  // Not owned: the console's molecules and the view's display models.
  std::vector<MolFile>* MolFiles = nullptr;
  std::vector<MolGL>* MolGLs = nullptr;
  bool DataMode = false;
  bool FrameDirty = false;
  long double FrameTime = 0;  // fs
  MolFrame WorkFrame;
  std::string Title;
  std::string FileName;
  GraphicHandler::Color<float> BondColor{0.75f, 0.75f, 0.75f, 1.0f};
  double TimeStep = 0;  // fs
  std::map<long double, MolFrame> Frames;
  std::map<std::uint32_t, std::int32_t> FileIndex;  // -1: the file could not be loaded
  std::map<std::uint32_t, std::string> FileNames;
  std::map<std::uint32_t, std::uint32_t> AtomCounts;
  std::map<std::uint32_t, std::multimap<std::uint32_t, std::uint32_t>> Bonds;
  std::map<std::uint32_t, std::uint32_t> ModelTypes;
  std::map<std::uint32_t, float> SphereScales;
  std::map<std::uint32_t, float> StickRadii;
  Elements ParticleElements;
  Elements AtomElements;
  bool ShowTime = false;
  TextData TimeText;
  std::map<std::uint32_t, TextData> DipoleTexts;
  std::map<std::uint32_t, TextData> FreqTexts;
  std::int32_t SphereSlices = 18;
  std::int32_t SphereStacks = 9;
  std::int32_t CylinderSlices = 8;
  std::int32_t CylinderStacks = 4;
  std::map<std::uint32_t, long double> ModePhases;  // radians, per %FREQ key
  // The time of the frame shown; held as a key so that it never refers into
  // a map that has been emptied or into another project's map.
  std::optional<long double> CurrentFrame;

  // Empties the project for the next load; keeps MolFiles, MolGLs and the
  // tessellation.
  void Clear();

  // Reads an animation file into the project; call Clear first. The molecule
  // files it names are appended to MolFiles and MolGLs, relative names
  // looked up in the animation file's folder. False only when the file
  // cannot be opened; nothing in it is ever reported.
  [[nodiscard]] bool Load(const std::string& path);
  // Where a molecule file that the project names is read from: beside the
  // animation file, unless the name is absolute.
  std::string MoleculeFilePath(const std::string& name) const;
  // Splits one statement into tokens at blanks and tabs; quotes (either
  // kind) keep blanks and bytes above 0x7E, which are dropped outside them.
  static void Tokenize(std::string_view statement, std::vector<std::string>& tokens);
  // One statement: a data row, a keyword, and the end of a frame.
  void ParseLine(const std::vector<std::string>& tokens);

  // The frame shown, or null when there is none.
  const MolFrame* Current() const;

  // Times of the first and the last frame; none without frames.
  std::optional<long double> First() const;
  std::optional<long double> Last() const;
  // Makes the frame that belongs to the clock `time` current and advances
  // the phase of every %FREQ key by `step` fs of vibration.
  void Advance(long double time, double step);
  // One frame on or back, resting on the last or the first; the result is
  // the time of the frame then current, none without frames.
  std::optional<long double> ForwardOneFrame();
  std::optional<long double> ReverseOneFrame();

  // Drawing into the current GL context, in animation mode.
  void Draw(long double time, double step);
  void DrawTexts() const;

  // One overlay as DrawTexts writes it: its record and its text,
  // Prefix + number + Unit + Postfix.
  struct Overlay {
    const TextData* Text;
    std::string Bytes;
  };
  // The overlays of the current frame in drawing order (time, dipoles,
  // frequencies); none without a frame.
  std::vector<Overlay> Overlays() const;

 private:
  using Tokens = std::vector<std::string>;

  // Empties the frames, the tables of ids and the reading state; what Load
  // and Clear both reset.
  void ResetFrames();

  // Frame statements and data rows.
  void ReadTimeStep(const Tokens& tokens);
  void ReadTime(const Tokens& tokens);
  void ReadData(const Tokens& tokens);
  void ReadFreq(const Tokens& tokens);
  void ReadDipole(const Tokens& tokens);
  void ReadRotation(const Tokens& tokens);
  void ReadDataRow(const Tokens& tokens);
  void ReadCoordinateRow(const Tokens& tokens);
  void ReadViewRow(const Tokens& tokens);
  void StoreFrame();
  // %SHOW.
  void ReadShow(const Tokens& tokens);
  static void ParseTextColor(TextData& text, std::string_view token);
  // Molecule statements.
  void ReadFile(const Tokens& tokens);
  void ReadMol(const Tokens& tokens);
  void ReadBond(const Tokens& tokens);
  void ReadColor(const Tokens& tokens);
  void ReadAtomColor(const Tokens& tokens);
  void ReadAtomRadius(const Tokens& tokens);
  void ReadModelType(const Tokens& tokens);
  void ReadBondBits(std::uint32_t id, std::uint32_t count, std::string_view bits);

  void DrawParticles(const MolFrame& frame) const;
  void DrawMolecules(const MolFrame& frame);
  void DrawParticleSphere(const Particle& p, std::uint32_t id) const;
  void DrawParticleBond(const Particle& a, const Particle& b, std::uint32_t id) const;
};

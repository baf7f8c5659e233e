#include "MolAnimation.h"

MolAnimation::Particle::Particle(std::int32_t element, float x, float y, float z, float w)
    : Element(element), Position{x, y, z, w} {}

void MolAnimation::ResetFrames() {
  Frames.clear();
  CurrentFrame.reset();  // it named a frame of the map just emptied
  FileIndex.clear();
  FileNames.clear();
  AtomCounts.clear();
  Bonds.clear();
  ModelTypes.clear();
  SphereScales.clear();
  StickRadii.clear();
  ModePhases.clear();
  WorkFrame = MolFrame();
  DataMode = false;
  FrameDirty = false;
  FrameTime = 0;
}

void MolAnimation::Clear() {
  ResetFrames();
  Title.clear();
  FileName.clear();
  BondColor.r = BondColor.g = BondColor.b = 0.75f;
  TimeStep = 0;
  // Colours and radii that the last project set are forgotten.
  ParticleElements = Elements();
  AtomElements = Elements();
  // A project that does not ask for the time text must not inherit it.
  ShowTime = false;
  TimeText.Unit.clear();
  TimeText.Prefix.clear();
  TimeText.Postfix.clear();
  TimeText.Position.x = TimeText.Position.y = TimeText.Position.z = 0;
  TimeText.Color = {1, 1, 1, 1};
  DipoleTexts.clear();
  FreqTexts.clear();
}

const MolAnimation::MolFrame* MolAnimation::Current() const {
  if (!CurrentFrame) return nullptr;
  const auto frame = Frames.find(*CurrentFrame);
  return frame == Frames.end() ? nullptr : &frame->second;
}

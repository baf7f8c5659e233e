// Whole POV-Ray scene files and Metasequoia documents, built as lines (no
// line ends) from the view's display models and the console's choices.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "MolGL.h"

struct SceneExportChoice {
  // The console's selected display model, an element of the models given,
  // or null.
  MolGL* Selected = nullptr;
  bool ShowOnlySelected = true;
  // The number of the mode selected in the console's list, if a row is selected.
  std::optional<std::int32_t> SelectedMode;
  bool ShowModeArrows = false;
  float ArrowMagnitude = 1.0f;
  float ArrowRadius = 0.5f;  // times the selected model's bond radius
};

// The display models a scene holds: all of them, or only the selected one.
std::vector<MolGL*> ExportedModels(std::vector<MolGL>& models, const SceneExportChoice& choice);

// With `animateMode`, the selected model vibrates in the selected mode through
// POV-Ray's clock; the others are static. Sets each written model's ExportMode.
std::vector<std::string> BuildPovRayScene(std::vector<MolGL>& models, const SceneExportChoice& choice,
                                          bool animateMode, float cameraDistance, const float backgroundColor[4],
                                          const float rotation[4]);

// The materials take the selected model's colours; no lines without one.
// Sets every model's ExportIndex and MaterialIndex.
std::vector<std::string> BuildMqoDocument(std::vector<MolGL>& models, const SceneExportChoice& choice,
                                          float cameraDistance);

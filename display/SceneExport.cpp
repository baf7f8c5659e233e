#include "SceneExport.h"

#include "ExportLines.h"
#include "PovRayParts.h"
#include "Trackball.h"

namespace {

// The arrows of the selected mode, as the view draws them.
bool WantsArrows(const SceneExportChoice& choice) {
  return choice.Selected && choice.ShowModeArrows && choice.SelectedMode;
}

float ArrowShaftRadius(const SceneExportChoice& choice) {
  return choice.Selected->BondRadius * choice.ArrowRadius;
}

void AppendMaterial(std::vector<std::string>& lines, const std::string& name,
                    const GraphicHandler::Color<float>& color) {
  ExportLine line;
  line << "\t\"" << name << "\" col(";
  line.Fixed(color.r, 3) << " ";
  line.Fixed(color.g, 3) << " ";
  line.Fixed(color.b, 3) << " 1.000)  dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)";
  lines.push_back(line.Text);
}

}  // namespace

std::vector<MolGL*> ExportedModels(std::vector<MolGL>& models, const SceneExportChoice& choice) {
  if (choice.ShowOnlySelected && choice.Selected) return {choice.Selected};
  std::vector<MolGL*> taken;
  taken.reserve(models.size());
  for (MolGL& model : models) taken.push_back(&model);
  return taken;
}

std::vector<std::string> BuildPovRayScene(std::vector<MolGL>& models, const SceneExportChoice& choice,
                                          bool animateMode, float cameraDistance, const float backgroundColor[4],
                                          const float rotation[4]) {
  std::vector<std::string> lines;
  ExportLine camera;
  camera << "camera { orthographic location <0.0, 0.0, ";
  camera.Fixed(cameraDistance) << "> look_at <0, 0, 0> right <-1.33, 0, 0> angle 40 }";
  lines.push_back(camera.Text);
  lines.emplace_back("light_source {<-400, 400, 1000> color rgb <1.0, 1.0, 1.0> parallel point_at <0,0,0> }");
  ExportLine background;
  background << "background { color rgb <";
  background.Fixed(backgroundColor[0]) << ", ";
  background.Fixed(backgroundColor[1]) << ", ";
  background.Fixed(backgroundColor[2]) << "> }";
  lines.push_back(background.Text);
  lines.emplace_back("union{");

  const bool modeExport = animateMode && choice.SelectedMode.has_value();
  for (MolGL* model : ExportedModels(models, choice)) {
    model->ExportMode.Animate = false;
    if (modeExport && model == choice.Selected) {
      for (const NormalMode& mode : model->Modes) {
        if (mode.ModeNumber != *choice.SelectedMode) continue;
        model->ExportMode = mode;
        model->ExportMode.Animate = true;
      }
    }
    model->WritePovRay(lines);
  }
  if (WantsArrows(choice))
    choice.Selected->WritePovRayNormalMode(*choice.SelectedMode, choice.ArrowMagnitude, ArrowShaftRadius(choice),
                                           lines);

  float m[16];
  BuildRotMatrix(m, rotation);
  double trackball[16];
  for (int i = 0; i < 16; ++i) trackball[i] = m[i];
  lines.push_back(PovRayMatrixLine(trackball));
  lines.emplace_back("}");
  return lines;
}

std::vector<std::string> BuildMqoDocument(std::vector<MolGL>& models, const SceneExportChoice& choice,
                                          float cameraDistance) {
  if (!choice.Selected) return {};
  std::vector<std::string> lines = {"Metasequoia Document", "Format Text Ver 1.0", "", "Scene {"};
  ExportLine position;
  position << "\tpos 0.0000 0.0000 ";
  position.Fixed(cameraDistance);
  lines.push_back(position.Text);
  lines.insert(lines.end(), {"\tlookat 0.0000 0.0000 0.0000", "\thead -0.5236", "\tpich 0.5236", "\tortho 0",
                             "\tzoom2 20.0000", "\tamb 0.250 0.250 0.250", "}"});

  std::map<std::int32_t, std::uint32_t> materials;
  for (const MolGL& model : models) {
    for (const Atom& atom : model.Atoms) materials[static_cast<std::int32_t>(atom.AtomicNumber)] = 0;
  }
  ExportLine count;
  count << "Material ";
  count.Int(static_cast<std::int64_t>(materials.size()) + 2) << " {";
  lines.push_back(count.Text);
  lines.emplace_back(
      "\t\"arrow\" col(1.000 0.000 0.000 1.000) dif(0.800) amb(0.600) emi(0.000) spc(0.000) power(5.00)");
  AppendMaterial(lines, "bond", choice.Selected->BondColor);
  const auto& colors = choice.Selected->ElementData.Colors;
  std::uint32_t index = 2;
  for (auto& [atomicNumber, material] : materials) {
    material = index++;
    ExportLine name;
    name << "col";
    name.Int(material) << "-";
    name.Int(atomicNumber);
    const auto color = colors.find(static_cast<std::uint32_t>(atomicNumber));
    AppendMaterial(lines, name.Text, color == colors.end() ? GraphicHandler::Color<float>{} : color->second);
  }
  lines.emplace_back("}");

  for (std::size_t i = 0; i < models.size(); ++i) {
    models[i].MaterialIndex = materials;
    models[i].ExportIndex = static_cast<std::int32_t>(i);
  }
  for (const MolGL* model : ExportedModels(models, choice)) model->WriteMqo(lines);
  if (WantsArrows(choice))
    choice.Selected->WriteMqoNormalMode(*choice.SelectedMode, choice.ArrowMagnitude, ArrowShaftRadius(choice), lines);
  lines.emplace_back("Eof");
  return lines;
}

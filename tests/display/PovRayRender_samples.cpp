// A written scene, animated and with arrows, as POV-Ray itself parses and
// renders it (skipped where POV-Ray is not installed).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "TestModels.h"
#include "display/SceneExport.h"

TEST(PovRayRender, WrittenSceneRenders) {
  if (std::system("command -v povray >/dev/null 2>&1") != 0) GTEST_SKIP() << "povray is not installed";
  std::vector<MolGL> models = {BentWater(), BentWater()};
  models[1].ModelType = WIRE_COLORED;
  // An arrow as long as its shaft's radius: the cone alone.
  models[0].Modes[0].Displacements[1] = {0.0, 0.06, 0.0, 1.0};
  models[1].Position = {3.0, 0.0, 0.0, 1.0};
  SceneExportChoice choice;
  choice.Selected = &models[0];
  choice.ShowOnlySelected = false;
  choice.SelectedMode = 7;
  choice.ShowModeArrows = true;
  const float background[4] = {0.4f, 0.6f, 0.9f, 1.0f};
  const float rotation[4] = {0.1f, 0.2f, 0.0f, 0.97f};

  // A folder of its own, so that runs side by side do not render each other's scene.
  std::string pattern = (std::filesystem::temp_directory_path() / "quivera-povray-XXXXXX").string();
  ASSERT_NE(mkdtemp(pattern.data()), nullptr);
  const std::filesystem::path folder = pattern;
  {
    std::ofstream scene(folder / "scene.pov", std::ios::binary);
    for (const std::string& line : BuildPovRayScene(models, choice, true, 20.0f, background, rotation))
      scene << line << '\n';
  }
  const std::string image = (folder / "scene.png").string();
  const std::string command = "povray +I" + (folder / "scene.pov").string() + " +O" + image +
                              " +W64 +H48 -D +K0.25 >" + (folder / "log.txt").string() + " 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0) << "see " << (folder / "log.txt").string();
  EXPECT_TRUE(std::filesystem::exists(image));
  if (HasFailure()) return;  // the scene and the log stay for a look
  std::error_code ignored;
  std::filesystem::remove_all(folder, ignored);
}

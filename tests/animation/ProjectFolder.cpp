#include "ProjectFolder.h"

#include <fstream>
#include <random>

const char* const TwoAtomInput =
    "# HF/3-21G\n\ncarbon monoxide\n\n0 1\nC 0.0 0.0 0.0\nO 0.0 0.0 1.13\n\n";

ProjectFolder::ProjectFolder() {
  std::random_device seed;
  Root = std::filesystem::temp_directory_path() / ("quivera-animation-" + std::to_string(seed()));
  std::filesystem::create_directories(Root);
}

ProjectFolder::~ProjectFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(Root, ignored);
}

std::string ProjectFolder::Write(const std::string& name, const std::string& text) const {
  const std::filesystem::path path = Root / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

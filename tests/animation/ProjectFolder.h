// A temporary folder for animation files and the molecule files they name.
#pragma once

#include <filesystem>
#include <string>

class ProjectFolder {
 public:
  ProjectFolder();
  ~ProjectFolder();
  ProjectFolder(const ProjectFolder&) = delete;
  ProjectFolder& operator=(const ProjectFolder&) = delete;

  // Writes `text` byte for byte to `name` in the folder; returns its path.
  std::string Write(const std::string& name, const std::string& text) const;
  std::string PathOf(const std::string& name) const { return (Root / name).string(); }

  std::filesystem::path Root;
};

// A Cartesian Gaussian input of two atoms, C and O.
extern const char* const TwoAtomInput;

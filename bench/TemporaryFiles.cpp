#include "TemporaryFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string>& Made() {
  static std::vector<std::string> paths;
  return paths;
}

void RemoveMade() {
  for (const std::string& path : Made()) std::remove(path.c_str());
}

}  // namespace

std::string NewTemporaryFile(const std::string& suffix) {
  std::string name = (std::filesystem::temp_directory_path() / "quivera-bench-XXXXXX").string() + suffix;
  const int fd = mkstemps(name.data(), static_cast<int>(suffix.size()));
  if (fd < 0) return std::string();
  close(fd);
  // Registered after the list exists, so the removal runs before it goes.
  if (Made().empty()) std::atexit(RemoveMade);
  Made().push_back(name);
  return name;
}

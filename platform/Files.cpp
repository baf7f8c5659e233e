#include "Files.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsReadableFile(const std::string& path, std::string* reason) {
  struct stat info {};
  std::string why;
  if (stat(path.c_str(), &info) != 0)
    why = std::strerror(errno);
  else if (!S_ISREG(info.st_mode))
    why = NotRegularFileReason(info.st_mode);
  else if (access(path.c_str(), R_OK) != 0)
    why = std::strerror(errno);
  else
    return true;
  if (reason) *reason = std::move(why);
  return false;
}

std::string NotRegularFileReason(mode_t mode) {
  return S_ISDIR(mode) ? std::strerror(EISDIR) : "Not a regular file";
}

#include "FileNames.h"

namespace {

std::size_t NameStart(std::string_view path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string_view::npos ? 0 : slash + 1;
}

}  // namespace

std::string ExtractFileExt(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot));
}

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFileDir(std::string_view path) {
  const std::size_t start = NameStart(path);
  if (start == 0) return std::string();
  if (start == 1) return "/";
  return std::string(path.substr(0, start - 1));
}

std::string ExtractFilePath(std::string_view path) { return std::string(path.substr(0, NameStart(path))); }

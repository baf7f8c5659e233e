// Parts of a file name, on '/'-separated paths. The extension is taken from
// the last dot of the last path component only, dot included.
#pragma once

#include <string>
#include <string_view>

std::string ExtractFileExt(std::string_view path);
std::string ExtractFileName(std::string_view path);
// The folder without a trailing separator ("/" stays "/").
std::string ExtractFileDir(std::string_view path);
// The folder with its trailing separator ("" when there is no folder part).
std::string ExtractFilePath(std::string_view path);

// Only regular files hold text to read: a directory opens as a stream on
// Linux, and a FIFO or a device could block or never end.
#pragma once

#include <sys/types.h>

#include <string>

bool IsRegularFile(const std::string& path);

// A regular file this process may read. When not, `reason`, when given, gets
// the system's words for why ("No such file or directory", "Is a directory",
// "Not a regular file", "Permission denied").
bool IsReadableFile(const std::string& path, std::string* reason = nullptr);

// The words for a path that is there but is no regular file, by its mode.
std::string NotRegularFileReason(mode_t mode);

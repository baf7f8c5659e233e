// Only regular files hold text to read: a directory opens as a stream on
// Linux, and a FIFO or a device could block or never end.
#pragma once

#include <string>

bool IsRegularFile(const std::string& path);

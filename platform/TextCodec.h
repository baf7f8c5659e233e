// Model data and file lines are byte strings in code page 932; the user
// interface works in UTF-8 (QString::fromUtf8). These two functions are the
// only place the two meet. File names are the system's and never pass here.
#pragma once

#include <string>
#include <string_view>

// Bytes that do not decode become U+FFFD.
std::string Cp932ToUtf8(std::string_view bytes);
// Characters that code page 932 cannot hold become '?'.
std::string Utf8ToCp932(std::string_view utf8);

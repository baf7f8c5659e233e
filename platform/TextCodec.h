// Model data and file lines are byte strings in code page 932; the user
// interface works in UTF-8 (QString::fromUtf8). These two functions are the
// only place the two meet. File names are the system's and never pass here.
//
// Decoding then encoding gives back every byte string exactly, so that text
// shown and taken back unedited keeps bytes that are not code page 932 (a
// Latin-1 or UTF-8 letter, a stray lead byte): each byte that does not start
// a character decodes to the private-use character U+F700 + byte, which
// encodes back to that byte. So does a pair of the few that code page 932
// holds twice, where it is not the pair the character encodes to.
#pragma once

#include <string>
#include <string_view>

std::string Cp932ToUtf8(std::string_view bytes);
// The same characters as UTF-16 into `utf16`, which has room for
// bytes.size() units (no byte gives more than one); returns the units written.
// A long text goes into a QString's own storage with no copy between.
std::size_t Cp932ToUtf16(std::string_view bytes, char16_t* utf16);
// Characters that code page 932 cannot hold, and bytes that are not UTF-8,
// become '?'.
std::string Utf8ToCp932(std::string_view utf8);

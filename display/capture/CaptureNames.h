// File names and clock figures of the captures, apart from any window.
#pragma once

#include <string>

// `chosen` with `extension` (".bmp", ".jpg", ".avi") appended unless its own
// extension is exactly that or its upper-case form: a.Jpg becomes a.Jpg.jpg.
std::string WithExtension(const std::string& chosen, const std::string& extension);

// `name` less its extension (from the last dot of its last component).
std::string WithoutExtension(const std::string& name);

// The file of a series image: the prefix, the image number (the clock in
// steps, rounded) in at least five digits, and ".jpg" or ".bmp".
std::string SeriesFileName(const std::string& prefix, long double time, long double step, bool jpeg);

// The clock step that divides one period of a mode of `frequency` cm-1 into
// `framesPerPeriod` images, in fs. Not finite for a frequency of 0.
long double NormalModeTimeStep(double frequency, int framesPerPeriod);

// The results of a frequency calculation as comma-separated text.
#pragma once

#include <string>

struct NormalModes;

// The header line and one line per mode of the file tables, each ended by
// CR LF. Frequencies are scaled by `scalingFactor`, the other columns are
// written as read; numbers in fixed notation with four decimals, symmetry
// labels as stored (code page 932, unquoted). A table the job did not print
// (Raman activities of an IR-only job) and a value not known give empty
// cells; the rows are those present in every table that has entries.
std::string VibrationCsvText(const NormalModes& modes, double scalingFactor);

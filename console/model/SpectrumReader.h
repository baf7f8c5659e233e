// A measured spectrum, read to be drawn over the computed stick spectrum:
// two-column text, or JCAMP-DX with uncompressed (AFFN) X++(Y..Y) data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct SpectrumPoint {
  double X = 0.0;
  double Y = 0.0;
};

// The open dialog's filter index chooses the format, not the file's extension.
enum class SpectrumFormat { TwoColumns = 1, Jcamp = 2 };

// Points in file order. Never fails: lines that do not fit are skipped and
// tokens that are not numbers read as 0. Values pass through single
// precision, so a huge number comes out infinite; drawing skips those.
std::vector<SpectrumPoint> ReadSpectrum(std::string_view text, SpectrumFormat format);

// False, with `points` left empty, when the file cannot be read.
bool LoadSpectrumFile(const std::string& path, SpectrumFormat format,
                      std::vector<SpectrumPoint>& points);

// Arbitrary bytes as a measured spectrum: the first byte picks the format
// (even: two columns, odd: JCAMP-DX), as the road target's first byte picks
// the file type; the rest is the file's text. Reading must not crash, hang or
// grow without bound. A reading has points or a reason for having none, never
// both, and no more points than the text has bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "console/model/SpectrumReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const SpectrumFormat format = data[0] % 2 == 0 ? SpectrumFormat::TwoColumns : SpectrumFormat::Jcamp;
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
  const SpectrumReading reading = ReadSpectrum(text, format);
  if (reading.Points.empty() != (reading.Gap != SpectrumGap::None)) std::abort();
  if (reading.Points.size() > text.size()) std::abort();
  return 0;
}

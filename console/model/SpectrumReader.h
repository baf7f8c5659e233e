// A measured spectrum, read to be drawn over the computed stick spectrum:
// two-column text, or JCAMP-DX with uncompressed (AFFN) X++(Y..Y) data.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// Values are held in single precision, as they are read.
struct SpectrumPoint {
  float X = 0.0f;
  float Y = 0.0f;
};

// The open dialog's filter index chooses the format, not the file's extension.
enum class SpectrumFormat { TwoColumns = 1, Jcamp = 2 };

// Why a file gave no points, so that the user can be told.
enum class SpectrumGap {
  None,
  NoData,          // nothing in it reads as a point
  CompressedData,  // JCAMP-DX data written as SQZ, DIF or DUP
  OtherTable,      // only JCAMP-DX tables of a form not read: (XY..XY), a peak table, NTUPLES
  NotANumber,      // a JCAMP-DX label that the reader uses has a value that is not one number
  NoWavenumber,    // a JCAMP-DX spectrum in micrometres with an x of 0 or below
  BinaryFile,      // NUL bytes: an instrument's own file, not text
};

struct SpectrumReading {
  std::vector<SpectrumPoint> Points;  // in file order; empty unless Gap is None
  SpectrumGap Gap = SpectrumGap::None;
  // With OtherTable: the first such table's form as written ("(XY..XY)"),
  // or the label line that opens a peak table or an NTUPLES block.
  std::string Table;
  // With NotANumber: the first such label ("##FIRSTX=") and its value as
  // written, blanks around it left out ("399,212341").
  std::string Label;
  std::string Value;
};

// Never fails: lines that do not fit are skipped, and compressed data gives
// no points at all rather than a part of the spectrum. JCAMP-DX data values
// are multiplied by ##XFACTOR= and ##YFACTOR=. Of a file of several blocks
// only the first block's (X++(Y..Y)) table is read, with that block's own
// labels. Where that block's ##XUNITS= is MICROMETERS (in any case), each x
// is a wavelength and comes out as its wavenumber 10^4 / x; the points keep
// their order. A value a float cannot hold comes out infinite (or, from a
// wavelength, non-finite); drawing skips those. A file with a NUL byte, with
// a value of ##FIRSTX=, ##LASTX=, ##DELTAX=, ##NPOINTS=, ##XFACTOR= or
// ##YFACTOR= that is not one number (in the block read), or with a
// wavelength of 0 or below, gives no points either.
SpectrumReading ReadSpectrum(std::string_view text, SpectrumFormat format);

// False, with `reading` left empty, when the file cannot be read; then
// `reason`, when given, gets the system's words for why, where it has any.
bool LoadSpectrumFile(const std::string& path, SpectrumFormat format, SpectrumReading& reading,
                      std::string* reason = nullptr);

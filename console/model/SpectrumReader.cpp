#include "SpectrumReader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <optional>
#include <utility>

#include "molfile/MolFile.h"
#include "molfile/ReaderSupport.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace {

// Narrowing a double that a float cannot hold would be undefined, so such
// a value is made infinite here.
float ToSingle(double value) {
  if (FitsFloat(value)) return static_cast<float>(value);
  return value < 0.0 ? -std::numeric_limits<float>::infinity()
                     : std::numeric_limits<float>::infinity();
}

float ReadFloat(std::string_view token) { return ToSingle(ReadDouble(token)); }

// An optional sign, then a digit, or a decimal point and a digit.
bool StartsAsNumber(std::string_view token) {
  std::size_t used = 0;
  ReadDouble(token, &used);
  return used > 0;
}

// What follows the first '=' of a label line, blanks around it left out.
std::string_view LabelValue(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t", line.find('=') + 1);
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t") + 1 - first);
}

// A peak table or an NTUPLES block, named by its label line as written
// ("##PEAK TABLE=(XY..XY)"); empty for any other line. Blanks in a label's
// name do not count, so "##PEAKTABLE=" opens a peak table as well.
std::string UnreadTableName(std::string_view text) {
  const std::size_t start = text.find("##"), equals = text.find('=');
  if (start == std::string_view::npos || equals == std::string_view::npos || equals < start) return {};
  const std::string_view label = text.substr(start, equals + 1 - start);
  std::string name;
  for (char c : label)
    if (c != ' ' && c != '\t') name += c;
  if (name != "##PEAKTABLE=" && name != "##NTUPLES=") return {};
  return std::string(label).append(LabelValue(text));
}

// Calls `line` for every line of `text`: LF ends a line, CR bytes are
// dropped, and a last line without a line end counts as well.
template <class LineHandler>
void ForEachLine(std::string_view text, LineHandler line) {
  std::string current;
  for (char c : text) {
    if (c == '\n') {
      line(current);
      current.clear();
    } else if (c != '\r') {
      current += c;
    }
  }
  if (!current.empty()) line(current);
}

// Header and footer lines of instrument exports ("NPOINTS<TAB>3988") have
// two tokens as well; they are no points.
void ReadTwoColumnLine(const std::vector<std::string>& tokens,
                       std::vector<SpectrumPoint>& points) {
  if (tokens.size() == 2 && StartsAsNumber(tokens[0]) && StartsAsNumber(tokens[1]))
    points.push_back({ReadFloat(tokens[0]), ReadFloat(tokens[1])});
}

// AFFN lets a value's sign separate it from the one before ("+10160+10159");
// the sign of an exponent ("1.5E-3") does not.
std::vector<std::string> SplitAtSigns(const std::vector<std::string>& tokens) {
  std::vector<std::string> values;
  for (const std::string& token : tokens) {
    std::string current;
    for (char c : token) {
      const bool sign = c == '+' || c == '-';
      if (sign && !current.empty() && current.back() != 'E' && current.back() != 'e') {
        values.push_back(std::move(current));
        current.clear();
      }
      current += c;
    }
    if (!current.empty()) values.push_back(std::move(current));
  }
  return values;
}

// SQZ, DIF and DUP write their digits as letters, "@" and "%". AFFN has
// none of those but the exponent's E or e, which follows a digit or a point
// and is followed by an optionally signed run of at most three digits;
// "630.7E22708282" is an x and a compressed value.
bool IsCompressed(std::string_view token) {
  for (std::size_t i = 0; i < token.size(); ++i) {
    const char c = token[i];
    if (c == '@' || c == '%') return true;
    if (!IsLetter(c)) continue;
    if (c != 'E' && c != 'e') return true;
    if (i == 0 || !(IsDigit(token[i - 1]) || token[i - 1] == '.')) return true;
    std::size_t j = i + 1;
    if (j < token.size() && (token[j] == '+' || token[j] == '-')) ++j;
    const std::size_t digits = j;
    while (j < token.size() && IsDigit(token[j])) ++j;
    if (j == digits || j - digits > 3) return true;
  }
  return false;
}

// The labels whose values the reader takes as numbers.
constexpr std::string_view kNumberLabels[] = {"##FIRSTX=",  "##LASTX=",   "##NPOINTS=",
                                              "##DELTAX=", "##XFACTOR=", "##YFACTOR="};

class JcampReader {
 public:
  explicit JcampReader(SpectrumReading& reading) : reading_(reading) {}

  // `text` is the line that gave `tokens`, without its comment.
  void Line(std::string_view text, const std::vector<std::string>& tokens) {
    if (tokens.empty() || done_) return;
    if (dataMode_) AddDataLine(tokens);
    ApplyLabel(text, tokens);
    // The increment comes from "##DELTAX=" or, once the range and the count
    // are known, from them; a range may start or end at 0, and a count below
    // two gives no increment. A written DELTAX that runs against the range
    // lost its sign (IR files that go from 3800 down to 454 by
    // "##DELTAX=1"): the range and the count say where the points lie.
    if (labels_.FirstX && labels_.LastX && labels_.NPoints >= 2) {
      const float range = *labels_.LastX - *labels_.FirstX;
      const bool against = labels_.DeltaXWritten && ((labels_.DeltaX > 0.0f && range < 0.0f) ||
                                                     (labels_.DeltaX < 0.0f && range > 0.0f));
      if (labels_.DeltaX == 0.0f || against) {
        labels_.DeltaX = range / static_cast<float>(labels_.NPoints - 1);
        labels_.DeltaXWritten = false;
      }
    }
  }

  // Part of a compressed spectrum, or one placed by a misread value or
  // without the wavenumber of one of its points, would be a wrong spectrum:
  // none is kept.
  void Finish() {
    if (!reading_.Label.empty()) {
      reading_.Points.clear();
      reading_.Gap = SpectrumGap::NotANumber;
    } else if (compressed_) {
      reading_.Points.clear();
      reading_.Gap = SpectrumGap::CompressedData;
    } else if (noWavenumber_) {
      reading_.Points.clear();
      reading_.Gap = SpectrumGap::NoWavenumber;
    } else if (reading_.Points.empty() && !otherTable_.empty()) {
      reading_.Gap = SpectrumGap::OtherTable;
      reading_.Table = otherTable_;
    }
  }

 private:
  void AddDataLine(const std::vector<std::string>& tokens) {
    // A label line ("##END=") is never data.
    if (tokens[0].starts_with("##")) return;
    for (const std::string& token : tokens)
      if (IsCompressed(token)) compressed_ = true;
    if (compressed_) return;
    const std::vector<std::string> values = SplitAtSigns(tokens);
    if (values.size() < 2 || !StartsAsNumber(values[0])) return;
    // The increment is in real units already; the values written are not.
    float x = ToSingle(ReadDouble(values[0]) * labels_.XFactor);
    for (std::size_t i = 1; i < values.size(); ++i) {
      // A value the file leaves out ("?") is no point, but takes its place.
      if (StartsAsNumber(values[i]))
        reading_.Points.push_back({ChartX(x), ToSingle(ReadDouble(values[i]) * labels_.YFactor)});
      x += labels_.DeltaX;
    }
  }

  // The chart's axis is in wavenumbers: a wavelength in micrometres, as read
  // with its factor and increments, becomes 10^4 / x. An x a float could not
  // hold stays non-finite, so that drawing still skips it; 10^4 / infinity
  // would put it at 0. An x of 0 or below has no wavenumber.
  float ChartX(float x) {
    if (!labels_.Micrometres) return x;
    if (x <= 0.0f) noWavenumber_ = true;
    if (x <= 0.0f || !std::isfinite(x)) return x;
    return ToSingle(1e4 / static_cast<double>(x));
  }

  // A label may carry its value in the same token ("##FIRSTX=450.0") or in
  // the next one ("##FIRSTX= 450.0"). A number's value is the rest of the
  // line, which must be that token alone: a decimal comma splits the value
  // into tokens, and the first would be read without a word.
  void ApplyLabel(std::string_view text, const std::vector<std::string>& tokens) {
    const std::string& first = tokens[0];
    if (!first.starts_with("##")) return;
    if (std::string table = UnreadTableName(text); !table.empty()) {
      if (otherTable_.empty()) otherTable_ = std::move(table);
      return;
    }
    const std::size_t equals = first.find('=');
    if (equals == std::string::npos) return;
    const std::string_view label = std::string_view(first).substr(0, equals + 1);
    std::string_view value = std::string_view(first).substr(equals + 1);
    if (value.empty() && tokens.size() > 1) value = tokens[1];

    if (label == "##XYDATA=" && (value.empty() || value == "(X++(Y..Y))")) {
      dataMode_ = true;  // the one table form that this reader decodes
      tableFound_ = true;
    } else if (label == "##XYDATA=" || label == "##XYPOINTS=") {
      dataMode_ = false;
      if (otherTable_.empty()) otherTable_ = value.empty() ? label : value;
    } else if (label == "##END=") {
      dataMode_ = false;
    } else if (label == "##TITLE=") {
      StartBlock();
    } else if (value.empty()) {
      return;
    } else if (const std::string_view whole = LabelValue(text);
               std::ranges::find(kNumberLabels, label) != std::end(kNumberLabels) && !IsOneNumber(whole)) {
      if (reading_.Label.empty()) {
        reading_.Label = label;
        reading_.Value = whole;
      }
    } else if (label == "##FIRSTX=") {
      labels_.FirstX = ReadFloat(value);
    } else if (label == "##LASTX=") {
      labels_.LastX = ReadFloat(value);
    } else if (label == "##NPOINTS=") {
      labels_.NPoints = ReadInt(value);
    } else if (label == "##DELTAX=") {
      labels_.DeltaX = ReadFloat(value);
      labels_.DeltaXWritten = true;
    } else if (label == "##XUNITS=") {
      labels_.Micrometres = Capitals(whole) == "MICROMETERS";
    } else if (label == "##XFACTOR=" || label == "##YFACTOR=") {
      // A factor that reads as 0 is no factor: it would put every value at 0.
      if (const double factor = ReadDouble(value); factor != 0.0)
        (label == "##XFACTOR=" ? labels_.XFactor : labels_.YFactor) = factor;
    }
  }

  // A compound file holds one spectrum per block, each from its ##TITLE= to
  // its ##END=, and a link block around them. The first (X++(Y..Y)) table is
  // drawn with its own block's labels alone: those of the link block or of a
  // peak table before it, and a misread value there, do not reach it, and
  // reading ends where the next block begins. A file's first ##TITLE= opens
  // no new block, so a file of one block reads with every label it holds.
  void StartBlock() {
    if (!std::exchange(titled_, true)) return;
    if (tableFound_) {
      done_ = true;
      return;
    }
    labels_ = {};
    reading_.Label.clear();
    reading_.Value.clear();
  }

  // The labels that a block's data is read with.
  struct Labels {
    std::optional<float> FirstX, LastX;
    float DeltaX = 0.0f;
    bool DeltaXWritten = false;  // DeltaX is the ##DELTAX= value, not one derived from the range
    int NPoints = 0;
    double XFactor = 1.0, YFactor = 1.0;
    bool Micrometres = false;  // ##XUNITS=MICROMETERS: x is a wavelength
  };

  SpectrumReading& reading_;
  Labels labels_;
  bool titled_ = false;
  bool tableFound_ = false;  // an (X++(Y..Y)) table began: the spectrum drawn
  bool done_ = false;        // the block after it began
  bool dataMode_ = false;
  bool compressed_ = false;
  bool noWavenumber_ = false;  // a point at a wavelength of 0 or below
  std::string otherTable_;
};

}  // namespace

SpectrumReading ReadSpectrum(std::string_view text, SpectrumFormat format) {
  SpectrumReading reading;
  // An instrument's binary file (.spc, .wxd) read as text gives points made
  // up from its bytes.
  if (text.find('\0') != std::string_view::npos) {
    reading.Gap = SpectrumGap::BinaryFile;
    return reading;
  }
  JcampReader jcamp(reading);
  std::vector<std::string> tokens;
  ForEachLine(text, [&](const std::string& line) {
    tokens.clear();
    if (format == SpectrumFormat::TwoColumns) {
      Tokenize(line, tokens);
      ReadTwoColumnLine(tokens, reading.Points);
    } else {
      // A JCAMP-DX comment runs from "$$" to the line's end.
      const std::string uncommented = line.substr(0, line.find("$$"));
      Tokenize(uncommented, tokens);
      jcamp.Line(uncommented, tokens);
    }
  });
  if (format == SpectrumFormat::Jcamp) jcamp.Finish();
  if (reading.Points.empty() && reading.Gap == SpectrumGap::None) reading.Gap = SpectrumGap::NoData;
  return reading;
}

bool LoadSpectrumFile(const std::string& path, SpectrumFormat format, SpectrumReading& reading,
                      std::string* reason) {
  reading = {};
  if (!IsReadableFile(path, reason)) return false;
  errno = 0;
  std::ifstream file(path, std::ios::binary);
  std::string text;
  char block[1 << 16];
  while (file.read(block, sizeof block) || file.gcount() > 0) text.append(block, file.gcount());
  // A failed open or read (EIO) leaves the stream bad or never opened.
  if (!file.is_open() || file.bad()) {
    if (reason) *reason = errno != 0 ? std::strerror(errno) : std::string();
    return false;
  }
  reading = ReadSpectrum(text, format);
  return true;
}

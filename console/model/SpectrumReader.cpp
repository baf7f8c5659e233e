#include "SpectrumReader.h"

#include <fstream>
#include <sstream>

#include "molfile/MolFile.h"
#include "platform/Files.h"
#include "platform/Numbers.h"

namespace {

float ReadFloat(std::string_view token) { return static_cast<float>(ReadDouble(token)); }

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

void ReadTwoColumnLine(const std::vector<std::string>& tokens,
                       std::vector<SpectrumPoint>& points) {
  if (tokens.size() == 2) points.push_back({ReadFloat(tokens[0]), ReadFloat(tokens[1])});
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

class JcampReader {
 public:
  explicit JcampReader(std::vector<SpectrumPoint>& points) : points_(points) {}

  void Line(const std::vector<std::string>& tokens) {
    if (tokens.empty()) return;
    if (dataMode_) AddDataLine(tokens);
    ApplyLabel(tokens);
    // The increment comes from "##DELTAX=" or, once the range and the count
    // are known, from them; a count below two gives no increment.
    if (deltaX_ == 0.0f && firstX_ != 0.0f && lastX_ != 0.0f && nPoints_ >= 2)
      deltaX_ = (lastX_ - firstX_) / static_cast<float>(nPoints_ - 1);
  }

 private:
  void AddDataLine(const std::vector<std::string>& tokens) {
    // A label line ("##END=$$ End of the data block") is never data.
    if (tokens[0].starts_with("##")) return;
    const std::vector<std::string> values = SplitAtSigns(tokens);
    if (values.size() < 2) return;
    float x = ReadFloat(values[0]);
    for (std::size_t i = 1; i < values.size(); ++i) {
      points_.push_back({x, ReadFloat(values[i])});
      x += deltaX_;
    }
  }

  // A label may carry its value in the same token ("##FIRSTX=450.0") or in
  // the next one ("##FIRSTX= 450.0").
  void ApplyLabel(const std::vector<std::string>& tokens) {
    const std::string& first = tokens[0];
    const std::size_t equals = first.find('=');
    if (!first.starts_with("##") || equals == std::string::npos) return;
    const std::string_view label = std::string_view(first).substr(0, equals + 1);
    std::string_view value = std::string_view(first).substr(equals + 1);
    if (value.empty() && tokens.size() > 1) value = tokens[1];

    if (label == "##XYDATA=") {
      // Only the one table form that this reader decodes starts the data.
      if (value.empty() || value == "(X++(Y..Y))") dataMode_ = true;
    } else if (label == "##END=") {
      dataMode_ = false;
    } else if (value.empty()) {
      return;
    } else if (label == "##FIRSTX=") {
      firstX_ = ReadFloat(value);
    } else if (label == "##LASTX=") {
      lastX_ = ReadFloat(value);
    } else if (label == "##NPOINTS=") {
      nPoints_ = ReadInt(value);
    } else if (label == "##DELTAX=") {
      deltaX_ = ReadFloat(value);
    }
  }

  std::vector<SpectrumPoint>& points_;
  float firstX_ = 0.0f, lastX_ = 0.0f, deltaX_ = 0.0f;
  int nPoints_ = 0;
  bool dataMode_ = false;
};

}  // namespace

std::vector<SpectrumPoint> ReadSpectrum(std::string_view text, SpectrumFormat format) {
  std::vector<SpectrumPoint> points;
  JcampReader jcamp(points);
  std::vector<std::string> tokens;
  ForEachLine(text, [&](const std::string& line) {
    tokens.clear();
    Tokenize(line, tokens);
    if (format == SpectrumFormat::TwoColumns) ReadTwoColumnLine(tokens, points);
    else jcamp.Line(tokens);
  });
  return points;
}

bool LoadSpectrumFile(const std::string& path, SpectrumFormat format,
                      std::vector<SpectrumPoint>& points) {
  points.clear();
  if (!IsRegularFile(path)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return false;
  points = ReadSpectrum(text.str(), format);
  return true;
}

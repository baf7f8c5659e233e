#include "ExportLines.h"

#include <cmath>

#include "platform/Numbers.h"

ExportLine& ExportLine::operator<<(std::string_view text) {
  Text += text;
  return *this;
}

ExportLine& ExportLine::Fixed(double value, int decimals) {
  if (!std::isfinite(value)) {
    Finite = false;
    value = 0.0;
  }
  const std::string number = FormatFixed(value, decimals);
  if (Sign && number.front() != '-') Text += '+';
  Text += number;
  return *this;
}

ExportLine& ExportLine::Int(std::int64_t value) {
  Text += FormatFloat("0", static_cast<double>(value));
  return *this;
}

ExportLine& ExportLine::SignAlways() {
  Sign = true;
  return *this;
}

void ExportObject::Add(std::string_view literal) { Lines.emplace_back(literal); }

void ExportObject::Add(const ExportLine& line) {
  Lines.push_back(line.Text);
  AllFinite = AllFinite && line.Finite;
}

bool ExportObject::AppendTo(std::vector<std::string>& lines) const {
  if (!AllFinite) return false;
  lines.insert(lines.end(), Lines.begin(), Lines.end());
  return true;
}

// Text lines of the scene and object exports. Numbers go through the
// locale-free formatter; a line remembers whether every number in it was
// finite, and an object whose lines are not all finite is left out whole, so
// that no "nan" or "inf" reaches a file that its readers could not parse.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ExportLine {
 public:
  ExportLine& operator<<(std::string_view text);
  // Fixed notation with `decimals` places, '.' as the point; with the sign
  // switched on, a number that is not negative gets a leading '+'.
  ExportLine& Fixed(double value, int decimals = 6);
  ExportLine& Int(std::int64_t value);
  // Every later number of this line carries its sign.
  ExportLine& SignAlways();

  std::string Text;
  bool Finite = true;

 private:
  bool Sign = false;
};

// The lines of one exported object, appended to the file's lines only when
// all of them are finite.
class ExportObject {
 public:
  void Add(std::string_view literal);
  void Add(const ExportLine& line);
  bool Finite() const { return AllFinite; }
  // Appends the lines; false (and nothing appended) when a number was not finite.
  bool AppendTo(std::vector<std::string>& lines) const;

 private:
  std::vector<std::string> Lines;
  bool AllFinite = true;
};

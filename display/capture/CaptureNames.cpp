#include "CaptureNames.h"

#include <cmath>

#include "platform/Numbers.h"

namespace {

std::string ExtensionOf(const std::string& name) {
  const std::size_t cut = name.find_last_of("./");
  return cut != std::string::npos && name[cut] == '.' ? name.substr(cut) : std::string();
}

std::string UpperCase(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

std::string WithExtension(const std::string& chosen, const std::string& extension) {
  const std::string own = ExtensionOf(chosen);
  return own == extension || own == UpperCase(extension) ? chosen : chosen + extension;
}

std::string WithoutExtension(const std::string& name) { return name.substr(0, name.size() - ExtensionOf(name).size()); }

std::string SeriesFileName(const std::string& prefix, long double time, long double step, bool jpeg) {
  const double number = static_cast<double>(std::round(time / step));
  return prefix + FormatFloat("00000", number) + (jpeg ? ".jpg" : ".bmp");
}

long double NormalModeTimeStep(double frequency, int framesPerPeriod) {
  return 1e15L / (static_cast<long double>(frequency) * 299792458.0L * 100.0L * framesPerPeriod);
}

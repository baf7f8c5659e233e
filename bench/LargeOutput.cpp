#include "LargeOutput.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "TemporaryFiles.h"

namespace {

constexpr std::size_t kTargetBytes = 30'000'000;

// Offset of the start of the first line that holds `marker`, from `from`.
std::size_t LineHolding(const std::string& text, const char* marker, std::size_t from = 0) {
  const std::size_t at = text.find(marker, from);
  if (at == std::string::npos) return at;
  const std::size_t lineStart = text.rfind('\n', at);
  return lineStart == std::string::npos ? 0 : lineStart + 1;
}

}  // namespace

std::string SampleOutputPath() {
  return std::string(QUIVERA_TESTDATA) + "/gaussian_out/g16_CH3_nosymm_optfreq_link1.log";
}

bool WriteLargeOutput(const std::string& path) {
  std::ifstream in(SampleOutputPath(), std::ios::binary);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string sample = buffer.str();
  // The steps run from the first geometry table to the end of the
  // optimisation; what comes before and after (the frequency job and its
  // standard orientation) is written once.
  const std::size_t first = LineHolding(sample, "Input orientation:");
  const std::size_t done = first == std::string::npos ? first : LineHolding(sample, "Optimization completed.", first);
  if (!in || done == std::string::npos) {
    std::cerr << "no optimisation steps in " << SampleOutputPath() << " (is the shared sample folder there?)\n";
    return false;
  }
  const std::string_view steps(sample.data() + first, done - first);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(sample.data(), static_cast<std::streamsize>(first));
  std::size_t written = first;
  while (written + steps.size() + sample.size() - done < kTargetBytes) {
    out.write(steps.data(), static_cast<std::streamsize>(steps.size()));
    written += steps.size();
  }
  out.write(sample.data() + done, static_cast<std::streamsize>(sample.size() - done));
  out.close();
  if (!out) std::cerr << "could not write " << path << "\n";
  return static_cast<bool>(out);
}

const std::string& LargeOutputPath() {
  static const std::string path = [] {
    const std::string name = NewTemporaryFile();
    return !name.empty() && WriteLargeOutput(name) ? name : std::string();
  }();
  return path;
}

double FileMegabytes(const std::string& path) {
  std::error_code error;
  const auto bytes = std::filesystem::file_size(path, error);
  return error ? 0.0 : static_cast<double>(bytes) / 1e6;
}

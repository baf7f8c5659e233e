#include "AtomLabels.h"

#include "core/Elements.h"
#include "platform/Numbers.h"

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// The label rule counts the six bytes between 'Z' and 'a' as letters too.
bool IsLabelLetter(unsigned char c) { return c >= 0x41 && c <= 0x7A; }
bool IsUpper(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(unsigned char c) { return c >= 'a' && c <= 'z'; }
char ToUpper(unsigned char c) { return static_cast<char>(IsLower(c) ? c - 'a' + 'A' : c); }
char ToLower(unsigned char c) { return static_cast<char>(IsUpper(c) ? c - 'A' + 'a' : c); }

bool Find(const std::string& symbol, std::uint32_t& number) {
  const auto it = ElementTable.SymbolToNumber.find(symbol);
  if (it == ElementTable.SymbolToNumber.end()) return false;
  number = it->second;
  return true;
}

std::size_t LetterRunLength(const std::string& label) {
  std::size_t n = 0;
  while (n < label.size() && IsLabelLetter(static_cast<unsigned char>(label[n]))) ++n;
  return n;
}

// Steps shared by both label rules: a number, or the re-cased letter run
// looked up as it stands. `run` receives the run for a fallback.
bool LookUpLabel(const std::string& label, std::uint32_t& number, std::string& run) {
  if (!label.empty() && IsDigit(static_cast<unsigned char>(label[0]))) {
    number = ReadUnsigned(label);
    return true;
  }
  const std::size_t n = LetterRunLength(label);
  run = label.substr(0, n > 3 ? 2 : n);
  if (run.size() >= 2) run[1] = ToLower(static_cast<unsigned char>(run[1]));
  if (!run.empty()) run[0] = ToUpper(static_cast<unsigned char>(run[0]));
  return Find(run, number);
}

}  // namespace

std::uint32_t AtomicNumberFromLabel(const std::string& label) {
  std::uint32_t number = 0;
  std::string run;
  if (LookUpLabel(label, number, run)) return number;
  if (!run.empty() && Find(run.substr(0, 1), number)) return number;
  return 0;
}

std::uint32_t ParseAtomLabel(const std::string& label) {
  std::uint32_t number = 0;
  std::string run;
  return LookUpLabel(label, number, run) ? number : 0;
}

std::uint32_t MopacAtomicNumber(const std::string& label) {
  const bool oneLetter = !label.empty() && (label.size() == 1 || !IsLabelLetter(static_cast<unsigned char>(label[1])));
  const char symbol = label.empty() ? '\0' : ToUpper(static_cast<unsigned char>(label[0]));
  return oneLetter && (symbol == 'D' || symbol == 'T') ? 1 : ParseAtomLabel(label);
}

bool IsGhostLabel(const std::string& label) {
  return LetterRunLength(label) == 2 && ToUpper(static_cast<unsigned char>(label[0])) == 'B' &&
         ToLower(static_cast<unsigned char>(label[1])) == 'q';
}

std::uint32_t NormalizeAtomLabel(const std::string& label) {
  if (label.size() == 1 || (!label.empty() && IsDigit(static_cast<unsigned char>(label[0]))))
    return AtomicNumberFromLabel(label);
  std::string s;
  bool firstUpper = false;
  if (label.size() >= 2) {
    const auto c0 = static_cast<unsigned char>(label[0]);
    const auto c1 = static_cast<unsigned char>(label[1]);
    if (IsUpper(c0)) s += static_cast<char>(c0), firstUpper = true;
    else if (IsLower(c0)) s += static_cast<char>(c0);
    if (IsLower(c1)) s += static_cast<char>(c1);
    else if (IsUpper(c1) && !firstUpper) s += static_cast<char>(c1);
  }
  return AtomicNumberFromLabel(s);
}

std::string SymbolOrX(std::uint32_t atomicNumber) {
  const auto symbol = ElementTable.NumberToSymbol.find(atomicNumber);
  return symbol == ElementTable.NumberToSymbol.end() || symbol->second.empty() ? "X" : symbol->second;
}

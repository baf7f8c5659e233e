// Reading an animation file: bytes into statements, statements into tokens,
// tokens to their handlers, and the storing of finished frames.

#include <fstream>

#include "MolAnimation.h"
#include "platform/Files.h"

namespace {

bool IsAsciiAlnum(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

}  // namespace

bool MolAnimation::Load(const std::string& path) {
  ResetFrames();

  if (!IsRegularFile(path)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  FileName = path;

  // A statement is dispatched when the next line begins: at a '%' in the
  // header, at any byte in data mode.
  std::string statement;
  bool lineEnd = false;
  bool comment = false;
  Tokens tokens;
  const auto dispatch = [&] {
    tokens.clear();
    Tokenize(statement, tokens);
    ParseLine(tokens);
    statement.clear();
    lineEnd = false;
  };
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    const std::streamsize count = in.gcount();
    for (std::streamsize k = 0; k < count; ++k) {
      const char c = buffer[k];
      if (lineEnd && !comment && (c == '%' || DataMode)) dispatch();
      if (c == ';') comment = true;
      if (c != '\r' && c != '\n' && !comment) statement += c;
      if (c == '\n') {
        lineEnd = true;
        comment = false;
      }
    }
  }
  // The end of the file ends the last statement and the frame in progress,
  // as a following statement would: a file may end with its last data row.
  dispatch();
  if (FrameDirty) StoreFrame();
  return true;
}

void MolAnimation::Tokenize(std::string_view statement, std::vector<std::string>& tokens) {
  bool quoted = false;
  std::string token;
  const auto endToken = [&] {
    if (!token.empty()) tokens.push_back(std::move(token));
    token.clear();
  };
  for (const char ch : statement) {
    const auto c = static_cast<unsigned char>(ch);
    if (c == '"' || c == '\'') {
      quoted = !quoted;
    } else if (c >= 0x21 && c <= 0x7E) {
      token += ch;
    } else if (c == '\n' || c == '\r' || c == 0) {
      endToken();
    } else if (c == ' ' || c == '\t') {
      if (quoted) {
        token += ch;
      } else {
        endToken();
      }
    } else if (quoted) {
      token += ch;  // other control bytes and Shift-JIS text
    }
  }
  endToken();
}

void MolAnimation::ParseLine(const std::vector<std::string>& tokens) {
  const std::size_t n = tokens.size();
  if (DataMode && n >= 2 && IsAsciiAlnum(tokens[0][0])) {
    FrameDirty = true;
    ReadDataRow(tokens);
  }

  if (n > 0) {
    struct Keyword {
      std::string_view Name;
      std::size_t Minimum;
      void (MolAnimation::*Handler)(const Tokens&);  // null: nothing of its own
    };
    static constexpr Keyword keywords[] = {
        {"%FILE", 3, &MolAnimation::ReadFile},
        {"%MOL", 3, &MolAnimation::ReadMol},
        {"%BOND", 3, &MolAnimation::ReadBond},
        {"%COLOR", 3, &MolAnimation::ReadColor},
        {"%ATOMCOLOR", 3, &MolAnimation::ReadAtomColor},
        {"%ATOMRADIUS", 3, &MolAnimation::ReadAtomRadius},
        {"%MODELTYPE", 3, &MolAnimation::ReadModelType},
        {"%TIMESTEP", 2, &MolAnimation::ReadTimeStep},
        {"%TIME", 2, &MolAnimation::ReadTime},
        {"%FREQ", 4, &MolAnimation::ReadFreq},
        {"%DIPOLE", 3, &MolAnimation::ReadDipole},
        {"%ROTATION", 4, &MolAnimation::ReadRotation},
        {"%SHOW", 2, &MolAnimation::ReadShow},
        {"%DATA", 1, &MolAnimation::ReadData},
        {"%CONTINUE", 2, nullptr},
    };
    for (const Keyword& keyword : keywords) {
      if (tokens[0] != keyword.Name) continue;
      if (n >= keyword.Minimum && keyword.Handler) (this->*keyword.Handler)(tokens);
      break;
    }
  }

  if (FrameDirty && (n == 0 || tokens[0][0] == '%')) StoreFrame();
}

void MolAnimation::StoreFrame() {
  // A frame at a time already stored is dropped.
  Frames.emplace(FrameTime, std::move(WorkFrame));
  WorkFrame = MolFrame();
  FrameTime += TimeStep;
  FrameDirty = false;
  CurrentFrame = Frames.begin()->first;
}

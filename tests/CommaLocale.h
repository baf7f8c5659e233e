// A locale whose decimal separator is a comma, for tests of text that must
// not follow the user's locale.
#pragma once

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

// A locale whose decimal separator is a comma, for as long as it lives:
// an installed one, or one built into a temporary folder.
class CommaLocale {
 public:
  CommaLocale() {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"})
      if (Use(name)) return;
    char pattern[] = "/tmp/quivera-locale-XXXXXX";
    if (!mkdtemp(pattern)) return;
    Folder = pattern;
    const std::string command =
        "localedef -i de_DE -f UTF-8 " + Folder + "/de_DE.UTF-8 >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) return;
    setenv("LOCPATH", Folder.c_str(), 1);
    Use("de_DE.UTF-8");
  }
  ~CommaLocale() {
    std::setlocale(LC_ALL, "C");
    if (Folder.empty()) return;
    unsetenv("LOCPATH");
    std::error_code ignored;
    std::filesystem::remove_all(Folder, ignored);
  }
  bool Active() const { return Active_; }

 private:
  bool Use(const char* name) {
    if (!std::setlocale(LC_ALL, name)) return false;
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 1.5);
    Active_ = std::string(text) == "1,5";
    return Active_;
  }
  std::string Folder;
  bool Active_ = false;
};

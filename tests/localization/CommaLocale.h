#pragma once
// The C locale switched to one that writes numbers with a decimal comma, as the program's
// setlocale(LC_ALL, "") does on such a desktop; the previous locale comes back at the end of the
// scope. When the system has no such locale installed, one is compiled into a temporary folder.
#include <clocale>
#include <cstdlib>
#include <string>

namespace testing_text {

class CommaLocale {
 public:
  CommaLocale() : previous_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE.utf8"}) {
      if (Use(name)) return;
    }
    char pattern[] = "/tmp/corvale-locale-XXXXXX";
    if (!mkdtemp(pattern)) return;
    folder_ = pattern;
    const std::string build = "localedef -i de_DE -f UTF-8 '" + folder_ + "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) return;
    setenv("LOCPATH", folder_.c_str(), 1);
    Use("de_DE.UTF-8");
  }

  ~CommaLocale() {
    std::setlocale(LC_ALL, previous_.c_str());
    if (!folder_.empty()) {
      unsetenv("LOCPATH");
      std::system(("rm -rf '" + folder_ + "'").c_str());
    }
  }

  CommaLocale(const CommaLocale&) = delete;
  CommaLocale& operator=(const CommaLocale&) = delete;

  // False when no decimal-comma locale could be had; the test should then skip.
  bool Active() const { return active_; }

 private:
  bool Use(const char* name) {
    if (!std::setlocale(LC_ALL, name)) return false;
    active_ = std::string(std::localeconv()->decimal_point) == ",";
    return active_;
  }

  std::string previous_;
  std::string folder_;
  bool active_ = false;
};

}  // namespace testing_text

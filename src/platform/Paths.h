#pragma once
// The folder of the running program and the IMG folder where the program keeps its settings
// file, the settings archive and downloaded images.
#include <string>

#include "platform/Installable.h"

namespace platform {

class Paths : public Installable<Paths> {
 public:
  // Absolute folder of the running binary, without a trailing slash.
  virtual std::string ProgramFolder() = 0;
  // The user's data folder ($XDG_DATA_HOME, else ~/.local/share) without a trailing slash; empty
  // when neither can be found.
  virtual std::string UserDataFolder() = 0;
  // The IMG folder beside the program when it exists and this user may write in it (a build tree,
  // a portable copy); otherwise, as for an installed program, the user's own
  // UserDataFolder()/corvale-manager/IMG, which this call creates since no installer made it.
  // Without a usable data folder, the folder beside the program all the same.
  std::string ImageFolder();
  // The user's home folder ($HOME, else the password database's), without a trailing slash; empty
  // when the one named is no folder.
  static std::string HomeFolder();
  static Paths& Real();
};

// Points the program at a folder of the caller's choosing (tests, the demo build), and at a user
// data folder when one is given.
class FixedPaths : public Paths {
 public:
  explicit FixedPaths(std::string folder, std::string userData = {})
      : folder_(std::move(folder)), userData_(std::move(userData)) {}
  std::string ProgramFolder() override { return folder_; }
  std::string UserDataFolder() override { return userData_; }

 private:
  std::string folder_;
  std::string userData_;
};

}  // namespace platform

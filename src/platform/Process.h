#pragma once
// Running a command-line tool without a window: no input, standard output and standard error
// captured together in one pipe, bounded by a time-out.
#include <chrono>
#include <string>
#include <vector>

#include "platform/Installable.h"

namespace platform {

struct ProcessResult {
  bool started = false;   // the program could be found and started
  bool timedOut = false;  // the run outlasted its time-out and was ended
  std::string output;     // both streams as the pipe delivered them, bytes as they are
};

class ProcessRunner : public Installable<ProcessRunner> {
 public:
  // Starts argv[0] with the arguments argv[1..]; a name without a folder is looked for in the
  // program's own folder, then the current folder, then PATH. Collects the output until every
  // holder of the pipe (the tool and whatever it started) has closed it. A run still going after
  // `timeout` is ended together with everything it started.
  virtual ProcessResult Run(const std::vector<std::string>& argv,
                            std::chrono::milliseconds timeout) = 0;
  static ProcessRunner& Real();
};

}  // namespace platform

#pragma once
// Runs a firmware tool expected beside the program and returns its log: a first line saying
// whether the tool could be started, then everything it printed on either stream.
#include <chrono>
#include <string>
#include <vector>

namespace io {

// Flashing a module can take minutes; a tool still running after this is ended.
inline constexpr std::chrono::milliseconds kToolTimeout = std::chrono::minutes(10);

// "[SUCCESS]\r\n" when the tool ran to its end, "[FAIL]\r\n" when it could not be started or was
// ended at the time-out, followed by its output exactly as received. Whether the tool did its work
// is read from that output by the caller.
std::string RunExternalTool(const std::string& commandLine,
                            std::chrono::milliseconds timeout = kToolTimeout);

// Splits a command line at blanks; double quotes group blanks into one argument and are removed.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace io

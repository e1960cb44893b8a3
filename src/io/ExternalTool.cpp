#include "io/ExternalTool.h"

#include "localization/SafeFormat.h"
#include "platform/Process.h"

namespace io {

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (const char c : commandLine) {
    if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inArgument) arguments.push_back(std::move(current));
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) arguments.push_back(std::move(current));
  return arguments;
}

std::string RunExternalTool(const std::string& commandLine, std::chrono::milliseconds timeout) {
  const platform::ProcessResult run =
      platform::ProcessRunner::Get().Run(SplitCommandLine(commandLine), timeout);
  return text::Format("[%s]\r\n", run.started && !run.timedOut ? "SUCCESS" : "FAIL") + run.output;
}

}  // namespace io

#include "io/ExternalTool.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(ExternalToolTest, LogStartsWithWhetherTheToolStarted) {
  EXPECT_EQ(io::RunExternalTool("sh -c \"echo upgrade succeeded; echo warning >&2\""),
            "[SUCCESS]\r\nupgrade succeeded\nwarning\n");
  EXPECT_EQ(io::RunExternalTool("true"), "[SUCCESS]\r\n");
  EXPECT_EQ(io::RunExternalTool("corvale-no-such-tool.exe upgrade 092b d340 0 0 \"x.dfu\""),
            "[FAIL]\r\n");
  EXPECT_EQ(io::RunExternalTool(""), "[FAIL]\r\n");
}

TEST(ExternalToolTest, OutputOfExactlyOneReadBlockArrivesWhole) {
  for (int size : {10239, 10240, 10241, 30720}) {
    const std::string log = io::RunExternalTool(
        "sh -c \"head -c " + std::to_string(size) + " /dev/zero | tr '\\000' a\"");
    EXPECT_EQ(log, "[SUCCESS]\r\n" + std::string(size_t(size), 'a')) << size << " bytes";
  }
}

TEST(ExternalToolTest, EachRunHasItsOwnLogAndATimeOutEndsItAsAFailure) {
  EXPECT_EQ(io::RunExternalTool("echo first"), "[SUCCESS]\r\nfirst\n");
  EXPECT_EQ(io::RunExternalTool("echo second"), "[SUCCESS]\r\nsecond\n");
  EXPECT_EQ(io::RunExternalTool("sh -c \"echo working; sleep 30\"", 300ms),
            "[FAIL]\r\nworking\n");
}

TEST(ExternalToolTest, CommandLineSplitting) {
  using Args = std::vector<std::string>;
  const struct {
    const char* line;
    Args args;
  } cases[] = {
      {"HidDfuCmd.exe upgrade 092b d340 0 0 \"/home/a b/fw.dfu\"",
       {"HidDfuCmd.exe", "upgrade", "092b", "d340", "0", "0", "/home/a b/fw.dfu"}},
      {"  tool\t  x  ", {"tool", "x"}},
      {"tool \"\" end", {"tool", "", "end"}},
      {"tool \"unterminated quote", {"tool", "unterminated quote"}},
      {"a\"b c\"d", {"ab cd"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(io::SplitCommandLine(c.line), c.args) << c.line;
}

}  // namespace

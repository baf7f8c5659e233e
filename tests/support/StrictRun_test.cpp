#include "StrictRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct SkipperRun {
  int Status = -1;
  std::string Output;
};

// The skipping executable, with CI set to `ci`.
SkipperRun RunSkipper(const std::string& ci) {
  const std::string output = testing::TempDir() + "skipper_" + std::to_string(::getpid()) + ".txt";
  const std::string command = "CI=" + ci + " " SKIPPER " >" + output + " 2>&1";
  SkipperRun run;
  const int status = std::system(command.c_str());
  run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream in(output);
  std::ostringstream text;
  text << in.rdbuf();
  run.Output = text.str();
  std::remove(output.c_str());
  return run;
}

}  // namespace

TEST(StrictRun, ASkippedCaseIsReportedAsSkippedAndFailsUnderCi) {
  const SkipperRun here = RunSkipper("");
  EXPECT_EQ(here.Status, kSkipExitCode) << here.Output;
  EXPECT_NE(here.Output.find("nothing to run it on"), std::string::npos) << "the skip says why";

  const SkipperRun ci = RunSkipper("true");
  EXPECT_EQ(ci.Status, 1) << ci.Output;
  EXPECT_NE(ci.Output.find("[  FAILED  ] Skipper.Skips was skipped: under CI every test case must run"),
            std::string::npos)
      << ci.Output;
  EXPECT_EQ(ci.Output.find("Skipper.Passes was skipped"), std::string::npos);
}

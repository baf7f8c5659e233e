#include "tests/support/StrictRun.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
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

TEST(StrictRun, TheOrdinaryUserIsBoundByPermissions) {
  const std::string path = testing::TempDir() + "not_yours_" + std::to_string(::getpid());
  std::ofstream(path) << "kept";
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  AsOrdinaryUser([&] {
    EXPECT_EQ(::geteuid(), OrdinaryUserId());
    EXPECT_NE(::geteuid(), 0u);
    EXPECT_NE(::access(path.c_str(), W_OK), 0);
  });
  std::remove(path.c_str());
}

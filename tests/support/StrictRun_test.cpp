#include "StrictRun.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace {

// The skipping executable's exit code and output, with CI set to `ci`.
int RunSkipper(const std::string& ci, std::string* output) {
  FILE* pipe = ::popen(("CI=" + ci + " " SKIPPER " 2>&1").c_str(), "r");
  char buffer[4096];
  for (std::size_t read; pipe && (read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output->append(buffer, read);
  const int status = pipe ? ::pclose(pipe) : -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(StrictRun, ASkippedCaseIsReportedAsSkippedAndFailsUnderCi) {
  std::string here;
  EXPECT_EQ(RunSkipper("", &here), kSkipExitCode) << here;
  EXPECT_NE(here.find("nothing to run it on"), std::string::npos) << "the skip says why";

  std::string ci;
  EXPECT_EQ(RunSkipper("true", &ci), 1) << ci;
  EXPECT_NE(ci.find("[  FAILED  ] Skipper.Skips was skipped: under CI every test case must run"), std::string::npos)
      << ci;
  EXPECT_EQ(ci.find("Skipper.Passes was skipped"), std::string::npos);
}

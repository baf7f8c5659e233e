#include "StrictRun.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include <gtest/gtest.h>

namespace {

constexpr unsigned kNobody = 65534;

bool UnderCi() {
  const char* ci = std::getenv("CI");
  return ci != nullptr && std::string_view(ci) == "true";
}

}  // namespace

int RunAllTestsStrictly() {
  const int result = RUN_ALL_TESTS();
  const testing::UnitTest& unit = *testing::UnitTest::GetInstance();
  if (unit.skipped_test_count() == 0) return result;
  const bool ci = UnderCi();
  for (int s = 0; s < unit.total_test_suite_count(); ++s) {
    const testing::TestSuite& suite = *unit.GetTestSuite(s);
    for (int t = 0; t < suite.total_test_count(); ++t) {
      const testing::TestInfo& test = *suite.GetTestInfo(t);
      if (test.result()->Skipped())
        std::printf("%s %s.%s was skipped%s\n", ci ? "[  FAILED  ]" : "[  SKIPPED ]", suite.name(), test.name(),
                    ci ? ": under CI every test case must run" : "");
    }
  }
  std::fflush(stdout);
  if (ci) return 1;
  return result != 0 ? result : kSkipExitCode;
}

unsigned OrdinaryUserId() { return ::geteuid() == 0 ? kNobody : ::geteuid(); }

void AsOrdinaryUser(const std::function<void()>& body) {
  if (::geteuid() != 0) return body();
  AsUser({kNobody, kNobody, {}}, body);
}

void AsUser(const TestUser& user, const std::function<void()>& body) {
  std::fflush(nullptr);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0) << "fork failed";
  if (child == 0) {
    const bool dropped = ::setgroups(user.Groups.size(), user.Groups.data()) == 0 && ::setgid(user.Gid) == 0 &&
                         ::setuid(user.Uid) == 0;
    if (dropped) body();
    else ADD_FAILURE() << "could not drop to uid " << user.Uid;
    std::fflush(nullptr);
    // No exit handlers: they belong to the parent's run.
    ::_exit(testing::Test::HasFailure() ? 1 : 0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the part run as uid " << user.Uid << " failed";
}

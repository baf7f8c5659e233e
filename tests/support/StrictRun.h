// Running a test executable so that a skipped case is never counted as
// passed: under CI (CI=true) every case must run, and one that skipped fails
// the run, naming itself; elsewhere a run that passed but skipped some cases
// ends with kSkipExitCode, which ctest reports as skipped (SKIP_RETURN_CODE).
#pragma once

#include <sys/types.h>

#include <functional>
#include <vector>

inline constexpr int kSkipExitCode = 77;

// In place of RUN_ALL_TESTS, after InitGoogleTest.
int RunAllTestsStrictly();

// Runs `body` with an ordinary user's file permissions. As root (CI runs as
// root, and permissions do not bind it) `body` runs in a forked child that
// drops to uid and gid 65534, and its failures fail the calling test; the
// child must not touch a display connection it shares with the parent.
// Otherwise `body` runs here.
void AsOrdinaryUser(const std::function<void()>& body);
// The uid that AsOrdinaryUser runs as: files it must write are given to it.
unsigned OrdinaryUserId();

// Ids a forked part of a test runs as: user, primary group, other groups.
struct TestUser {
  uid_t Uid;
  gid_t Gid;
  std::vector<gid_t> Groups;
};
// Runs `body` in a forked child as `user`; its failures fail the calling
// test. Only root can do this: a test that needs it runs as root (as CI does).
void AsUser(const TestUser& user, const std::function<void()>& body);

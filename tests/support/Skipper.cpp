// A test executable with one case that skips, one that passes: what
// StrictRun_test runs.
#include <gtest/gtest.h>

TEST(Skipper, Passes) { EXPECT_TRUE(true); }

TEST(Skipper, Skips) { GTEST_SKIP() << "nothing to run it on"; }

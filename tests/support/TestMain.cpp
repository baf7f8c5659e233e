// main of the test executables without a main of their own.
#include <gtest/gtest.h>

#include "StrictRun.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  return RunAllTestsStrictly();
}

// main of the Qt test executables: the program's application object first
// (numbers in the C locale, handler exceptions shown), then the tests.
#include <gtest/gtest.h>

#include "platform/ui/Application.h"
#include "tests/support/StrictRun.h"

int main(int argc, char** argv) {
  Application app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RunAllTestsStrictly();
}

// main of the Qt test executables: the application object first, then the
// tests.
#include <gtest/gtest.h>

#include <QApplication>

#include <clocale>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Qt took the number format from the environment; the program reads and
  // writes numbers in the C locale.
  std::setlocale(LC_NUMERIC, "C");
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

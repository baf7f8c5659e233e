#include "console/model/VibrationCsv.h"

#include <gtest/gtest.h>

#include "molfile/MolFile.h"
#include "tests/CommaLocale.h"

namespace {

const std::string kHeader =
    "Mode No,Symmetry,Frequency,Red mass,Frc const,IR Inten,Raman Activ,Depolar\r\n";

NormalModes TwoModes() {
  NormalModes modes;
  modes.ModeNumbers = {1, 2};
  modes.Symmetries = {"A1", "B2"};
  modes.Frequencies = {1000.0f, 1234.5678f};
  modes.ReducedMasses = {1.5f, 2.0f};
  modes.ForceConstants = {-12.34f, 0.0f};
  modes.IRIntensities = {10.0f, 0.25f};
  modes.RamanActivities = {3.0f, 4.0f};
  modes.Depolarizations = {0.75f, 0.1f};
  return modes;
}

}  // namespace

TEST(VibrationCsv, HeaderAndRowsWithCrLf) {
  EXPECT_EQ(VibrationCsvText(TwoModes(), 1.0),
            kHeader +
                "1,A1,1000.0000,1.5000,-12.3400,10.0000,3.0000,0.7500\r\n"
                "2,B2,1234.5677,2.0000,0.0000,0.2500,4.0000,0.1000\r\n");
}

TEST(VibrationCsv, OnlyTheFrequencyIsScaled) {
  const std::string text = VibrationCsvText(TwoModes(), static_cast<float>(0.9613));
  EXPECT_NE(text.find("\r\n1,A1,961.3000,1.5000,-12.3400,10.0000,3.0000,0.7500\r\n"),
            std::string::npos)
      << text;
}

TEST(VibrationCsv, SymmetryIsWrittenAsStored) {
  NormalModes modes = TwoModes();
  modes.Symmetries[0] = "A,1";
  modes.Symmetries[1] = "\x83\x41";  // code page 932 bytes stay as they are
  const std::string text = VibrationCsvText(modes, 1.0);
  EXPECT_NE(text.find("\r\n1,A,1,1000.0000,"), std::string::npos);
  EXPECT_NE(text.find("\r\n2,\x83\x41,"), std::string::npos);
}

TEST(VibrationCsv, TablesTheJobDidNotPrintGiveEmptyCells) {
  NormalModes modes = TwoModes();
  modes.RamanActivities.clear();
  modes.Depolarizations.clear();
  EXPECT_EQ(VibrationCsvText(modes, 1.0),
            kHeader +
                "1,A1,1000.0000,1.5000,-12.3400,10.0000,,\r\n"
                "2,B2,1234.5677,2.0000,0.0000,0.2500,,\r\n");
}

TEST(VibrationCsv, ShortTablesCutTheRows) {
  NormalModes modes = TwoModes();
  modes.IRIntensities.pop_back();
  EXPECT_EQ(VibrationCsvText(modes, 1.0),
            kHeader + "1,A1,1000.0000,1.5000,-12.3400,10.0000,3.0000,0.7500\r\n");
  modes = TwoModes();
  modes.Frequencies.push_back(5.0f);  // a longer table adds nothing
  modes.ModeNumbers.clear();
  EXPECT_EQ(VibrationCsvText(modes, 1.0), kHeader);
}

TEST(VibrationCsv, IgnoresTheUsersLocale) {
  const std::string expected = VibrationCsvText(TwoModes(), 1.0);
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma here, and none could be built";
  EXPECT_EQ(VibrationCsvText(TwoModes(), 1.0), expected);
}

TEST(VibrationCsv, ValuesNotKnownGiveEmptyCells) {
  NormalModes modes = TwoModes();
  modes.IRIntensities[0] = NormalModes::Unknown;
  modes.Frequencies[1] = NormalModes::Unknown;
  EXPECT_EQ(VibrationCsvText(modes, 0.5),
            kHeader +
                "1,A1,500.0000,1.5000,-12.3400,,3.0000,0.7500\r\n"
                "2,B2,,2.0000,0.0000,0.2500,4.0000,0.1000\r\n");
}

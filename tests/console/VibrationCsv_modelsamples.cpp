// The vibration results of real Gaussian outputs as CSV.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "console/model/VibrationCsv.h"
#include "molfile/MolFile.h"
#include "platform/Numbers.h"
#include "tests/CommaLocale.h"

namespace {

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

// The CSV of a Gaussian output's frequency section, cut into rows.
std::vector<std::string> CsvRows(const char* name, MolFile& file) {
  const std::filesystem::path path = std::filesystem::path(QUIVERA_TESTDATA) / "gaussian_out" / name;
  if (!std::filesystem::exists(path)) return {};
  file.FileType = GAUSSIAN_OUTPUT;
  EXPECT_TRUE(file.Load(path.c_str()));
  std::vector<std::string> rows = Split(VibrationCsvText(file.ModeData, 1.0), "\r\n");
  EXPECT_EQ(rows.back(), "") << "every line ends with CR LF";
  rows.pop_back();
  return rows;
}

// Every number of the rows is the table's value to four decimals.
void ExpectRowsMatchTables(const std::vector<std::string>& rows, const NormalModes& tables) {
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const std::vector<std::string> fields = Split(rows[i], ",");
    ASSERT_EQ(fields.size(), 8u) << rows[i];
    const std::size_t j = i - 1;
    EXPECT_EQ(ReadUnsigned(fields[0]), tables.ModeNumbers[j]);
    EXPECT_EQ(fields[1], tables.Symmetries[j]);
    const std::vector<const std::vector<float>*> columns = {
        &tables.Frequencies, &tables.ReducedMasses, &tables.ForceConstants,
        &tables.IRIntensities, &tables.RamanActivities, &tables.Depolarizations};
    for (std::size_t c = 0; c < columns.size(); ++c) {
      if (columns[c]->empty()) {
        EXPECT_EQ(fields[2 + c], "") << rows[i];
      } else {
        EXPECT_NEAR(ReadDouble(fields[2 + c]), (*columns[c])[j], 5.1e-5) << rows[i];
      }
    }
  }
}

}  // namespace

TEST(VibrationCsvSamples, RamanOutput) {
  MolFile file;
  const auto rows = CsvRows("g09_dvb_raman.out", file);
  if (rows.empty()) GTEST_SKIP() << "no sample outputs in " << QUIVERA_TESTDATA;
  ASSERT_EQ(rows.size(), 55u);
  EXPECT_EQ(rows[0], "Mode No,Symmetry,Frequency,Red mass,Frc const,IR Inten,Raman Activ,Depolar");
  // Depolarisation comes as (P) and (U) lines, which give no table.
  EXPECT_EQ(rows[1], "1,AU,52.7880,3.2050,0.0053,0.0323,0.0000,");
  EXPECT_EQ(rows[54], "54,AG,3549.7034,1.1182,8.3016,0.0000,137.4724,");
  ExpectRowsMatchTables(rows, file.ModeData);

  // Written and read back in a comma locale, nothing changes.
  CommaLocale locale;
  if (!locale.Active()) GTEST_SKIP() << "no locale with a decimal comma here, and none could be built";
  std::vector<std::string> again = Split(VibrationCsvText(file.ModeData, 1.0), "\r\n");
  again.pop_back();
  EXPECT_EQ(again, rows);
  ExpectRowsMatchTables(again, file.ModeData);
}

TEST(VibrationCsvSamples, IrOnlyOutputLeavesRamanEmpty) {
  MolFile file;
  const auto rows = CsvRows("g09_dvb_ir_hpmodes.out", file);
  if (rows.empty()) GTEST_SKIP() << "no sample outputs in " << QUIVERA_TESTDATA;
  ASSERT_EQ(rows.size(), 55u);
  EXPECT_EQ(rows[1], "1,AU,52.7882,3.2050,0.0053,0.0323,,");
  // The tables are single precision: 3549.7032 is held as 3549.70312...
  EXPECT_EQ(rows[54], "54,AG,3549.7031,1.1182,8.3016,0.0000,,");
  ExpectRowsMatchTables(rows, file.ModeData);
}

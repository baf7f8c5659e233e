#include <gtest/gtest.h>

#include "molfile/AtomLabels.h"

TEST(AtomLabels, RuleTable) {
  struct Row {
    const char* label;
    std::uint32_t fromLabel, parse, normalize;
  };
  const Row rows[] = {
      {"", 0, 0, 0},      {"X", 0, 0, 0},       {"Xx", 0, 0, 0},     {"C12", 6, 6, 6},
      {"12", 12, 12, 12}, {"12C", 12, 12, 12},  {"cl", 17, 17, 17},  {"CL", 17, 17, 6},
      {"CA", 20, 20, 6},  {"cA", 20, 20, 20},   {"C1", 6, 6, 6},     {"Cl1", 17, 17, 17},
      {"Bq", 5, 0, 5},    {"Cx", 6, 0, 6},      {"CLA", 6, 0, 6},    {"CALC", 20, 20, 6},
      {"Rf", 0, 0, 0},    {"-C", 0, 0, 6},      {"HW1", 1, 0, 1},
      // beyond the printed table
      {"200", 200, 200, 200},  // numbers are not checked against the table
      {"C_1", 6, 0, 6},        // '_' lies between 'Z' and 'a': a letter for the run
      {"ClA", 6, 0, 17},       // the third letter keeps its case
      {"h", 1, 1, 1},
      {"HE", 2, 2, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.label);
    EXPECT_EQ(AtomicNumberFromLabel(row.label), row.fromLabel);
    EXPECT_EQ(ParseAtomLabel(row.label), row.parse);
    EXPECT_EQ(NormalizeAtomLabel(row.label), row.normalize);
  }
  for (const char* ghost : {"Bq", "bq", "BQ", "bQ12", "Bq(Fragment=1)", "Bq-"}) EXPECT_TRUE(IsGhostLabel(ghost)) << ghost;
  for (const char* other : {"B", "Bqx", "Bq_", "C-Bq", "1Bq", ""}) EXPECT_FALSE(IsGhostLabel(other)) << other;
}

TEST(AtomLabels, HostileLabels) {
  const std::string digits(20, '9');
  EXPECT_EQ(AtomicNumberFromLabel(digits), 4294967295u);  // saturates
  EXPECT_EQ(NormalizeAtomLabel(digits), 4294967295u);
  // Bytes beyond ASCII are neither letters nor digits; a long run is cut.
  EXPECT_EQ(AtomicNumberFromLabel(std::string(500, 'C')), 6u);
  EXPECT_EQ(ParseAtomLabel(std::string(500, 'C')), 0u);
  struct Row {
    std::string label;
    std::uint32_t normalize;
  };
  for (const Row& row : {Row{"\xff\xfe", 0}, Row{"\x83" "C", 6}, Row{"\xe9t", 0},
                         Row{std::string(1, '\0'), 0}}) {
    EXPECT_EQ(AtomicNumberFromLabel(row.label), 0u);
    EXPECT_EQ(ParseAtomLabel(row.label), 0u);
    EXPECT_EQ(NormalizeAtomLabel(row.label), row.normalize);
  }
}

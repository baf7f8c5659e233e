#include <gtest/gtest.h>

#include "core/Elements.h"

// Figures computed once from the printed table of the element rows. Weighting
// by the atomic number catches two rows swapped as well as a mistyped value.
TEST(Elements, RowsMatchThePrintedTable) {
  const Elements table;
  std::string symbols;
  double radiusSum = 0.0, weightedRadius = 0.0, vdwSum = 0.0, weightedColor = 0.0;
  double red = 0.0, green = 0.0, blue = 0.0;
  for (const auto& [z, symbol] : table.NumberToSymbol) symbols += symbol;
  for (const auto& [z, radius] : table.Radii) radiusSum += radius, weightedRadius += z * radius;
  for (const auto& [z, radius] : table.VdwRadii) vdwSum += radius;
  for (const auto& [z, c] : table.Colors) {
    red += c.r, green += c.g, blue += c.b;
    weightedColor += z * (c.r + 2.0 * c.g + 3.0 * c.b);
    EXPECT_EQ(c.a, 1.0f) << z;
  }
  EXPECT_EQ(symbols,
            "HHeLiBeBCNOFNeNaMgAlSiPSClArKCaScTiVCrMnFeCoNiCuZnGaGeAsSeBrKrRbSrYZrNbMoTcRuRhPdAg"
            "CdInSnSbTeIXeCsBaLaCePrNdPmSmEuGdTbDyHoErTmYbLuHfTaWReOsIrPtAuHgTlPbBiPoAtRnFrRaAc"
            "ThPaUNpPuAmCmBkCfEsFmMdNoLrRfDbSgBhHsMt");
  EXPECT_NEAR(radiusSum, 16921.5, 1e-6);
  EXPECT_NEAR(weightedRadius, 989865.6, 1e-6);
  EXPECT_EQ(vdwSum, 2350.0);
  EXPECT_NEAR(red, 49.851, 1e-4);
  EXPECT_NEAR(green, 68.406, 1e-4);
  EXPECT_NEAR(blue, 56.303, 1e-4);
  EXPECT_NEAR(weightedColor, 19991.255, 2e-3);
}

TEST(Elements, RowCountsAndKeys) {
  const Elements table;
  EXPECT_EQ(table.SymbolToNumber.size(), 104u);
  EXPECT_EQ(table.NumberToSymbol.size(), 110u);
  EXPECT_EQ(table.Radii.size(), 110u);
  EXPECT_EQ(table.Colors.size(), 110u);
  std::vector<std::uint32_t> vdw;
  for (const auto& [z, radius] : table.VdwRadii) vdw.push_back(z);
  EXPECT_EQ(vdw, (std::vector<std::uint32_t>{1, 2, 6, 7, 8, 9, 10, 16, 17, 18, 35, 36, 53, 54}));
  EXPECT_EQ(table.VdwRadii.at(1), 100.0);
  EXPECT_EQ(table.Radii.at(1), 37.3);
  // Symbol and number maps agree both ways for everything that reads back.
  for (const auto& [symbol, z] : table.SymbolToNumber) EXPECT_EQ(table.NumberToSymbol.at(z), symbol);
}

TEST(Elements, SymbolLookups) {
  const auto& map = ElementTable.SymbolToNumber;
  ASSERT_NE(map.find(""), map.end());
  EXPECT_EQ(map.at(""), 0u);
  EXPECT_EQ(map.at("Lr"), 103u);
  for (const char* absent : {"X", "Rf", "Db", "Sg", "Bh", "Hs", "Mt", "h", "CL"})
    EXPECT_EQ(map.find(absent), map.end()) << absent;
  EXPECT_EQ(ElementTable.NumberToSymbol.at(109), "Mt");
  EXPECT_EQ(ElementTable.NumberToSymbol.at(0), "");
}

TEST(Elements, IndexingAnUnknownNumberAddsADefaultRow) {
  Elements table;
  EXPECT_EQ(table.NumberToSymbol[110], "");
  EXPECT_EQ(table.NumberToSymbol.size(), 111u);
  EXPECT_EQ(table.Radii[110], 0.0);
  const GraphicHandler::Color<float> c = table.Colors[110];
  EXPECT_EQ(c.r + c.g + c.b + c.a, 0.0f);
  EXPECT_EQ(table.Radii.size(), 111u);
  EXPECT_EQ(table.Colors.size(), 111u);
  EXPECT_EQ(table.SymbolToNumber.size(), 104u);  // the maps are independent
  EXPECT_EQ(table.VdwRadii.size(), 14u);
}

TEST(Elements, CopiesAreIndependent) {
  Elements source;
  Elements copy = source;
  copy.Radii[6] = 99.0;
  copy.Colors[6].r = 0.0f;
  copy.NumberToSymbol[200] = "Zz";
  EXPECT_EQ(source.Radii.at(6), 77.2);
  EXPECT_EQ(source.Colors.at(6).r, 0.5f);
  EXPECT_EQ(source.NumberToSymbol.size(), 110u);
  source = copy;
  EXPECT_EQ(source.Radii.at(6), 99.0);
  EXPECT_EQ(source.NumberToSymbol.size(), 111u);
  // The editable global starts from the same rows as the fixed one.
  EXPECT_EQ(DefaultElements.Radii, ElementTable.Radii);
  EXPECT_EQ(DefaultElements.NumberToSymbol, ElementTable.NumberToSymbol);
}

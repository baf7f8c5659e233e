// The settings dialog's values that need no window.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "settings/SettingValues.h"

TEST(ResolutionRow, RowsAndEnds) {
  const Tessellation middle = ResolutionRow(0);
  EXPECT_EQ(middle.SphereSlices, 18);
  EXPECT_EQ(middle.CylinderSlices, 9);  // not the models' starting 8
  const Tessellation high = ResolutionRow(2);
  EXPECT_EQ(high.SphereSlices, 42);
  EXPECT_EQ(high.SphereStacks, 36);
  EXPECT_EQ(high.CylinderSlices, 32);
  EXPECT_EQ(high.CylinderStacks, 16);
  EXPECT_EQ(ResolutionRow(-2).CylinderStacks, 1);
  // Beyond the bar's range: its ends, never a row outside the table.
  EXPECT_EQ(ResolutionRow(7).SphereSlices, 42);
  EXPECT_EQ(ResolutionRow(-100).SphereSlices, 6);
}

TEST(PanelPlace, PeriodicTableLayout) {
  const auto at = [](std::uint32_t number) {
    PanelPlace place;
    EXPECT_TRUE(PanelPlaceOf(number, place)) << number;
    return std::pair{place.Left, place.Top};
  };
  EXPECT_EQ(at(1), std::pair(17, 14));
  EXPECT_EQ(at(2), std::pair(17 + 19 * 17, 14));
  EXPECT_EQ(at(5), std::pair(17 + 19 * 12, 38));   // B, group 13
  EXPECT_EQ(at(13), std::pair(17 + 19 * 12, 62));  // Al
  EXPECT_EQ(at(26), std::pair(17 + 19 * 7, 86));   // Fe, group 8
  EXPECT_EQ(at(56), std::pair(36, 134));           // Ba
  EXPECT_EQ(at(57), std::pair(55, 187));           // La opens the lanthanide row
  EXPECT_EQ(at(71), std::pair(321, 187));
  EXPECT_EQ(at(72), std::pair(17 + 19 * 3, 134));  // Hf, group 4
  EXPECT_EQ(at(89), std::pair(55, 212));
  EXPECT_EQ(at(103), std::pair(321, 212));
  EXPECT_EQ(at(109), std::pair(17 + 19 * 8, 158));  // Mt, group 9
  PanelPlace place;
  EXPECT_FALSE(PanelPlaceOf(0, place));
  EXPECT_FALSE(PanelPlaceOf(110, place));
  // No two panels share a place.
  std::set<std::pair<int, int>> places;
  for (std::uint32_t number = 1; number <= LastElementNumber; ++number) places.insert(at(number));
  EXPECT_EQ(places.size(), LastElementNumber);
}

TEST(EditNumbers, ValuesThatWouldBreakTheirUsersAreNotRead) {
  EXPECT_EQ(ReadFloatSetting("1e300"), 0.0f);  // not an infinite position
  EXPECT_EQ(ReadImageSide("99999999999"), MaxImageSide);
  EXPECT_EQ(ReadImageSide("-20"), 1);
  EXPECT_EQ(ReadElementRadius("37.3"), 37.3);  // kept as typed, not narrowed
  EXPECT_EQ(ReadElementRadius("1e39"), 0.0);
}

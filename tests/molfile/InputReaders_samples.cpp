// Real Gaussian input, MOPAC and TINKER files: what each file's text says
// about its atoms, and regenerated atom lines that read back the same.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "RoundTrip.h"
#include "molfile/MolFile.h"

namespace {

namespace fs = std::filesystem;

const fs::path kTestData = QUIVERA_TESTDATA;

struct Expected {
  std::string Elements;  // each atom's element as the file names it
  std::uint32_t FirstLine = 0;  // line of the first atom
  CoordinateKind Kind = ZMATRIX;
  const char* Name = nullptr;  // nullptr: the reader leaves the name alone
};

const std::map<std::string, std::uint32_t> kAtomicNumbers = {
    {"H", 1}, {"C", 6}, {"N", 7}, {"O", 8}, {"Cl", 17}, {"Br", 35}, {"Mo", 42}};

const char* const kDivinylbenzene = "C C C C C H H H C C H H H C H C H H C H";

std::string Repeat(const std::string& word, int n) {
  std::string text;
  for (int i = 0; i < n; ++i) text += word + " ";
  return text;
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

const std::map<std::string, Expected>& GaussianInputs() {
  static const std::map<std::string, Expected> files = {
      {"CH3_zmat_variables_link1.com", {"C H H H", 10, ZMATRIX}},
      {"Mo4OCl4_cartesian_genbasis.com", {"Mo O Cl Cl Cl Cl", 10, CARTESIAN}},
      {"dvb_cartesian_modredundant.gjf", {kDivinylbenzene, 8, CARTESIAN}},
      {"dvb_ir_allcheck_nogeom.gjf", {"", 0, CARTESIAN}},
      {"dvb_zmat_commas_Variables.gjf", {kDivinylbenzene, 8, ZMATRIX}},
      {"dvb_zmat_vars_blankline.gjf", {kDivinylbenzene, 8, ZMATRIX}},
      {"tryptophan_cartesian.com",
       {"N C C O C H H C C N H C C C H C H C H C H H H H H O H", 6, CARTESIAN}},
      {"water_cartesian_pcm.com", {"O H H", 7, CARTESIAN}},
      {"water_zmat_vars_equals.com", {"O H H", 6, ZMATRIX}},
  };
  return files;
}

// A MOPAC geometry that names no reference atom is Cartesian.
const std::map<std::string, Expected>& MopacInputs() {
  static const std::map<std::string, Expected> files = {
      {"benzene_cartesian_flags.mop", {"C C C C C C H H H H H H", 3, CARTESIAN, "Title"}},
      {"benzene_starheader.mop", {"C C C C C C H H H H H H", 6, ZMATRIX, "Benzene"}},
      {"benzene_zmat_AUTOSYM.mop", {"C C C C C C H H H H H H", 3, ZMATRIX, "comment1"}},
      {"dvb_cartesian_flags.mop", {kDivinylbenzene, 3, CARTESIAN, "dvb_gopt.out"}},
      {"ethane_cartesian_BONDS.mop", {"C C H H H H H H", 3, CARTESIAN, "Ethane"}},
      {"ethylene_zmat_multijob_BANANA.mop", {"C C H H H H", 3, ZMATRIX, "comment1"}},
      {"formaldehyde_zmat_starheader.mop", {"O C H H", 6, ZMATRIX, "Formaldehyde"}},
      {"formaldehyde_zmat_symmetry.mop", {"O C H H", 3, ZMATRIX, "Formaldehyde"}},
      {"h2o_zmat.mop", {"O H H", 3, ZMATRIX, "Title"}},
      {"plus_continuation_Locate_TS.mop",
       {"", 0, ZMATRIX, "Transition state for 1,3-Cyclobutadiene <=> 2,4-Cyclobutadiene"}},
      {"triazine_zmat_starheader.mop", {"N C N C N C H H H", 6, ZMATRIX, "1,3,5-Triazine"}},
      {"water_zmat_starheader.mop", {"H O H", 6, ZMATRIX, "Water"}},
  };
  return files;
}

// TINKER labels are the serial numbers 1, 2, ...; the elements come from the
// atom names.
const std::map<std::string, Expected>& TinkerFiles() {
  static const std::map<std::string, Expected> files = {
      {"bromine_gas.xyz", {"Br Br", 1, CARTESIAN, "     2  Gas-phase Bromine"}},
      {"bromine_liquid_200atoms_boxline.xyz",
       {Repeat("Br", 200), 2, CARTESIAN, "   200  Liquid Bromine"}},
      {"ccl4_amoeba_gas.xyz", {"Cl Cl Cl Cl C", 1, CARTESIAN, "     5 CCl4 monomer"}},
  };
  return files;
}

void CheckFile(const fs::path& path, std::int32_t fileType, const Expected& expected) {
  SCOPED_TRACE(path.string());
  MolFile f;
  f.FileType = fileType;
  ASSERT_TRUE(f.Load(path.c_str()));

  const std::vector<std::string> elements = Words(expected.Elements);
  ASSERT_EQ(f.AtomIds.Ids.size(), elements.size());
  for (std::size_t i = 0; i < elements.size(); ++i) {
    const auto id = static_cast<std::int32_t>(i);
    EXPECT_EQ(f.AtomIds.Ids[i], id);
    const std::string label = fileType == TINKER_XYZ ? std::to_string(i + 1) : elements[i];
    EXPECT_EQ(f.AtomIds.Labels.at(id), label);
    EXPECT_EQ(f.AtomIds.AtomicNumbers.at(id), kAtomicNumbers.at(elements[i])) << label;
    EXPECT_EQ(f.AtomIds.Kinds.at(id), static_cast<std::uint32_t>(expected.Kind));
    EXPECT_LT(f.AtomIds.LineIndexes.at(id), f.Lines.size());
    if (i == 0) {
      EXPECT_EQ(f.AtomIds.LineIndexes.at(id), expected.FirstLine);
    } else {
      EXPECT_GT(f.AtomIds.LineIndexes.at(id), f.AtomIds.LineIndexes.at(id - 1));
    }
  }
  if (expected.Name) {
    EXPECT_EQ(f.Name, expected.Name);
  }
  EXPECT_EQ(f.CartesianData.Count + f.ZMatrixData.Count, static_cast<std::int32_t>(elements.size()));

  // Every variable an entry names is defined in the file.
  for (const auto* entries : {&f.ZMatrixData.Bonds, &f.ZMatrixData.Angles, &f.ZMatrixData.Dihedrals}) {
    for (const auto& [id, entry] : *entries) {
      if (!entry.IsVariable) continue;
      const std::string name = entry.Text[0] == '-' ? entry.Text.substr(1) : entry.Text;
      const bool defined = std::any_of(f.ZMatrixData.Variables.begin(), f.ZMatrixData.Variables.end(),
                                       [&](const auto& v) { return v.second.Text == name; });
      EXPECT_TRUE(defined) << name;
    }
  }

  if (fileType != TINKER_XYZ) ExpectRegeneratedLinesReadBack(f);
}

void CheckFolder(const char* folder, std::int32_t fileType,
                 const std::map<std::string, Expected>& expectations) {
  const fs::path dir = kTestData / folder;
  if (!fs::is_directory(dir)) GTEST_SKIP() << dir << " is missing: no sample files to read";
  std::size_t seen = 0;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir)) {
    const auto expected = expectations.find(entry.path().filename().string());
    if (expected == expectations.end()) {
      ADD_FAILURE() << entry.path() << " has no expectations here";
      continue;
    }
    CheckFile(entry.path(), fileType, expected->second);
    ++seen;
  }
  EXPECT_EQ(seen, expectations.size());
}

TEST(InputReaderSamples, GaussianInputs) { CheckFolder("gaussian_in", GAUSSIAN_INPUT, GaussianInputs()); }
TEST(InputReaderSamples, MopacInputs) { CheckFolder("mopac", MOPAC_INPUT, MopacInputs()); }
TEST(InputReaderSamples, TinkerFiles) { CheckFolder("tinker", TINKER_XYZ, TinkerFiles()); }

// Values the files write, read through their variables or columns.
TEST(InputReaderSamples, ValuesAndReferences) {
  const fs::path dir = kTestData;
  if (!fs::is_directory(dir / "gaussian_in") || !fs::is_directory(dir / "mopac"))
    GTEST_SKIP() << dir << " is missing: no sample files to read";

  MolFile ch3;
  ch3.FileType = GAUSSIAN_INPUT;
  ASSERT_TRUE(ch3.Load((dir / "gaussian_in/CH3_zmat_variables_link1.com").c_str()));
  EXPECT_EQ(ch3.ZMatrixData.Variables.size(), 6u);  // the second job's are not read
  EXPECT_EQ(ch3.ZMatrixData.Dihedrals.at(3).Value, 240.00292);

  MolFile dvb;
  dvb.FileType = GAUSSIAN_INPUT;
  ASSERT_TRUE(dvb.Load((dir / "gaussian_in/dvb_zmat_commas_Variables.gjf").c_str()));
  EXPECT_EQ(dvb.ZMatrixData.ReferenceStyles.at(19), 1);
  EXPECT_EQ(dvb.ZMatrixData.Bonds.at(19).Reference, 18);
  EXPECT_EQ(dvb.ZMatrixData.Bonds.at(19).Value, 1.09866227);
  EXPECT_EQ(dvb.ZMatrixData.Dihedrals.at(19).Value, 180.0);

  MolFile water;
  water.FileType = MOPAC_INPUT;
  ASSERT_TRUE(water.Load((dir / "mopac/h2o_zmat.mop").c_str()));
  EXPECT_FALSE(water.ZMatrixData.Bonds.contains(0));
  EXPECT_EQ(water.ZMatrixData.Bonds.at(1).Value, 0.97);
  EXPECT_FALSE(water.ZMatrixData.Angles.contains(1));
  EXPECT_EQ(water.ZMatrixData.Angles.at(2).Reference, 1);
  EXPECT_EQ(water.ZMatrixData.Angles.at(2).Value, 109.471);

  MolFile triazine;
  triazine.FileType = MOPAC_INPUT;
  ASSERT_TRUE(triazine.Load((dir / "mopac/triazine_zmat_starheader.mop").c_str()));
  const ZMatrix::Pair& dihedral = triazine.ZMatrixData.Dihedrals.at(7);
  EXPECT_EQ(dihedral.Reference, 4);
  EXPECT_EQ(dihedral.Value, -179.9997414);
}

}  // namespace

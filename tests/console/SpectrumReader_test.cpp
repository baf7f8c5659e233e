#include "console/model/SpectrumReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

#include <sys/stat.h>
#include <unistd.h>

namespace {

using Points = std::vector<SpectrumPoint>;

void ExpectPoints(const Points& got, const Points& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < got.size(); ++i) {
    EXPECT_FLOAT_EQ(got[i].X, want[i].X) << "point " << i;
    EXPECT_FLOAT_EQ(got[i].Y, want[i].Y) << "point " << i;
  }
}

Points Text(std::string_view text) { return ReadSpectrum(text, SpectrumFormat::TwoColumns).Points; }
Points Jcamp(std::string_view text) { return ReadSpectrum(text, SpectrumFormat::Jcamp).Points; }

const char* const kHeader =
    "##TITLE= test\n##FIRSTX= 400\n##LASTX= 4000\n##NPOINTS= 3601\n";

std::string Block(std::string_view title, std::string_view body) {
  return std::string("##TITLE= ").append(title).append("\n").append(body).append("##END=\n");
}

}  // namespace

TEST(TwoColumnSpectrum, OnlyTwoTokenLinesArePoints) {
  ExpectPoints(Text("1000 0.5\n1100,0.7\n1200 0.9 1\n"), {{1000, 0.5}, {1100, 0.7}});
  ExpectPoints(Text("wavenumber absorbance x\r\n\r\n1000\t0.5\r\n"), {{1000, 0.5}});
  // Values pass through single precision.
  EXPECT_EQ(Text("0.1 0.2\n")[0].X, 0.1f);
}

TEST(TwoColumnSpectrum, LastLineWithoutLineEndIsKept) {
  ExpectPoints(Text("1 2\n3 4"), {{1, 2}, {3, 4}});
  ExpectPoints(Text("3 4"), {{3, 4}});
  EXPECT_TRUE(Text("").empty());
}

TEST(TwoColumnSpectrum, HugeValuesComeOutInfinite) {
  const Points points = Text("1e39 1\n");
  ASSERT_EQ(points.size(), 1u);
  EXPECT_TRUE(std::isinf(points[0].X));
}

TEST(JcampSpectrum, DerivesTheIncrementFromRangeAndCount) {
  ExpectPoints(Jcamp(std::string(kHeader) + "##XYDATA= (X++(Y..Y))\n400 0.1 0.2 0.3\n##END=\n"),
               {{400, 0.1}, {401, 0.2}, {402, 0.3}});
}

TEST(JcampSpectrum, FusedLabelsAreRecognised) {
  ExpectPoints(Jcamp("##FIRSTX=400\n##LASTX=4000\n##NPOINTS=3601\n##XYDATA=(X++(Y..Y))\n"
                     "400 0.1 0.2\n##END=\n"),
               {{400, 0.1}, {401, 0.2}});
  ExpectPoints(Jcamp("##DELTAX=-2.5\n##XYDATA=(X++(Y..Y))\n10 1 2\n"), {{10, 1}, {7.5, 2}});
}

// Factors, header lines, and what the reader does not decode: no point is
// made up, and the gap says why there are none.
TEST(SpectrumReading, FactorsHeadersAndUndecodedData) {
  using enum SpectrumGap;
  using namespace std::string_view_literals;
  const SpectrumFormat kJcamp = SpectrumFormat::Jcamp;
  struct Case {
    const char* what;
    SpectrumFormat format;
    std::string_view text;
    Points points;
    SpectrumGap gap = None;
    std::string table = {};
    std::string labelAndValue = {};
  };
  // The link block's increment and misread count, and the second spectrum
  // with its own increment, are not the first spectrum's.
  const std::string link = "##DATA TYPE= LINK\n##BLOCKS= 2\n";
  const std::string spectra = Block("compound", link + "##DELTAX= 5\n##NPOINTS= 2,0\n" +
      Block("first", "##FIRSTX= 350\n##LASTX= 352\n##NPOINTS= 3\n##YFACTOR= 2\n##XYDATA= (X++(Y..Y))\n350 1 2 3\n") +
      Block("second", "##DELTAX= -1\n##XYDATA= (X++(Y..Y))\n700 4 5 6\n"));
  const std::string infrared = Block("compound", link + Block("spectrum", "##DELTAX= 1\n##XYDATA= (X++(Y..Y))\n400 1 2\n") +
                                                     Block("peaks", "##YFACTOR= 1,0\n##PEAK TABLE= (XY..XY)\n400, 1\n"));
  const std::string peaks = Block("peaks", "##PEAK TABLE= (XY..XY) $$ from the spectrum\n450, 0.5\n");
  const std::string ntuples = Block("nmr", "##NTUPLES=\tNMR SPECTRUM\n##PAGE= N=1\n"
                                           "##DATA TABLE= (X++(R..R)), XYDATA\n1 2 3\n##END NTUPLES= NMR SPECTRUM\n");
  // Only the drawn block's own unit counts: not the link block's (before or
  // after the drawn block), nor another block's.
  const std::string micrometres = "##XUNITS= MICROMETERS\n";
  const std::string otherUnits = Block("compound", link + micrometres +
      Block("peaks", micrometres + "##PEAK TABLE= (XY..XY)\n2, 1\n") +
      Block("spectrum", "##DELTAX= 1\n##XYDATA= (X++(Y..Y))\n400 1 2\n") + micrometres +
      Block("second", micrometres + "##XYDATA= (X++(Y..Y))\n0 1\n"));
  const std::string ownUnit = Block("compound", link + "##XUNITS= 1/CM\n" +
      Block("spectrum", micrometres + "##DELTAX= 2\n##XYDATA= (X++(Y..Y))\n2 1 2\n"));
  const std::string atZero = micrometres + "##DELTAX=-1\n##XYDATA=\n1 5 6\n";
  const std::string huge = micrometres + "##XYDATA=\n1e39 1\n";
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      {"x factor scales the data's x, not the increment", kJcamp,
       "##XFACTOR= 1.46728315937252\n##FIRSTX= 24038.5\n##LASTX= 0\n##NPOINTS= 16384\n"
       "##XYDATA= (X++(Y..Y))\n16383 2 4\n",
       {{24038.5, 2}, {24037.0327, 4}}},
      {"y factor", kJcamp, "##YFACTOR=0.0001\n##DELTAX=-1\n##XYDATA=\n4000+10160+10159\n",
       {{4000, 1.016}, {3999, 1.0159}}},
      {"a factor of 0 stays 1", kJcamp, "##YFACTOR= 0\n##XYDATA=\n10 5\n", {{10, 5}}},
      {"a left-out value", kJcamp, "##DELTAX= 1\n##XYDATA=\n10 1 ? 3 $$ checked\n", {{10, 1}, {12, 3}}},
      {"DIF", kJcamp, "##XYDATA=(X++(Y..Y))\n1 2 3\n599.9D15824699M60816J3307342\n", {}, CompressedData},
      {"SQZ with E only", kJcamp, "##XYDATA=\n630.7E22708282\n", {}, CompressedData},
      {"(XY..XY)", kJcamp, "##XYDATA=(XY..XY)\n100, 1\n##END=\n", {}, OtherTable, "(XY..XY)"},
      {"no data", kJcamp, "##TITLE= empty\n##END=\n", {}, NoData},
      {"export headers", SpectrumFormat::TwoColumns,
       "#Wave\t\t#Intensity\nNPOINTS\t3988\n1000\t0.5\n-.5 +2\n.5 x\n- 1\n", {{1000, 0.5}, {-0.5, 2}}},
      {"decimal commas", kJcamp, "##NPOINTS=3\n##FIRSTX= 399,212341 \n##YFACTOR=1,000000E-009\n##XYDATA=\n399 1 2\n", {},
       NotANumber, "", "##FIRSTX=399,212341"},
      {"whole numbers, and labels not used", kJcamp, "##FIRSTX= 0 \r\n##LASTX=\t10\t\r\n##NPOINTS= 11.000000000\r\n"
       "##FIRSTY=1,5\n##firstx=3,5\n##XYDATA=\n0 1 2\n", {{0, 1}, {1, 2}}},
      {"NUL bytes", kJcamp, "##XYDATA=\n1 2\n\0"sv, {}, BinaryFile},
      {"compound file: the first spectrum, by its own labels", kJcamp, spectra, {{350, 2}, {351, 4}, {352, 6}}},
      {"a peak table after the spectrum, its value misread", kJcamp, infrared, {{400, 1}, {401, 2}}},
      {"only a peak table", kJcamp, peaks, {}, OtherTable, "##PEAK TABLE=(XY..XY)"},
      {"only an NTUPLES block", kJcamp, ntuples, {}, OtherTable, "##NTUPLES=NMR SPECTRUM"},
      {"micrometres become wavenumbers, x read with its factor and increments", kJcamp,
       "##XUNITS= micrometers  \n##XFACTOR= 2\n##DELTAX= 1\n##XYDATA=(X++(Y..Y))\n1 5 6 7\n",
       {{5000, 5}, {3333.3333, 6}, {2500, 7}}},
      {"a wavelength of 0 has no wavenumber", kJcamp, atZero, {}, NoWavenumber},
      {"a wavelength a float cannot hold stays infinite", kJcamp, huge, {{inf, 1}}},
      {"compound file: other blocks' units", kJcamp, otherUnits, {{400, 1}, {401, 2}}},
      {"compound file: the drawn block's unit", kJcamp, ownUnit, {{5000, 1}, {2500, 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const SpectrumReading reading = ReadSpectrum(c.text, c.format);
    ExpectPoints(reading.Points, c.points);
    EXPECT_EQ(reading.Gap, c.gap);
    EXPECT_EQ(reading.Table, c.table);
    EXPECT_EQ(reading.Label + reading.Value, c.labelAndValue);
  }
}

TEST(JcampSpectrum, SignsSeparateValues) {
  ExpectPoints(Jcamp("##DELTAX= -1\n##XYDATA= (X++(Y..Y))\n4000 +10160+10159-3\n"
                     "3997+7 1.5E-3 2e+1\n"),
               {{4000, 10160}, {3999, 10159}, {3998, -3}, {3997, 7}, {3996, 1.5e-3}, {3995, 20}});
}

TEST(JcampSpectrum, EachDataLineStartsAtItsOwnX) {
  ExpectPoints(Jcamp("##DELTAX= 1\n##XYDATA=\n10 1 2\n50 3\n"), {{10, 1}, {11, 2}, {50, 3}});
  // A range that starts at 0 gives an increment as well.
  ExpectPoints(Jcamp("##FIRSTX= 0\n##LASTX= 10\n##NPOINTS= 11\n##XYDATA=\n0 1 2\n"),
               {{0, 1}, {1, 2}});
  // A later DELTAX replaces a derived one.
  ExpectPoints(Jcamp(std::string(kHeader) + "##XYDATA=\n400 1 2\n##DELTAX= 10\n500 3 4\n"),
               {{400, 1}, {401, 2}, {500, 3}, {510, 4}});
  ExpectPoints(Jcamp("##DELTAX= 1\n##XYDATA=\n1 2\n##END=\n5 6\n##XYDATA=\n7 8\n"),
               {{1, 2}, {7, 8}});
}

// A DELTAX whose sign runs against FIRSTX to LASTX gives way to the range and
// the count, in the file's x units; one derived from the range, or a single
// point, keeps today's increment.
TEST(JcampSpectrum, ADeltaXAgainstTheRangeGivesWayToIt) {
  ExpectPoints(Jcamp("##DELTAX=1\n##FIRSTX=3800\n##LASTX=454\n##NPOINTS=3347\n##XYDATA=(X++(Y..Y))\n3800 1 2\n"),
               {{3800, 1}, {3799, 2}});
  ExpectPoints(Jcamp("##XUNITS=MICROMETERS\n##FIRSTX=2.5\n##LASTX=25\n##NPOINTS=4\n##DELTAX=-1\n##XYDATA=\n2.5 1 2\n"),
               {{4000, 1}, {1000, 2}});
  ExpectPoints(Jcamp("##FIRSTX=10\n##LASTX=0\n##NPOINTS=1\n##DELTAX=1\n##XYDATA=\n10 1 2\n"), {{10, 1}, {11, 2}});
  ExpectPoints(Jcamp("##FIRSTX=10\n##LASTX=0\n##NPOINTS=11\n##XYDATA=\n10 1 2\n##LASTX=20\n20 3 4\n"),
               {{10, 1}, {9, 2}, {20, 3}, {19, 4}});
}

TEST(JcampSpectrum, LabelLinesInsideTheDataAreNotData) {
  ExpectPoints(Jcamp("##XYDATA=\n1 2\n##DELTAX= -1\n7 1 2\n##END=$$ end of data\n3 4\n"),
               {{1, 2}, {7, 1}, {6, 2}});
}

TEST(JcampSpectrum, OddLinesDoNoHarm) {
  // One point: no increment (no division by zero), the values share x.
  ExpectPoints(Jcamp("##FIRSTX= 5\n##LASTX= 5\n##NPOINTS= 1\n##XYDATA=\n5 1 2\n"),
               {{5, 1}, {5, 2}});
  ExpectPoints(Jcamp("\n##FIRSTX=\n##DELTAX=\n\n##XYDATA=\n\n1 2\n,,\n"), {{1, 2}});
  ExpectPoints(Jcamp("##XYDATA=\n##DELTAX=-1\n7 1 2"), {{7, 1}, {6, 2}});
}

TEST(JcampSpectrum, TextFilterReadsOnlyTwoTokenLines) {
  ExpectPoints(Text(std::string(kHeader) + "##XYDATA= (X++(Y..Y))\n400 0.1 0.2 0.3\n400 0.1\n"),
               {{400, 0.1}});
}

TEST(SpectrumFile, MissingFileReadsNothing) {
  SpectrumReading reading{{{1, 1}}, SpectrumGap::None, {}, {}, {}};
  EXPECT_FALSE(LoadSpectrumFile("/nonexistent/spectrum.txt", SpectrumFormat::TwoColumns, reading));
  EXPECT_TRUE(reading.Points.empty());
}

TEST(SpectrumFile, FoldersAndPipesReadNothingAndDoNotBlock) {
  const auto folder = std::filesystem::temp_directory_path() /
                      ("spectrum-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto pipe = folder / "pipe";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  SpectrumReading reading;
  // Opening a FIFO for reading would wait for a writer that never comes.
  EXPECT_FALSE(LoadSpectrumFile(pipe.string(), SpectrumFormat::TwoColumns, reading));
  EXPECT_FALSE(LoadSpectrumFile(folder.string(), SpectrumFormat::TwoColumns, reading));
  std::filesystem::remove_all(folder);
}

// How the bytes of an animation file become statements, tokens and frames.
#include <gtest/gtest.h>

#include "ProjectFolder.h"
#include "animation/MolAnimation.h"
#include "display/MolGL.h"
#include "molfile/MolFile.h"

namespace {

class Reading : public ::testing::Test {
 protected:
  // Clears the project and loads `text` written as a file.
  bool Load(const std::string& text) {
    animation.Clear();
    return animation.Load(folder.Write("a.qva", text));
  }
  std::vector<long double> Times() const {
    std::vector<long double> times;
    for (const auto& [time, frame] : animation.Frames) times.push_back(time);
    return times;
  }

  ProjectFolder folder;
  MolAnimation animation;
};

std::vector<std::string> Tokens(std::string_view statement) {
  std::vector<std::string> tokens;
  MolAnimation::Tokenize(statement, tokens);
  return tokens;
}

using Strings = std::vector<std::string>;

}  // namespace

TEST(Tokenize, QuotesKeepBlanksAndTextOutsideThemLosesItsHighBytes) {
  EXPECT_EQ(Tokens("%FILE 1 GJF \"my file.gjf\""), (Strings{"%FILE", "1", "GJF", "my file.gjf"}));
  EXPECT_EQ(Tokens("%FILE 1 GJF my file.gjf"), (Strings{"%FILE", "1", "GJF", "my", "file.gjf"}));
  // Either quote closes what the other opened; an empty quote gives nothing.
  EXPECT_EQ(Tokens("a\"b c'd e\t\"\" ''f"), (Strings{"ab cd", "e", "f"}));
  // Shift-JIS bytes survive only inside quotes; tabs outside split.
  EXPECT_EQ(Tokens("\x90\x85.gjf\t'\x90\x85 x'"), (Strings{".gjf", "\x90\x85 x"}));
  EXPECT_EQ(Tokens(std::string("a\0b", 3)), (Strings{"a", "b"}));
  EXPECT_TRUE(Tokens("   \t ").empty());
}

// The last statement and the frame it fills end with the file, with or
// without a line end or an empty line after them.
TEST_F(Reading, TheEndOfTheFileEndsTheLastStatementAndItsFrame) {
  const std::string head = "%TIMESTEP 2.5\n%DATA\n%TIME 0\n0 1 6 0 0 0";
  for (const char* tail : {"", "\n", "\n\n", "\r\n", " ; last row\n", "\n%CONTINUE 1\n%CONTINUE 1\n"}) {
    SCOPED_TRACE(tail);
    EXPECT_TRUE(Load(head + tail));
    ASSERT_EQ(Times(), (std::vector<long double>{0}));
    EXPECT_EQ(animation.CurrentFrame, 0);
    EXPECT_FALSE(animation.FrameDirty);
  }
  EXPECT_EQ(animation.FileName, folder.PathOf("a.qva"));

  // Two frames, the second ended by the file; the next time is counted on.
  Load(head + "\n\n0 1 6 1 0 0\n");
  EXPECT_EQ(Times(), (std::vector<long double>{0, 2.5}));
  EXPECT_EQ(animation.FrameTime, 5);

  // A header statement on the last line is read too.
  Load("%TIMESTEP 4");
  EXPECT_EQ(animation.TimeStep, 4);
  EXPECT_TRUE(animation.Frames.empty());
  EXPECT_FALSE(animation.CurrentFrame);
}

TEST_F(Reading, EmptyAndCommentLinesEndFramesInDataMode) {
  Load(
      "%TIMESTEP 2.5 ; femtoseconds\n"
      "%DATA\n"
      "%TIME 0\n"
      "0 1 6 0 0 0\n"
      "; a comment line ends the frame\n"
      "0 1 6 1 0 0\n"
      "\n"
      "0 1 6 2 0 0\r\n"
      "   \n"
      "0 1 6 3 0 0\n"
      "%time 100\n"  // not a keyword, but it begins with '%'
      "0 1 6 4 0 0\n"
      "%CONTINUE\n"  // too short to match, still an ending
      "0 1 6 5 0 0\n"
      "\n"
      "end\n");
  EXPECT_EQ(Times(), (std::vector<long double>{0, 2.5, 5, 7.5, 10, 12.5}));
  EXPECT_EQ(animation.Frames.at(5).Particles.begin()->second[0].Position.x, 2.0f);
}

TEST_F(Reading, HeaderStatementsRunOnUntilALineBeginsWithPercent) {
  folder.Write("x.gjfabc", TwoAtomInput);
  std::vector<MolFile> files;
  std::vector<MolGL> models;
  animation.MolFiles = &files;
  animation.MolGLs = &models;
  // The second line joins the first: the name becomes x.gjfabc.
  Load("%FILE 1 GJF x.gjf\nabc\n  %TIMESTEP 4 %TIME 9\n%DATA\n%TIME 1\n0 1\n%CONTINUE 1\n%CONTINUE 1\n");
  EXPECT_EQ(animation.FileNames.at(1), "x.gjfabc");
  EXPECT_EQ(animation.FileIndex.at(1), 0);
  // A '%' later on a line is an ordinary byte: only %TIMESTEP 4 counts.
  EXPECT_EQ(animation.TimeStep, 4);
  EXPECT_EQ(Times(), (std::vector<long double>{1}));
}

TEST_F(Reading, ARowRightAfterDataJoinsItAndNoFrameIsRead) {
  Load("%DATA\n0 1 6 0 0 0\n\n%CONTINUE 1\n%CONTINUE 1\n");
  EXPECT_FALSE(animation.DataMode);
  EXPECT_TRUE(animation.Frames.empty());
  Load("%DATA\n1 1 6 0 0 0\n%CONTINUE 1\n%CONTINUE 1\n");  // token 0 "%DATA1"
  EXPECT_FALSE(animation.DataMode);
}

TEST_F(Reading, AFrameAtATimeAlreadyStoredIsDropped) {
  Load("%DATA\n%TIME 0\n0 1 6 1 0 0\n\n0 1 6 2 0 0\n\n%CONTINUE 1\n");
  ASSERT_EQ(Times(), (std::vector<long double>{0}));
  EXPECT_EQ(animation.Frames.at(0).Particles.begin()->second[0].Position.x, 1.0f);
}

TEST_F(Reading, CrOnlyLineEndsMakeOneStatement) {
  // "%TIMESTEP 3%DATA0 1 6 0 0 0%TIME 1": a time step, and no data mode.
  EXPECT_TRUE(Load("%TIMESTEP 3\r%DATA\r0 1 6 0 0 0\r\r%TIME 1\r"));
  EXPECT_EQ(animation.TimeStep, 3);
  EXPECT_FALSE(animation.DataMode);
  EXPECT_TRUE(animation.Frames.empty());
}

TEST_F(Reading, AFileThatCannotBeReadLeavesAnEmptyProject) {
  Load("%FREQ 1 1 1000\n%MOL 1 2 1\n%DATA\n%TIME 4\n0 1 6 0 0 0\n\n%CONTINUE 1\n");
  ASSERT_TRUE(animation.CurrentFrame);
  animation.TimeStep = 7;

  // No Clear first: Load empties the frames and the per-molecule maps itself.
  EXPECT_FALSE(animation.Load(folder.PathOf("missing.qva")));
  EXPECT_TRUE(animation.Frames.empty() && animation.ModePhases.empty() && animation.Bonds.empty() &&
              animation.AtomCounts.empty());
  EXPECT_FALSE(animation.CurrentFrame);
  EXPECT_EQ(animation.Current(), nullptr);
  EXPECT_EQ(animation.TimeStep, 7);  // not Load's to reset
  // A folder is not a file.
  EXPECT_FALSE(animation.Load(folder.Root.string()));
}

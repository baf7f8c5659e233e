// %SHOW and the texts that the overlays compose from the current frame.
#include <gtest/gtest.h>

#include "animation/MolAnimation.h"

namespace {

class TextOverlays : public ::testing::Test {
 protected:
  void Run(std::string_view statement) {
    std::vector<std::string> tokens;
    MolAnimation::Tokenize(statement, tokens);
    animation.ParseLine(tokens);
  }
  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const MolAnimation::Overlay& overlay : animation.Overlays()) texts.push_back(overlay.Bytes);
    return texts;
  }

  MolAnimation animation;
};

void ExpectColor(const MolAnimation::TextData& text, int r, int g, int b, int a) {
  EXPECT_EQ(text.Color.r, r);
  EXPECT_EQ(text.Color.g, g);
  EXPECT_EQ(text.Color.b, b);
  EXPECT_EQ(text.Color.a, a);
}

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(TextOverlays, TimeOverlay) {
  Run("%SHOW TIME");
  EXPECT_TRUE(animation.ShowTime);
  EXPECT_EQ(animation.TimeText.Unit, " fs");
  EXPECT_EQ(animation.TimeText.Position.x, 0);
  ExpectColor(animation.TimeText, 1, 1, 1, 1);

  Run("%SHOW TIME 10.7 20 #FF8000");
  EXPECT_EQ(animation.TimeText.Position.x, 10);  // the integer part
  EXPECT_EQ(animation.TimeText.Position.y, 20);
  ExpectColor(animation.TimeText, 255, 128, 0, 255);

  Run("%SHOW TIME 5");  // a lone x is not read; the rest is reset
  EXPECT_EQ(animation.TimeText.Position.x, 0);
  ExpectColor(animation.TimeText, 1, 1, 1, 1);
  Run("%SHOW TIME 1 2 #GG00zz");  // every byte has a digit value
  ExpectColor(animation.TimeText, 16, 0, (16 * 35 + 35) % 256, 255);
}

TEST_F(TextOverlays, FreqAndDipoleOverlaysKeepTheFirstOfAKey) {
  Run("%SHOW FREQ 1 TEXT 10 40 #00ff00");
  Run("%SHOW FREQ 1 TEXT 50 50");
  Run("%SHOW FREQ 2 TEXT 10");
  Run("%SHOW DIPOLE 2 GRAPH");
  Run("%SHOW DIPOLE 3 TEXT 1 2 #12");
  Run("%SHOW FREQ 4");
  Run("%SHOW GRAPH 1 TEXT");
  ASSERT_EQ(animation.FreqTexts.size(), 2u);
  const MolAnimation::TextData& first = animation.FreqTexts.at(1);
  EXPECT_EQ(first.Position.x, 10);
  EXPECT_EQ(first.Position.y, 40);
  EXPECT_EQ(first.Unit, " cm-1");
  ExpectColor(first, 0, 255, 0, 255);
  EXPECT_EQ(animation.FreqTexts.at(2).Position.x, 0);
  ExpectColor(animation.FreqTexts.at(2), 0, 0, 0, 0);
  ASSERT_EQ(animation.DipoleTexts.size(), 1u);
  EXPECT_EQ(animation.DipoleTexts.at(3).Unit, " debye");
  EXPECT_EQ(animation.DipoleTexts.at(3).Position.y, 2);
  ExpectColor(animation.DipoleTexts.at(3), 0, 0, 0, 0);
  EXPECT_FALSE(animation.ShowTime);
}

TEST_F(TextOverlays, TextsComeFromTheCurrentFrame) {
  EXPECT_TRUE(animation.Overlays().empty());  // no frame yet
  Run("%SHOW FREQ 1 TEXT");
  Run("%SHOW DIPOLE 2 TEXT");
  Run("%SHOW DIPOLE 1 TEXT");
  animation.Frames[2.5L].Freqs[1] = {7, 1234.5678f, 1};
  animation.Frames[2.5L].Dipoles[2] = 0.5f;
  animation.Frames[10].Freqs[1] = {7, 1000000, 1};
  animation.CurrentFrame = 2.5L;
  // Time only when asked for; dipoles before frequencies, by key.
  EXPECT_EQ(Texts(), (Strings{"0 debye", "0.5 debye", "1234.57 cm-1"}));

  Run("%SHOW TIME");
  animation.TimeText.Prefix = "t=";
  animation.TimeText.Postfix = "!";
  EXPECT_EQ(Texts().front(), "t=2.5 fs!");
  animation.Advance(12, 3);  // the frame's time, not the clock
  EXPECT_EQ(Texts(), (Strings{"t=10 fs!", "0 debye", "0 debye", "1e+06 cm-1"}));
  EXPECT_EQ(animation.Overlays().front().Text, &animation.TimeText);
}

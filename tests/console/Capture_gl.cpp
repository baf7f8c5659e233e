// Captures of the view in a real GL context (Xvfb, Mesa): still images at
// the window's size and at another, image series and AVI recordings driven
// by the idle loop, and their failures.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include <QAction>
#include <QCheckBox>
#include <QToolButton>
#include <QDir>
#include <QImage>
#include <QStatusBar>
#include <QTest>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "platform/ui/ListView.h"
#include "tests/console/support/FormsFixture.h"
#include "tests/console/support/ViewFrame.h"
#include "tests/support/StrictRun.h"

namespace {

std::string ReadAll(const QString& path) {
  std::ifstream in(path.toStdString(), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t U32(const std::string& bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

bool IsBackground(QRgb pixel) { return qRed(pixel) == 100 && qGreen(pixel) == 165 && qBlue(pixel) == 244; }

class Capture : public FormsFixture {
 protected:
  void StartWith(const QStringList& arguments = {}) {
    Start(arguments);
    ASSERT_TRUE(PrepareView());
    ASSERT_NE(FormGL->GLContext, nullptr) << "no GL: run under Xvfb";
    dialogs.Calls.clear();
  }

  // Idle passes until the recording ends (at most `limit`); the number run.
  static int RunRecording(int limit = 1000) {
    int passes = 0;
    while (FormGL->Recording && passes < limit) {
      FormGL->ApplicationIdle();
      ++passes;
    }
    return passes;
  }

  // A project of frames at 10, 20 and 30 fs, in animation mode.
  void StartWithFrames() {
    StartWith();
    for (long double time : {10.0L, 20.0L, 30.0L}) FormMolecules->Animation.Frames[time];
    FormMolecules->CheckBoxAnimation->setChecked(false);
    FormMolecules->CheckBoxAnimation->setChecked(true);
  }

  QStringList Files() const { return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden); }

  std::vector<QString> Messages() const {
    std::vector<QString> texts;
    for (const auto& call : dialogs.CallsOf(ScriptedDialogs::Kind::Message)) texts.push_back(call.Text);
    return texts;
  }

  static void ExpectIdle() {
    EXPECT_FALSE(FormGL->Recording);
    EXPECT_TRUE(FormGL->StatusBar->currentMessage().isEmpty());
    EXPECT_TRUE(FormGL->SaveWindowImage->isEnabled());
    EXPECT_EQ(FormGL->CaptureBuffer, nullptr);
  }
};

TEST_F(Capture, StillImagesAtTheSetSizeAndAtTheWindowSize) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormGL->ImageWidth = 200;
  FormGL->ImageHeight = 150;
  dialogs.ChooseFile(PathOf("shot"), 1);
  FormGL->SaveWindowImage->trigger();
  EXPECT_EQ(dialogs.CallsOf(ScriptedDialogs::Kind::File).at(0).Filter,
            QStringLiteral("Bitmap Image(*.bmp)|*.bmp|Jpeg Image(*.jpg)|*.jpg"));
  QImage bmp(PathOf("shot.bmp"));
  ASSERT_FALSE(bmp.isNull());
  EXPECT_EQ(bmp.size(), QSize(200, 150));
  EXPECT_TRUE(IsBackground(bmp.pixel(0, 0)));
  // The molecule stands in the middle, in the same place as in the window.
  EXPECT_FALSE(IsBackground(bmp.pixel(100, 75)));
  EXPECT_EQ(FormGL->CaptureBuffer, nullptr) << "the buffer of the other size is gone";

  FormGL->UseWindowSize = true;
  dialogs.ChooseFile(PathOf("shot.jpg"), 2);
  FormGL->SaveWindowImage->trigger();
  QImage jpeg(PathOf("shot.jpg"));
  ASSERT_FALSE(jpeg.isNull());
  EXPECT_EQ(jpeg.size(), QSize(FormGL->ClientWidth(), FormGL->ClientHeight()));
  EXPECT_FALSE(IsBackground(jpeg.pixel(jpeg.width() / 2, jpeg.height() / 2)));
  EXPECT_TRUE(Messages().empty());
}

TEST_F(Capture, ABufferOfTheWindowsSizeHoldsTheWindowsPicture) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormGL->AxisArrowsVisible = true;
  const ViewFrame window = RenderFrame();
  FormGL->ImageWidth = window.Width;
  FormGL->ImageHeight = window.Height;
  dialogs.ChooseFile(PathOf("shot.bmp"), 1);
  FormGL->SaveWindowImage->trigger();
  const QImage image = QImage(PathOf("shot.bmp")).convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(image.size(), QSize(window.Width, window.Height));
  int differing = 0;
  for (int y = 0; y < window.Height; ++y) {
    for (int x = 0; x < window.Width; ++x) {
      // The window's rows run bottom-up, the image's top-down.
      const unsigned char* theirs = &window.Rgb[3 * (static_cast<std::size_t>(y) * window.Width + x)];
      const QRgb ours = image.pixel(x, window.Height - 1 - y);
      if (qRed(ours) != theirs[0] || qGreen(ours) != theirs[1] || qBlue(ours) != theirs[2]) ++differing;
    }
  }
  EXPECT_LT(differing, window.Width * window.Height / 1000);
  EXPECT_GT(window.Drawn(0, 0, window.Width / 2, window.Height / 2), 0) << "the axis arrows, lower left";
}

TEST_F(Capture, AnExistingPictureIsReplacedOnlyWhenTheUserSaysSo) {
  StartWith();
  const QString old = WriteFile("shot.bmp", "mine");
  dialogs.ChooseFile(PathOf("shot.bmp"), 1);
  dialogs.AnswerMessage(false);
  FormGL->SaveWindowImage->trigger();
  EXPECT_EQ(Messages().at(0), old + QStringLiteral("を上書きしますか？"));
  EXPECT_EQ(ReadAll(old), "mine");

  dialogs.ChooseFile(PathOf("shot.bmp"), 1);
  dialogs.AnswerMessage(true);
  FormGL->SaveWindowImage->trigger();
  EXPECT_EQ(QImage(old).size(), QSize(320, 240));

  // Into a folder that does not exist: said, and nothing else happens.
  dialogs.ChooseFile(PathOf("none/shot.bmp"), 1);
  FormGL->SaveWindowImage->trigger();
  EXPECT_EQ(Messages().back(), CouldNotSaveText(PathOf("none/shot.bmp"), std::strerror(ENOENT)));
}

TEST_F(Capture, ASeriesStoresOneImagePerPassWhileTheClockIsBelowTheEnd) {
  StartWith();
  FormGL->RecordTime = 12.0L;  // four steps of 3 fs
  FormGL->RecordWidth = 64;
  FormGL->RecordHeight = 48;
  dialogs.ChooseFile(PathOf("run.bmp"), 2);
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  EXPECT_EQ(FormGL->StatusBar->currentMessage(), QStringLiteral("録画中"));
  EXPECT_FALSE(FormGL->SaveWindowImage->isEnabled());
  EXPECT_EQ(FormGL->CurrentTime, 0.0L);
  const int passes = RunRecording();
  // Passes at 0, 3, 6 store frames numbered by the advanced clock; the pass
  // that reaches 12 stops without storing.
  EXPECT_EQ(passes, 4);
  EXPECT_EQ(FormGL->CurrentTime, 12.0L) << "one step per pass";
  EXPECT_EQ(Files(), QStringList({"run00001.bmp", "run00002.bmp", "run00003.bmp"}));
  EXPECT_EQ(QImage(PathOf("run00002.bmp")).size(), QSize(64, 48));
  ExpectIdle();
}

TEST_F(Capture, ARecordingWhoseEndIsReachedStopsWithoutStoring) {
  StartWith();
  FormGL->RecordTime = 0.0L;
  dialogs.ChooseFile(PathOf("run"), 3);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(RunRecording(), 1);
  EXPECT_TRUE(Files().isEmpty());
  ExpectIdle();
}

TEST_F(Capture, AnAviRecordingOfMotionJpegFrames) {
  StartWith();
  FormGL->RecordTime = 30.0L;
  dialogs.ChooseFile(PathOf("movie"), 1);
  dialogs.ChooseCompressor(VideoCompressor{VideoCompressor::Codec::MotionJpeg, 80});
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  // Meanwhile nothing but a hidden temporary file stands in the folder.
  EXPECT_FALSE(QFile::exists(PathOf("movie.avi")));
  EXPECT_EQ(RunRecording(), 10);
  ExpectIdle();
  EXPECT_EQ(FormGL->FrameCount, 9);
  EXPECT_EQ(Files(), QStringList({"movie.avi"}));
  const std::string avi = ReadAll(PathOf("movie.avi"));
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(U32(avi, 4), avi.size() - 8);
  EXPECT_EQ(U32(avi, 32 + 16), 9u) << "frames in the header";
  EXPECT_EQ(U32(avi, 32 + 32), 320u);
  EXPECT_EQ(U32(avi, 32 + 36), 240u);
  EXPECT_EQ(avi.substr(112, 4), "MJPG");
}

TEST_F(Capture, ARecordingAtTheWindowsSizeKeepsThatSizeWhenTheWindowIsResized) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormGL->UseWindowSize = true;
  FormGL->RecordTime = 30.0L;
  const ViewFrame window = RenderFrame();
  dialogs.ChooseFile(PathOf("movie.avi"), 1);
  dialogs.ChooseCompressor(VideoCompressor{});
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  RunRecording(3);
  const int width = FormGL->ClientWidth();
  FormGL->resize(FormGL->width() + 40, FormGL->height() + 30);
  ASSERT_TRUE(QTest::qWaitFor([width] { return FormGL->ClientWidth() == width + 40; }));
  EXPECT_EQ(RunRecording(), 7);
  ExpectIdle();
  EXPECT_TRUE(Messages().empty());
  // All nine frames, every one of the size the recording began with.
  const std::string avi = ReadAll(PathOf("movie.avi"));
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(U32(avi, 32 + 32), static_cast<std::uint32_t>(window.Width));
  EXPECT_EQ(U32(avi, 32 + 36), static_cast<std::uint32_t>(window.Height));
  const std::uint32_t frameBytes = ((window.Width * 3 + 3) & ~3) * window.Height;
  const std::size_t index = avi.rfind("idx1");
  ASSERT_NE(index, std::string::npos);
  int framesOfThatSize = 0;
  for (std::size_t entry = index + 8; entry + 16 <= avi.size(); entry += 16)
    framesOfThatSize += U32(avi, entry + 12) == frameBytes;
  EXPECT_EQ(framesOfThatSize, 9);
}

TEST_F(Capture, AnExistingAviIsAskedAboutAndKeptWhenTheAnswerIsNo) {
  StartWith();
  const QString old = WriteFile("movie.avi", "mine");
  const QString chosen = WriteFile("movie", "also mine");
  dialogs.ChooseFile(chosen, 1);
  dialogs.AnswerMessage(false);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_FALSE(FormGL->Recording);
  EXPECT_EQ(Messages().at(0), old + QStringLiteral("を上書きしますか？"));
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Compressor).empty());

  // Said yes, the old file stays until the new one is complete; the
  // cancelled compressor choice records uncompressed frames.
  FormGL->RecordTime = 6.0L;
  dialogs.ChooseFile(chosen, 1);
  dialogs.AnswerMessage(true);
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  EXPECT_EQ(ReadAll(old), "mine");
  RunRecording();
  const std::string avi = ReadAll(old);
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(avi.substr(112, 4), "DIB ");
  EXPECT_EQ(U32(avi, 32 + 16), 1u);
  EXPECT_EQ(ReadAll(chosen), "also mine") << "the file that is not written is not touched";
}

TEST_F(Capture, AStopCutsARecordingShortAndTheFileIsWhole) {
  StartWith();
  dialogs.ChooseFile(PathOf("movie.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  RunRecording(3);
  ASSERT_TRUE(FormGL->Recording);
  FormGL->StopCapture();
  ExpectIdle();
  const std::string avi = ReadAll(PathOf("movie.avi"));
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(U32(avi, 4), avi.size() - 8);
  EXPECT_EQ(U32(avi, 32 + 16), 3u);
}

// A file at its size limit ends the recording with a message in the
// language of the others, and keeps what was recorded. The writer is swapped
// for one of a small limit: the real one takes a gibibyte.
TEST_F(Capture, AFullAviEndsTheRecordingAndKeepsItsFrames) {
  StartWith();
  dialogs.ChooseFile(PathOf("long.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  FormGL->AviFile = std::make_unique<AviWriter>(1u << 20);
  ASSERT_TRUE(FormGL->AviFile->Open(FormGL->AviReplacement->Path()));
  ASSERT_TRUE(FormGL->AviFile->SetFormat(FormGL->FrameWidth, FormGL->FrameHeight, 15, AviCodec::Uncompressed));
  RunRecording();
  ExpectIdle();
  EXPECT_EQ(Messages(), std::vector<QString>({PathOf("long.avi") + QStringLiteral(
                                                  "は最大の大きさ (1 GiB) に達したため、録画を終了しました。")}));
  const std::string avi = ReadAll(PathOf("long.avi"));
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(U32(avi, 32 + 16), 4u) << "four frames of 320 x 240 fit in a mebibyte";
}

// Under ulimit -f, a picture in place over a linked one and a recording fail; the program goes on.
TEST_F(Capture, SavesPastTheFileSizeLimitFailAndTheProgramGoesOn) {
  StartWith();
  const QString old = WriteFile("shot.bmp", "mine");
  ASSERT_EQ(::link(old.toLocal8Bit().constData(), PathOf("copy.bmp").toLocal8Bit().constData()), 0);
  rlimit before{};
  ::getrlimit(RLIMIT_FSIZE, &before);
  const rlimit limit{100000, before.rlim_max};
  ::setrlimit(RLIMIT_FSIZE, &limit);
  dialogs.ChooseFile(old, 1);
  dialogs.AnswerMessage(true);
  FormGL->SaveWindowImage->trigger();
  dialogs.ChooseFile(PathOf("movie.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  RunRecording();
  ::setrlimit(RLIMIT_FSIZE, &before);
  EXPECT_EQ(ReadAll(old), "mine");
  EXPECT_EQ(Files(), QStringList({"copy.bmp", "shot.bmp"}));
  EXPECT_EQ(Messages().back(), CouldNotSaveText(PathOf("movie.avi"), std::strerror(EFBIG)));
}

TEST_F(Capture, AFolderThatCannotBeWrittenEndsTheRecordingAtOnce) {
  StartWith();
  dialogs.ChooseFile(PathOf("none/movie.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(Messages(), std::vector<QString>({QStringLiteral("Unable to open avi file.\n") + std::strerror(ENOENT)}));
  ExpectIdle();

  dialogs.ChooseFile(PathOf("none/run.jpg"), 3);
  FormGL->SaveWindowAnimation->trigger();
  ASSERT_TRUE(FormGL->Recording);
  EXPECT_EQ(RunRecording(), 1);
  EXPECT_EQ(Messages().back(), CouldNotSaveText(PathOf("none/run00001.jpg"), std::strerror(ENOENT)));
  ExpectIdle();
}

// A recording cannot reserve its length: a file only an in-place write could
// replace (one with a second name) is refused, naming it; AVI or series image.
TEST_F(Capture, ARecordingIsNeverWrittenInPlace) {
  StartWith();
  const QString movie = WriteFile("movie.avi", "mine");
  const QString keep = WriteFile("keep.bmp", "mine too");
  ASSERT_EQ(::link(movie.toLocal8Bit().constData(), PathOf("copy.avi").toLocal8Bit().constData()), 0);
  ASSERT_EQ(::link(keep.toLocal8Bit().constData(), PathOf("run00001.bmp").toLocal8Bit().constData()), 0);
  dialogs.ChooseFile(movie, 1);
  dialogs.AnswerMessage(true);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(Messages().back(), NotReplaceableInPlaceText(movie, EMLINK));
  ExpectIdle();
  dialogs.ChooseFile(PathOf("run.bmp"), 2);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(RunRecording(), 1);
  EXPECT_EQ(ReadAll(movie), "mine");
  EXPECT_EQ(ReadAll(keep), "mine too");
}

TEST_F(Capture, OnePeriodOfTheSelectedModeAndTheStepPutBack) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormGL->FramesPerPeriod = 4;
  // Without a selected mode nothing happens.
  FormGL->SaveWindowNormalMode->trigger();
  EXPECT_TRUE(dialogs.Calls.empty());

  FormMolecules->ListViewNormalModes->SelectRow(1);
  NormalMode* mode = FormMolecules->SelectedNormalMode();
  ASSERT_NE(mode, nullptr);
  const double period = 1e15 / (mode->Frequency * 299792458.0 * 100.0);
  // An imaginary mode, printed with a negative frequency, has the period of its absolute one.
  for (const QString name : {"mode", "ts"}) {
    dialogs.ChooseFile(PathOf(name + ".jpg"), 2);
    FormGL->SaveWindowNormalMode->trigger();
    ASSERT_TRUE(FormGL->Recording);
    EXPECT_NEAR(static_cast<double>(FormGL->TimeStep * 4), period, 1e-9);
    EXPECT_EQ(RunRecording(), 5);
    EXPECT_EQ(Files().filter(name), QStringList({name + "00001.jpg", name + "00002.jpg", name + "00003.jpg",
                                                 name + "00004.jpg"}));
    EXPECT_NE(QImage(PathOf(name + "00001.jpg")), QImage(PathOf(name + "00002.jpg")));  // moving, not ticked
    EXPECT_EQ(FormGL->TimeStep, 3.0L);
    EXPECT_FALSE(mode->Animate);
    EXPECT_EQ(mode->Phase, 0.0L);
    ExpectIdle();
    mode->Frequency = -mode->Frequency;
  }
  // A mode of frequency 0 has no period: said before any name is asked for.
  mode->Frequency = 0.0;
  dialogs.Calls.clear();
  FormGL->SaveWindowNormalMode->trigger();
  EXPECT_FALSE(FormGL->Recording);
  EXPECT_EQ(dialogs.Calls.size(), 1u);
  EXPECT_EQ(Messages().at(0), QStringLiteral("選択中の基準振動は振動数が 0 で周期がないため、連番画像を保存できません。"));
  dialogs.Calls.clear();
  auto* const context = std::exchange(FormGL->GLContext, nullptr);  // none: said before a name is asked
  for (QAction* save : {FormGL->SaveWindowImage, FormGL->SaveWindowAnimation, FormGL->SaveWindowNormalMode})
    save->trigger();
  FormGL->GLContext = context;
  EXPECT_EQ(Messages(), std::vector<QString>(3, QStringLiteral("OpenGL で描画できないため、画面を保存できません。")));
}

// At 298.428 cm-1 the clock after 19 steps lies a rounding below 19 steps:
// the end at 18.5 steps keeps the next period's first image out.
TEST_F(Capture, OnePeriodIsEighteenImagesWhereTheClockFallsShortOfTheEnd) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormMolecules->ListViewNormalModes->SelectRow(0);
  ASSERT_NE(FormMolecules->SelectedNormalMode(), nullptr);
  FormMolecules->SelectedNormalMode()->Frequency = 298.428f;
  ASSERT_EQ(FormGL->FramesPerPeriod, 18);
  dialogs.ChooseFile(PathOf("slow.bmp"), 1);
  FormGL->SaveWindowNormalMode->trigger();
  RunRecording();
  EXPECT_EQ(Files().back(), "slow00018.bmp");
}

// Right of the centre, the frequency text ran past the edge of a 320 x 240
// picture, and was not drawn at all where its place fell outside.
TEST_F(Capture, TheFrequencyTextFitsEveryPictureWhole) {
  StartWith({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
  FormGL->MolGLs[0].ShowMolecule = false;  // the text alone
  FormMolecules->ListViewNormalModes->SelectRow(0);
  FormMolecules->SelectedNormalMode()->Frequency = -1180.2;
  std::vector<int> inked;
  for (const QSize size : {QSize(960, 680), QSize(320, 240), QSize(200, 400)}) {
    FormGL->ImageWidth = size.width();
    FormGL->ImageHeight = size.height();
    const QString name = PathOf(QString::number(size.width()) + ".bmp");
    dialogs.ChooseFile(name, 1);
    FormGL->SaveWindowImage->trigger();
    const QImage image(name);
    inked.push_back(0);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) inked.back() += !IsBackground(image.pixel(x, y));
  }
  EXPECT_GT(inked[0], 100);
  EXPECT_EQ(inked, std::vector<int>(3, inked[0]));
}

// A picture the user may not write is asked about, then refused as a file
// that cannot be deleted, and stays as it was.
TEST_F(Capture, PicturesTheUserMayNotWriteStayAsTheyWere) {
  StartWith();
  const QString shot = WriteFile("shot.jpg", "mine");
  const QString movie = WriteFile("movie.avi", "mine too");
  for (const QString& path : {shot, movie}) ::chmod(path.toLocal8Bit().constData(), 0444);
  ::chown(folder.path().toLocal8Bit().constData(), OrdinaryUserId(), static_cast<gid_t>(-1));
  // Each is refused before anything is drawn: the child shares the display.
  AsOrdinaryUser([&] {
    dialogs.ChooseFile(shot, 2);
    dialogs.AnswerMessage(true);
    FormGL->SaveWindowImage->trigger();
    dialogs.ChooseFile(movie, 1);
    dialogs.AnswerMessage(true);
    FormGL->SaveWindowAnimation->trigger();
    EXPECT_FALSE(FormGL->Recording);
    EXPECT_EQ(Messages(), std::vector<QString>({shot + QStringLiteral("を上書きしますか？"),
                                                CannotDeleteText(shot, std::strerror(EACCES)),
                                                movie + QStringLiteral("を上書きしますか？"),
                                                CannotDeleteText(movie, std::strerror(EACCES))}));
  });
  EXPECT_EQ(ReadAll(shot), "mine");
  EXPECT_EQ(ReadAll(movie), "mine too");
  EXPECT_EQ(Files(), QStringList({"movie.avi", "shot.jpg"}));
}

// In animation mode a project without frames has no end to record to: it is
// said at once, without a dialog.
TEST_F(Capture, AProjectWithoutFramesIsNotRecorded) {
  StartWith();
  FormGL->AnimationMode = true;
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::File).empty());
  EXPECT_EQ(Messages(), std::vector<QString>({QStringLiteral("アニメーションにフレームがないため、録画できません。")}));
  ExpectIdle();
}

TEST_F(Capture, AnAnimationIsRecordedUpToItsLastFrameAndNoFurther) {
  StartWithFrames();
  ASSERT_TRUE(FormGL->AnimationMode);
  dialogs.ChooseFile(PathOf("movie.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(FormGL->PlayState, PLAY);
  EXPECT_EQ(FormGL->RecordEndTime, 30.0L);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L) << "the clock stays";
  // Frames rendered at 10, 13, ..., 25 are stored; the pass from 28 runs past
  // the last frame, where play starts again at the first: the end.
  EXPECT_EQ(RunRecording(), 7);
  EXPECT_EQ(FormGL->FrameCount, 6);
  EXPECT_EQ(FormGL->CurrentTime, 10.0L);
  ExpectIdle();

  // A clock that lands on the last frame ends the recording there.
  FormGL->TimeStep = 4.0L;
  dialogs.ChooseFile(PathOf("exact.bmp"), 2);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_EQ(RunRecording(), 5);
  EXPECT_EQ(Files(), QStringList({"exact00004.bmp", "exact00005.bmp", "exact00006.bmp", "exact00007.bmp",
                                  "movie.avi"}));
}

TEST_F(Capture, TheStopButtonEndsARecordingOfTheAnimation) {
  StartWithFrames();
  dialogs.ChooseFile(PathOf("movie.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  RunRecording(2);
  FormMolecules->SpeedButtonStop->click();
  ExpectIdle();
  const std::string avi = ReadAll(PathOf("movie.avi"));
  ASSERT_GT(avi.size(), 232u);
  EXPECT_EQ(U32(avi, 32 + 16), 2u);
}

TEST_F(Capture, ANewRecordingEndsTheRunningOne) {
  StartWith();
  dialogs.ChooseFile(PathOf("first.avi"), 1);
  FormGL->SaveWindowAnimation->trigger();
  RunRecording(2);
  dialogs.ChooseFile(PathOf("second.bmp"), 2);
  FormGL->SaveWindowAnimation->trigger();
  EXPECT_TRUE(FormGL->Recording);
  EXPECT_TRUE(FormGL->ImageSeries);
  EXPECT_EQ(U32(ReadAll(PathOf("first.avi")), 32 + 16), 2u);
}

}  // namespace

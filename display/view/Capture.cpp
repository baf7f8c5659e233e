// Saving what the view shows: one still image, a recording as an AVI file or
// numbered images, and one period of the selected normal mode as images.
#include <cmath>

#include <GL/gl.h>

#include <QOpenGLFramebufferObject>
#include <QStatusBar>

#include "UnitGL.h"
#include "console/SaveTarget.h"
#include "console/UnitMolecules.h"
#include "core/Geometry.h"
#include "display/capture/CaptureNames.h"
#include "platform/ui/FileNameText.h"
#include "platform/ui/ListView.h"

namespace {

const QString kRecordingText = QStringLiteral("録画中");
const QString kNoFramesText = QStringLiteral("アニメーションにフレームがないため、録画できません。");
const QString kNoPeriodText =
    QStringLiteral("選択中の基準振動は振動数が 0 で周期がないため、連番画像を保存できません。");
const QString kFullText = QStringLiteral("は最大の大きさ (1 GiB) に達したため、録画を終了しました。");
const QString kNoGLText = QStringLiteral("OpenGL で描画できないため、画面を保存できません。");

std::string Encode(const CaptureImage& image, bool jpeg) { return jpeg ? EncodeJpeg(image, 100) : EncodeBmp(image); }

// Writes one picture whole or not at all; says so when it cannot. The images
// of a recording are never written in place, as its AVI file is not.
bool SaveImage(QWidget* parent, const CaptureImage& image, bool jpeg, const std::string& name, InPlaceWrite inPlace) {
  const std::string bytes = Encode(image, jpeg);
  const SaveResult saved = bytes.empty() ? SaveResult{false, {}} : ReplaceFileWithBytes(name, bytes, inPlace);
  if (saved.InPlaceCause != 0) ShowMessage(parent, NotReplaceableInPlaceText(FromFileName(name), saved.InPlaceCause));
  else if (!saved) ShowCouldNotSave(parent, FromFileName(name), saved.Reason);
  return saved.Ok;
}

// Without a GL context nothing is drawn to save (start-up has said why): said
// before a name is asked for.
bool CanDrawPicture(TFormGL& view) {
  if (view.MakeCurrent()) return true;
  ShowMessage(&view, kNoGLText);
  return false;
}

}  // namespace

void TFormGL::SaveWindowImageExecute() {
  if (!CanDrawPicture(*this)) return;
  SaveDialog.Filter = QStringLiteral("Bitmap Image(*.bmp)|*.bmp|Jpeg Image(*.jpg)|*.jpg");
  if (!SaveDialog.Execute(this)) return;
  const bool jpeg = SaveDialog.FilterIndex == 2;
  const std::string name = WithExtension(ToFileName(SaveDialog.FileName), jpeg ? ".jpg" : ".bmp");
  // The dialog does not ask; a user's picture is not replaced unasked.
  if (!ConfirmSaveTarget(this, name, FromFileName(name), ReadOnlyTarget::RefuseAfterQuestion)) return;
  if (!MakeCurrent()) return;
  glFinish();
  // The frame is rendered here in both cases: after the idle pass's swap the
  // back buffer no longer holds a defined picture. A recording's buffer (the
  // action is disabled then) is kept aside.
  std::unique_ptr<QOpenGLFramebufferObject> recording = std::move(CaptureBuffer);
  if (!UseWindowSize && !MakeCaptureBuffer(ImageWidth, ImageHeight)) {
    CaptureBuffer = std::move(recording);
    ShowCouldNotSave(this, FromFileName(name));
    return;
  }
  RenderScene();
  const CaptureImage image = ReadRenderTarget();
  CaptureBuffer = std::move(recording);
  SaveImage(this, image, jpeg, name, InPlaceWrite::Allowed);
}

void TFormGL::SaveWindowAnimationExecute() {
  if (!CanDrawPicture(*this)) return;
  // A project without frames has no end time to record to.
  const std::optional<long double> last = FormMolecules ? FormMolecules->Animation.Last() : std::nullopt;
  if (AnimationMode && !last) return ShowMessage(this, kNoFramesText);
  SaveDialog.Filter = QStringLiteral(
      "AVI File (*.avi)|*.avi|連番BMPファイル(AAA?????.bmp)|*.bmp|連番JPEGファイル(AAA?????.jpg)|*.jpg");
  if (!SaveDialog.Execute(this)) return;
  const std::string chosen = ToFileName(SaveDialog.FileName);
  const int filter = SaveDialog.FilterIndex;
  const bool series = filter == 2 || filter == 3;
  std::string aviName;
  VideoCompressor compressor;
  if (!series) {
    // The question is about the file that will be replaced: the name with
    // ".avi" ensured. The file itself stays until the new one is complete.
    aviName = WithExtension(chosen, ".avi");
    if (!ConfirmSaveTarget(this, aviName, FromFileName(aviName), ReadOnlyTarget::RefuseAfterQuestion)) return;
    // Cancelled, the recording goes on uncompressed.
    if (!ChooseCompressor(this, compressor)) compressor = VideoCompressor{};
  }
  // A recording already running ends before the new one starts.
  if (Recording) StopCapture();
  if (series) {
    SeriesJpeg = filter == 3;
    ImageSeries = true;
    ImagePrefix = WithoutExtension(chosen);
  } else {
    AviFileName = aviName;
    CompressorVars = compressor;
  }
  if (AnimationMode) {
    RecordEndTime = *last;
    PlayState = PLAY;
  } else {
    RecordEndTime = RecordTime;
    CurrentTime = 0.0L;
  }
  ArmRecording();
}

void TFormGL::SaveWindowNormalModeExecute() {
  if (AnimationMode || !FormMolecules || !FormMolecules->ListViewNormalModes->Selected() ||
      !FormMolecules->SelectedMolFile || !FormMolecules->SelectedMolGL)
    return;
  const NormalMode* mode = FormMolecules->SelectedNormalMode();
  if (!mode || FramesPerPeriod < 1 || !CanDrawPicture(*this)) return;
  // An imaginary mode, printed with a negative frequency, vibrates with the
  // period of its absolute one; a mode of frequency 0 has no period.
  const long double step = NormalModeTimeStep(std::fabs(mode->Frequency), FramesPerPeriod);
  if (!std::isfinite(step)) return ShowMessage(this, kNoPeriodText);
  SaveDialog.Filter = QStringLiteral("連番BMPファイル(AAA?????.bmp)|*.bmp|連番JPEGファイル(AAA?????.jpg)|*.jpg");
  if (!SaveDialog.Execute(this)) return;
  if (Recording) StopCapture();
  SeriesJpeg = SaveDialog.FilterIndex == 2;
  ImageSeries = true;
  ImagePrefix = WithoutExtension(ToFileName(SaveDialog.FileName));
  CurrentTime = 0.0L;
  TimeStepSaved = true;
  SavedTimeStep = TimeStep;
  TimeStep = step;
  RecordedMode = RecordedModeMotion{static_cast<std::size_t>(FormMolecules->SelectedIndex),
                                    static_cast<std::size_t>(mode - FormMolecules->SelectedMolGL->Modes.data()),
                                    mode->ModeNumber, FramesPerPeriod * step};
  // Half a step short of F + 1 steps: the clock, a sum of steps, may land a
  // rounding below F + 1 steps, which would store the next period's first
  // image too. Images 1 to F are stored either way.
  RecordEndTime = (FramesPerPeriod + 0.5L) * TimeStep;
  ArmRecording();
}

void TFormGL::MoveRecordedMode() {
  if (!RecordedMode || RecordedMode->Model >= MolGLs.size()) return;
  MolGL& model = MolGLs[RecordedMode->Model];
  if (RecordedMode->Mode >= model.Modes.size()) return;
  NormalMode& mode = model.Modes[RecordedMode->Mode];
  // A ticked mode moves with the pass already.
  if (mode.Animate || mode.ModeNumber != RecordedMode->ModeNumber) return;
  // From its phase as it stands, one period over the recording's clock; the
  // flag and the phase are the view's own, and stay so.
  const long double phase = mode.Phase;
  mode.Animate = true;
  mode.Phase += 2.0L * Pi * CurrentTime / RecordedMode->Period;
  model.ApplyModePhases();
  mode.Phase = phase;
  mode.Animate = false;
}

void TFormGL::ArmRecording() {
  Recording = true;
  StartCapture();
  if (!Recording) return;
  StatusBar->showMessage(kRecordingText);
  SaveWindowImage->setEnabled(false);
}

void TFormGL::StartCapture() {
  // Every frame is rendered at the size the recording starts with, the
  // window's too: a resized window changes nothing in the recording.
  const QSize size = UseWindowSize ? WindowRenderSize() : QSize(RecordWidth, RecordHeight);
  if (!MakeCaptureBuffer(size.width(), size.height())) {
    // A series names the first image it could not make.
    if (ImageSeries) ShowCouldNotSave(this, FromFileName(SeriesFileName(ImagePrefix, TimeStep, TimeStep, SeriesJpeg)));
    else ShowMessage(this, QStringLiteral("Can not create AVI stream."));
    Recording = false;
    StopCapture();
    return;
  }
  if (ImageSeries) return;
  FrameRate = 15;
  FrameWidth = RenderWidth();
  FrameHeight = RenderHeight();
  FrameCount = 0;
  AviReplacement = std::make_unique<FileReplacement>(AviFileName);
  AviFile = std::make_unique<AviWriter>();
  const AviCodec codec = CompressorVars.Kind == VideoCompressor::Codec::MotionJpeg ? AviCodec::MotionJpeg
                                                                                    : AviCodec::Uncompressed;
  QString failure;
  // A recording's length is not known beforehand, so it is never written in
  // place: the folder must take the new file.
  if (AviReplacement->InPlaceRefused()) {
    failure = NotReplaceableInPlaceText(FromFileName(AviFileName), AviReplacement->Result().InPlaceCause);
  } else if (AviReplacement->Path().empty() || !AviFile->Open(AviReplacement->Path())) {
    failure = WithSystemReason(QStringLiteral("Unable to open avi file."), AviReplacement->Result().Reason);
  } else if (!AviFile->SetFormat(FrameWidth, FrameHeight, FrameRate, codec, CompressorVars.Quality)) {
    failure = QStringLiteral("Can not set format to AVI file.");
  }
  if (failure.isEmpty()) return;
  ShowMessage(this, failure);
  Recording = false;
  StopCapture();
}

void TFormGL::CaptureFrame() {
  const CaptureImage image = ReadRenderTarget();
  if (!ImageSeries) {
    if (!AviFile) return;
    switch (AviFile->WriteFrame(image)) {
      case AviWriter::FrameResult::Written:
        ++FrameCount;
        break;
      case AviWriter::FrameResult::Full:
        // What is recorded so far is kept: the file ends below its size limit.
        ShowMessage(this, FromFileName(AviFileName) + kFullText);
        StopCapture();
        break;
      case AviWriter::FrameResult::Failed:
        StopCapture();  // reports the failed file
        break;
    }
    return;
  }
  const std::string name = SeriesFileName(ImagePrefix, CurrentTime, TimeStep, SeriesJpeg);
  if (!SaveImage(this, image, SeriesJpeg, name, InPlaceWrite::Refused)) StopCapture();
}

void TFormGL::FinishAviFile() {
  if (!AviFile) return;
  // A file that never got its format has said so already.
  const bool started = AviFile->HasFormat();
  const bool written = started && AviFile->Close();
  const int error = AviFile->Error();
  AviFile.reset();
  const SaveResult saved = written ? AviReplacement->Commit()
                           : error != 0 ? SaveResult::Failed(error)
                                        : SaveResult{false, {}};
  // An uncommitted temporary file goes with its replacement.
  AviReplacement.reset();
  if (!saved && started) ShowCouldNotSave(this, FromFileName(AviFileName), saved.Reason);
}

void TFormGL::StopCapture() {
  if (TimeStepSaved) {
    TimeStep = SavedTimeStep;
    TimeStepSaved = false;
  }
  RecordedMode.reset();
  if (ImageSeries) {
    ImageSeries = false;
  } else {
    FinishAviFile();
  }
  Recording = false;
  StatusBar->showMessage(QString());
  SaveWindowImage->setEnabled(true);
  // The buffer belongs to the view's context.
  MakeCurrent();
  CaptureBuffer.reset();
}

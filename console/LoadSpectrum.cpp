// A measured spectrum drawn over the stick spectrum, on the chart's right axis.
#include "UnitMolecules.h"
#include "console/model/SpectrumReader.h"
#include "platform/TextCodec.h"
#include "platform/ui/Chart.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/FileNameText.h"

namespace {

// Why `name` drew nothing; empty when it drew points.
QString UnreadSpectrumText(const QString& name, const SpectrumReading& reading) {
  switch (reading.Gap) {
    case SpectrumGap::None:
      return {};
    case SpectrumGap::NoData:
      return name + QStringLiteral("には読み込めるスペクトルのデータがありません。");
    case SpectrumGap::CompressedData:
      return name + QStringLiteral("のスペクトルは圧縮されたデータ (SQZ, DIF, DUP) なので読み込めません。");
    case SpectrumGap::OtherTable:
      return name + QStringLiteral("のスペクトルは ") + QString::fromUtf8(Cp932ToUtf8(reading.Table)) +
             QStringLiteral(" の表なので読み込めません。読み込めるのは (X++(Y..Y)) の表です。");
    case SpectrumGap::NotANumber:
      return name + QStringLiteral("のスペクトルは ") + QString::fromLatin1(reading.Label) + QStringLiteral(" の値 ") +
             QString::fromUtf8(Cp932ToUtf8(reading.Value)) +
             QStringLiteral(" が一つの数として読めないので読み込めません。読み込めるのは小数点をピリオド (.) で書いた数です。");
    case SpectrumGap::NoWavenumber:
      return name + QStringLiteral("のスペクトルは x 軸がマイクロメートル (##XUNITS=MICROMETERS) で、0 以下の x には波数がないので読み込めません。");
    case SpectrumGap::BinaryFile:
      return name + QStringLiteral("はテキストのファイルではない (NUL バイトを含む) ので読み込めません。読み込めるのはテキストで書かれたスペクトルです。");
  }
  return {};
}

}  // namespace

void TFormMolecules::PoupItemLoadSpectrumClick() {
  ChartNormalModes->ClearLine();  // also when the dialog is cancelled
  OpenDialogLoadSpectrum.Filter = QStringLiteral(
      "spaces separated file (*.txt)|*.txt;*.dat|J-CAMP DX File (*.dx;*.jdx)|*.dx;*.jdx");
  if (!OpenDialogLoadSpectrum.Execute(this)) return;
  const SpectrumFormat format = OpenDialogLoadSpectrum.FilterIndex == 2 ? SpectrumFormat::Jcamp
                                                                         : SpectrumFormat::TwoColumns;
  SpectrumReading reading;
  std::string reason;
  if (!LoadSpectrumFile(ToFileName(OpenDialogLoadSpectrum.FileName), format, reading, &reason)) {
    ShowMessage(this, CouldNotReadText(OpenDialogLoadSpectrum.FileName, reason));
    return;
  }
  if (reading.Gap != SpectrumGap::None) {
    ShowMessage(this, UnreadSpectrumText(OpenDialogLoadSpectrum.FileName, reading));
    return;
  }
  std::vector<QPointF> line;
  line.reserve(reading.Points.size());
  for (const SpectrumPoint& p : reading.Points) line.emplace_back(p.X, p.Y);
  ChartNormalModes->SetLinePoints(std::move(line));
}

// A measured spectrum drawn over the stick spectrum, on the chart's right axis.
#include "UnitMolecules.h"
#include "console/model/SpectrumReader.h"
#include "platform/ui/Chart.h"
#include "platform/ui/FileNameText.h"

void TFormMolecules::PoupItemLoadSpectrumClick() {
  ChartNormalModes->ClearLine();  // also when the dialog is cancelled
  OpenDialogLoadSpectrum.Filter =
      QStringLiteral("spaces separated file (*.txt)|*.txt;*.dat|J-CAMP DX File (*.dx)|*.dx");
  if (!OpenDialogLoadSpectrum.Execute(this)) return;
  const SpectrumFormat format = OpenDialogLoadSpectrum.FilterIndex == 2 ? SpectrumFormat::Jcamp
                                                                         : SpectrumFormat::TwoColumns;
  std::vector<SpectrumPoint> points;
  if (!LoadSpectrumFile(ToFileName(OpenDialogLoadSpectrum.FileName), format, points))
    return;
  std::vector<QPointF> line;
  line.reserve(points.size());
  for (const SpectrumPoint& p : points) line.emplace_back(p.X, p.Y);
  ChartNormalModes->SetLinePoints(std::move(line));
}

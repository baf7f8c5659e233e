#include "CompressorDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

bool ExecCompressorDialog(QWidget* parent, VideoCompressor& compressor) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("ビデオの圧縮"));
  auto* codec = new QComboBox(&dialog);
  codec->addItems({QStringLiteral("Uncompressed"), QStringLiteral("Motion JPEG")});
  codec->setCurrentIndex(compressor.Kind == VideoCompressor::Codec::MotionJpeg ? 1 : 0);
  auto* quality = new QSpinBox(&dialog);
  quality->setRange(1, 100);
  quality->setValue(compressor.Quality);
  quality->setEnabled(codec->currentIndex() == 1);
  QObject::connect(codec, &QComboBox::currentIndexChanged, quality, [quality](int index) {
    quality->setEnabled(index == 1);
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QFormLayout(&dialog);
  layout->addRow(QStringLiteral("Compressor"), codec);
  layout->addRow(QStringLiteral("Quality"), quality);
  layout->addRow(buttons);
  if (dialog.exec() != QDialog::Accepted) return false;
  compressor.Kind = codec->currentIndex() == 1 ? VideoCompressor::Codec::MotionJpeg : VideoCompressor::Codec::Uncompressed;
  compressor.Quality = quality->value();
  return true;
}

// The about box.
#pragma once

#include <QDialog>

class QLabel;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProductName;
};

extern TAboutBox* AboutBox;

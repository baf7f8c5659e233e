#include "UnitAbout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "platform/ui/Icons.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("バージョン情報"));
  setAttribute(Qt::WA_QuitOnClose, false);
  QFont boxFont(QStringLiteral("ＭＳ Ｐゴシック"));
  boxFont.setPixelSize(12);
  setFont(boxFont);
  setFixedSize(298, 124);

  Panel1 = new QFrame(this);
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setGeometry(8, 8, 281, 73);
  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setGeometry(14, 16, 32, 32);
  ProgramIcon->setPixmap(ImageListIcon(IMAGE_SHOWN).pixmap(32, 32));
  ProgramIcon->setScaledContents(true);
  ProductName = new QLabel(QStringLiteral("Quivera"), Panel1);
  QFont nameFont(QStringLiteral("MS Sans Serif"));
  nameFont.setPixelSize(16);
  nameFont.setBold(true);
  ProductName->setFont(nameFont);
  ProductName->move(62, 10);
  Version = new QLabel(QStringLiteral("Developing Preview Version 0.921"), Panel1);
  Version->move(62, 33);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setGeometry(111, 92, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

#include "UnitGL.h"

#include <cfenv>

#include <GL/gl.h>

#include <QKeyEvent>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "ViewSurface.h"
#include "console/UnitMolecules.h"
#include "display/GLShapes.h"
#include "display/Trackball.h"
#include "platform/ui/ListView.h"

TFormGL* FormGL = nullptr;

TFormGL::TFormGL(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Quivera 3D"));
  resize(960, 680);
  // Closing the view leaves the program running; the console ends it.
  setAttribute(Qt::WA_QuitOnClose, false);

  Surface = new ViewSurface(this);
  SurfaceContainer = QWidget::createWindowContainer(Surface, this);
  SurfaceContainer->setFocusPolicy(Qt::StrongFocus);
  SurfaceContainer->setMinimumSize(1, 1);
  TabControlGL = new QTabBar(this);
  TabControlGL->setShape(QTabBar::RoundedSouth);
  TabControlGL->setExpanding(false);
  TabControlGL->hide();
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(SurfaceContainer, 1);
  layout->addWidget(TabControlGL);
  setCentralWidget(central);
  StatusBar = statusBar();
  StatusBar->hide();
  BuildMenus();
  connect(TabControlGL, &QTabBar::currentChanged, this, &TFormGL::TabControlGLChange);

  // Arithmetic faults give infinities and NaNs, never traps.
  fedisableexcept(FE_ALL_EXCEPT);
  float none[4];
  Trackball(none, 0.0f, 0.0f, 0.0f, 0.0f);
  for (int i = 0; i < 4; ++i) Rotation[i] = none[i];

  IdleTimer = new QTimer(this);
  IdleTimer->setInterval(0);
  connect(IdleTimer, &QTimer::timeout, this, &TFormGL::ApplicationIdle);
  FormCreate();
  IdleTimer->start();
}

TFormGL::~TFormGL() {
  // A recording cut short by the end of the program is still finished.
  if (Recording) StopCapture();
}

QAction* TFormGL::AddAction(const QString& caption, bool checked) {
  auto* action = new QAction(caption, this);
  action->setCheckable(checked);
  return action;
}

void TFormGL::BuildMenus() {
  ShowArrow = AddAction(QStringLiteral("座標軸を矢印で示す"), true);
  ShowXAxis = AddAction(QStringLiteral("Ｘ軸を線で描く"), true);
  ShowYAxis = AddAction(QStringLiteral("Ｙ軸を線で描く"), true);
  ShowZAxis = AddAction(QStringLiteral("Ｚ軸を線で描く"), true);
  ShowXYGrid = AddAction(QStringLiteral("ＸＹ面のグリッドを描く"), true);
  ShowYZGrid = AddAction(QStringLiteral("ＹＺ面のグリッドを描く"), true);
  ShowZXGrid = AddAction(QStringLiteral("ＺＸ面のグリッドを描く"), true);
  ShowTime = AddAction(QStringLiteral("時間を表示"), true);
  ShowFreq = AddAction(QStringLiteral("選択モードの振動数を表示"), true);
  ShowFreq->setChecked(true);
  SaveWindowImage = AddAction(QStringLiteral("画面を画像として保存"));
  SaveWindowAnimation = AddAction(QStringLiteral("画面を動画として保存"));
  SaveWindowNormalMode = AddAction(QStringLiteral("選択中の基準振動を連番画像として保存"));
  ExportPovRay = AddAction(QStringLiteral("PovRayファイルとしてシーンを保存"));
  ExportPovrayNormalMode = AddAction(QStringLiteral("選択中の基準振動をPovRayシーンとして保存"));
  ExportMetasequoiaObject = AddAction(QStringLiteral("Metasequoiaファイルとして分子モデルを保存"));

  connect(ShowArrow, &QAction::triggered, this, &TFormGL::ShowArrowExecute);
  connect(ShowXAxis, &QAction::triggered, this, &TFormGL::ShowXAxisExecute);
  connect(ShowYAxis, &QAction::triggered, this, &TFormGL::ShowYAxisExecute);
  connect(ShowZAxis, &QAction::triggered, this, &TFormGL::ShowZAxisExecute);
  connect(ShowXYGrid, &QAction::triggered, this, &TFormGL::ShowXYGridExecute);
  connect(ShowYZGrid, &QAction::triggered, this, &TFormGL::ShowYZGridExecute);
  connect(ShowZXGrid, &QAction::triggered, this, &TFormGL::ShowZXGridExecute);
  connect(ShowTime, &QAction::triggered, this, &TFormGL::ShowTimeExecute);
  connect(ShowFreq, &QAction::triggered, this, &TFormGL::ShowFreqExecute);
  connect(SaveWindowImage, &QAction::triggered, this, &TFormGL::SaveWindowImageExecute);
  connect(SaveWindowAnimation, &QAction::triggered, this, &TFormGL::SaveWindowAnimationExecute);
  connect(SaveWindowNormalMode, &QAction::triggered, this, &TFormGL::SaveWindowNormalModeExecute);
  connect(ExportPovRay, &QAction::triggered, this, [this] { ExportPovRayExecute(ExportPovRay); });
  connect(ExportPovrayNormalMode, &QAction::triggered, this, [this] { ExportPovRayExecute(ExportPovrayNormalMode); });
  connect(ExportMetasequoiaObject, &QAction::triggered, this, &TFormGL::ExportMetasequoiaObjectExecute);

  MenuFile = menuBar()->addMenu(QStringLiteral("ファイル (&F)"));
  MenuView = menuBar()->addMenu(QStringLiteral("表示 (&V)"));
  MenuView->addActions({ShowTime, ShowFreq});
  MenuView->addSeparator();
  MenuView->addActions({ShowArrow, ShowXYGrid, ShowYZGrid, ShowZXGrid, ShowXAxis, ShowYAxis, ShowZAxis});
  MenuView->addSeparator();
  MenuCapture = menuBar()->addMenu(QStringLiteral("キャプチャ (&C)"));
  MenuCapture->addActions({SaveWindowImage, SaveWindowAnimation, SaveWindowNormalMode, ExportPovRay,
                           ExportPovrayNormalMode, ExportMetasequoiaObject});
  MenuHelp = menuBar()->addMenu(QStringLiteral("ヘルプ (&H)"));
  // The console's actions, when it exists (it is created first).
  if (FormMolecules) {
    MenuFile->addAction(FormMolecules->ActionOpenMolecule);
    MenuFile->addSeparator();
    MenuFile->addAction(FormMolecules->ActionExit);
    MenuView->addAction(FormMolecules->ShowSetting);
    MenuHelp->addAction(FormMolecules->HelpAbout);
  }
  PopupMenuFormGL = new QMenu(this);
}

bool TFormGL::MakeCurrent() { return GLContext && GLContext->makeCurrent(Surface); }

int TFormGL::ClientWidth() const { return Surface->width(); }

int TFormGL::ClientHeight() const { return Surface->height(); }

void TFormGL::FormCreate() {
  // A new context holds none of the shape lists an earlier one made.
  for (auto* lists : {&SphereLists, &CylinderLists, &ConeLists, &DiskLists}) lists->clear();
  Surface->create();
  GLContext = new QOpenGLContext(this);
  GLContext->setFormat(Surface->requestedFormat());
  if (!GLContext->create()) {
    delete GLContext;
    GLContext = nullptr;
    ShowMessage(this, QStringLiteral(":-)~ hrc == NULL"));
    return;
  }
  if (!MakeCurrent()) {
    ShowMessage(this, QStringLiteral("Could not MakeCurrent"));
    return;
  }
  glDepthFunc(GL_LESS);
  glEnable(GL_DEPTH_TEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glEnable(GL_BLEND);
  glEnable(GL_NORMALIZE);
  glHint(GL_POINT_SMOOTH_HINT, GL_FASTEST);
  glHint(GL_LINE_SMOOTH_HINT, GL_FASTEST);
  glHint(GL_POLYGON_SMOOTH_HINT, GL_FASTEST);
  glShadeModel(GL_SMOOTH);
  glEnable(GL_POINT_SMOOTH);
  glEnable(GL_LINE_SMOOTH);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_BACK);
}

void TFormGL::FormResize() {
  if (!MakeCurrent()) return;
  const qreal ratio = Surface->devicePixelRatio();
  const int width = static_cast<int>(ClientWidth() * ratio);
  const int height = std::max(1, static_cast<int>(ClientHeight() * ratio));
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  const GLfloat ambient[] = {0.3f, 0.3f, 0.3f, 1.0f};
  const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1.0f};
  const GLfloat specular[] = {0.5f, 0.5f, 0.5f, 1.0f};
  const GLfloat position[] = {-200.0f, 200.0f, 1000.0f, 1.0f};
  glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
  glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
  glLightfv(GL_LIGHT0, GL_SPECULAR, specular);
  glLightfv(GL_LIGHT0, GL_POSITION, position);
  glPopMatrix();
  glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
  glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
}

void TFormGL::SetTabs(const std::vector<QString>& labels) {
  const QSignalBlocker quiet(TabControlGL);
  while (TabControlGL->count() > 0) TabControlGL->removeTab(0);
  for (const QString& label : labels) TabControlGL->setCurrentIndex(TabControlGL->addTab(label));
}

void TFormGL::SetTabIndex(int index) {
  const QSignalBlocker quiet(TabControlGL);
  TabControlGL->setCurrentIndex(index);
}

void TFormGL::TabControlGLChange(int index) {
  if (!FormMolecules || index < 0) return;
  if (QTreeWidgetItem* item = FormMolecules->ListViewMolecules->Item(index)) {
    FormMolecules->ListViewMoleculesSelectItem(item, true);
  }
}

void TFormGL::Toggle(QAction* action, bool& flag) {
  flag = !flag;
  action->setChecked(flag);
}

void TFormGL::ShowArrowExecute() { Toggle(ShowArrow, AxisArrowsVisible); }
void TFormGL::ShowXAxisExecute() { Toggle(ShowXAxis, XAxisVisible); }
void TFormGL::ShowYAxisExecute() { Toggle(ShowYAxis, YAxisVisible); }
void TFormGL::ShowZAxisExecute() { Toggle(ShowZAxis, ZAxisVisible); }
void TFormGL::ShowXYGridExecute() { Toggle(ShowXYGrid, XYGridVisible); }
void TFormGL::ShowYZGridExecute() { Toggle(ShowYZGrid, YZGridVisible); }
void TFormGL::ShowZXGridExecute() { Toggle(ShowZXGrid, ZXGridVisible); }
void TFormGL::ShowTimeExecute() { Toggle(ShowTime, TimeTextVisible); }
void TFormGL::ShowFreqExecute() { Toggle(ShowFreq, FreqTextVisible); }

void TFormGL::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (FormMolecules) FormMolecules->ShowFormGL->setChecked(true);
}

void TFormGL::hideEvent(QHideEvent* event) {
  QMainWindow::hideEvent(event);
  if (FormMolecules) FormMolecules->ShowFormGL->setChecked(false);
}

void TFormGL::keyPressEvent(QKeyEvent* event) {
  const QByteArray text = event->text().toLatin1();
  if (text.size() == 1) FormKeyPress(text[0]);
  QMainWindow::keyPressEvent(event);
}

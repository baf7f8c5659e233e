// The console's construction, the molecule list, the selection and the
// Information tab.
#include <functional>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/StringGrid.h"
#include "settings/UnitAbout.h"
#include "settings/UnitSetting.h"
#include "tests/console/support/FormsFixture.h"

namespace {

class Console : public FormsFixture {
 protected:
  // Three molecules opened: a.gjf, b.gjf, c.gjf; c is selected.
  void OpenThree() {
    for (const char* name : {"a.gjf", "b.gjf", "c.gjf"}) OpenThroughDialog(WriteFile(name, CartesianInput), 1);
  }

  // Types `text` into a cell as a user does: each keystroke reaches the handler.
  static void TypeIntoCell(StringGrid* grid, int column, int row, const QString& text) {
    grid->setCurrentCell(row, column);
    grid->editItem(grid->item(row, column));
    auto* editor = grid->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
  }

  // The molecule list's rows whose number, icon and name the window shows. It
  // reads the window's stored picture: QWidget::grab would lay the rows out
  // and paint them afresh, and so always look right.
  static int RowsShown() {
    ListView* list = FormMolecules->ListViewMolecules;
    QWidget* viewport = list->viewport();
    const QPoint at = viewport->mapTo(viewport->window(), QPoint(0, 0));
    const QImage shown = viewport->screen()
                             ->grabWindow(viewport->window()->winId(), at.x(), at.y(), viewport->width(),
                                          viewport->height())
                             .toImage();
    const QRgb background = list->palette().color(QPalette::Base).rgb();
    int rows = 0;
    for (int row = 0; row < list->Count(); ++row) {
      const QRect rect = list->visualItemRect(list->Item(row));
      const int captionWidth = list->header()->sectionSize(0);
      const bool caption = Inked(shown, rect.adjusted(0, 0, captionWidth - rect.width(), 0), background);
      const bool name = Inked(shown, rect.adjusted(captionWidth, 0, 0, 0), background);
      if (caption && name) ++rows;
    }
    return rows;
  }

  // A Gaussian output from the command line and a Gaussian input, shown, and
  // a click into the Bonds tab's empty list; then the event loop runs dry.
  // After `addThird` the posted events go at once, so that the window paints
  // before the list's own timers run, as it does while the view's idle loop
  // runs: the list lays out its rows within that paint.
  void ExpectEveryRowDrawnAfter(const std::function<void()>& addThird) {
    Start({QStringLiteral(QUIVERA_EXAMPLES "/water.out")});
    OpenThroughDialog(WriteFile("a.gjf", CartesianInput), 1);
    FormMolecules->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(FormMolecules));
    FormMolecules->PageControlSelected->setCurrentWidget(FormMolecules->TabSheetBonds);
    QTest::mouseClick(FormMolecules->ListViewBonds->viewport(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return RowsShown() == 2; }));
    for (int pass = 0; pass < 10; ++pass) QCoreApplication::processEvents();
    addThird();
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(QTest::qWaitFor([] { return RowsShown() == 3; }));
  }

  // Whether `rect` of `image` holds enough pixels other than `background` for
  // an icon and a digit, or for a word.
  static bool Inked(const QImage& image, const QRect& rect, QRgb background) {
    int inked = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
      for (int x = rect.left(); x <= rect.right(); ++x) {
        if (image.valid(x, y) && image.pixel(x, y) != background) ++inked;
      }
    }
    return inked >= 20;
  }

  static void TypeIntoCombo(QComboBox* combo, const QString& text) {
    combo->lineEdit()->selectAll();
    QTest::keyClicks(combo->lineEdit(), text);
  }
};

TEST_F(Console, StartsEmptyWithItsDesignedControls) {
  Start();
  TFormMolecules* form = FormMolecules;
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Quivera Console"));
  EXPECT_EQ(form->EditNormalModeArrowMagnitude->text(), QStringLiteral("1"));
  EXPECT_EQ(form->EditNormalModeArrowRadius->text(), QStringLiteral("0.5"));
  EXPECT_FALSE(form->CheckBoxNormalModeArrow->isChecked());
  EXPECT_FALSE(form->ResetOnAnimationLoad);
  EXPECT_TRUE(form->AutoBondGaussianOutput);
  EXPECT_TRUE(form->LabelRotMatrix->isHidden());
  EXPECT_TRUE(form->StringGridRotMatrix->isHidden());
  EXPECT_EQ(form->StringGridRotMatrix->Cell(1, 0), QStringLiteral("[][0]"));
  EXPECT_EQ(form->StringGridRotMatrix->Cell(0, 4), QStringLiteral("[3][]"));
  EXPECT_EQ(form->StringGridRotMatrix->Cell(1, 1), QString());
  for (int c = 0; c < 3; ++c) EXPECT_EQ(form->StringGridPosition->Cell(c, 1), QString());
  EXPECT_EQ(form->StringGridPosition->Cell(2, 0), QStringLiteral("Z"));
  EXPECT_TRUE(form->ShowFormGL->isChecked());
  EXPECT_TRUE(form->ShowFormMoleculeEdit->isChecked());
  EXPECT_TRUE(form->PanelAnimation->isHidden());
  // The export entry is shown and does nothing.
  form->ActionExportModel->trigger();
  EXPECT_TRUE(dialogs.Calls.empty());
}

TEST_F(Console, ClosingTheConsoleEndsTheProgramWhateverElseIsOpen) {
  Start();
  EXPECT_TRUE(FormMolecules->testAttribute(Qt::WA_QuitOnClose));
  for (QWidget* other : {static_cast<QWidget*>(FormGL), static_cast<QWidget*>(FormMoleculeEdit),
                         static_cast<QWidget*>(AboutBox), static_cast<QWidget*>(FormSetting)}) {
    EXPECT_FALSE(other->testAttribute(Qt::WA_QuitOnClose)) << other->windowTitle().toStdString();
  }
}

TEST_F(Console, WithoutAMoleculeTheHandlersChangeNothing) {
  Start();
  TFormMolecules* form = FormMolecules;
  form->EditNameMolecule->setText("x");
  form->CheckBoxShowMolecule->setChecked(true);
  form->CheckBoxShowDummyAtoms->setChecked(true);
  form->EditBondRadius->setText("0.3");
  form->EditNMMagnitude->setText("2");
  TypeIntoCombo(form->ComboBoxModelType, "Sticks");
  TypeIntoCell(form->StringGridPosition, 0, 1, "1.5");
  form->ListViewMoleculesDblClick();
  form->CheckBoxShowDetail->setChecked(true);
  EXPECT_FALSE(form->StringGridRotMatrix->isHidden());
  EXPECT_TRUE(form->MolFiles.empty());
  EXPECT_TRUE(FormGL->MolGLs.empty());
  EXPECT_EQ(form->ListViewMolecules->Count(), 0);
  EXPECT_TRUE(dialogs.Calls.empty());
}

TEST_F(Console, SelectingARowShowsItsMoleculeAndHandsItToTheEditor) {
  Start();
  OpenThree();
  FormMoleculeEdit->EditedMolFile.Name = "untouched";
  FormMoleculeEdit->FileConvertToGJF->setEnabled(true);
  FormMolecules->ListViewMolecules->SelectRow(0);
  EXPECT_EQ(FormMolecules->SelectedIndex, 0);
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[0]);
  EXPECT_EQ(FormMolecules->EditNameMolecule->text(), QStringLiteral("a.gjf"));
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Name, "a.gjf");
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("1: a.gjf"));
  EXPECT_EQ(FormGL->TabControlGL->currentIndex(), 0);
  EXPECT_FALSE(FormMoleculeEdit->FileConvertToGJF->isEnabled());
}

TEST_F(Console, SelectingTheRowAlreadySelectedOnlySetsTheEditorsControls) {
  Start();
  OpenThree();
  FormMoleculeEdit->EditedMolFile.Name = "kept";
  FormMoleculeEdit->setWindowTitle("kept");
  FormMoleculeEdit->FileConvertToGJF->setEnabled(true);
  FormMoleculeEdit->LabelFileType->setEnabled(false);
  FormMolecules->ListViewMolecules->SelectRow(2);  // c.gjf, selected by the Open
  EXPECT_EQ(FormMoleculeEdit->EditedMolFile.Name, "kept");
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("kept"));
  EXPECT_TRUE(FormMoleculeEdit->LabelFileType->isEnabled());
  EXPECT_FALSE(FormMoleculeEdit->FileConvertToGJF->isEnabled());
}

TEST_F(Console, EveryRowIsDrawnAfterNew) {
  ExpectEveryRowDrawnAfter([] { FormMolecules->ActionNewMolecule->trigger(); });
}

TEST_F(Console, EveryRowIsDrawnAfterOpen) {
  ExpectEveryRowDrawnAfter([this] { OpenThroughDialog(PathOf("a.gjf"), 1); });
}

TEST_F(Console, AUserPickingATabOfTheViewSelectsThatMolecule) {
  Start();
  OpenThree();
  FormGL->TabControlGL->setCurrentIndex(1);  // raises the change event as a click does
  EXPECT_EQ(FormMolecules->SelectedIndex, 1);
  EXPECT_EQ(FormMoleculeEdit->windowTitle(), QStringLiteral("2: b.gjf"));
  EXPECT_EQ(FormMolecules->ListViewMolecules->Selected(), nullptr);
  // Tabs that name no molecule do nothing.
  FormGL->TabControlGLChange(-1);
  FormGL->TabControlGLChange(7);
  EXPECT_EQ(FormMolecules->SelectedIndex, 1);
}

TEST_F(Console, RenamingRebuildsTheListAndTheTabs) {
  Start();
  OpenThree();
  FormMolecules->ListViewMolecules->SelectRow(0);
  QTest::keyClicks(FormMolecules->EditNameMolecule, "X");
  EXPECT_EQ(FormMolecules->MolFiles[0].Name, "a.gjfX");
  EXPECT_EQ(FormGL->MolGLs[0].Name, "a.gjfX");
  EXPECT_EQ(FormMolecules->ListViewMolecules->Item(0)->text(1), QStringLiteral("a.gjfX"));
  EXPECT_EQ(FormMolecules->ListViewMolecules->Selected(), nullptr);
  EXPECT_EQ(FormGL->TabControlGL->tabText(0), QStringLiteral("1: a.gjfX"));
  EXPECT_EQ(FormGL->TabControlGL->currentIndex(), 2);
  FormMolecules->EditNameMolecule->clear();
  EXPECT_EQ(FormMolecules->MolFiles[0].Name, "");
  EXPECT_EQ(FormGL->MolGLs[0].Name, "");
}

TEST_F(Console, ShowingAMoleculeWritesBackTheRoundedValues) {
  Start();
  OpenThree();
  MolGL& model = FormGL->MolGLs[0];
  model.BondRadius = 0.125f;
  model.NMMagnitude = 0.1234;
  model.ModelType = STICK_COLORED;
  model.Position = {1.0, -2.5, 0.0004};
  model.RotMatrix.Element[12] = 7.0;
  model.RotMatrix.Element[1] = 0.5;
  model.BondColor = {0.75f, 0.75f, 0.75f, 1.0f};
  FormMolecules->ListViewMolecules->SelectRow(0);
  EXPECT_EQ(FormMolecules->EditBondRadius->text(), QStringLiteral("0.13"));
  EXPECT_FLOAT_EQ(model.BondRadius, 0.13f);
  EXPECT_EQ(FormMolecules->EditNMMagnitude->text(), QStringLiteral("0.12"));
  EXPECT_DOUBLE_EQ(model.NMMagnitude, 0.12);
  EXPECT_EQ(FormMolecules->ComboBoxModelType->currentText(), QStringLiteral("Colored Sticks"));
  EXPECT_EQ(model.ModelType, STICK_COLORED);
  EXPECT_EQ(FormMolecules->StringGridPosition->Cell(1, 1), QStringLiteral("-2.500"));
  EXPECT_EQ(FormMolecules->StringGridPosition->Cell(2, 1), QStringLiteral("0.000"));
  // Values 12 to 14 (the translation) stand in column 4.
  EXPECT_EQ(FormMolecules->StringGridRotMatrix->Cell(4, 1), QStringLiteral("7.000"));
  EXPECT_EQ(FormMolecules->StringGridRotMatrix->Cell(1, 2), QStringLiteral("0.500"));
  EXPECT_EQ(FormMolecules->PanelBondColor->Color(), QColor(191, 191, 191));

  // A type without a name leaves the text the last molecule left.
  FormGL->MolGLs[1].ModelType = 105;
  FormMolecules->ListViewMolecules->SelectRow(1);
  EXPECT_EQ(FormMolecules->ComboBoxModelType->currentText(), QStringLiteral("Colored Sticks"));
  EXPECT_EQ(FormGL->MolGLs[1].ModelType, 105);
}

TEST_F(Console, TheModelTypeTakesOnlyItsExactNames) {
  Start();
  OpenThree();
  MolGL& model = FormGL->MolGLs[2];
  TypeIntoCombo(FormMolecules->ComboBoxModelType, "sticks");
  EXPECT_EQ(model.ModelType, BALL_AND_STICK);
  TypeIntoCombo(FormMolecules->ComboBoxModelType, "Sticks");
  EXPECT_EQ(model.ModelType, STICK);
  FormMolecules->ComboBoxModelType->setCurrentIndex(2);  // chosen from the list
  emit FormMolecules->ComboBoxModelType->activated(2);
  EXPECT_EQ(model.ModelType, SPACE_FILLING);
}

TEST_F(Console, VisibilityFollowsTheBoxAndTheDoubleClick) {
  Start();
  OpenThree();
  FormMolecules->CheckBoxShowMolecule->setChecked(false);
  EXPECT_FALSE(FormGL->MolGLs[2].ShowMolecule);
  EXPECT_EQ(FormMolecules->ListViewMolecules->ImageIndex(2), 1);
  FormMolecules->ListViewMoleculesDblClick();
  EXPECT_TRUE(FormGL->MolGLs[2].ShowMolecule);
  EXPECT_TRUE(FormMolecules->CheckBoxShowMolecule->isChecked());
  EXPECT_EQ(FormMolecules->ListViewMolecules->ImageIndex(2), 2);
  FormMolecules->CheckBoxShowDummyAtoms->setChecked(false);
  EXPECT_FALSE(FormGL->MolGLs[2].ShowDummyAtoms);
  // A hidden molecule's row keeps its image through a rebuild.
  FormMolecules->CheckBoxShowMolecule->setChecked(false);
  FormMolecules->RefreshMoleculeList();
  EXPECT_EQ(FormMolecules->ListViewMolecules->ImageIndex(2), 1);
}

TEST_F(Console, GridEditsStoreTheLeadingNumber) {
  Start();
  OpenThree();
  MolGL& model = FormGL->MolGLs[2];
  TypeIntoCell(FormMolecules->StringGridPosition, 1, 1, "1.5abc");
  EXPECT_DOUBLE_EQ(model.Position.y, 1.5);
  TypeIntoCell(FormMolecules->StringGridPosition, 2, 1, "abc");
  EXPECT_DOUBLE_EQ(model.Position.z, 0.0);
  // A matrix cell edited and shown again stands in the same cell.
  FormMolecules->CheckBoxShowDetail->setChecked(true);
  TypeIntoCell(FormMolecules->StringGridRotMatrix, 4, 2, "-3.25");
  EXPECT_DOUBLE_EQ(model.RotMatrix.Element[13], -3.25);
  FormMolecules->ShowSelectedMolecule();
  EXPECT_EQ(FormMolecules->StringGridRotMatrix->Cell(4, 2), QStringLiteral("-3.250"));
}

TEST_F(Console, TheTabStripFollowsTheSettingOutsideAnimationMode) {
  Start();
  OpenThree();
  EXPECT_FALSE(FormGL->TabControlGL->isHidden());
  FormGL->ShowOnlySelected = false;
  FormMolecules->RefreshMoleculeList();
  EXPECT_TRUE(FormGL->TabControlGL->isHidden());
  FormGL->ShowOnlySelected = true;
  FormGL->AnimationMode = true;
  FormMolecules->RefreshMoleculeList();
  EXPECT_TRUE(FormGL->TabControlGL->isHidden());
}

TEST_F(Console, AnIndexOfNoMoleculeSelectsNothing) {
  Start();
  FormMolecules->SelectedIndex = -1;
  FormMolecules->ShowSelectedMolecule();
  EXPECT_EQ(FormMolecules->SelectedMolFile, nullptr);
  EXPECT_EQ(FormMolecules->SelectedMolGL, nullptr);
  EXPECT_FALSE(FormMolecules->ActionSaveMolecule->isEnabled());
  EXPECT_EQ(FormMolecules->SelectedNormalMode(), nullptr);
  OpenThree();
  FormMolecules->SelectedIndex = 3;
  FormMolecules->ShowSelectedMolecule();
  EXPECT_EQ(FormMolecules->SelectedMolGL, nullptr);
}

TEST_F(Console, TheSelectedModeIsLookedUpInTheSelectedModel) {
  Start();
  OpenThree();
  NormalMode mode;
  mode.ModeNumber = 7;
  FormGL->MolGLs[0].Modes.push_back(mode);
  FormMolecules->SelectedModeNumber = 7;
  EXPECT_EQ(FormMolecules->SelectedNormalMode(), nullptr);  // molecule 3 has no mode 7
  FormMolecules->ListViewMolecules->SelectRow(0);
  ASSERT_NE(FormMolecules->SelectedNormalMode(), nullptr);
  EXPECT_EQ(FormMolecules->SelectedNormalMode(), &FormGL->MolGLs[0].Modes[0]);
  // Another open moves the vectors; the lookup follows.
  OpenThroughDialog(PathOf("a.gjf"), 1);
  FormMolecules->ListViewMolecules->SelectRow(0);
  EXPECT_EQ(FormMolecules->SelectedNormalMode(), &FormGL->MolGLs[0].Modes[0]);
}

}  // namespace

// The file page's import under each type, the two conversions and the
// console's editor toggle.
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "EditorFixture.h"
#include "console/UnitMolecules.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/ui/ListView.h"
#include "platform/ui/StringGrid.h"

namespace {

const char* const WaterZMatrix = "#T HF/STO-3G\n\nwater\n\n0 1\nO\nH 1 0.96\nH 1 0.96 2 104.5\n";

class FileTextAndConversions : public EditorFixture {
 protected:
  static TFormMoleculeEdit* Edit() { return FormMoleculeEdit; }

  static void Import(const QString& type, const QString& text) {
    Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
    Edit()->ComboBoxFileType->setEditText(type);
    Edit()->RichEditFileData->setPlainText(text);
    Edit()->ButtonImportData->click();
  }
};

TEST_F(FileTextAndConversions, ThePageShowsTheTextAndTypeAndAnImportReplacesTheSelectedMolecule) {
  OpenText(WaterZMatrix);
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  EXPECT_EQ(Edit()->ComboBoxFileType->currentText(), QStringLiteral("Gaussian Input"));
  EXPECT_EQ(Edit()->RichEditFileData->toPlainText(), QString::fromLatin1(WaterZMatrix));
  SelectedModel().ModelType = WIRE;

  Import(QStringLiteral("Gaussian Input"), QStringLiteral("#p\n\nt\n\n0 1\nC 0 0 0\nO 0 0 1.2\n"));
  ASSERT_EQ(FormMolecules->MolFiles.size(), 1u);
  EXPECT_EQ(SelectedFile().AtomIds.Ids.size(), 2u);
  EXPECT_EQ(SelectedFile().Name, "m.gjf");
  EXPECT_EQ(SelectedModel().Atoms.at(1).BasePosition.z, 1.2);
  // The new display model comes with a new model's settings.
  EXPECT_EQ(SelectedModel().ModelType, BALL_AND_STICK);
  EXPECT_EQ(Edit()->StringGridCartesianData->Cell(2, 2), QStringLiteral("O"));
  EXPECT_FALSE(Edit()->CoordinateConvertToXYZ->isEnabled());
}

// A long output's text is laid out only when the page comes into sight; the
// user sees the same text whenever they look.
TEST_F(FileTextAndConversions, ThePageTakesItsTextWhenItComesIntoSight) {
  OpenText(WaterZMatrix);
  ASSERT_NE(Edit()->PageControl->currentWidget(), Edit()->TabSheetFile);
  EXPECT_TRUE(Edit()->RichEditFileData->toPlainText().isEmpty());

  // Chosen while the window is hidden, the page waits for the window.
  Edit()->hide();
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  EXPECT_TRUE(Edit()->RichEditFileData->toPlainText().isEmpty());
  Edit()->show();
  QTRY_COMPARE(Edit()->RichEditFileData->toPlainText(), QString::fromLatin1(WaterZMatrix));

  // In sight, a newly opened molecule shows at once.
  OpenThroughDialog(WriteFile(QStringLiteral("c.gjf"), CartesianInput), 1);
  EXPECT_EQ(Edit()->RichEditFileData->toPlainText(), QString::fromLatin1(CartesianInput));
}

// Qt's own editor crashes pasting a source without formats; text still pastes.
TEST_F(FileTextAndConversions, PastingAnEmptyClipboardTakesNothing) {
  OpenText(WaterZMatrix);
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  QGuiApplication::clipboard()->setMimeData(new QMimeData);
  QTest::keyClick(Edit()->RichEditFileData, Qt::Key_V, Qt::ControlModifier);
  QGuiApplication::clipboard()->setText(QStringLiteral("X"));
  QTest::keyClick(Edit()->RichEditFileData, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Edit()->RichEditFileData->toPlainText(), QStringLiteral("X") + QString::fromLatin1(WaterZMatrix));
}

TEST_F(FileTextAndConversions, AnImportOfAPageNeverSeenReadsTheCopysText) {
  OpenText(WaterZMatrix);
  Edit()->ComboBoxFileType->setEditText(QStringLiteral("Gaussian Input"));
  Edit()->ButtonImportData->click();
  EXPECT_EQ(SelectedFile().AtomIds.Ids.size(), 3u);
  EXPECT_EQ(SelectedFile().Lines.size(), 9u);
}

// Bytes that are not code page 932 (Latin-1, UTF-8, bytes that mean nothing
// alone) survive showing the text, importing it unedited and saving it.
TEST_F(FileTextAndConversions, AnUneditedImportAndSaveKeepTheBytes) {
  std::string stray;
  for (int b = 1; b < 0x100; ++b)
    if (b != '\n' && b != '\r') stray += static_cast<char>(b);
  const std::string text = std::string("#T HF/STO-3G\n\ncaf\xE9 \xC3\x85ngstr\xF6m \x80\xA0\xFD\n") +
                           "\x8D\x5C\x91\xA2\x8D\xC5\x93\x4B\x89\xBB \x83\x41\x83\x6A\x83\x81\n" + stray +
                           "\n\n0 1\nO 0 0 0\nH 0 0 0.96\n\n";
  OpenText(text);
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  EXPECT_TRUE(Edit()->RichEditFileData->toPlainText().contains(QStringLiteral("構造最適化 アニメ")));
  Edit()->ButtonImportData->click();
  EXPECT_EQ(SelectedFile().AtomIds.Ids.size(), 2u);
  dialogs.AnswerMessage(true);
  FormMolecules->ActionSaveMolecule->trigger();
  EXPECT_EQ(ReadFile(PathOf(QStringLiteral("m.gjf"))), text);
}

TEST_F(FileTextAndConversions, TheImportButtonShowsItsWholeCaption) {
  Start();
  const QPushButton* button = Edit()->ButtonImportData;
  EXPECT_GE(button->width(), 180);
  EXPECT_GT(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
}

TEST_F(FileTextAndConversions, EachTypeReadsTheTextWithItsOwnReader) {
  OpenText(WaterZMatrix);
  const QString mopac = QStringLiteral("PM7\ntitle\ncomment\nO\nH 0.96 1\n");
  const QString tinker = QStringLiteral("2 water\n1 O 0.0 0.0 0.0 1 2\n2 H 0.0 0.0 0.96 5 1\n");
  const struct {
    QString Type;
    QString Text;
    std::int32_t Code;
    std::size_t Atoms;
  } cases[] = {
      {QStringLiteral("MOPAC Input"), mopac, MOPAC_INPUT, 2},
      {QStringLiteral("TINKER XYZ"), tinker, TINKER_XYZ, 2},
      {QStringLiteral("Gaussian Output (Last Orientation Only)"), QString::fromLatin1(WaterZMatrix), GAUSSIAN_OUTPUT, 0},
      // Any other text is a Gaussian input, and so is the design text.
      {QStringLiteral("gaussian input"), QString::fromLatin1(WaterZMatrix), GAUSSIAN_INPUT, 3},
      {QStringLiteral("Select File Type"), mopac, GAUSSIAN_INPUT, 0},
  };
  for (const auto& c : cases) {
    Import(c.Type, c.Text);
    EXPECT_EQ(SelectedFile().FileType, c.Code) << c.Type.toStdString();
    EXPECT_EQ(SelectedFile().AtomIds.Ids.size(), c.Atoms) << c.Type.toStdString();
    EXPECT_EQ(SelectedModel().Atoms.size(), c.Atoms) << c.Type.toStdString();
  }
  // A text that gives no atoms still keeps its lines, to be imported again.
  EXPECT_EQ(SelectedFile().Lines.at(0), "PM7");
  EXPECT_EQ(FormMolecules->MolFiles.size(), 1u);
  // One the reader refuses is kept too, and the user is told why it gives none.
  EXPECT_TRUE(dialogs.CallsOf(ScriptedDialogs::Kind::Message).empty());
  Import(QStringLiteral("MOPAC Input"), QStringLiteral("PM7\nt\nc\nC\nC 1 CC\n"));
  EXPECT_EQ(SelectedFile().Lines.at(4), "C 1 CC");
  const auto told = dialogs.CallsOf(ScriptedDialogs::Kind::Message);
  ASSERT_EQ(told.size(), 1u);
  EXPECT_EQ(told[0].Text, QStringLiteral("テキストから原子を読めません。5 行目は MOPAC の原子の行ではありません:\nC 1 CC"));
  EXPECT_EQ(FormMolecules->ListViewMolecules->Count(), 1);
}

TEST_F(FileTextAndConversions, ImportingTheZMatrixEnablesTheCartesianConversionOnlyAsAGaussianInput) {
  OpenText("#p\n\nt\n\n0 1\nC 0 0 0\n");
  Import(QStringLiteral("Gaussian Input"), QString::fromLatin1(WaterZMatrix));
  EXPECT_TRUE(Edit()->CoordinateConvertToXYZ->isEnabled());
  Import(QStringLiteral("MOPAC Input"), QStringLiteral("PM7\ntitle\ncomment\nO\nH 0.96 1\n"));
  EXPECT_FALSE(Edit()->CoordinateConvertToXYZ->isEnabled());
}

TEST_F(FileTextAndConversions, WithoutASelectionTheImportAppendsAndSelectsTheNewMolecule) {
  OpenText(WaterZMatrix);
  FormMolecules->SelectedIndex = -1;
  FormMolecules->ShowSelectedMolecule();
  Import(QStringLiteral("Gaussian Input"), QStringLiteral("#p\n\nt\n\n0 1\nC 0 0 0\n"));
  ASSERT_EQ(FormMolecules->MolFiles.size(), 2u);
  ASSERT_EQ(FormGL->MolGLs.size(), 2u);
  EXPECT_EQ(FormMolecules->SelectedIndex, 1);
  EXPECT_EQ(FormMolecules->SelectedMolFile, &FormMolecules->MolFiles[1]);
  EXPECT_EQ(FormMolecules->SelectedMolGL, &FormGL->MolGLs[1]);
  EXPECT_EQ(FormGL->MolGLs[1].Atoms.size(), 1u);
  EXPECT_EQ(FormMolecules->MolFiles[0].AtomIds.Ids.size(), 3u);
}

TEST_F(FileTextAndConversions, AnOutputBecomesAGaussianInputAndThePageHoldsItsText) {
  Start();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  ASSERT_TRUE(Edit()->FileConvertToGJF->isEnabled());
  const bool cartesianBefore = Edit()->CoordinateConvertToXYZ->isEnabled();
  // An edit open while the copy is refilled or replaced belongs to what was shown: it ends.
  QLineEdit* editor = OpenCellEditor(Edit()->StringGridCartesianData, 3, 1);
  ASSERT_NE(editor, nullptr);
  FormMolecules->CopySelectedToEditor();
  EXPECT_FALSE(editor->isVisible());
  ASSERT_NE(editor = OpenCellEditor(Edit()->StringGridCartesianData, 3, 1), nullptr);
  Edit()->FileConvertToGJF->trigger();
  EXPECT_FALSE(editor->isVisible());
  EXPECT_EQ(SelectedFile().FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(SelectedFile().Path, "Converted Gaussian Input");
  EXPECT_EQ(SelectedFile().Lines, Edit()->EditedMolFile.Lines);
  EXPECT_EQ(SelectedFile().AtomIds.Ids.size(), 3u);
  EXPECT_EQ(SelectedModel().Atoms.size(), 3u);
  EXPECT_FALSE(Edit()->FileConvertToGJF->isEnabled());
  EXPECT_EQ(Edit()->CoordinateConvertToXYZ->isEnabled(), cartesianBefore);
  EXPECT_EQ(Edit()->windowTitle(), QStringLiteral("1: water.out"));
  EXPECT_EQ(FormMolecules->ListViewMolecules->Item(0)->text(2), QStringLiteral("Converted Gaussian Input"));
  Edit()->PageControl->setCurrentWidget(Edit()->TabSheetFile);
  EXPECT_EQ(Edit()->ComboBoxFileType->currentText(), QStringLiteral("Gaussian Input"));
  EXPECT_TRUE(Edit()->RichEditFileData->toPlainText().startsWith(
      QString::fromStdString(SelectedFile().Lines.at(0))));
}

// Gaussian stops on an input whose molecule has no blank line after it.
TEST_F(FileTextAndConversions, ConvertedInputsAreSavedWithTheBlankLineAfterTheirMolecule) {
  OpenText(WaterZMatrix);
  Edit()->FileConvertToGJF->setEnabled(true);
  Edit()->FileConvertToGJF->trigger();
  dialogs.ChooseFile(PathOf(QStringLiteral("from-zmatrix.gjf")));
  FormMolecules->ActionSaveMoleculeAs->trigger();
  OpenThroughDialog(QStringLiteral(QUIVERA_EXAMPLES "/water.out"), 2);
  Edit()->FileConvertToGJF->trigger();
  dialogs.ChooseFile(PathOf(QStringLiteral("from-output.gjf")));
  FormMolecules->ActionSaveMoleculeAs->trigger();

  for (const char* name : {"from-zmatrix.gjf", "from-output.gjf"}) {
    SCOPED_TRACE(name);
    const std::string text = ReadFile(PathOf(QString::fromLatin1(name)));
    // The last atom line, then one blank line.
    EXPECT_TRUE(text.ends_with("0\n\n") && !text.ends_with("\n\n\n")) << text;
    MolFile file;  // and reads back whole
    file.FileType = GAUSSIAN_INPUT;
    ASSERT_TRUE(file.Load(PathOf(QString::fromLatin1(name)).toStdString().c_str()));
    EXPECT_EQ(file.AtomIds.Ids.size(), 3u);
  }
}

TEST_F(FileTextAndConversions, AZMatrixBecomesCartesianInTheGridsTheTextAndTheModel) {
  OpenText(WaterZMatrix);
  ASSERT_TRUE(Edit()->CoordinateConvertToXYZ->isEnabled());
  const Position<double> placed = SelectedModel().Atoms.at(2).BasePosition;
  Edit()->CoordinateConvertToXYZ->trigger();
  EXPECT_FALSE(SelectedFile().HasZMatrixAtoms());
  EXPECT_EQ(SelectedFile().FileType, GAUSSIAN_INPUT);
  EXPECT_EQ(Edit()->StringGridCartesianData->rowCount(), 4);
  EXPECT_EQ(Edit()->StringGridZMatrixData->rowCount(), 2);
  EXPECT_EQ(Edit()->StringGridZMatrixData->Cell(0, 1), QString());
  EXPECT_NEAR(SelectedModel().Atoms.at(2).BasePosition.y, placed.y, 1e-6);
  EXPECT_FALSE(Edit()->CoordinateConvertToXYZ->isEnabled());
  EXPECT_FALSE(Edit()->FileConvertToGJF->isEnabled());
}

TEST_F(FileTextAndConversions, ConversionsWithoutASelectedMoleculeDoNothing) {
  OpenText(WaterZMatrix);
  FormMolecules->SelectedIndex = 3;
  FormMolecules->ShowSelectedMolecule();
  const std::vector<std::string> lines = FormMolecules->MolFiles[0].Lines;
  Edit()->FileConvertToGJF->setEnabled(true);
  Edit()->FileConvertToGJF->trigger();
  Edit()->CoordinateConvertToXYZ->trigger();
  EXPECT_EQ(FormMolecules->MolFiles[0].Lines, lines);
  EXPECT_TRUE(Edit()->EditedMolFile.HasZMatrixAtoms());
}

TEST_F(FileTextAndConversions, TheConsolesToggleFollowsTheWindow) {
  Start();
  Edit()->hide();
  EXPECT_FALSE(FormMolecules->ShowFormMoleculeEdit->isChecked());
  Edit()->show();
  EXPECT_TRUE(FormMolecules->ShowFormMoleculeEdit->isChecked());
}

}  // namespace

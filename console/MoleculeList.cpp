// The molecule list, the selection and the Information tab.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

#include "UnitMolecules.h"
#include "core/ColorValues.h"
#include "display/view/UnitGL.h"
#include "editor/UnitMoleculeEdit.h"
#include "platform/Numbers.h"
#include "platform/ui/FileNameText.h"
#include "platform/ui/Icons.h"
#include "platform/ui/ListView.h"
#include "platform/ui/PanelButton.h"
#include "platform/ui/PanelColors.h"
#include "platform/ui/StringGrid.h"

namespace {

struct ModelTypeName {
  const char* Name;
  int Code;
};

// In the order they are looked up.
constexpr ModelTypeName kModelTypeNames[] = {
    {"Ball and Stick", BALL_AND_STICK}, {"Ball and Colored Stick", BALL_AND_STICK_COLORED},
    {"Space Filling", SPACE_FILLING},   {"Colored Sticks", STICK_COLORED},
    {"Sticks", STICK},                  {"Colored Wire", WIRE_COLORED},
    {"Wire", WIRE},
};

QString Picture(const char* picture, double value) { return QString::fromStdString(FormatFloat(picture, value)); }

// The row caption of molecule `index`: its 1-based number.
QString RowCaption(std::size_t index) { return Picture("0", static_cast<double>(index + 1)); }

// A cell of the rotation grid holds value 4 (c - 1) + (r - 1), so that the
// translation (values 12 to 14) stands in column 4.
int RotMatrixElement(int column, int row) { return 4 * (column - 1) + (row - 1); }

}  // namespace

NormalMode* TFormMolecules::SelectedNormalMode() const {
  if (!SelectedMolGL) return nullptr;
  for (NormalMode& mode : SelectedMolGL->Modes) {
    if (mode.ModeNumber == SelectedModeNumber) return &mode;
  }
  return nullptr;
}

void TFormMolecules::RefreshMoleculeList() {
  ListViewMolecules->Clear();
  std::vector<QString> tabs;
  for (std::size_t i = 0; i < MolFiles.size(); ++i) {
    const bool shown = i < FormGL->MolGLs.size() && FormGL->MolGLs[i].ShowMolecule;
    const QString caption = RowCaption(i);
    const QString name = FromFileName(MolFiles[i].Name);
    ListViewMolecules->AddItem(caption, shown ? IMAGE_SHOWN : IMAGE_HIDDEN, {name, FromFileName(MolFiles[i].Path)});
    tabs.push_back(caption + QStringLiteral(": ") + name);
  }
  FormGL->SetTabs(tabs);
  FormGL->TabControlGL->setVisible(!FormGL->AnimationMode && FormGL->ShowOnlySelected);
}

void TFormMolecules::ShowSelectedMolecule() {
  const bool valid = SelectedIndex >= 0 && static_cast<std::size_t>(SelectedIndex) < MolFiles.size() &&
                     static_cast<std::size_t>(SelectedIndex) < FormGL->MolGLs.size();
  if (!valid) return ShowNoMolecule();
  SelectedMolFile = &MolFiles[SelectedIndex];
  SelectedMolGL = &FormGL->MolGLs[SelectedIndex];
  // The setters below run the controls' own handlers, which may rebuild the
  // list; they never change the vectors, so the pointers stay good.
  EditNameMolecule->setText(FromFileName(SelectedMolFile->Name));
  CheckBoxShowMolecule->setChecked(SelectedMolGL->ShowMolecule);
  CheckBoxShowDummyAtoms->setChecked(SelectedMolGL->ShowDummyAtoms);
  PanelBondColor->SetColor(PanelColor(ColorValueOf(SelectedMolGL->BondColor)));
  EditBondRadius->setText(Picture("0.00", SelectedMolGL->BondRadius));
  StringGridPosition->SetCell(0, 1, Picture("0.000", SelectedMolGL->Position.x));
  StringGridPosition->SetCell(1, 1, Picture("0.000", SelectedMolGL->Position.y));
  StringGridPosition->SetCell(2, 1, Picture("0.000", SelectedMolGL->Position.z));
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      StringGridRotMatrix->SetCell(column, row,
                                   Picture("0.000", SelectedMolGL->RotMatrix.Element[RotMatrixElement(column, row)]));
    }
  }
  for (const ModelTypeName& type : kModelTypeNames) {
    if (type.Code == SelectedMolGL->ModelType) {
      const QSignalBlocker quiet(ComboBoxModelType);
      const QSignalBlocker quietEdit(ComboBoxModelType->lineEdit());
      ComboBoxModelType->setEditText(QString::fromLatin1(type.Name));
      break;
    }
  }
  RefreshBondList();
  RefreshNormalModeList();
  EditNMMagnitude->setText(Picture("0.0#", SelectedMolGL->NMMagnitude));
  const int type = SelectedMolFile->FileType;
  const bool savable = type == GAUSSIAN_INPUT || type == MOPAC_INPUT || type == TINKER_XYZ;
  ActionSaveMolecule->setEnabled(savable);
  ActionSaveMoleculeAs->setEnabled(savable);
}

void TFormMolecules::ShowNoMolecule() {
  // With both pointers null first, the setters below run handlers that do nothing.
  SelectedMolFile = nullptr;
  SelectedMolGL = nullptr;
  SelectedModeNumber = 0;
  EditNameMolecule->clear();
  ComboBoxModelType->setEditText(QString());
  CheckBoxShowMolecule->setChecked(false);
  CheckBoxShowDummyAtoms->setChecked(false);
  for (int column = 0; column < 3; ++column) StringGridPosition->SetCell(column, 1, QString());
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) StringGridRotMatrix->SetCell(column, row, QString());
  }
  PanelBondColor->setPalette(QPalette());
  PanelBondColor->setAutoFillBackground(false);
  EditBondRadius->clear();
  RefreshBondList();
  ClearNormalModesTab();
  ActionSaveMolecule->setEnabled(false);
  ActionSaveMoleculeAs->setEnabled(false);
}

void TFormMolecules::ListViewMoleculesSelectItem(QTreeWidgetItem* item, bool selected) {
  if (!selected || !item) return;
  // Read the caption now: the handlers below may rebuild the list and delete the item.
  const int index = ReadInt(item->text(0).toStdString()) - 1;
  if (index != SelectedIndex) {
    SelectedIndex = index;
    ShowSelectedMolecule();
    CopySelectedToEditor();
    FormGL->SetTabIndex(index);
  }
  FormMoleculeEdit->ShowFileControls();
  if (FormMoleculeEdit->PageControl->currentWidget() == FormMoleculeEdit->TabSheetFile) {
    FormMoleculeEdit->ShowFileData();
  }
  EnableEditorConversions();
}

void TFormMolecules::ListViewMoleculesDblClick() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  CheckBoxShowMolecule->setChecked(!CheckBoxShowMolecule->isChecked());
  const bool shown = CheckBoxShowMolecule->isChecked();
  SelectedMolGL->ShowMolecule = shown;
  ListViewMolecules->SetImageIndex(SelectedIndex, shown ? IMAGE_SHOWN : IMAGE_HIDDEN);
}

void TFormMolecules::CheckBoxShowDetailClick() {
  const bool detail = CheckBoxShowDetail->isChecked();
  LabelRotMatrix->setVisible(detail);
  StringGridRotMatrix->setVisible(detail);
}

void TFormMolecules::EditNameMoleculeChange() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const std::string name = ToFileName(EditNameMolecule->text());
  SelectedMolFile->Name = name;
  SelectedMolGL->Name = name;
  RefreshMoleculeList();
}

void TFormMolecules::ComboBoxModelTypeChange() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const QString text = ComboBoxModelType->currentText();
  for (const ModelTypeName& type : kModelTypeNames) {
    if (text == QLatin1String(type.Name)) {
      SelectedMolGL->ModelType = type.Code;
      return;
    }
  }
}

void TFormMolecules::CheckBoxShowMoleculeClick() {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const bool shown = CheckBoxShowMolecule->isChecked();
  SelectedMolGL->ShowMolecule = shown;
  ListViewMolecules->SetImageIndex(SelectedIndex, shown ? IMAGE_SHOWN : IMAGE_HIDDEN);
}

void TFormMolecules::StringGridPositionSetEditText(int column, int, const QString& text) {
  if (!SelectedMolFile || !SelectedMolGL) return;
  const double value = ReadDouble(text.toStdString());
  switch (column) {
    case 0: SelectedMolGL->Position.x = value; break;
    case 1: SelectedMolGL->Position.y = value; break;
    case 2: SelectedMolGL->Position.z = value; break;
    default: break;
  }
}

void TFormMolecules::StringGridRotMatrixSetEditText(int column, int row, const QString& text) {
  if (!SelectedMolFile || !SelectedMolGL) return;
  if (column < 1 || column > 4 || row < 1 || row > 4) return;
  SelectedMolGL->RotMatrix.Element[RotMatrixElement(column, row)] = ReadDouble(text.toStdString());
}

void TFormMolecules::AppendMolecule(MolFile file, const MolGL& model) {
  // Both vectors may move: nothing may point into them until a molecule is shown again.
  SelectedMolFile = nullptr;
  SelectedMolGL = nullptr;
  MolFiles.push_back(std::move(file));
  FormGL->MolGLs.push_back(model);
}

void TFormMolecules::AppendAndSelectMolecule(MolFile file, const MolGL& model) {
  AppendMolecule(std::move(file), model);
  RefreshMoleculeList();
  SelectedIndex = static_cast<int>(MolFiles.size()) - 1;
  ShowSelectedMolecule();
  CopySelectedToEditor();
  FormMoleculeEdit->ShowFileControls();
  FormMoleculeEdit->ShowFileData();  // whichever page is showing
}

void TFormMolecules::CopySelectedToEditor() {
  if (!SelectedMolFile) return;
  FormMoleculeEdit->EditedMolFile = *SelectedMolFile;
  FormMoleculeEdit->UpdateGrids();
  FormMoleculeEdit->SetCaption(SelectedIndex, SelectedMolFile->Name);
}

void TFormMolecules::EnableEditorConversions() {
  if (!SelectedMolFile) return;
  const bool input = SelectedMolFile->FileType == GAUSSIAN_INPUT;
  FormMoleculeEdit->FileConvertToGJF->setEnabled(!input);
  FormMoleculeEdit->CoordinateConvertToXYZ->setEnabled(input && SelectedMolFile->HasAtomsToConvert());
}

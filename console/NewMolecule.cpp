// A new, untitled Gaussian input from a fixed template, without atoms until
// the editor imports its text.
#include "UnitMolecules.h"

void TFormMolecules::ActionNewMoleculeExecute() {
  MolFile file;
  file.Name = "Untitled";
  file.Path = "New File";  // names no file: Save goes on to Save As
  file.FileType = GAUSSIAN_INPUT;
  // Saved, it ends with the blank line after the (empty) molecule section.
  file.Lines = {"#T HF/STO-3G", "", "A comment by Quivera", "", "0 1", "", ""};
  MolGL model;
  model.Name = file.Name;
  AppendAndSelectMolecule(std::move(file), model);
}

// Start-up and shut-down of the program's five windows.
#pragma once

#include <QStringList>

// Creates the forms in their start-up order (console, editor, view, about
// box, settings dialog), shows the first three and finishes start-up with
// the font lists and the file named by `arguments` (program first).
void CreateForms(const QStringList& arguments);
// Destroys them in reverse order and clears the global pointers.
void DestroyForms();

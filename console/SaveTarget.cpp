#include "SaveTarget.h"

#include "console/model/ReplaceFile.h"
#include "platform/ui/Dialogs.h"

bool ConfirmSaveTarget(QWidget* parent, const std::string& path, const QString& name, ReadOnlyTarget readOnly) {
  std::string reason;
  switch (InspectTarget(path, &reason)) {
    case TargetState::Absent:
      return true;
    case TargetState::Replaceable:
      return AskOverwrite(parent, name);
    case TargetState::NotRegular:
      ShowNotWritable(parent, name, reason);
      return false;
    case TargetState::NotWritable:
      if (readOnly == ReadOnlyTarget::RefuseFirst) {
        ShowNotWritable(parent, name, reason);
      } else if (AskOverwrite(parent, name)) {
        ShowCannotDelete(parent, name, reason);
      }
      return false;
  }
  return false;
}

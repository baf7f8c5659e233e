// Program entry: the application, the five windows, the message loop.
#include <exception>

#include "Forms.h"
#include "platform/ui/Application.h"

int main(int argc, char** argv) {
  Application application(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Quivera"));
  try {
    CreateForms(QCoreApplication::arguments());
    Application::exec();
  } catch (const std::exception& error) {
    ShowException(error.what());
  }
  DestroyForms();
  return 0;
}

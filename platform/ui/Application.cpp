#include "Application.h"

#include <clocale>
#include <csignal>
#include <exception>

#include "Dialogs.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  // QApplication took the user's locale for everything; numbers stay in "C".
  std::setlocale(LC_NUMERIC, "C");
  // A write past the file-size limit (ulimit -f) would end the program with
  // every unsaved edit lost; ignored, it fails with EFBIG and the save says so.
  std::signal(SIGXFSZ, SIG_IGN);
}

bool Application::notify(QObject* receiver, QEvent* event) {
  bool handled = false;
  Guarded([&] { handled = QApplication::notify(receiver, event); });
  return handled;
}

void ShowException(const char* what) { ShowMessage(nullptr, QString::fromLocal8Bit(what)); }

void Guarded(const std::function<void()>& body) {
  try {
    body();
  } catch (const std::exception& error) {
    ShowException(error.what());
  } catch (...) {
    ShowException("Unknown error");
  }
}

// The application object. An exception that a handler lets out is shown in a
// message box and the program goes on: it must never unwind through Qt's
// event loop.
#pragma once

#include <functional>

#include <QApplication>

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Runs `body`; an exception it throws is shown and swallowed. For code that
// Qt calls outside an event (timers are events, but queued lambdas and direct
// signal connections of non-Qt origin may not be).
void Guarded(const std::function<void()>& body);
// Shows an exception's message as the program's error message.
void ShowException(const char* what);

#pragma once
// Turns the signals that end a desktop program (SIGTERM from the session or
// a kill, SIGHUP, SIGINT) into an ordinary call on the UI thread, so the
// program closes its window as if the user had: a handler only writes a
// byte to a pipe, and a socket notifier reads it in the event loop.

#include <QObject>

#include <functional>

class QSocketNotifier;

class TQuitSignals : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; onSignal runs on the UI thread for each signal.
    // Only one instance may exist. Throws std::runtime_error when the pipe
    // cannot be made.
    TQuitSignals(std::function<void()> onSignal, QObject* parent = nullptr);
    ~TQuitSignals() override; // restores the default handlers

private:
    std::function<void()> OnSignal;
    QSocketNotifier* Notifier = nullptr;
};

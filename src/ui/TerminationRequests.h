#pragma once

#include <QObject>

class QSocketNotifier;

namespace sockwright {

// Requests to end the program that arrive as process signals: SIGTERM when the desktop session
// ends or the process is told to stop, SIGINT from Ctrl+C in a terminal, SIGHUP when the terminal
// goes away. Each is turned into requested(), delivered by the event loop of the thread that owns
// this object, so the program can end as its close box ends it. After the first request the
// three signals take their default action again: a second one ends a program that no longer
// responds at once. One object listens at a time; its destruction restores what it replaced.
class TerminationRequests : public QObject {
    Q_OBJECT
  public:
    explicit TerminationRequests(QObject* parent = nullptr);
    ~TerminationRequests() override;
    TerminationRequests(const TerminationRequests&) = delete;
    TerminationRequests& operator=(const TerminationRequests&) = delete;

    // False where the signals could not be caught; the program then ends as it always has.
    bool listening() const { return notifier_ != nullptr; }

  signals:
    void requested();

  private:
    void readRequest();

    int pipe_[2] = {-1, -1};
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace sockwright

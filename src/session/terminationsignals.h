#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;
namespace session {
class StopSignals;
}

// Turns SIGTERM and SIGHUP (the system or the desktop session ending the
// program) and SIGINT (Ctrl-C in the terminal that started it) into a Qt
// signal on the event thread, so that they end the program the way closing
// its window does: what it saves saved, and a serial port given back as it
// was. A signal handler may do almost nothing, so it only writes a byte to a
// pipe that the event loop watches.
class TerminationSignals : public QObject {
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void terminationRequested();

private:
    QSocketNotifier *notifier_ = nullptr;
    std::unique_ptr<session::StopSignals> handlers_; // the previous actions come back with it
};

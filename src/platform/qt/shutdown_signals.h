// SIGTERM, SIGHUP and SIGINT (a kill, a closed terminal, Ctrl+C, the end of a desktop session)
// reach the event loop as an ordinary Qt signal. The handler only writes a byte to a socket that
// the loop watches: nothing else is safe inside a signal handler.
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zendrix {

class ShutdownSignals : public QObject {
    Q_OBJECT

  public:
    // Installs the handlers; one instance at a time. The old handlers come back when it goes.
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

  signals:
    void received(int signalNumber);

  private:
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace zendrix

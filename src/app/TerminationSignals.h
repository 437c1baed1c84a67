#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM and SIGHUP (the session ending, `kill`) into an orderly quit
// on the event loop, so that the program saves on its way out as it does for
// any other termination. Only one may exist.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    bool installed() const { return m_notifier != nullptr; }

signals:
    void received(int signalNumber);

private:
    QSocketNotifier *m_notifier = nullptr;
};

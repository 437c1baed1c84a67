#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// A second start on a diary that is open brings the program that has it
// forward. The program holding a diary's lock listens on a local socket
// named after the diary and the user; a second start asks it, through that
// socket, to bring its window to the front, and ends.
//
// The exchange is one line each way: "forward\n" asked, "ok\n" answered once
// the window has been asked to come forward. Anything else closes the
// connection unanswered.
class RunningInstance : public QObject
{
    Q_OBJECT

public:
    explicit RunningInstance(const QString &diaryPath, QObject *parent = nullptr);
    ~RunningInstance() override;

    // "orvane-UID-HASH": short, as a socket's path has a limit of about 100
    // bytes. The hash is of the diary's folder, its links resolved, and its
    // name: the lock's own identity, so that two paths with one lock give
    // one name and two locks never share one.
    static QString serverName(const QString &diaryPath);
    QString name() const { return m_name; }

    // For the program holding the lock, until this object goes: a socket
    // left behind by a program that crashed is removed first (no other
    // program can be listening: it would hold the lock).
    bool listen();
    bool isListening() const;

    // For a second start: true when the running program answers within
    // the time that its window comes forward.
    bool askToComeForward(int timeoutMs = 1500) const;

signals:
    void comeForwardAsked();

private:
    void serve(QLocalSocket *socket);

    QString m_name;
    QLocalServer *m_server = nullptr;
};

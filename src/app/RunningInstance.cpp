#include "app/RunningInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

#include <unistd.h>

namespace {

const QByteArray kAsk = QByteArrayLiteral("forward\n");
const QByteArray kAnswer = QByteArrayLiteral("ok\n");
// A line longer than the question is no question of ours.
constexpr qint64 kLongestLine = 16;
// A client that connects and says nothing is not kept waiting on.
constexpr int kClientTimeoutMs = 3000;

} // namespace

RunningInstance::RunningInstance(const QString &diaryPath, QObject *parent)
    : QObject(parent)
    , m_name(serverName(diaryPath))
{
}

RunningInstance::~RunningInstance()
{
    // Closing removes the socket file.
    if (m_server)
        m_server->close();
}

QString RunningInstance::serverName(const QString &diaryPath)
{
    const QFileInfo diary(diaryPath);
    QString folder = QFileInfo(diary.absolutePath()).canonicalFilePath();
    if (folder.isEmpty())
        folder = diary.absolutePath();
    const QByteArray hash =
        QCryptographicHash::hash((folder + QLatin1Char('/') + diary.fileName()).toUtf8(), QCryptographicHash::Sha256)
            .toHex()
            .left(16);
    return QStringLiteral("orvane-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
}

bool RunningInstance::listen()
{
    if (m_server)
        return m_server->isListening();
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    QLocalServer::removeServer(m_name);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection())
            serve(socket);
    });
    return m_server->listen(m_name);
}

bool RunningInstance::isListening() const
{
    return m_server && m_server->isListening();
}

void RunningInstance::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(kClientTimeoutMs, socket, &QLocalSocket::abort);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
        // One question per connection: what follows it is not read.
        if (socket->state() != QLocalSocket::ConnectedState)
            return;
        if (!socket->canReadLine()) {
            if (socket->bytesAvailable() > kLongestLine)
                socket->abort();
            return;
        }
        if (socket->readLine(kLongestLine + 1) != kAsk) {
            socket->abort();
            return;
        }
        emit comeForwardAsked();
        socket->write(kAnswer);
        socket->disconnectFromServer();
    });
}

bool RunningInstance::askToComeForward(int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(static_cast<int>(deadline.remainingTime())))
        return false;
    socket.write(kAsk);
    if (!socket.waitForBytesWritten(static_cast<int>(deadline.remainingTime())))
        return false;
    while (!socket.canReadLine() && socket.bytesAvailable() <= kLongestLine) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime())))
            return false;
    }
    return socket.readLine(kLongestLine + 1) == kAnswer;
}

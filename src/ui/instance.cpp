#include "ui/instance.h"

#include <QCryptographicHash>
#include <QLocalServer>
#include <QLocalSocket>

namespace trovanta::ui {

namespace {
constexpr int WaitMs = 2000;
// A path is short; more than this from a socket is not one of ours.
constexpr qint64 MaxMessage = 64 * 1024;
} // namespace

QString instanceName(const QString &programDirectory)
{
    const QByteArray user = qgetenv("USER");
    const QByteArray key = QCryptographicHash::hash(user + '\0' + programDirectory.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("trovanta-") + QString::fromLatin1(key.toHex().left(16));
}

bool handToRunning(const QString &name, const QStringList &files)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(WaitMs))
        return false;
    for (const QString &f : files)
        socket.write(f.toUtf8() + '\n');
    socket.flush();
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(WaitMs))
            return false;
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(WaitMs);
    return true;
}

InstanceServer::InstanceServer(const QString &name, QObject *parent) : QObject(parent), server_(new QLocalServer(this))
{
    // Only this user may hand us files.
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(name)) {
        // Another program of this directory answers there: it keeps the
        // channel. Otherwise the socket was left by one that did not end
        // cleanly, and is taken over.
        QLocalSocket probe;
        probe.connectToServer(name);
        if (probe.waitForConnected(WaitMs))
            return;
        QLocalServer::removeServer(name);
        server_->listen(name);
    }
    connect(server_, &QLocalServer::newConnection, this, &InstanceServer::takeConnection);
}

bool InstanceServer::listening() const { return server_->isListening(); }

void InstanceServer::takeConnection()
{
    while (QLocalSocket *s = server_->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        auto readLines = [this, s, buffer] {
            buffer->append(s->readAll());
            if (buffer->size() > MaxMessage) {
                s->abort();
                return;
            }
            qsizetype nl;
            while ((nl = buffer->indexOf('\n')) >= 0) {
                const QString path = QString::fromUtf8(buffer->left(nl));
                buffer->remove(0, nl + 1);
                if (!path.isEmpty())
                    emit fileReceived(path);
            }
        };
        connect(s, &QLocalSocket::readyRead, this, readLines);
        connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
        readLines();
    }
}

} // namespace trovanta::ui

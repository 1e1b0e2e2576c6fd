#include "base/instancechannel.h"

#include "base/instancename.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>
#endif

namespace norvel {

namespace {

// One request is one line: the file's absolute path in UTF-8, percent-encoded since a file
// name may hold a line break. The answer is one line too.
const QByteArray kAcknowledged = "ok\n";
constexpr qsizetype kLongestRequest = 64 * 1024;

// The other end of a connection runs as this user: the folder keeps everyone else out, and
// this holds even where it would not (a socket another user left there before us).
bool peerIsThisUser(const QLocalSocket &socket)
{
#if defined(Q_OS_LINUX)
    struct ucred peer;
    socklen_t size = sizeof peer;
    return ::getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &size) ==
               0 &&
           peer.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid = 0;
    gid_t gid = 0;
    return ::getpeereid(int(socket.socketDescriptor()), &uid, &gid) == 0 && uid == ::geteuid();
#else
    Q_UNUSED(socket);
    return true; // a named pipe made with UserAccessOption admits its user only
#endif
}

void serve(QLocalSocket *socket, const InstanceChannel::FileHandler &onFile)
{
    if (!peerIsThisUser(*socket)) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    auto buffer = std::make_shared<QByteArray>();
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer, onFile] {
        buffer->append(socket->readAll());
        const qsizetype end = buffer->indexOf('\n');
        if (end < 0) {
            if (buffer->size() > kLongestRequest)
                socket->abort();
            return;
        }
        const QString path = QString::fromUtf8(QByteArray::fromPercentEncoding(buffer->left(end)));
        socket->write(kAcknowledged);
        socket->flush();
        socket->disconnectFromServer();
        // Opening may ask the broker a question: the sender must not wait for that.
        QMetaObject::invokeMethod(
            socket->parent(), [onFile, path] { onFile(path); }, Qt::QueuedConnection);
    });
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
}

} // namespace

LocalInstanceChannel::LocalInstanceChannel(QString folder, int timeoutMs)
    : folder_(std::move(folder))
    , timeoutMs_(timeoutMs)
{
    if (folder_.isEmpty())
        folder_ = instanceFolder();
}

LocalInstanceChannel::~LocalInstanceChannel() = default;

QString LocalInstanceChannel::socketPath(const QString &programPath) const
{
    return QDir(folder_).filePath(instanceName(programPath) + QStringLiteral(".socket"));
}

bool LocalInstanceChannel::listen(const QString &programPath, FileHandler onFile)
{
    if (folder_.isEmpty())
        return false; // a bare name would put the socket in the shared temporary folder
    const QString name = socketPath(programPath);
    auto server = std::make_unique<QLocalServer>();
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // The caller holds the instance lock, so a socket left there belongs to a copy that died.
    QLocalServer::removeServer(name);
    if (!server->listen(name))
        return false;
    QLocalServer *raw = server.get();
    QObject::connect(raw, &QLocalServer::newConnection, raw, [raw, onFile] {
        while (QLocalSocket *socket = raw->nextPendingConnection())
            serve(socket, onFile);
    });
    server_ = std::move(server);
    return true;
}

bool LocalInstanceChannel::handOver(const QString &programPath, const QString &path)
{
    if (folder_.isEmpty())
        return false;
    const QDeadlineTimer deadline(timeoutMs_);
    QLocalSocket socket;
    // The running copy may be between taking its lock and listening: try again until the end.
    for (;;) {
        socket.connectToServer(socketPath(programPath));
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        socket.abort();
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    if (!peerIsThisUser(socket))
        return false;
    socket.write(path.toUtf8().toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return false;
    QByteArray reply;
    while (!reply.contains('\n')) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        reply += socket.readAll();
    }
    return reply == kAcknowledged;
}

} // namespace norvel

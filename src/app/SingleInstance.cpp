#include "SingleInstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <algorithm>

namespace {

// The whole of a request; anything else on the socket is ignored.
const QByteArray kFrontRequest = QByteArrayLiteral("front\n");

void drop(QLocalSocket* socket) {
    socket->abort();
    socket->deleteLater();
}

}  // namespace

SingleInstance::SingleInstance(QString lockPath) : path_(std::move(lockPath)) {}

SingleInstance::~SingleInstance() { Release(); }

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) folder = QDir::tempPath();
    return folder + QStringLiteral("/quillfret-pro.lock");
}

QString SingleInstance::ServerName() const {
    QString name = path_;
    if (name.endsWith(QLatin1String(".lock"))) name.chop(5);
    return name + QStringLiteral(".socket");
}

bool SingleInstance::TryLock() {
    if (lock_ && lock_->isLocked()) return true;
    lock_ = std::make_unique<QLockFile>(path_);
    // Never stale by age: only a lock whose process has gone is taken over.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    lock_.reset();
    return false;
}

void SingleInstance::Release() {
    // Its sockets and a call still queued go with the server.
    server_.reset();
    if (lock_) lock_->unlock();
    lock_.reset();
}

bool SingleInstance::Listen(std::function<void()> onFront) {
    if (!lock_) return false;
    onFront_ = std::move(onFront);
    if (server_) return true;
    auto server = std::make_unique<QLocalServer>();
    // Only this user may connect, even where the folder is shared (the
    // temporary folder).
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // With the lock held no copy of ours listens there: what is left is a
    // killed copy's.
    QLocalServer::removeServer(ServerName());
    if (!server->listen(ServerName())) return false;
    QObject::connect(server.get(), &QLocalServer::newConnection, server.get(), [this] { Accept(); });
    server_ = std::move(server);
    return true;
}

void SingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        // Read no more than a request: a flood stays in the sender's buffers.
        socket->setReadBufferSize(kFrontRequest.size());
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(socket); });
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        // A client that says nothing, or not all of it, is not waited for.
        QTimer::singleShot(kQuietLimitMs, socket, [socket] { drop(socket); });
        Read(socket);
    }
}

void SingleInstance::Read(QLocalSocket* socket) {
    if (socket->bytesAvailable() < kFrontRequest.size()) return;
    // One request a connection; whatever else came ends it unheard.
    const bool front = socket->read(kFrontRequest.size()) == kFrontRequest;
    drop(socket);
    // Queued: the handler may show windows and run event loops, which must
    // not happen inside the socket's signal.
    if (front) QTimer::singleShot(0, server_.get(), [this] { if (onFront_) onFront_(); });
}

bool SingleInstance::AskToFront(int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return static_cast<int>(std::max<qint64>(0, timeoutMs - clock.elapsed())); };
    QLocalSocket socket;
    socket.connectToServer(ServerName(), QIODevice::WriteOnly);
    if (!socket.waitForConnected(left())) return false;
    socket.write(kFrontRequest);
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(left())) {
            socket.abort();
            return false;
        }
    }
    socket.disconnectFromServer();
    return true;
}

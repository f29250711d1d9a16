#pragma once
// One running copy of the program per user: a lock file in the user's
// runtime folder. A lock left by a copy that died is taken over. The copy
// that holds the lock listens on a local socket beside it, so that a later
// start, before it ends, can ask that copy to come to the front.

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

class SingleInstance {
public:
    // How long a later start waits for the running copy, and how long the
    // running copy waits for a request once connected.
    static constexpr int kAskTimeoutMs = 1000;
    static constexpr int kQuietLimitMs = 1000;

    explicit SingleInstance(QString lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock (it is the first instance).
    bool TryLock();
    // Stops listening and gives up the lock.
    void Release();

    // While the lock is held: listens for later starts and calls `onFront`
    // for each of their requests, from the event loop (never inside a
    // socket's signal). False without the lock or when the name cannot be
    // taken.
    bool Listen(std::function<void()> onFront);
    // A later start: asks the copy that holds the lock to come to the front.
    // Waits at most `timeoutMs` to reach it and hand over the request; false
    // when it could not.
    bool AskToFront(int timeoutMs = kAskTimeoutMs) const;

    // "quillfret-pro.lock" in the runtime folder (XDG_RUNTIME_DIR), else the temporary folder.
    static QString DefaultLockPath();
    // The local socket: the lock's path with ".socket" for ".lock".
    QString ServerName() const;

private:
    void Accept();
    void Read(QLocalSocket* socket);

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onFront_;
};

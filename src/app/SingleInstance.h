#pragma once
// One running copy of the program per user: a lock file in the user's
// runtime folder. A lock left by a copy that died is taken over.

#include <QString>
#include <memory>

class QLockFile;

class SingleInstance {
public:
    explicit SingleInstance(QString lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this process now holds the lock (it is the first instance).
    bool TryLock();
    void Release();

    // "quillfret-pro.lock" in the runtime folder (XDG_RUNTIME_DIR), else the temporary folder.
    static QString DefaultLockPath();

private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

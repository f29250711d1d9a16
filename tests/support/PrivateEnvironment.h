#pragma once
// For test and benchmark programs: made before the QApplication, it gives
// the process the offscreen platform (unless one is chosen) and runtime,
// settings and data folders of its own, so that no run touches the user's
// files and no two processes (nor a running program) share a lock.

#include <QString>
#include <QTemporaryDir>

class PrivateEnvironment {
public:
    PrivateEnvironment();
    // False when the private folders could not be made; Error() says why.
    bool Valid() const { return error_.isEmpty(); }
    QString Error() const { return error_; }

private:
    QTemporaryDir runtime_;
    QTemporaryDir settings_;
    QTemporaryDir data_;
    QString error_;
};

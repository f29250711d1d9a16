// One instance: a second start ends at once (with the message only for the
// exact command line "ziridezar"); a start after the first was killed
// becomes the first. The first listens for later starts' requests to come
// to the front; what else reaches its socket is ignored. The two-process
// case runs the real program.

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "AppTestSupport.h"
#include "SingleInstance.h"

using namespace apptest;

namespace {

class SingleInstanceTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
    }

    // A first instance of its own folder, counting the requests it gets.
    std::unique_ptr<SingleInstance> Listening() {
        auto first = std::make_unique<SingleInstance>(LockPath());
        EXPECT_TRUE(first->TryLock());
        EXPECT_TRUE(first->Listen([this] { ++requests; }));
        return first;
    }
    QString LockPath() const { return folder.path() + QStringLiteral("/quillfret-pro.lock"); }
    QString SocketPath() const { return SingleInstance(LockPath()).ServerName(); }

    // Whether a later start's request reaches the first (`requests` grows).
    bool Reaches() {
        const int before = requests;
        SingleInstance later(LockPath());
        if (later.TryLock()) return false;
        if (!later.AskToFront()) return false;
        return WaitFor([&] { return requests == before + 1; }, 5000);
    }

    // Connects to `socket` and writes `parts` one by one; true once the
    // first has ended the connection and run what that queued.
    static bool Send(const QString& socket, const std::vector<QByteArray>& parts) {
        QLocalSocket client;
        client.connectToServer(socket);
        if (!client.waitForConnected(5000)) return false;
        for (const QByteArray& part : parts) {
            client.write(part);
            client.flush();
            QApplication::processEvents();
        }
        const bool ended = WaitFor([&] { return client.state() == QLocalSocket::UnconnectedState; }, 10000);
        QApplication::processEvents();
        return ended;
    }

    QTemporaryDir folder;
    int requests = 0;
};

// A socket that takes its name from the file system: what a copy killed
// while listening leaves, or a listener that never takes a connection.
class RawSocket {
public:
    explicit RawSocket(const QString& path) : fd_(::socket(AF_UNIX, SOCK_STREAM, 0)) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::copy(name.begin(), name.end(), address.sun_path);
        bound_ = fd_ >= 0 && ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    }
    ~RawSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    RawSocket(const RawSocket&) = delete;
    RawSocket& operator=(const RawSocket&) = delete;
    bool Bound() const { return bound_; }
    bool Listen(int backlog) { return ::listen(fd_, backlog) == 0; }

private:
    int fd_;
    bool bound_ = false;
};

TEST_F(SingleInstanceTest, ASecondStartSaysSoOnlyForTheWord) {
    QLockFile other(SingleInstance::DefaultLockPath());
    ASSERT_TRUE(other.tryLock(0));
    const struct {
        QStringList arguments;
        bool message;
    } cases[] = {
        {{"ziridezar"}, true},  {{}, false},        {{"ZIRIDEZAR"}, false},
        {{" ziridezar"}, false}, {{"ziridezar", "x"}, false}, {{"zirideza"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char('|')).toStdString());
        prompter.Clear();
        EXPECT_FALSE(modMain::FirstInstance(c.arguments));
        const auto messages = prompter.Messages();
        ASSERT_EQ(messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_EQ(messages[0].text, QStringLiteral("Quillfret Pro is already running!\r\n\r\n"
                                                       "(Check behind the ebook or in your tray...)"));
            EXPECT_EQ(messages[0].title, QStringLiteral("Quillfret Pro"));
            EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
        }
    }
    EXPECT_EQ(modMain::gMain(), nullptr);
    other.unlock();
    EXPECT_TRUE(modMain::FirstInstance({QStringLiteral("ziridezar")}));
    EXPECT_TRUE(prompter.Messages().empty());
}

// The socket lies beside the lock, open to this user only; a later start's
// request reaches the first, each one; without the first nothing is reached.
TEST_F(SingleInstanceTest, ALaterStartsRequestReachesTheFirst) {
    auto first = Listening();
    EXPECT_EQ(SocketPath(), folder.path() + QStringLiteral("/quillfret-pro.socket"));
    const QFileInfo socket(SocketPath());
    ASSERT_TRUE(socket.exists());
    const auto others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther |
                        QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(socket.permissions() & others, QFileDevice::Permissions());
    EXPECT_TRUE(Reaches());
    EXPECT_TRUE(Reaches());
    EXPECT_EQ(requests, 2);

    first->Release();
    EXPECT_FALSE(QFileInfo::exists(SocketPath()));
    SingleInstance later(LockPath());
    EXPECT_FALSE(later.AskToFront());
    // The next start is the first, and is reached in its turn.
    first = Listening();
    EXPECT_TRUE(Reaches());
}

// What a killed copy leaves under the socket's name does not keep the next
// first start from listening there.
TEST_F(SingleInstanceTest, ANameLeftByAKilledCopyIsTakenOver) {
    const struct {
        const char* left;
        std::function<void(const QString&)> leave;
    } cases[] = {
        {"a socket nobody listens on", [](const QString& path) { ASSERT_TRUE(RawSocket(path).Bound()); }},
        {"a file", [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.left);
        c.leave(SocketPath());
        ASSERT_TRUE(QFileInfo::exists(SocketPath()));
        SingleInstance later(LockPath());
        EXPECT_FALSE(later.AskToFront());
        auto first = Listening();
        EXPECT_TRUE(Reaches());
    }
}

// Anything but a request, all at once or in parts, is dropped and calls
// nothing; so is a client that says nothing or too little, after a second.
// The first keeps listening.
TEST_F(SingleInstanceTest, WhatIsNotARequestIsIgnored) {
    auto first = Listening();
    const struct {
        const char* name;
        std::vector<QByteArray> writes;
        int requests;
    } cases[] = {
        {"the request", {"front\n"}, 1},
        {"the request in parts", {"fr", "ont", "\n"}, 1},
        {"nothing", {}, 0},
        {"too little", {"front"}, 0},
        {"another word", {"FRONT\n"}, 0},
        {"zeros", {QByteArray(6, '\0')}, 0},
        {"garbage", {"\xff\xfe garbage \r\n"}, 0},
        {"a flood", {QByteArray(8 << 20, 'x')}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int before = requests;
        // The first ends every connection itself.
        EXPECT_TRUE(Send(SocketPath(), c.writes));
        EXPECT_EQ(requests, before + c.requests);
    }
    EXPECT_TRUE(Reaches());
}

class Program {
public:
    explicit Program(const QProcessEnvironment& env) {
        process.setProcessEnvironment(env);
        process.setProgram(QStringLiteral(QF_PROGRAM));
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Program() {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
    QProcess process;
};

TEST_F(SingleInstanceTest, TwoRealProcesses) {
    QTemporaryDir runtime, config, data;
    QFile::setPermissions(runtime.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    const QString lock = runtime.path() + QStringLiteral("/quillfret-pro.lock");

    Program first(env);
    first.process.start();
    ASSERT_TRUE(first.process.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(lock); }, 20000));

    Program second(env);
    second.process.start();
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);

    // The first dies without unlocking: the next start takes its place.
    first.process.kill();
    ASSERT_TRUE(first.process.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(lock));
    Program third(env);
    third.process.start();
    ASSERT_TRUE(third.process.waitForStarted());
    ASSERT_TRUE(WaitFor([&] {
        QLockFile probe(lock);
        qint64 pid = 0;
        return probe.getLockInfo(&pid, nullptr, nullptr) && pid == third.process.processId();
    }, 20000));
    EXPECT_EQ(third.process.state(), QProcess::Running);
}

}  // namespace

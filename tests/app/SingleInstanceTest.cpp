// One instance: a second start asks the running copy to come to the front
// and ends (with the message only for the exact command line "ziridezar");
// a start after the first was killed becomes the first. The running copy
// brings its main window back from the tray or the task bar, also while it
// plays or shows a modal box; what else reaches its socket is ignored. The
// two-process case runs the real program.

#include <QDialog>
#include <QElapsedTimer>
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
#include "SelectorButton.h"
#include "SingleInstance.h"
#include "TrayIcon.h"
#include "ctlChordExt.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "frmTabWindow.h"

using namespace apptest;

namespace {

class SingleInstanceTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ASSERT_TRUE(folder.isValid());
    }
    void TearDown() override {
        TrayIcon::SetAvailable(std::nullopt);
        AppFixture::TearDown();
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

// A running copy that does not answer (hung, or its queue of connections
// full) keeps a second start no longer than its time limit (a second); it
// ends as before. A request it could hand over is there for the first.
TEST_F(SingleInstanceTest, ASecondStartEndsPromptlyWhenTheFirstDoesNotAnswer) {
    QLockFile held(SingleInstance::DefaultLockPath());
    ASSERT_TRUE(held.tryLock(0));
    const QString socket = SingleInstance().ServerName();
    const auto endsPromptly = [this] {
        prompter.Clear();
        QElapsedTimer clock;
        clock.start();
        EXPECT_FALSE(modMain::FirstInstance({QStringLiteral("ziridezar")}));
        // With room for a loaded machine.
        EXPECT_LT(clock.elapsed(), 5 * SingleInstance::kAskTimeoutMs);
        EXPECT_EQ(prompter.Messages().size(), 1u);
    };
    {
        SCOPED_TRACE("listening, never accepting");
        // This thread runs no events while the second start waits.
        QLocalServer hung;
        ASSERT_TRUE(hung.listen(socket));
        endsPromptly();
        ASSERT_TRUE(hung.waitForNewConnection(5000));
        QLocalSocket* request = hung.nextPendingConnection();
        ASSERT_NE(request, nullptr);
        EXPECT_TRUE(WaitFor([&] { return request->bytesAvailable() >= 6; }, 5000));
        EXPECT_EQ(request->readAll(), QByteArray("front\n"));
    }
    {
        SCOPED_TRACE("its queue full");
        RawSocket full(socket);
        ASSERT_TRUE(full.Bound());
        ASSERT_TRUE(full.Listen(0));
        std::vector<std::unique_ptr<QLocalSocket>> queued;
        do {
            queued.push_back(std::make_unique<QLocalSocket>());
            queued.back()->connectToServer(socket);
        } while (queued.back()->state() == QLocalSocket::ConnectedState && queued.size() < 100);
        ASSERT_NE(queued.back()->state(), QLocalSocket::ConnectedState);
        endsPromptly();
    }
}

// The program: a later start brings the main window back from the tray or
// the task bar, with the tablature window; before the main window exists a
// request is ignored.
TEST_F(SingleInstanceTest, ASecondStartBringsTheMainWindowBack) {
    ASSERT_TRUE(modMain::FirstInstance({}));
    SingleInstance later;
    ASSERT_FALSE(later.TryLock());
    ASSERT_TRUE(Send(later.ServerName(), {"front\n"}));
    EXPECT_EQ(modMain::gMain(), nullptr);

    for (const bool tray : {true, false}) {
        SCOPED_TRACE(tray ? "from the tray" : "from the task bar");
        TrayIcon::SetAvailable(tray);
        frmMain& main = Start();
        ASSERT_TRUE(WaitFor([&] { return main.Activated(); }));
        ASSERT_TRUE(main.TabWindowForm()->isVisible());
        main.cmdMin()->click();
        ASSERT_TRUE(tray ? !main.isVisible() : main.isMinimized());
        ASSERT_FALSE(main.TabWindowForm()->isVisible());

        EXPECT_TRUE(later.AskToFront());
        EXPECT_TRUE(WaitFor([&] { return main.isVisible() && !main.isMinimized(); }));
        EXPECT_FALSE(main.Tray().Shown());
        EXPECT_TRUE(main.TabWindowForm()->isVisible());
        // Closed, the window stays closed.
        main.close();
        EXPECT_TRUE(Send(later.ServerName(), {"front\n"}));
        EXPECT_FALSE(main.isVisible());
        modMain::Shutdown();
        ASSERT_TRUE(modMain::FirstInstance({}));
    }
}

// A request that comes while a chord sounds (inside the playback's own
// waits) brings the window back at once; the strum goes on as without it.
TEST_F(SingleInstanceTest, ARequestDuringPlayBringsTheWindowBackAndThePlayGoesOn) {
    TrayIcon::SetAvailable(true);
    ASSERT_TRUE(modMain::FirstInstance({}));
    frmMain& main = Start();
    main.Key()->Button(2)->click();
    main.ChordExt()->ExtButton(0)->click();
    recorder.Clear();
    main.MIDI()->cmdPlay()->click();
    const std::string alone = Recorded();
    ASSERT_NE(alone, "");

    main.cmdMin()->click();
    ASSERT_FALSE(main.isVisible());
    recorder.Clear();
    bool backWhilePlaying = false;
    AfterNoteOn(2, [&] {
        EXPECT_TRUE(SingleInstance().AskToFront());
        EXPECT_TRUE(WaitFor([&] { return main.isVisible(); }));
        backWhilePlaying = main.Playing();
    });
    main.MIDI()->cmdPlay()->click();
    EXPECT_TRUE(backWhilePlaying);
    EXPECT_FALSE(main.Playing());
    EXPECT_EQ(Recorded(), alone);
    EXPECT_TRUE(main.isVisible());
    EXPECT_FALSE(main.Tray().Shown());
}

// A modal box open (its own event loop) when the program went to the tray
// with it: a request brings back both, the box still the modal one.
TEST_F(SingleInstanceTest, ARequestWithAModalBoxOpenBringsBackTheWindowAndTheBox) {
    TrayIcon::SetAvailable(true);
    ASSERT_TRUE(modMain::FirstInstance({}));
    frmMain& main = Start();
    ASSERT_TRUE(WaitFor([&] { return main.Activated(); }));
    QDialog box(&main);
    box.setWindowModality(Qt::ApplicationModal);
    bool checked = false;
    QTimer::singleShot(0, &box, [&] {
        // What the window manager does: both minimised.
        box.setWindowState(Qt::WindowMinimized);
        main.setWindowState(Qt::WindowMinimized);
        EXPECT_TRUE(main.Tray().Shown());
        EXPECT_TRUE(SingleInstance().AskToFront());
        EXPECT_TRUE(WaitFor([&] { return main.isVisible() && !box.isMinimized(); }));
        EXPECT_FALSE(main.isMinimized());
        EXPECT_TRUE(box.isVisible());
        EXPECT_FALSE(main.Tray().Shown());
        EXPECT_EQ(QApplication::activeModalWidget(), &box);
        checked = true;
        box.done(QDialog::Accepted);
    });
    EXPECT_EQ(box.exec(), QDialog::Accepted);
    EXPECT_TRUE(checked);
    EXPECT_TRUE(main.isVisible());
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
    const SingleInstance later(lock);

    Program first(env);
    first.process.start();
    ASSERT_TRUE(first.process.waitForStarted());
    ASSERT_TRUE(WaitFor([&] { return QFile::exists(lock) && QFile::exists(later.ServerName()); }, 20000));

    Program second(env);
    second.process.start();
    ASSERT_TRUE(second.process.waitForFinished(20000));
    EXPECT_EQ(second.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.process.exitCode(), 0);
    EXPECT_EQ(first.process.state(), QProcess::Running);

    // The first dies without unlocking and leaves its socket: the next start
    // takes its place and listens there.
    first.process.kill();
    ASSERT_TRUE(first.process.waitForFinished(5000));
    ASSERT_TRUE(QFile::exists(lock));
    ASSERT_TRUE(QFile::exists(later.ServerName()));
    Program third(env);
    third.process.start();
    ASSERT_TRUE(third.process.waitForStarted());
    ASSERT_TRUE(WaitFor([&] {
        QLockFile probe(lock);
        qint64 pid = 0;
        return probe.getLockInfo(&pid, nullptr, nullptr) && pid == third.process.processId();
    }, 20000));
    EXPECT_TRUE(WaitFor([&] { return later.AskToFront(); }, 20000));
    EXPECT_EQ(third.process.state(), QProcess::Running);
}

}  // namespace

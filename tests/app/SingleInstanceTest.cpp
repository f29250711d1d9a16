// One instance: a second start ends at once (with the message only for the
// exact command line "ziridezar"); a start after the first was killed
// becomes the first. The two-process case runs the real program.

#include <QLockFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <csignal>

#include "AppTestSupport.h"
#include "SingleInstance.h"

using namespace apptest;

namespace {

class SingleInstanceTest : public AppFixture {};

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

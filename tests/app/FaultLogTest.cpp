// A step that throws is skipped and logged in the program's category, under
// the handler's name and with what was thrown; the next step still runs.

#include <QFile>
#include <QLoggingCategory>
#include <new>
#include <stdexcept>

#include "AppLog.h"
#include "AppTestSupport.h"
#include "CarryOn.h"
#include "ReckonerListener.h"
#include "clsReckoner.h"
#include "ctlMIDI.h"

using namespace apptest;

namespace {

// The lines of the program's category logged while it lives; other lines go
// on to the handler before it.
class LogCapture {
public:
    LogCapture() : previous_(qInstallMessageHandler(&LogCapture::handle)) { current() = this; }
    ~LogCapture() {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    QStringList lines;

private:
    static LogCapture*& current() {
        static LogCapture* capture = nullptr;
        return capture;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        LogCapture* self = current();
        if (qstrcmp(context.category, AppLog::Category().categoryName()) == 0 && type == QtWarningMsg)
            self->lines.append(text);
        else if (self->previous_)
            self->previous_(type, context, text);
    }

    QtMessageHandler previous_;
};

class FaultLogTest : public AppFixture {
protected:
    // Outlives the window, which keeps it as its engine's listener until it closes.
    struct : ReckonerListener {
        void OnDisplay(std::string, std::string, std::string) override { throw std::runtime_error("handler failed"); }
    } throwing;
};

TEST_F(FaultLogTest, CarryOnLogsWhatAStepThrewUnderTheHandlersNameAndRunsTheNextStep) {
    EXPECT_STREQ(AppLog::Category().categoryName(), "quillfret");
    EXPECT_TRUE(AppLog::Category().isWarningEnabled());

    struct Case {
        const char* name;
        std::function<void()> step;
        QStringList logged;
    };
    const QString prefix = QStringLiteral("frmMain::Pos_OnType: skipped a step that threw: ");
    const Case cases[] = {
        {"a standard exception", [] { throw std::runtime_error("chart folder gone"); },
         {prefix + QStringLiteral("chart folder gone")}},
        {"out of memory", [] { throw std::bad_alloc(); }, {prefix + QStringLiteral("std::bad_alloc")}},
        {"not an exception", [] { throw 42; }, {prefix + QStringLiteral("unknown exception")}},
        {"nothing thrown", [] {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LogCapture log;
        int after = 0;
        const CarryOn carryOn("frmMain::Pos_OnType");
        carryOn(c.step);
        carryOn([&] { ++after; });
        EXPECT_EQ(log.lines, c.logged);
        EXPECT_EQ(after, 1);
    }
}

// Start-up cannot write the instrument list and cannot say so either: the
// failure is logged, and the steps after it (the tuning, the tablature
// window, the engine's first mode) still run.
TEST_F(FaultLogTest, AFailingStartUpStepIsLoggedAndStartUpGoesOn) {
    SetSetting("First", QStringLiteral("2"));
    SetSetting("Tune", QStringLiteral("4"));
    {
        QFile blocked(DataPath(QStringLiteral("blocked")));
        ASSERT_TRUE(blocked.open(QIODevice::WriteOnly));
    }
    AppPaths::SetAppFolder(DataPath(QStringLiteral("blocked")));
    prompter.onCall = [](const RecordingPrompter::Call&) { throw std::runtime_error("no message box"); };
    LogCapture log;
    frmMain& main = Start();
    prompter.onCall = nullptr;
    AppPaths::SetAppFolder(dataDir.path());

    EXPECT_EQ(log.lines, QStringList{QStringLiteral("frmMain::Form_Load: skipped a step that threw: no message box")});
    EXPECT_EQ(main.MIDI()->Tune(), 4);
    EXPECT_NE(main.TabWindowForm(), nullptr);
    EXPECT_EQ(main.objReckoner().Mode(), 0);
    EXPECT_TRUE(main.Activated());
}

// The engine carries on by itself; the main window logs what it swallowed
// under the engine's call.
TEST_F(FaultLogTest, TheMainWindowLogsWhatItsEngineSwallowed) {
    frmMain& main = Start();
    main.objReckoner().SetListener(&throwing);
    LogCapture log;
    main.objReckoner().SetKey("C");
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("clsReckoner::SetKey: skipped a step that threw: handler failed")});
    EXPECT_EQ(main.objReckoner().Key(), "C");
}

}  // namespace

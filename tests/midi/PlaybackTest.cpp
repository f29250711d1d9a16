// Chord and scale playback through the recording output: the exact message
// sequence of every strum pattern, scales, Stop, tempo changes during a wait,
// tuning, and the panel going away or the application quitting mid-play.
// Sequences are written with the words of Tokens(): "|" is a step's wait.

#include <sys/eventfd.h>
#include <unistd.h>

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <set>

#include "MidiTestSupport.h"
#include "PauseTimer.h"

using namespace miditest;
using namespace std::chrono_literals;

namespace {

class PlaybackTest : public MidiFixture {
protected:
    void SetUp() override {
        MidiFixture::SetUp();
        panel = std::make_unique<StepPanel>(recorder, out);
        panel->HScroll1()->setValue(9);  // the fastest tempo keeps the tests short
    }
    void TearDown() override {
        panel.reset();
        MidiFixture::TearDown();
    }
    std::string Played() const { return Recorded(panel->marks); }
    // Runs `action` (posted to the event loop) right after the n-th note-on.
    void AfterNoteOn(int n, std::function<void()> action) {
        auto count = std::make_shared<int>(0);
        recorder.SetListener([count, n, action](const MidiOutRecorder::Message& m) {
            if ((m.value & 0xF0) == 0x90 && ++*count == n) QTimer::singleShot(0, action);
        });
    }
    std::vector<MidiOutRecorder::Clock::time_point> NoteOnTimes() const {
        std::vector<MidiOutRecorder::Clock::time_point> times;
        for (const auto& m : recorder.Messages())
            if ((m.value & 0xF0) == 0x90) times.push_back(m.time);
        return times;
    }
    // The timer that ends each of the panel's waits when its time is up.
    const PauseTimer* StepTimer() const { return panel->findChild<PauseTimer*>(); }

    std::unique_ptr<StepPanel> panel;
};

struct StrumCase {
    int pattern;
    const char* code;
    const char* expected;
};

// Pattern 1 and 4 sound the highest note too; a stop ends patterns at once.
const StrumCase kStrumCases[] = {
    {0, "40~45~50~55~59~64", "off 40 | 45 | 50 | 55 | 59 | 64 | | | off"},
    {1, "40~45~50~55~59~64", "off 64 | 59 | 55 | 50 | 45 | 40 | | | off"},
    {2, "40~45~50~55~59~64", "off 40 | 45 | 50 | 55 | 59 | 64 | 59 | 55 | 50 | 45 | 40 | | | off"},
    {3, "40~45~50~55~59~64", "off 40 | 45 | 50 | 55 | 59 | 64 | | off 40 45 50 55 59 64 | | off"},
    {4, "40~45~50~55~59~64", "off 64 | 59 | 55 | 50 | 45 | 40 | | off 40 45 50 55 59 64 | | off"},
    {5, "40~45~50~55~59~64", "off 40 45 50 55 59 64 | | off"},
    {6, "40~45~50~55~59~64", "off off 40 64 | 45 | 59 | 40 | 64 | | off"},
    {0, "45~52~57~61", "off 45 | 52 | 57 | 61 | | | off"},
    {1, "45~52~57~61", "off 61 | 57 | 52 | 45 | | | off"},
    {2, "45~52~57~61", "off 45 | 52 | 57 | 61 | 57 | 52 | 45 | | | off"},
    {3, "45~52~57~61", "off 45 | 52 | 57 | 61 | | off 45 52 57 61 | | off"},
    {4, "45~52~57~61", "off 61 | 57 | 52 | 45 | | off 45 52 57 61 | | off"},
    {5, "45~52~57~61", "off 45 52 57 61 | | off"},
    {6, "45~52~57~61", "off off 45 61 | 52 | 57 | 45 | 61 | | off"},
    {0, "52", "off 52 | | | off"},
    {1, "52", "off 52 | | | off"},
    {2, "52", "off 52 | | | off"},
    {3, "52", "off 52 | | off 52 | | off"},
    {4, "52", "off 52 | | off 52 | | off"},
    {5, "52", "off 52 | | off"},
    {6, "52", "off off 52 52 | | | 52 | 52 | | off"},
};

TEST_F(PlaybackTest, EveryStrumPatternSendsItsExactSequence) {
    for (const StrumCase& c : kStrumCases) {
        SCOPED_TRACE(std::string("pattern ") + std::to_string(c.pattern) + " on " + c.code);
        SetSetting("Strum", QString::number(c.pattern));
        recorder.Clear();
        panel->marks.clear();
        panel->PlayChord(QString::fromLatin1(c.code));
        EXPECT_EQ(Played(), c.expected);
        EXPECT_FALSE(panel->StopFlag());
        EXPECT_FALSE(panel->IsPlaying());
    }
}

TEST_F(PlaybackTest, StrumSettingThatIsNoPatternPlaysTheDefaultPattern) {
    for (const char* stored : {"7", "-1", "x", ""}) {
        SetSetting("Strum", QString::fromLatin1(stored));
        recorder.Clear();
        panel->marks.clear();
        panel->PlayChord(QStringLiteral("45~52"));
        EXPECT_EQ(Played(), "off 45 | 52 | | off 45 52 | | off") << stored;
    }
}

TEST_F(PlaybackTest, EmptyListPlaysNothingAndBadElementsAreSkipped) {
    panel->PlayChord(QString());
    panel->PlayScale(QString());
    EXPECT_EQ(Played(), "");
    SetSetting("Strum", QStringLiteral("0"));
    panel->PlayChord(QStringLiteral("40~x~200~50"));
    EXPECT_EQ(Played(), "off 40 | | | 50 | | | off");
}

// Found by fuzzing: a number far outside the MIDI range overflowed when the
// tuning shift was added. Such an element is skipped like any that is no note.
TEST_F(PlaybackTest, NumbersFarOutsideTheMidiRangeAreSkippedBeforeTheTuningShift) {
    SetSetting("Strum", QStringLiteral("0"));
    const struct {
        int16_t tune;
        const char* code;
        const char* chord;
        const char* scale;
    } cases[] = {
        {5, "2147483647", "off | | | off", "| off off"},
        {1, "-2147483648", "off | | | off", "| off off"},
        {5, "40~2147483647~45", "off 42 | | 47 | | | off", "42 | off | off 47 | off | off 42 | off off"},
        {1, "-2147483648~40~-1", "off | 38 | | | | off", "| off 38 | off | off 38 | off | off off"},
    };
    for (const auto& c : cases) {
        panel->SetTune(c.tune);
        recorder.Clear();
        panel->marks.clear();
        panel->PlayChord(QString::fromLatin1(c.code));
        EXPECT_EQ(Played(), c.chord) << c.code << " at tune " << c.tune;
        recorder.Clear();
        panel->marks.clear();
        panel->PlayScale(QString::fromLatin1(c.code));
        EXPECT_EQ(Played(), c.scale) << c.code << " at tune " << c.tune;
    }
}

TEST_F(PlaybackTest, ScaleGoesUpThenDownEachNoteAloneForOneStep) {
    panel->PlayScale(QStringLiteral("40~42~44"));
    EXPECT_EQ(Played(), "40 | off 42 | off 44 | off 42 | off 40 | off off");
    recorder.Clear();
    panel->marks.clear();
    panel->PlayScale(QStringLiteral("47"));
    EXPECT_EQ(Played(), "47 | off off");
}

TEST_F(PlaybackTest, TuningShiftsEveryNoteByItsStep) {
    SetSetting("Strum", QStringLiteral("5"));
    const std::pair<int16_t, const char*> cases[] = {
        {1, "off 38 43 48 | | off"}, {2, "off 39 44 49 | | off"}, {3, "off 40 45 50 | | off"},
        {4, "off 41 46 51 | | off"}, {5, "off 42 47 52 | | off"}};
    for (const auto& [tune, expected] : cases) {
        panel->SetTune(tune);
        recorder.Clear();
        panel->marks.clear();
        panel->PlayChord(QStringLiteral("40~45~50"));
        EXPECT_EQ(Played(), expected) << "tune " << tune;
    }
    panel->SetTune(5);
    recorder.Clear();
    panel->marks.clear();
    panel->PlayScale(QStringLiteral("126~127"));  // 128 and 129 are no MIDI notes
    EXPECT_EQ(Played(), "| off | off | off off");
    for (int16_t outside : {0, 6}) {
        panel->SetTune(outside);
        recorder.Clear();
        panel->marks.clear();
        panel->PlayChord(QStringLiteral("40~45~50"));
        EXPECT_EQ(Played(), "off 40 45 50 | | off") << "tune " << outside;
    }
}

TEST_F(PlaybackTest, StoredTuneAndInstrumentOutOfRangeGiveTheDefaults) {
    const struct {
        const char* stored;
        int16_t tune, sound;
    } cases[] = {{"1", 1, 1}, {"5", 5, 5}, {"0", 3, 0}, {"127", 3, 127}, {"128", 3, 25},
                 {"-1", 3, 25}, {"x", 3, 25}, {"", 3, 25}, {"2.5", 3, 25}};
    for (const auto& c : cases) {
        SetSetting("Tune", QString::fromLatin1(c.stored));
        SetSetting("LastSound", QString::fromLatin1(c.stored));
        EXPECT_EQ(ctlMIDI::StoredTune(), c.tune) << c.stored;
        EXPECT_EQ(ctlMIDI::StoredSound(), c.sound) << c.stored;
    }
    ClearSettings();
    EXPECT_EQ(ctlMIDI::StoredTune(), 3);
    EXPECT_EQ(ctlMIDI::StoredSound(), 25);
}

TEST_F(PlaybackTest, TuningStepsRaiseOnTuneWithTheirCaptions) {
    std::vector<std::pair<QString, int16_t>> raised;
    QObject::connect(panel.get(), &ctlMIDI::OnTune,
                     [&raised](const QString& caption, int16_t tune) { raised.emplace_back(caption, tune); });
    for (int16_t tune : {1, 2, 3, 4, 5, 0, 6}) panel->SetTune(tune);
    const std::vector<std::pair<QString, int16_t>> expected = {
        {QStringLiteral("Tune: -1"), 1}, {QStringLiteral("Tune:-1/2"), 2}, {QStringLiteral("Tune: Std"), 3},
        {QStringLiteral("Tune:+1/2"), 4}, {QStringLiteral("Tune: +1"), 5}};
    EXPECT_EQ(raised, expected);
    EXPECT_EQ(panel->Tune(), 6);  // kept, without an event
}

TEST_F(PlaybackTest, StopDuringAChordSilencesAtOnceAndSendsNothingFurther) {
    panel->HScroll1()->setValue(1);  // 0.96 s steps: a stop must not wait for one
    SetSetting("Strum", QStringLiteral("0"));
    int stops = 0;
    QObject::connect(panel.get(), &ctlMIDI::OnStop, [&stops] { ++stops; });
    const QSignalSpy stepEnds(StepTimer(), &PauseTimer::Fired);
    AfterNoteOn(1, [this] { panel->cmdStop()->click(); });
    panel->PlayChord(QStringLiteral("40~45~50~55~59~64"));
    EXPECT_EQ(Played(), "off 40 | off off");
    EXPECT_EQ(stops, 1);
    EXPECT_FALSE(panel->StopFlag());
    EXPECT_EQ(stepEnds.count(), 0);  // the stop ended the wait, not its timer
}

TEST_F(PlaybackTest, StopDuringTheEndStrumPatternsEndsThemToo) {
    for (int pattern : {3, 6}) {
        SetSetting("Strum", QString::number(pattern));
        recorder.Clear();
        panel->marks.clear();
        AfterNoteOn(4, [this] { panel->Stop(); });
        panel->PlayChord(QStringLiteral("45~52~57~61"));
        EXPECT_EQ(Played(), pattern == 3 ? "off 45 | 52 | 57 | 61 | | off off" : "off off 45 61 | 52 | 57 | off off")
            << pattern;
        EXPECT_FALSE(panel->StopFlag());
    }
}

TEST_F(PlaybackTest, StopDuringAScaleEndsIt) {
    AfterNoteOn(2, [this] { panel->cmdStop()->click(); });
    panel->PlayScale(QStringLiteral("40~42~44~45"));
    EXPECT_EQ(Played(), "40 | off 42 | off off off");
    EXPECT_FALSE(panel->StopFlag());
    // A later Play is not stopped by the earlier request.
    recorder.SetListener(nullptr);
    recorder.Clear();
    panel->marks.clear();
    panel->PlayScale(QStringLiteral("40"));
    EXPECT_EQ(Played(), "40 | off off");
}

TEST_F(PlaybackTest, StopOutsidePlaybackLeavesTheNextPlayAlone) {
    panel->cmdStop()->click();
    EXPECT_FALSE(panel->StopFlag());
    panel->PlayScale(QStringLiteral("40~42"));
    EXPECT_EQ(Played(), "40 | off 42 | off 40 | off off");
}

TEST_F(PlaybackTest, TempoChangeDuringAWaitAppliesToThatWait) {
    panel->HScroll1()->setValue(1);  // 0.96 s a step
    SetSetting("Strum", QStringLiteral("0"));
    // A clock ticking twenty times in the old step, from the change on. A
    // machine that stalls makes it skip ticks, never add them; the rest of
    // the playback at 12 ms a step sees a tick or two at most.
    QTimer clock;
    clock.setTimerType(Qt::PreciseTimer);
    clock.setInterval(48);
    int ticks = 0;
    QObject::connect(&clock, &QTimer::timeout, [&ticks] { ++ticks; });
    std::vector<int> ticksAtNote;
    AfterNoteOn(1, [&] {
        panel->HScroll1()->setValue(9);
        clock.start();
        recorder.SetListener([&](const MidiOutRecorder::Message& m) {
            if ((m.value & 0xF0) == 0x90) ticksAtNote.push_back(ticks);
        });
    });
    panel->PlayChord(QStringLiteral("40~45~50"));
    EXPECT_EQ(Played(), "off 40 | 45 | 50 | | | off");
    ASSERT_EQ(ticksAtNote.size(), 2u);
    EXPECT_LT(ticksAtNote[0], 10);  // the wait under way ended on the new step
    EXPECT_LT(ticks, 10);
    EXPECT_FLOAT_EQ(panel->Delay(), 0.012f);
    EXPECT_EQ(Setting("Tempo"), QStringLiteral("9"));
}

TEST_F(PlaybackTest, NotesKeepToTheScheduleAndAreNeverEarly) {
    panel->HScroll1()->setValue(8);  // 48 ms
    // From before Play: the schedule starts at the first note, no earlier.
    const auto start = MidiOutRecorder::Clock::now();
    panel->PlayScale(QStringLiteral("40~42~44~45~47"));
    const auto times = NoteOnTimes();
    ASSERT_EQ(times.size(), 9u);
    for (size_t k = 1; k < times.size(); ++k) EXPECT_GE(times[k] - start, 48ms * k) << "note " << k;
}

// The kernel timers (timerfds) this process holds, by descriptor.
std::set<int> TimerDescriptors() {
    std::set<int> fds;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        std::error_code ec;
        if (std::filesystem::read_symlink(entry.path(), ec) == "anon_inode:[timerfd]")
            fds.insert(std::stoi(entry.path().filename().string()));
    }
    return fds;
}

// A step timer whose timerfd cannot be armed must not leave a wait that never
// ends: here an eventfd takes the timerfd's place, which the kernel refuses
// to arm as a timer. The waits then go by the millisecond timer, still never early.
TEST_F(PlaybackTest, AStepTimerTheKernelWillNotArmStillEndsEveryWaitOnTime) {
    panel.reset();
    const std::set<int> before = TimerDescriptors();
    panel = std::make_unique<StepPanel>(recorder, out);
    panel->HScroll1()->setValue(8);  // 48 ms
    std::vector<int> added;
    const std::set<int> after = TimerDescriptors();
    std::set_difference(after.begin(), after.end(), before.begin(), before.end(), std::back_inserter(added));
    ASSERT_EQ(added.size(), 1u);
    const int standIn = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    ASSERT_GE(standIn, 0);
    ASSERT_EQ(dup2(standIn, added[0]), added[0]);
    ::close(standIn);
    // Only a hung wait lets this fire: it ends the playback, and the sequence shows it.
    QTimer::singleShot(30s, panel.get(), [this] { panel->Stop(); });

    const auto start = MidiOutRecorder::Clock::now();
    panel->PlayScale(QStringLiteral("40~42~44"));
    EXPECT_EQ(Played(), "40 | off 42 | off 44 | off 42 | off 40 | off off");
    const auto times = NoteOnTimes();
    ASSERT_EQ(times.size(), 5u);
    for (size_t k = 1; k < times.size(); ++k) EXPECT_GE(times[k] - start, 48ms * k) << "note " << k;
}

TEST_F(PlaybackTest, PlayDuringPlaybackIsIgnored) {
    SetSetting("Strum", QStringLiteral("0"));
    AfterNoteOn(1, [this] {
        panel->PlayChord(QStringLiteral("60~64"));
        panel->PlayScale(QStringLiteral("60~64"));
        panel->Pause();
    });
    panel->PlayChord(QStringLiteral("40~45"));
    EXPECT_EQ(Played(), "off 40 | 45 | | | off");
}

TEST_F(PlaybackTest, PanelDestroyedDuringItsWaitUnwindsSafely) {
    SetSetting("Strum", QStringLiteral("0"));
    StepPanel* raw = panel.release();
    QPointer<ctlMIDI> watch(raw);
    AfterNoteOn(2, [raw] { delete raw; });
    raw->PlayChord(QStringLiteral("40~45~50~55"));
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(Tokens(recorder.Values()), "off 40 45");
    panel = std::make_unique<StepPanel>(recorder, out);
}

TEST_F(PlaybackTest, ApplicationQuittingDuringPlaybackEndsIt) {
    panel->HScroll1()->setValue(1);
    SetSetting("Strum", QStringLiteral("0"));
    const QSignalSpy stepEnds(StepTimer(), &PauseTimer::Fired);
    AfterNoteOn(1, [] { QCoreApplication::quit(); });
    QTimer::singleShot(0, [this] { panel->PlayChord(QStringLiteral("40~45~50~55~59~64")); });
    QCoreApplication::exec();
    EXPECT_EQ(stepEnds.count(), 0);  // the quit ended the wait, not its timer
    EXPECT_EQ(Played(), "off 40 | off off");
    EXPECT_FALSE(panel->IsPlaying());
}

// While the output still loads (the built-in synthesizer's soundfont),
// playback sends nothing and waits: for the output to be ready, then it
// plays on its schedule; for Stop; or, when the output fails, it is reported
// and nothing is left to play on.
TEST_F(PlaybackTest, PlaybackWaitsWhileTheOutputLoads) {
    SetSetting("Strum", QStringLiteral("0"));
    enum class Then { Ready, Stop, Fail };
    const struct {
        Then then;
        const char* played;
        size_t errors;
    } cases[] = {
        {Then::Ready, "off 40 | 45 | | | off", 0},
        {Then::Stop, "off off", 0},
        {Then::Fail, "| | | |", 1},  // on to nothing, as after a failed open
    };
    for (const auto& c : cases) {
        recorder.SetOpensLoading(true);
        out.OpenDevice(-1);
        recorder.Clear();
        panel->marks.clear();
        const size_t errors = Errors().size();
        std::string beforeEnd = "not run";
        QTimer::singleShot(10, [&] {
            beforeEnd = Played();
            if (c.then == Then::Stop)
                panel->cmdStop()->click();
            else
                recorder.FinishLoading(c.then == Then::Ready ? MidiOutDriver::Ok : MidiOutDriver::NoAudioOutput);
        });
        panel->PlayChord(QStringLiteral("40~45"));
        EXPECT_EQ(beforeEnd, "");
        EXPECT_EQ(Played(), c.played);
        EXPECT_EQ(Errors().size(), errors + c.errors);
        EXPECT_FALSE(panel->IsPlaying());
    }
}

TEST_F(PlaybackTest, PausezzzWaitsItsTimeWhileEventsGoOn) {
    bool ran = false;
    QTimer::singleShot(5, [&ran] { ran = true; });
    const auto start = MidiOutRecorder::Clock::now();
    panel->Pausezzz(0.03);
    EXPECT_GE(MidiOutRecorder::Clock::now() - start, 30ms);
    EXPECT_TRUE(ran);
}

}  // namespace

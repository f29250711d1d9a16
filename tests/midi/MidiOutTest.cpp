// The MIDI output: packing, the message sequences of the commands, the device
// list, opening and closing through a recording driver, and its shutdown.

#include <QCoreApplication>
#include <QListWidget>
#include <QTimer>

#include "MidiOutSystem.h"
#include "MidiTestSupport.h"

using namespace miditest;

namespace {

class MidiOutTest : public MidiFixture {};

TEST_F(MidiOutTest, PacksStatusAndDataBytes) {
    EXPECT_EQ(MIDI_OUT::PackShortMsg(0x90, 64, 127), 0x7F4090);
    EXPECT_EQ(MIDI_OUT::PackShortMsg(0xC0, 25, 0), 0x0019C0);
    EXPECT_EQ(MIDI_OUT::PackShortMsg(0xBF, 123, 0), 0x007BBF);
    // A data byte beyond 7 bits cannot reach the status bits.
    EXPECT_EQ(MIDI_OUT::PackShortMsg(0x90, 130, 200), (2 << 8) + (72 << 16) + 0x90);
}

TEST_F(MidiOutTest, AllNotesOffSendsBothControllersOnEveryChannelInOrder) {
    out.AllNotesOff();
    const std::vector<uint32_t> values = recorder.Values();
    ASSERT_EQ(values.size(), 32u);
    EXPECT_EQ(values[0], 0x0078B0u);
    EXPECT_EQ(values[1], 0x007BB0u);
    EXPECT_EQ(values[2], 0x0078B1u);
    EXPECT_EQ(values[31], 0x007BBFu);
    EXPECT_EQ(values, AllNotesOffValues());
}

TEST_F(MidiOutTest, SetInstrumentSendsBankSelectThenProgramChange) {
    out.SetInstrument(0, 0, 25);
    EXPECT_EQ(recorder.Values(), (std::vector<uint32_t>{0x0000B0, 0x0019C0}));
    recorder.Clear();
    out.SetInstrument(3, 1, 127);
    EXPECT_EQ(recorder.Values(), (std::vector<uint32_t>{0x0100B3, 0x007FC3}));
}

TEST_F(MidiOutTest, DeviceListHasTheMapperFirstThenEachDeviceWithItsNumber) {
    QListWidget list;
    list.addItem(QStringLiteral("stale"));
    out.LoadDeviceList(list);
    ASSERT_EQ(list.count(), 3);
    EXPECT_EQ(list.item(0)->text(), QStringLiteral("Recorder"));
    EXPECT_EQ(list.item(0)->data(Qt::UserRole).toInt(), -1);
    EXPECT_EQ(list.item(1)->text(), QStringLiteral("Port A"));
    EXPECT_EQ(list.item(1)->data(Qt::UserRole).toInt(), 0);
    EXPECT_EQ(list.item(2)->data(Qt::UserRole).toInt(), 1);

    recorder.SetDevices(false, {});
    out.LoadDeviceList(list);
    EXPECT_EQ(list.count(), 0);
}

TEST_F(MidiOutTest, OpeningClosesTheOutputOpenedBefore) {
    const int opened = recorder.OpenCount();
    const int closed = recorder.CloseCount();
    EXPECT_TRUE(out.OpenDevice(1));
    int device = -2;
    EXPECT_TRUE(recorder.IsOpen(&device));
    EXPECT_EQ(device, 1);
    EXPECT_EQ(recorder.OpenCount(), opened + 1);
    EXPECT_EQ(recorder.CloseCount(), closed + 1);

    out.CloseDevice();
    out.CloseDevice();
    EXPECT_EQ(recorder.CloseCount(), closed + 2);
    EXPECT_FALSE(out.IsOpen());
    out.SendShortMsg(0x90, 60, 127);  // nothing open: silently nowhere
    EXPECT_TRUE(recorder.Values().empty());
    EXPECT_TRUE(Errors().empty());
}

TEST_F(MidiOutTest, AFailedOpenShowsTheDeviceErrorAndLeavesNothingOpen) {
    recorder.SetOpenResult(0, MidiOutDriver::PortBusy);
    EXPECT_FALSE(out.OpenDevice(0));
    EXPECT_FALSE(out.IsOpen());
    ASSERT_EQ(Errors().size(), 1u);
    const QString expected = QStringLiteral(
        "MIDI Device Error|\r\nMIDI Device in use. Check your MIDI devices and make sure they are \r\n"
        "working correctly and\\or are not already in use, then re-start the application.\r\n\r\n");
    EXPECT_TRUE(Errors()[0].startsWith(expected)) << Errors()[0].toStdString();
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("in use by another program"))) << Errors()[0].toStdString();
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(prompter.Messages()[0].buttons, Prompter::Buttons::Ok);

    EXPECT_FALSE(out.OpenDevice(7));  // no such device
    EXPECT_EQ(Errors().size(), 2u);
}

// The output is closed however the program ends: by its owner, when the
// application quits (before statics go), or when it is destroyed.
TEST_F(MidiOutTest, TheOutputClosesWhenTheApplicationQuitsAndWhenDestroyed) {
    ASSERT_TRUE(out.IsOpen());
    QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    QCoreApplication::exec();
    EXPECT_FALSE(out.IsOpen());
    EXPECT_FALSE(recorder.IsOpen());

    {
        MIDI_OUT second(recorder);
        ASSERT_TRUE(second.OpenDevice(0));
        EXPECT_TRUE(recorder.IsOpen());
    }
    EXPECT_FALSE(recorder.IsOpen());
    EXPECT_TRUE(Errors().empty());
}

// The system's devices: the built-in synthesizer is always listed first; a
// missing soundfont is a reason the user can act on.
TEST_F(MidiOutTest, BuiltInSynthesizerIsTheMapperAndAMissingSoundfontIsReported) {
    MidiOutSystem system({"/nonexistent/none.sf2"});
    MIDI_OUT synthOut(system);
    QListWidget list;
    synthOut.LoadDeviceList(list);
    ASSERT_GE(list.count(), 1);
    EXPECT_EQ(list.item(0)->text(), QString::fromLatin1(MidiOutSystem::kSynthName));
    EXPECT_EQ(list.item(0)->data(Qt::UserRole).toInt(), -1);

    synthOut.OpenDevice(-1);  // it opens loading, and fails in the background
    ASSERT_TRUE(WaitUntilLoaded(synthOut));
    EXPECT_FALSE(synthOut.IsOpen());
    ASSERT_EQ(Errors().size(), 1u);
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("soundfont"))) << Errors()[0].toStdString();
    EXPECT_TRUE(Errors()[0].contains(QStringLiteral("/nonexistent/none.sf2"))) << Errors()[0].toStdString();
    synthOut.SendShortMsg(0x90, 60, 127);  // playback goes on, silently
}

// An output that opens loading: open meanwhile; ready, failed (reported as
// a failed open, with what went wrong, and closed) or closed, it stops
// loading and says so once.
TEST_F(MidiOutTest, AnOutputThatOpensLoadingEndsReadyFailedOrClosed) {
    enum class End { Ready, Failed, Closed };
    for (End end : {End::Ready, End::Failed, End::Closed}) {
        recorder.SetOpensLoading(true);
        ASSERT_TRUE(out.OpenDevice(-1));
        EXPECT_TRUE(out.IsLoading());
        int ended = 0;
        const auto connection = QObject::connect(&out, &MIDI_OUT::LoadingEnded, [&ended] { ++ended; });
        const size_t errors = Errors().size();
        if (end == End::Closed) {
            out.CloseDevice();
            recorder.FinishLoading(MidiOutDriver::NoSoundfont, "too late");  // a closed port's news is ignored
        } else {
            recorder.FinishLoading(end == End::Ready ? MidiOutDriver::Ok : MidiOutDriver::NoSoundfont,
                                   end == End::Ready ? "" : "Tried: /x.sf2 (not found).");
        }
        ASSERT_TRUE(WaitUntilLoaded(out));
        QCoreApplication::processEvents();
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(out.IsOpen(), end == End::Ready);
        ASSERT_EQ(Errors().size(), errors + (end == End::Failed ? 1 : 0));
        if (end == End::Failed) {
            EXPECT_TRUE(Errors().back().contains(QStringLiteral("no General MIDI soundfont"))) << Errors().back().toStdString();
            EXPECT_TRUE(Errors().back().contains(QStringLiteral("Tried: /x.sf2 (not found)."))) << Errors().back().toStdString();
        }
        QObject::disconnect(connection);
    }
}

TEST_F(MidiOutTest, SequencerPortsOpenOrFailWithAReason) {
    MidiOutSystem system;
    MIDI_OUT systemOut(system);
    const int ports = system.DeviceCount();
    EXPECT_GE(ports, 0);
    // A port number past the last is no device.
    EXPECT_FALSE(systemOut.OpenDevice(static_cast<int16_t>(ports)));
    EXPECT_EQ(Errors().size(), 1u);
    EXPECT_FALSE(systemOut.IsOpen());
}

}  // namespace

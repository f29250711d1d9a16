// The MIDI panel: instrument, tempo bar, button states, the output woken by
// the pointer on Play, its fixed size, the device list it hands its owner,
// and the settings dialog it opens for each of its three buttons (driven
// here while the dialog runs modally).

#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "PlayButtonStates.h"
#include "Twips.h"
#include "ctlButton.h"
#include "frmMaint.h"
#include "modInstrumentFile.h"
#include "MidiTestSupport.h"

using namespace miditest;

namespace {

class PanelTest : public MidiFixture {
protected:
    // Clicks `button`, which opens the dialog modally, and runs `act` on the open dialog.
    void WithDialog(QPushButton* button, std::function<void(frmMaint*)> act) {
        bool ran = false;
        QTimer::singleShot(0, [&] {
            frmMaint* form = panel.MaintForm();
            ASSERT_NE(form, nullptr);
            ran = true;
            act(form);
            if (form == panel.MaintForm() && form->isVisible()) form->reject();
        });
        button->click();
        EXPECT_TRUE(ran);
        EXPECT_EQ(panel.MaintForm(), nullptr);
    }
    static void Press(ctlButton* button) { QTest::mousePress(button->Command1(), Qt::LeftButton); }
    static void Release(ctlButton* button) { QTest::mouseRelease(button->Command1(), Qt::LeftButton); }

    ctlMIDI panel;
    void SetUp() override {
        MidiFixture::SetUp();
        panel.SetOutput(&out);
    }
};

TEST_F(PanelTest, SettingTheInstrumentSilencesSendsItAndRemembersIt) {
    panel.SetSound(25);
    EXPECT_EQ(Recorded(), "off prog25");
    EXPECT_EQ(Setting("LastSound"), QStringLiteral("25"));
    recorder.Clear();
    panel.SetSound(127);
    EXPECT_EQ(Recorded(), "off prog127");
    for (int16_t bad : {-1, 128, 300}) {
        recorder.Clear();
        panel.SetSound(bad);
        EXPECT_EQ(Recorded(), "off prog25") << bad;
        EXPECT_EQ(panel.Sound(), 25);
    }
}

TEST_F(PanelTest, TempoBarSetsTheStepLabelAndSetting) {
    const float delays[] = {0.96f, 0.72f, 0.48f, 0.36f, 0.24f, 0.12f, 0.072f, 0.048f, 0.012f};
    for (int tempo = 9; tempo >= 1; --tempo) {
        panel.HScroll1()->setValue(tempo);
        EXPECT_FLOAT_EQ(panel.Delay(), delays[tempo - 1]) << tempo;
        EXPECT_EQ(panel.lblSpeed()->text(), QString::number(tempo));
        EXPECT_EQ(Setting("Tempo"), QString::number(tempo));
    }
}

TEST_F(PanelTest, StoredTempoIsReadAtStartAndBadValuesGiveTheDefault) {
    const std::pair<const char*, int> cases[] = {{"7", 7}, {"1", 1}, {"0", 5}, {"12", 5}, {"fast", 5}, {"", 5}};
    for (const auto& [stored, tempo] : cases) {
        SetSetting("Tempo", QString::fromLatin1(stored));
        ctlMIDI fresh;
        EXPECT_EQ(fresh.HScroll1()->value(), tempo) << stored;
        EXPECT_EQ(fresh.lblSpeed()->text(), QString::number(tempo));
        EXPECT_FLOAT_EQ(fresh.Delay(), ctlMIDI::TempoDelay(tempo));
    }
}

TEST_F(PanelTest, PlayButtonStatesAndDeviceButtons) {
    const struct {
        int16_t state;
        bool play, stop;
    } cases[] = {{0, true, false}, {1, false, true}, {2, false, false}};
    for (const auto& c : cases) {
        panel.PlayButtons(c.state);
        EXPECT_EQ(panel.cmdPlay()->isEnabled(), c.play) << c.state;
        EXPECT_EQ(panel.cmdStop()->isEnabled(), c.stop) << c.state;
    }
    panel.PlayButtons(3);  // no such state: unchanged
    EXPECT_FALSE(panel.cmdPlay()->isEnabled());
    EXPECT_FALSE(panel.cmdStop()->isEnabled());

    panel.EnableDeviceButtons(false);
    for (QPushButton* b : {panel.cmdDevices(), panel.cmdSound(), panel.cmdStrum()}) EXPECT_FALSE(b->isEnabled());
    panel.EnableDeviceButtons(true);
    for (QPushButton* b : {panel.cmdDevices(), panel.cmdSound(), panel.cmdStrum()}) EXPECT_TRUE(b->isEnabled());
}

// An output resting after a silence gets ready as the pointer comes onto
// Play or presses it, before the click ends: Play again with nothing newly
// chosen sounds on time. Nothing is sent, and Play switched off (nothing to
// play, a playback running) wakes nothing.
TEST_F(PanelTest, ThePointerOnPlayWakesTheOutputAndSendsNothing) {
    const struct {
        const char* name;
        int16_t state;
        bool wakes;
    } cases[] = {{"ready", PlayButtonStates::kReady, true},
                 {"playing", PlayButtonStates::kPlaying, false},
                 {"nothing to play", PlayButtonStates::kNothingToPlay, false}};
    QPushButton* play = panel.cmdPlay();
    const QPointF inside(play->width() / 2.0, play->height() / 2.0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        panel.PlayButtons(c.state);
        recorder.Clear();
        int wakes = recorder.WakeCount();
        QEnterEvent enter(inside, play->mapToGlobal(inside), play->mapToGlobal(inside));
        QCoreApplication::sendEvent(play, &enter);
        EXPECT_EQ(recorder.WakeCount() > wakes, c.wakes) << "the pointer entering Play";
        wakes = recorder.WakeCount();
        QTest::mousePress(play, Qt::LeftButton, {}, inside.toPoint());
        EXPECT_EQ(recorder.WakeCount() > wakes, c.wakes) << "the pointer pressing Play";
        QTest::mouseRelease(play, Qt::LeftButton, {}, inside.toPoint());
        EXPECT_EQ(Recorded(), "");
    }
}

TEST_F(PanelTest, PlayRaisesOnPlayAndTheSizeStaysFixed) {
    int plays = 0;
    QObject::connect(&panel, &ctlMIDI::OnPlay, [&plays] { ++plays; });
    panel.cmdPlay()->click();
    EXPECT_EQ(plays, 1);

    panel.resize(400, 200);
    EXPECT_EQ(panel.size(), QSize(Twips::ToPixels(1850), Twips::ToPixels(390)));
    EXPECT_EQ(panel.cmdDevices()->toolTip(), QStringLiteral("MIDI Devices"));
    EXPECT_EQ(panel.cmdPlay()->toolTip(), QStringLiteral("Play"));
}

TEST_F(PanelTest, InitDevFillsTheOwnersListAndSelectsTheFirstEntry) {
    QListWidget list;
    int selected = -1;
    QObject::connect(&list, &QListWidget::currentRowChanged, [&selected](int row) { selected = row; });
    panel.InitDev(&list);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(selected, 0);
}

TEST_F(PanelTest, WithoutAnOutputNothingIsSentAndNothingFails) {
    ctlMIDI bare;
    QListWidget list;
    list.addItem(QStringLiteral("stale"));
    bare.InitDev(&list);
    EXPECT_EQ(list.count(), 0);
    SetSetting("Strum", QStringLiteral("5"));
    bare.SetSound(30);
    bare.PlayChord(QStringLiteral("40~45"));
    bare.PlayScale(QStringLiteral("40"));
    EXPECT_EQ(Recorded(), "");

    // An output destroyed before the panel is not used again.
    {
        MIDI_OUT gone(recorder);
        bare.SetOutput(&gone);
        EXPECT_EQ(bare.Output(), &gone);
    }
    EXPECT_EQ(bare.Output(), nullptr);
    bare.SetSound(31);
    EXPECT_EQ(Recorded(), "");
}

TEST_F(PanelTest, DeviceDialogOpensTheConfirmedDeviceWithTheCurrentInstrument) {
    panel.SetSound(30);
    recorder.Clear();
    int focus = 0;
    QObject::connect(&panel, &ctlMIDI::OnNeckFocus, [&focus] { ++focus; });
    WithDialog(panel.cmdDevices(), [&](frmMaint* form) {
        EXPECT_EQ(form->ListMode(), 0);
        EXPECT_TRUE(out.IsOpen());  // the open output stays until OK
        form->lst()->setCurrentRow(2);
        form->btnOk()->Command1()->click();
    });
    EXPECT_EQ(focus, 1);
    int device = -2;
    ASSERT_TRUE(recorder.IsOpen(&device));
    EXPECT_EQ(device, 1);
    EXPECT_EQ(Recorded(), "off prog30");
    EXPECT_EQ(recorder.Messages().back().device, 1);
    EXPECT_EQ(Setting("Dev"), QStringLiteral("2"));
}

TEST_F(PanelTest, ClosingTheDeviceDialogWithoutOkKeepsTheOpenDevice) {
    const int opened = recorder.OpenCount();
    WithDialog(panel.cmdDevices(), [](frmMaint* form) { form->lst()->setCurrentRow(1); });
    int device = -2;
    ASSERT_TRUE(recorder.IsOpen(&device));
    EXPECT_EQ(device, -1);
    EXPECT_EQ(recorder.OpenCount(), opened);
    EXPECT_EQ(Setting("Dev"), QStringLiteral("<none>"));
}

TEST_F(PanelTest, InstrumentDialogSendsEachPickPreviewsAndStoresTheChoice) {
    ASSERT_TRUE(modInstrumentFile::WriteInstrumentFile());
    panel.SetMidiFile(modInstrumentFile::InstrumentFilePath());
    panel.SetSound(25);
    panel.SetTune(4);
    recorder.Clear();
    WithDialog(panel.cmdSound(), [&](frmMaint* form) {
        EXPECT_EQ(form->ListMode(), 2);
        EXPECT_TRUE(form->btnPreview()->isVisible());
        EXPECT_EQ(form->lst()->count(), 128);
        EXPECT_EQ(form->lst()->currentRow(), 25);
        form->lst()->setCurrentRow(10);
        form->lst()->setCurrentRow(11);
        Press(form->btnPreview());
        Release(form->btnPreview());
        form->btnOk()->Command1()->click();
    });
    EXPECT_EQ(Recorded(), "off prog10 prog11 46 53 58 62 65 off");
    EXPECT_EQ(panel.Sound(), 11);
    EXPECT_EQ(Setting("LastSound"), QStringLiteral("11"));
}

TEST_F(PanelTest, StrumDialogStoresThePatternWithoutSilencing) {
    WithDialog(panel.cmdStrum(), [](frmMaint* form) {
        EXPECT_EQ(form->ListMode(), 1);
        EXPECT_EQ(form->lst()->currentRow(), 3);
        form->lst()->setCurrentRow(6);
        form->btnOk()->Command1()->click();
    });
    EXPECT_EQ(Recorded(), "");
    EXPECT_EQ(Setting("Strum"), QStringLiteral("6"));
}

}  // namespace

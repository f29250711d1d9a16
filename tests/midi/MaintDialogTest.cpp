// The settings dialog on its own: the three list modes against the stored
// settings, the instrument picks, Preview, and what OK and closing raise.

#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include "ctlButton.h"
#include "frmMaint.h"
#include "MidiTestSupport.h"

using namespace miditest;

namespace {

class MaintDialogTest : public MidiFixture {
protected:
    frmMaint form{&out};
};

TEST_F(MaintDialogTest, DeviceListOpensOnTheStoredPositionAndOkRaisesTheDevice) {
    const std::pair<const char*, int> cases[] = {{"1", 1}, {"2", 2}, {"3", 0}, {"-1", 0}, {"x", 0}};
    for (const auto& [stored, row] : cases) {
        SetSetting("Dev", QString::fromLatin1(stored));
        form.LoadDevices();
        EXPECT_EQ(form.lst()->currentRow(), row) << stored;
    }
    EXPECT_EQ(form.ListMode(), 0);
    EXPECT_EQ(form.lblCaption()->text(), QStringLiteral(" Device List:"));
    EXPECT_EQ(form.lst()->count(), 3);
    EXPECT_TRUE(out.IsOpen());

    QSignalSpy saved(&form, &frmMaint::SaveDevice);
    QSignalSpy unloaded(&form, &frmMaint::OnUnload);
    form.lst()->setCurrentRow(1);
    form.btnOk()->Command1()->click();
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].value<int16_t>(), 0);
    EXPECT_EQ(saved[0][1].value<int16_t>(), 1);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_EQ(Recorded(), "");  // the dialog sends nothing in this mode
}

TEST_F(MaintDialogTest, EmptyDeviceListSelectsNothingAndOkSavesNothing) {
    recorder.SetDevices(false, {});
    form.LoadDevices();
    EXPECT_EQ(form.lst()->currentRow(), -1);
    QSignalSpy saved(&form, &frmMaint::SaveDevice);
    QSignalSpy unloaded(&form, &frmMaint::OnUnload);
    form.btnOk()->Command1()->click();
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(unloaded.count(), 1);
}

TEST_F(MaintDialogTest, StrumListShowsTheSevenPatternsOnTheStoredOne) {
    form.LoadStrums();
    EXPECT_EQ(form.lblCaption()->text(), QStringLiteral(" Chord Strum Patterns:"));
    ASSERT_EQ(form.lst()->count(), 7);
    EXPECT_EQ(form.lst()->item(3)->text(), QStringLiteral("Low To High\\with end strum"));
    EXPECT_EQ(form.lst()->item(6)->text(), QStringLiteral("Fingerpick"));
    EXPECT_EQ(form.lst()->currentRow(), 3);
    EXPECT_EQ(form.ListMode(), 1);
    for (const auto& [stored, row] : {std::pair<const char*, int>{"5", 5}, {"0", 0}, {"7", 3}, {"two", 3}}) {
        SetSetting("Strum", QString::fromLatin1(stored));
        form.LoadStrums();
        EXPECT_EQ(form.lst()->count(), 7);
        EXPECT_EQ(form.lst()->currentRow(), row) << stored;
    }
    QSignalSpy saved(&form, &frmMaint::SaveStrum);
    form.lst()->setCurrentRow(2);
    form.btnOk()->Command1()->click();
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].value<int16_t>(), 2);
    EXPECT_EQ(Recorded(), "");
}

TEST_F(MaintDialogTest, InstrumentListSendsOneProgramPerPickAndOkStoresTheLast) {
    EXPECT_FALSE(form.btnPreview()->isVisibleTo(&form));
    form.LoadSounds(QStringLiteral("/nonexistent/genmidi.txt"), 40);
    EXPECT_EQ(form.lblCaption()->text(), QStringLiteral(" Instrument Select:"));
    EXPECT_EQ(form.lst()->count(), 128);
    EXPECT_EQ(form.lst()->item(40)->text(), QStringLiteral("Violin"));
    EXPECT_EQ(form.lst()->currentRow(), 40);
    EXPECT_TRUE(form.btnPreview()->isVisibleTo(&form));
    EXPECT_EQ(Recorded(), "");  // selecting while loading sends nothing

    form.lst()->setCurrentRow(0);
    form.lst()->setCurrentRow(127);
    EXPECT_EQ(Recorded(), "prog0 prog127");
    QSignalSpy saved(&form, &frmMaint::SaveSound);
    form.btnOk()->Command1()->click();
    ASSERT_EQ(saved.count(), 1);
    EXPECT_EQ(saved[0][0].value<int16_t>(), 127);
    EXPECT_EQ(Recorded(), "prog0 prog127");
}

TEST_F(MaintDialogTest, InstrumentOutsideTheProgramsSelectsTheDefault) {
    for (int16_t sound : {-1, 128, 500}) {
        form.LoadSounds(QString(), sound);
        EXPECT_EQ(form.lst()->currentRow(), 25) << sound;
    }
    EXPECT_EQ(Recorded(), "");  // loading again sends nothing either
}

TEST_F(MaintDialogTest, PreviewSoundsWhileHeldAndSilencesOnRelease) {
    form.LoadSounds(QString(), 25);
    QSignalSpy preview(&form, &frmMaint::OnPlayTestChord);
    QTest::mousePress(form.btnPreview()->Command1(), Qt::LeftButton);
    EXPECT_EQ(preview.count(), 1);
    EXPECT_EQ(Recorded(), "");
    QTest::mouseRelease(form.btnPreview()->Command1(), Qt::LeftButton);
    EXPECT_EQ(Recorded(), "off");
}

TEST_F(MaintDialogTest, ClosingWithoutOkRaisesOnlyOnUnload) {
    form.LoadStrums();
    QSignalSpy saved(&form, &frmMaint::SaveStrum);
    QSignalSpy unloaded(&form, &frmMaint::OnUnload);
    form.show();
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(saved.count(), 0);
    EXPECT_EQ(unloaded.count(), 1);
    form.reject();
    EXPECT_EQ(unloaded.count(), 1);
}

TEST_F(MaintDialogTest, DraggingTheBackgroundOrCaptionMovesTheWindow) {
    form.show();
    const QPoint start = form.pos();
    QTest::mousePress(&form, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&form, QPoint(25, 35));
    QTest::mouseRelease(&form, Qt::LeftButton, {}, QPoint(25, 35));
    EXPECT_EQ(form.pos() - start, QPoint(20, 30));

    const QPoint before = form.pos();
    QTest::mousePress(form.lblCaption(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(form.lblCaption(), QPoint(15, 5));
    QTest::mouseRelease(form.lblCaption(), Qt::LeftButton, {}, QPoint(15, 5));
    EXPECT_EQ(form.pos() - before, QPoint(10, 0));
}

}  // namespace

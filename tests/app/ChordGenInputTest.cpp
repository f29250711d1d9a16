// Chord generator input: fretboard clicks by band, the second-octave
// refusal, and the tablature entry window.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "AppTestSupport.h"
#include "ctlNeck.h"
#include "frmTips.h"

using namespace apptest;

namespace {

class ChordGenInputTest : public AppFixture {
protected:
    frmMain& StartGenerator() {
        frmMain& main = Start();
        main.mnuChordGen()->trigger();
        return main;
    }
};

struct ClickCase {
    int x, y;              // twips on the fretboard, whole pixels
    const char* expected;  // the click-built chord afterwards; nullptr: unchanged
};

constexpr const char* kNothing = "0,6,0,6,0,6,0,6,0,6,0,6";

const ClickCase kClicks[] = {
    {330, 100, "0,0,25,6,25,6,25,6,25,6,25,6"},    // string 6, above the nut
    {570, 500, "25,6,2,0,25,6,25,6,25,6,25,6"},    // string 5, fret 2
    {1050, 2300, "25,6,25,6,25,6,11,0,25,6,25,6"},  // string 3, fret 11
    {1500, 1300, "25,6,25,6,25,6,25,6,25,6,6,0"},   // string 1, fret 6
    {1000, 1200, "25,6,25,6,25,6,0,0,25,6,25,6"},   // on a fret line: fret 0
    {1000, 2400, "25,6,25,6,25,6,0,0,25,6,25,6"},   // the last line too
    {450, 500, nullptr},                            // between strings 6 and 5
    {1605, 500, nullptr},                           // right of string 1
    {100, 500, nullptr},                            // left of string 6
};

TEST_F(ChordGenInputTest, ClicksPickAStringAndAFret) {
    frmMain& main = StartGenerator();
    for (const ClickCase& c : kClicks) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        main.cmdClearFretboard()->click();
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(c.x / 15, c.y / 15));
        EXPECT_EQ(main.Neck()->ChordCode(), QLatin1String(c.expected ? c.expected : kNothing));
    }
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(ChordGenInputTest, TheSecondOctaveIsRefusedWhereverTheClick) {
    frmMain& main = StartGenerator();
    for (int x : {100, 1000}) {
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(x / 15, 2500 / 15));
        EXPECT_EQ(main.Neck()->ChordCode(), QLatin1String(kNothing));
    }
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, QStringLiteral("You can not use the 2nd ocatve."));
    EXPECT_EQ(messages[0].title, QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(messages[0].systemModal);
}

TEST_F(ChordGenInputTest, ClicksDoNothingInOtherModes) {
    frmMain& main = Start();
    for (QAction* mode : {main.mnuChords(), main.mnuScales(), main.mnuChartPlay(), main.mnuChartMan()}) {
        mode->trigger();
        const QString shown = main.Neck()->ChordCode();
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(22, 33));
        QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(66, 170));
        EXPECT_EQ(main.Neck()->ChordCode(), shown);
    }
    EXPECT_TRUE(prompter.Messages().empty());
}

struct TipsCase {
    const char* boxes[6];  // top (string 1) to bottom (string 6)
    const char* code;
};

const TipsCase kTips[] = {
    {{"0", "1", "0", "2", "3", "x"}, "0,6,3,0,2,0,0,0,1,0,0,0"},
    {{"--", "--", "--", "--", "--", "--"}, "0,6,0,6,0,6,0,6,0,6,0,6"},
    {{"X", "", " x ", "-5-", "-", "12"}, "12,0,,0,5,0,0,6,0,6,0,6"},
    {{" 3 ", "3", "0", "0", "2", "3"}, "3,0,2,0,0,0,0,0,3,0,3,0"},
};

TEST_F(ChordGenInputTest, TheEntryWindowBuildsTheFingering) {
    for (const TipsCase& c : kTips) {
        std::array<QString, 6> boxes;
        for (int i = 0; i < 6; ++i) boxes[static_cast<size_t>(i)] = QLatin1String(c.boxes[i]);
        EXPECT_EQ(frmTips::FingeringOf(boxes), QLatin1String(c.code));
    }
    frmTips tips;
    EXPECT_EQ(tips.lblTitle()->text(), QStringLiteral(" Enter Tablature:"));
    QStringList emitted;
    QObject::connect(&tips, &frmTips::SetChord, [&](const QString& code) { emitted << code; });
    tips.cmdOk()->click();
    EXPECT_EQ(emitted, QStringList({QLatin1String(kNothing)}));
}

TEST_F(ChordGenInputTest, ClosingTheEntryWindowWithoutOkChangesNothing) {
    frmMain& main = StartGenerator();
    QTest::mouseClick(main.Neck(), Qt::LeftButton, {}, QPoint(22, 7));
    const QString before = main.Neck()->ChordCode();
    prompter.modal = [](QDialog& dialog) {
        static_cast<frmTips&>(dialog).txt(0)->setText(QStringLiteral("3"));
        dialog.reject();
    };
    main.cmdEnter()->click();
    EXPECT_EQ(main.Neck()->ChordCode(), before);
    EXPECT_EQ(main.TipForm(), nullptr);
}

TEST_F(ChordGenInputTest, AStaffLineClickSelectsItsBox) {
    frmTips tips;
    tips.show();
    tips.activateWindow();
    ASSERT_TRUE(WaitFor([&] { return tips.isActiveWindow(); }));
    QTest::mouseClick(tips.Label1(3), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(tips.txt(3)->hasFocus());
    EXPECT_EQ(tips.txt(3)->selectedText(), QStringLiteral("--"));
}

}  // namespace

// Hand-edited and program-written charts through the panel: the lists after
// loading, then the exact bytes after a Move Up.

#include "ChartTestSupport.h"

using namespace charttest;

namespace {

struct RoundTrip {
    const char* name;
    QByteArray file;
    QString description;
    QStringList texts;
    QStringList codes;
    QByteArray afterMoveUpOfSecond;
};

class ChartRoundTrip : public ChartTest {};

TEST_F(ChartRoundTrip, LoadThenMoveUpTable) {
    const RoundTrip cases[] = {
        {"every line kind",
         "DESC:Set one\r\nChord: A 7 (1)~c1\r\nScale: A Minor (2)~s2\r\nMap: C Major~C-E-G~True\r\nVerse: slow~\r\n",
         "Set one",
         {"Chord: A 7 (1)", "Scale: A Minor (2)", "Map: C Major", "Verse: slow"},
         {"c1", "s2", "C-E-G~True", ""},
         "DESC:Set one\r\nScale: A Minor (2)~s2\r\nChord: A 7 (1)~c1\r\nMap: C Major~C-E-G~True\r\nVerse: slow~\r\n"},
        {"description lines in the middle",
         "Chord: A~1\r\nDESC:mid\r\nChord: B~2\r\nDESC:dle\r\n",
         "middle",
         {"Chord: A", "Chord: B"},
         {"1", "2"},
         "DESC:middle\r\nChord: B~2\r\nChord: A~1\r\n"},
        {"an empty line in the middle loses nothing",
         "DESC:\r\nChord: A~1\r\n\r\nChord: B~2\r\nChord: C~3\r\n",
         "",
         {"Chord: A", "Chord: B", "Chord: C"},
         {"1", "2", "3"},
         "DESC:\r\nChord: B~2\r\nChord: A~1\r\nChord: C~3\r\n"},
        {"a line without ~",
         "DESC:\r\nIntro: 4 bars\r\nChord: A~1\r\n",
         "",
         {"Intro: 4 bars", "Chord: A"},
         {"", "1"},
         "DESC:\r\nChord: A~1\r\nIntro: 4 bars~\r\n"},
        {"four ~ parts keep the whole code",
         "DESC:\r\nChord: A~1~2~3\r\nChord: B~4\r\n",
         "",
         {"Chord: A", "Chord: B"},
         {"1~2~3", "4"},
         "DESC:\r\nChord: B~4\r\nChord: A~1~2~3\r\n"},
        {"LF only",
         "DESC:x\nChord: A~1\nMap: C~C-E-G~False\n",
         "x",
         {"Chord: A", "Map: C"},
         {"1", "C-E-G~False"},
         "DESC:x\r\nMap: C~C-E-G~False\r\nChord: A~1\r\n"},
        {"no description and no last line break",
         "Chord: A~1\r\nChord: B~2",
         "",
         {"Chord: A", "Chord: B"},
         {"1", "2"},
         "DESC:\r\nChord: B~2\r\nChord: A~1\r\n"},
        {"single-byte characters",
         "DESC:Caf\xE9\r\nA\xE9~1\r\nB~2\r\n",
         QString::fromLatin1("Caf\xE9"),
         {QString::fromLatin1("A\xE9"), "B"},
         {"1", "2"},
         "DESC:Caf\xE9\r\nB~2\r\nA\xE9~1\r\n"},
    };
    for (const RoundTrip& c : cases) {
        SCOPED_TRACE(c.name);
        Write("Trip", c.file);
        ctlChartControls panel;
        RecordingHost host(panel);
        host.Start(QStringLiteral("Trip"));
        EXPECT_EQ(panel.lblChartCaption()->text(), c.description);
        EXPECT_EQ(Texts(host.items), c.texts);
        EXPECT_EQ(Texts(*panel.m_lstItemCode()), c.codes);

        panel.SelectItem(1);
        panel.cmdUpDown(0)->click();
        EXPECT_EQ(Read("Trip"), c.afterMoveUpOfSecond);
        EXPECT_EQ(panel.SelectedItem(), 0);
        EXPECT_TRUE(prompter.calls.empty());
    }
}

}  // namespace

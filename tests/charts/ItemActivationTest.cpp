// What selecting an item tells the host, by the item's kind.

#include "ChartTestSupport.h"

using namespace charttest;

namespace {

struct Activation {
    const char* line;      // the item's line in the chart file
    const char* expected;  // the event after ChartSelected; "" for none
};

class ItemActivation : public ChartTest {};

TEST_F(ItemActivation, EachKindRaisesItsEvent) {
    const Activation cases[] = {
        {"Chord: Gb Major (1)~2,1,4,3,4,4,3,2,2,7,2,1;2,6,1", "ShowChartChord(2,1,4,3,4,4,3,2,2,7,2,1;2,6,1$Gb)"},
        {"Chord: C#m7 (1)~x", "ShowChartChord(x$C#)"},
        {"Chord: D Major (1)~0,6,5,1,7,3,7,7,7,3,5,1;5,5,1;7,4,2;", "ShowChartChord(0,6,5,1,7,3,7,7,7,3,5,1;5,5,1;7,4,2;$D)"},
        {"Chord:~c", "ShowChartChord(c$)"},
        {"Scale: Gb Major (1)~6,2,1|6,4,3", "ShowChartScale(6,2,1|6,4,3$Gb)"},
        {"Scale: A Minor (2)~6,5,1|6,8,4", "ShowChartScale(6,5,1|6,8,4$A)"},
        {"Map: C Major~C-E-G~True", "ShowChartMap(C-E-G,True,True)"},
        {"Map: C Major~C-E-G~False", "ShowChartMap(C-E-G,False,True)"},
        {"Map: C Major~C-E-G~false", "ShowChartMap(C-E-G,False,True)"},
        {"Map: C Major~C-E-G~0", "ShowChartMap(C-E-G,False,True)"},
        {"Map: C Major~C-E-G~-1", "ShowChartMap(C-E-G,True,True)"},
        {"Map: C Major~C-E-G~True~extra", "ShowChartMap(C-E-G,True,True)"},
        {"Map: C Major~C-E-G", ""},
        {"Map: C Major~C-E-G~maybe", ""},
        {"Map: C Major~", ""},
        // No notes: nothing to draw, as in the viewer.
        {"Map: C Major~~True", ""},
        {"Map: C Major~ ~False", ""},
        {"Verse: repeat 2x~", "ShowChartText( repeat 2x)"},
        {"Intro: 4 bars: slow~", "ShowChartText( 4 bars)"},
        {"Just strum~", ""},
        {"Outro:", "ShowChartText()"},
        {"chord: C Major (1)~0,6,3,3,2,2,0,0,1,1,0,0", "ShowChartText( C Major (1))"},
    };
    QByteArray file;
    for (const Activation& c : cases) file += QByteArray(c.line) + "\r\n";
    Write("Kinds", file);
    ctlChartControls panel;
    RecordingHost host(panel);
    host.Start(QStringLiteral("Kinds"));
    panel.SetInitialized(true);
    ASSERT_EQ(panel.ItemCount(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < panel.ItemCount(); ++i) {
        panel.SelectItem(static_cast<int16_t>(i));
        QStringList expected{"ChartSelected"};
        if (*cases[i].expected) expected << QString::fromLatin1(cases[i].expected);
        EXPECT_EQ(host.Take(), expected) << cases[i].line;
    }
}

TEST_F(ItemActivation, ShowItemWithNothingSelected) {
    Write("Two", "Chord: A~1\r\nChord: B~2\r\n");
    Write("Empty", "");
    ctlChartControls panel;
    RecordingHost host(panel);
    host.Start();
    panel.SetInitialized(true);
    // No chart selected: the first is selected (and loaded), then its first item shown.
    panel.ShowItem();
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Empty"));
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected", "OnChartClick(Charts/Empty.cht,Empty)"}));
    // An empty chart: only ChartSelected.
    panel.ShowItem();
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected"}));
    // A chart with items and none selected: the first is selected and shown once.
    panel.SelectChart(QStringLiteral("Two"));
    host.Take();
    host.items.clearSelection();
    host.Take();
    panel.ShowItem();
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected", "ChartSelected", "ShowChartChord(1$A)"}));
    EXPECT_EQ(panel.SelectedItem(), 0);
}

}  // namespace

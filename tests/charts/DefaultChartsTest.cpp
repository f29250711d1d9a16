// The first run's six charts, byte for byte, and an existing chart folder
// left as it is.

#include "ChartTestSupport.h"
#include "modDefaultCharts.h"

using namespace charttest;

namespace {

const QStringList kNames = {"End_1",        "Prog_House",      "Prog_Hotel",
                            "Prog_Blues_1", "Prog_145_Open_G", "Prog_145_R6_A"};

class DefaultCharts : public ChartTest {};

TEST_F(DefaultCharts, FirstRunWritesTheSixChartsByteForByte) {
    ASSERT_TRUE(modDefaultCharts::WriteDefaultCharts());
    const QString expected = QStringLiteral(QF_CHARTS_TEST_DATA "/default-charts/");
    for (const QString& name : kNames) {
        const QByteArray want = ReadBytes(expected + name + ".cht");
        ASSERT_TRUE(want.endsWith("\r\n")) << name.toStdString();
        EXPECT_EQ(Read(name), want) << name.toStdString();
    }
    QStringList sorted = kNames;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(ChartFile::ListCharts(folder), sorted);
    EXPECT_EQ(AllFiles().size(), 7);  // the folder and its six charts
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(DefaultCharts, AnExistingFolderEvenEmptyIsLeftAlone) {
    QDir().mkpath(folder);
    EXPECT_TRUE(modDefaultCharts::WriteDefaultCharts());
    EXPECT_EQ(AllFiles(), QStringList({"Charts"}));

    Write("Mine", "DESC:mine\r\n");
    EXPECT_TRUE(modDefaultCharts::WriteDefaultCharts());
    EXPECT_EQ(AllFiles(), QStringList({"Charts", "Charts/Mine.cht"}));
    EXPECT_EQ(Read("Mine"), QByteArray("DESC:mine\r\n"));
}

TEST_F(DefaultCharts, AFolderThatCannotBeMadeIsReported) {
    WriteBytes(dataDir.path() + "/Charts", "a file in the folder's place");
    EXPECT_FALSE(modDefaultCharts::WriteDefaultCharts());
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
    EXPECT_TRUE(messages[0].text.startsWith("The chart folder could not be created")) << messages[0].text.toStdString();
}

TEST_F(DefaultCharts, ProgHouseLoadsSixteenItemsAndShowsItsFirstChord) {
    ASSERT_TRUE(modDefaultCharts::WriteDefaultCharts());
    ctlChartControls panel;
    RecordingHost host(panel);
    host.Start(QStringLiteral("Prog_House"));
    EXPECT_EQ(panel.ItemCount(), 16);
    EXPECT_EQ(panel.lblChartCaption()->text(), QString());  // no description until an edit saves one
    panel.SetInitialized(true);
    panel.SelectItem(0);
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected", "ShowChartChord(0,6,0,0,2,2,2,3,1,1,0,0$A)"}));
}

}  // namespace

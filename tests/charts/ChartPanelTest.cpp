// The chart manager panel through a host like the main window: the events
// and their order for every button and list click, before and after the
// host says it is ready; messages; the files behind every edit.

#include <QLabel>
#include <QPushButton>
#include <functional>
#include <optional>

#include "ChartTestSupport.h"

using namespace charttest;

namespace {

const QByteArray kBlues =
    "DESC:Twelve bars\r\nChord: A 7 (1)~c1\r\nScale: A Minor (2)~s2\r\nMap: C Major~C-E-G~False\r\n";

class ChartPanel : public ChartTest {
protected:
    void SetUp() override {
        ChartTest::SetUp();
        Write("Blues", kBlues);
        Write("Jazz", "");
    }
    // The main window's start-up, and its first activation.
    void StartReady(const QString& chart = QStringLiteral("Blues")) {
        host.Start(chart);
        panel.SetInitialized(true);
        host.Take();
    }
    QStringList Codes() const { return Texts(*panel.m_lstItemCode()); }
    QStringList Charts() const { return Texts(*panel.lstCharts()); }
    void Answer(Prompter::Answer a) { prompter.answers.push_back(a); }
    void Type(std::optional<QString> reply) { prompter.inputs.push_back(std::move(reply)); }
    // The one call so far is this Yes/No question.
    void ExpectQuestion(const QString& text, bool systemModal) {
        ASSERT_EQ(prompter.calls.size(), 1u);
        const RecordingPrompter::Call& ask = prompter.calls[0];
        EXPECT_EQ(ask.kind, RecordingPrompter::Call::Kind::Message);
        EXPECT_EQ(ask.text, text);
        EXPECT_EQ(ask.title, QStringLiteral("Quillfret Pro"));
        EXPECT_EQ(ask.icon, Prompter::Icon::Exclamation);
        EXPECT_EQ(ask.buttons, Prompter::Buttons::YesNo);
        EXPECT_EQ(ask.systemModal, systemModal);
    }

    ctlChartControls panel;
    RecordingHost host{panel};
};

struct Step {
    const char* what;
    std::function<void()> act;
    QStringList events;
};

void RunSteps(RecordingHost& host, const std::vector<Step>& steps) {
    for (const Step& step : steps) {
        step.act();
        EXPECT_EQ(host.Take(), step.events) << step.what;
    }
}

TEST_F(ChartPanel, BeforeInitializedChartClicksLoadButRaiseNothing) {
    host.Start(QStringLiteral("Blues"));
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Blues"));
    EXPECT_EQ(panel.ChartFile(), Path("Blues"));
    EXPECT_EQ(panel.StartChart(), QStringLiteral("Blues"));
    EXPECT_EQ(panel.ItemCount(), 3);
    EXPECT_EQ(panel.lblChartCaption()->text(), QStringLiteral("Twelve bars"));
    RunSteps(host, {
        {"start-up", [] {}, {}},
        {"click Jazz", [&] { host.ClickChart("Jazz"); }, {}},
        {"click Blues", [&] { host.ClickChart("Blues"); }, {}},
        // The item list is the host's own and is not held back.
        {"click item 1", [&] { host.ClickItem(1); }, {"ChartSelected", "ShowChartScale(s2$A)"}},
        {"click Jazz again", [&] { host.ClickChart("Jazz"); }, {}},
    });
    EXPECT_EQ(panel.ItemCount(), 0);
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Jazz"));
}

TEST_F(ChartPanel, AfterInitializedClicksShowAndReport) {
    StartReady();
    RunSteps(host, {
        {"click Jazz (empty)", [&] { host.ClickChart("Jazz"); },
         {"ChartSelected", "OnChartClick(Charts/Jazz.cht,Jazz)"}},
        {"click Blues", [&] { host.ClickChart("Blues"); },
         {"ChartSelected", "ChartSelected", "ShowChartChord(c1$A)", "OnChartClick(Charts/Blues.cht,Blues)"}},
        {"click the map item", [&] { host.ClickItem(2); }, {"ChartSelected", "ShowChartMap(C-E-G,False,True)"}},
        {"click it again", [&] { host.ClickItem(2); }, {"ChartSelected", "ShowChartMap(C-E-G,False,True)"}},
        {"click Blues again", [&] { host.ClickChart("Blues"); },
         {"ChartSelected", "ChartSelected", "ShowChartChord(c1$A)", "OnChartClick(Charts/Blues.cht,Blues)"}},
        {"SelectItem", [&] { panel.SelectItem(1); }, {"ChartSelected", "ShowChartScale(s2$A)"}},
        {"SelectItem beyond the list", [&] { panel.SelectItem(3); }, {}},
        {"SelectChart in other case", [&] { panel.SelectChart("jazz"); }, {}},
        {"View Chart", [&] { panel.cmdView()->click(); }, {"OnChartView(Charts/Blues.cht,Blues)"}},
        {"Blank Chart", [&] { panel.cmdBlank()->click(); }, {"OnChartView(BLANK,)"}},
    });
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(ChartPanel, NewChartAsksCreatesSelectsAndReports) {
    host.Start(QStringLiteral("Blues"));
    Type(QStringLiteral("  Folk  "));
    panel.cmdAdd()->click();
    ASSERT_EQ(prompter.calls.size(), 1u);
    const RecordingPrompter::Call& ask = prompter.calls[0];
    EXPECT_EQ(ask.kind, RecordingPrompter::Call::Kind::Input);
    EXPECT_EQ(ask.text, QStringLiteral("Enter a name for the new chart.\r\n\r\n(17 Char. Max)"));
    EXPECT_EQ(ask.title, QStringLiteral("New Chart"));
    EXPECT_EQ(ask.defaultText, QStringLiteral("New Chart"));
    EXPECT_EQ(host.Take(), QStringList());  // not yet initialized
    EXPECT_EQ(Read("Folk"), QByteArray());
    EXPECT_EQ(Charts(), QStringList({"Blues", "Folk", "Jazz"}));
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Folk"));
    EXPECT_EQ(panel.ItemCount(), 0);

    panel.SetInitialized(true);
    Type(QStringLiteral("Rock"));
    panel.cmdAdd()->click();
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected", "OnChartClick(Charts/Rock.cht,Rock)"}));
    EXPECT_EQ(panel.lstCharts()->currentItem()->text(), QStringLiteral("Rock"));
    EXPECT_TRUE(panel.cmdDelete()->isEnabled());
    EXPECT_TRUE(panel.cmdView()->isEnabled());  // charts exist (an empty one views as empty diagrams)
    EXPECT_FALSE(panel.cmdDeleteItem()->isEnabled());
}

struct NameCase {
    std::optional<QString> typed;  // nullopt: Cancel
    QString message;               // "" for none
    QString created;               // the new chart's name; "" for none
};

TEST_F(ChartPanel, ChartNamesTable) {
    const QString bad = QStringLiteral(
        "\r\n\r\nA chart name cannot begin with a period or hold any of these characters: / \\ : * ? \" < > | "
        "or a control character.");
    const NameCase cases[] = {
        {QStringLiteral("abcdefghijklmnopq"), "", "abcdefghijklmnopq"},
        {QStringLiteral("abcdefghijklmnopqr"), "Too many characters!", ""},
        {QStringLiteral("  Blues 2  "), "", "Blues 2"},
        {QStringLiteral("   "), "", ""},
        {QString(), "", ""},
        {std::nullopt, "", ""},
        {QStringLiteral("../x"), "A chart cannot be named \"../x\".", ""},
        {QStringLiteral("a/b"), "A chart cannot be named \"a/b\".", ""},
        {QStringLiteral("a\\b"), "A chart cannot be named \"a\\b\".", ""},
        {QStringLiteral(".hidden"), "A chart cannot be named \".hidden\".", ""},
        {QStringLiteral("*****"), "A chart cannot be named \"*****\".", ""},
        {QStringLiteral("tab\there"), "A chart cannot be named \"tab\there\".", ""},
        {QStringLiteral("BLUES"), "The chart \"BLUES\" already exists!", ""},
        // C1 controls are controls too; U+00A0 after them is an ordinary character.
        {QStringLiteral("Riff\u0085x"), QStringLiteral("A chart cannot be named \"Riff\u0085x\"."), ""},
        {QStringLiteral("\u0080a"), QStringLiteral("A chart cannot be named \"\u0080a\"."), ""},
        {QStringLiteral("a\u009F"), QStringLiteral("A chart cannot be named \"a\u009F\"."), ""},
        {QStringLiteral("a\u007Fb"), QStringLiteral("A chart cannot be named \"a\u007Fb\"."), ""},
        {QStringLiteral("No\u00A0break"), "", QStringLiteral("No\u00A0break")},
        // The limit counts characters: one outside the BMP is one, not two.
        {QStringLiteral("abcdefghijklmno\U0001D11E"), "", QStringLiteral("abcdefghijklmno\U0001D11E")},
        {QStringLiteral("abcdefghijklmnop\U0001D11E"), "", QStringLiteral("abcdefghijklmnop\U0001D11E")},
        {QStringLiteral("abcdefghijklmnopq\U0001D11E"), "Too many characters!", ""},
        {QStringLiteral("\u00C9t\u00E9 \u0394 \u266A"), "", QStringLiteral("\u00C9t\u00E9 \u0394 \u266A")},
        // Half a surrogate pair has no file name to become.
        {QStringLiteral("a") + QChar(0xD834) + QStringLiteral("b"),
         QStringLiteral("A chart cannot be named \"a") + QChar(0xD834) + QStringLiteral("b\"."), ""},
    };
    StartReady();
    for (const NameCase& c : cases) {
        const QString label = c.typed ? *c.typed : QStringLiteral("<Cancel>");
        SCOPED_TRACE(label.toStdString());
        const QStringList before = AllFiles();
        const QStringList chartsBefore = Charts();
        prompter.Clear();
        Type(c.typed);
        panel.cmdAdd()->click();
        host.Take();

        const auto messages = prompter.Messages();
        const QString& message = c.message;
        if (message.isEmpty()) {
            EXPECT_TRUE(messages.empty());
        } else {
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_EQ(messages[0].title, QStringLiteral("Quillfret Pro"));
            const bool refusedName = message.startsWith("A chart cannot");
            EXPECT_EQ(messages[0].text, refusedName ? message + bad : message);
            EXPECT_EQ(messages[0].icon, message.startsWith("Too many") ? Prompter::Icon::Critical
                                                                       : Prompter::Icon::Exclamation);
        }
        QStringList expectedFiles = before;
        QStringList expectedCharts = chartsBefore;
        if (!c.created.isEmpty()) {
            expectedFiles << "Charts/" + c.created + ".cht";
            expectedCharts << c.created;
            expectedCharts.sort(Qt::CaseInsensitive);
            EXPECT_EQ(panel.ChartName(), c.created);
        }
        expectedFiles.sort();
        EXPECT_EQ(AllFiles(), expectedFiles);  // nothing made outside the chart folder either
        EXPECT_EQ(Charts(), expectedCharts);
    }
}

TEST_F(ChartPanel, DeleteChartAsksThenDeletesAndSelectsTheFirst) {
    StartReady(QStringLiteral("Jazz"));
    panel.cmdDelete()->click();  // answered No
    ExpectQuestion(QStringLiteral("Are you sure you wish to delete \"Jazz\" chart?"), true);
    EXPECT_TRUE(QFile::exists(Path("Jazz")));
    EXPECT_EQ(host.Take(), QStringList());

    RunSteps(host, {
        {"delete Jazz",
         [&] {
             Answer(Prompter::Answer::Yes);
             panel.cmdDelete()->click();
         },
         {"ChartSelected", "ChartSelected", "ShowChartChord(c1$A)", "OnChartClick(Charts/Blues.cht,Blues)"}},
        {"delete the last chart",
         [&] {
             Answer(Prompter::Answer::Yes);
             panel.cmdDelete()->click();
         },
         {"OnChartClick(,)", "OnNoChart"}},
        {"delete with no chart", [&] { panel.cmdDelete()->click(); }, {}},
    });
    EXPECT_EQ(AllFiles(), QStringList({"Charts"}));
    EXPECT_EQ(Charts(), QStringList());
    EXPECT_EQ(panel.ItemCount(), 0);
    EXPECT_EQ(Codes(), QStringList());
    EXPECT_EQ(panel.lblChartCaption()->text(), QString());
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Blues"));  // the deleted chart's, as before
    for (QPushButton* b : {panel.cmdDelete(), panel.cmdView(), panel.cmdUpDown(0), panel.cmdUpDown(1),
                           panel.cmdDeleteItem()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(panel.cmdAdd()->isEnabled());
    EXPECT_TRUE(panel.cmdBlank()->isEnabled());
}

TEST_F(ChartPanel, DeleteChartBeforeInitialized) {
    host.Start(QStringLiteral("Jazz"));
    Answer(Prompter::Answer::Yes);
    panel.cmdDelete()->click();
    EXPECT_EQ(host.Take(), QStringList());
    EXPECT_EQ(panel.ChartName(), QStringLiteral("Blues"));
    EXPECT_EQ(panel.ItemCount(), 3);
    Answer(Prompter::Answer::Yes);
    panel.cmdDelete()->click();
    EXPECT_EQ(host.Take(), QStringList({"OnChartClick(,)", "OnNoChart"}));
}

TEST_F(ChartPanel, DeleteItemAsksSavesAndShowsTheNextItem) {
    StartReady();
    panel.SelectItem(0);
    host.Take();
    panel.cmdDeleteItem()->click();  // answered No
    ExpectQuestion(QStringLiteral("Are you sure you wish to delete \"Chord: A 7 (1)\" from this chart?"), false);
    EXPECT_EQ(Read("Blues"), kBlues);
    EXPECT_EQ(host.Take(), QStringList());

    auto yes = [&] {
        Answer(Prompter::Answer::Yes);
        panel.cmdDeleteItem()->click();
    };
    RunSteps(host, {
        {"delete the first item", yes, {"ChartSelected", "ShowChartScale(s2$A)"}},
        {"select the last", [&] { panel.SelectItem(1); }, {"ChartSelected", "ShowChartMap(C-E-G,False,True)"}},
        {"delete the last item", yes, {"ChartSelected", "ShowChartScale(s2$A)"}},
        {"delete the only item", yes, {}},
    });
    EXPECT_EQ(Read("Blues"), QByteArray("DESC:Twelve bars\r\n"));
    EXPECT_EQ(panel.ItemCount(), 0);
    EXPECT_EQ(Codes(), QStringList());
    EXPECT_FALSE(panel.cmdDeleteItem()->isEnabled());
    EXPECT_FALSE(panel.cmdUpDown(0)->isEnabled());
}

TEST_F(ChartPanel, MoveSwapsSavesAndKeepsTheItemSelected) {
    StartReady();
    panel.SelectItem(0);
    host.Take();
    RunSteps(host, {
        {"move the chord down", [&] { panel.cmdUpDown(1)->click(); }, {"ChartSelected", "ShowChartChord(c1$A)"}},
        {"and down again", [&] { panel.cmdUpDown(1)->click(); }, {"ChartSelected", "ShowChartChord(c1$A)"}},
        {"down on the last", [&] { panel.cmdUpDown(1)->click(); }, {}},
        {"up", [&] { panel.cmdUpDown(0)->click(); }, {"ChartSelected", "ShowChartChord(c1$A)"}},
    });
    EXPECT_EQ(panel.SelectedItem(), 1);
    EXPECT_EQ(Read("Blues"),
              QByteArray("DESC:Twelve bars\r\nScale: A Minor (2)~s2\r\nChord: A 7 (1)~c1\r\nMap: C Major~C-E-G~False\r\n"));
    EXPECT_EQ(Codes(), QStringList({"s2", "c1", "C-E-G~False"}));

    // At either end nothing is saved: a read-only chart shows it, as no message comes.
    MakeReadOnly(Path("Blues"));
    panel.SelectItem(0);
    panel.cmdUpDown(0)->click();
    panel.SelectItem(2);
    panel.cmdUpDown(1)->click();
    EXPECT_TRUE(prompter.calls.empty());
}

TEST_F(ChartPanel, ItemButtonsDoNothingWithNoItemSelected) {
    host.Start(QStringLiteral("Blues"));  // loaded, nothing selected
    for (QPushButton* b : {panel.cmdUpDown(0), panel.cmdUpDown(1), panel.cmdDeleteItem()}) {
        ASSERT_TRUE(b->isEnabled());
        b->click();
    }
    EXPECT_TRUE(prompter.calls.empty());
    EXPECT_EQ(Read("Blues"), kBlues);
    EXPECT_EQ(host.Take(), QStringList());
}

TEST_F(ChartPanel, ReadOnlyChartRefusesEveryEditAndSaysWhy) {
    StartReady();
    panel.SelectItem(1);
    host.Take();
    MakeReadOnly(Path("Blues"));
    const QString why = QStringLiteral(
        "The chart \"Blues\" could not be saved; it is left as it was.\r\n\r\nThe file is read-only.");

    panel.cmdUpDown(0)->click();
    Answer(Prompter::Answer::Yes);
    panel.cmdDeleteItem()->click();
    Answer(Prompter::Answer::Yes);
    panel.cmdDelete()->click();

    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 5u);  // move; question, item; question, chart
    EXPECT_EQ(messages[0].text, why);
    EXPECT_EQ(messages[0].title, QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(messages[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(messages[2].text, why);
    EXPECT_EQ(messages[4].text,
              QStringLiteral("The chart \"Blues\" could not be deleted.\r\n\r\nThe file is read-only."));
    EXPECT_EQ(Read("Blues"), kBlues);
    EXPECT_EQ(Texts(host.items), QStringList({"Chord: A 7 (1)", "Scale: A Minor (2)", "Map: C Major"}));
    EXPECT_EQ(Codes(), QStringList({"c1", "s2", "C-E-G~False"}));
    EXPECT_EQ(panel.SelectedItem(), 1);
    EXPECT_EQ(Charts(), QStringList({"Blues", "Jazz"}));
    EXPECT_EQ(host.Take(), QStringList());
}

TEST_F(ChartPanel, AChartThatCannotBeCreatedOrDeletedLeavesTheListAsItWas) {
    StartReady();
    QDir(folder).removeRecursively();  // the folder went away behind the program's back
    Type(QStringLiteral("Folk"));
    panel.cmdAdd()->click();
    // A folder where the chart's file was: no chart to delete, and kept.
    ASSERT_TRUE(QDir().mkpath(Path("Blues")));
    Answer(Prompter::Answer::Yes);
    panel.cmdDelete()->click();
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_TRUE(messages[0].text.startsWith("The chart \"Folk\" could not be created.\r\n\r\n"))
        << messages[0].text.toStdString();
    EXPECT_GT(messages[0].text.size(), QStringLiteral("The chart \"Folk\" could not be created.\r\n\r\n").size());
    EXPECT_TRUE(messages[2].text.startsWith("The chart \"Blues\" could not be deleted.\r\n\r\n"));
    EXPECT_EQ(Charts(), QStringList({"Blues", "Jazz"}));
    EXPECT_EQ(host.Take(), QStringList());
}

TEST_F(ChartPanel, DeletingAChartWhoseFileHasGoneTakesItOffTheList) {
    StartReady(QStringLiteral("Jazz"));
    ASSERT_TRUE(QFile::remove(Path("Jazz")));  // deleted in a file manager
    Answer(Prompter::Answer::Yes);
    panel.cmdDelete()->click();
    EXPECT_EQ(prompter.Messages().size(), 1u);  // the question, no failure
    EXPECT_EQ(Charts(), QStringList({"Blues"}));
    EXPECT_EQ(host.Take(), QStringList({"ChartSelected", "ChartSelected", "ShowChartChord(c1$A)",
                                        "OnChartClick(Charts/Blues.cht,Blues)"}));
    EXPECT_EQ(Read("Blues"), kBlues);
}

TEST_F(ChartPanel, AddedItemsKeepTheirCodesThroughLaterSaves) {
    StartReady();
    // The main window's Add: the line goes to the file, then to the panel.
    QString error;
    ASSERT_TRUE(ChartFile::Append(panel.ChartFile(), "Map: D Major", "D-F#-A~True", &error));
    panel.AddToChart(QStringLiteral("Map: D Major"), QStringLiteral("D-F#-A~True"));
    EXPECT_EQ(panel.ItemCount(), 4);
    EXPECT_EQ(panel.GetItemCode(3), QStringLiteral("Map: D Major~D-F#-A~True"));
    EXPECT_EQ(host.Take(), QStringList());

    panel.SelectItem(0);
    panel.cmdUpDown(1)->click();
    EXPECT_EQ(Read("Blues"), QByteArray("DESC:Twelve bars\r\nScale: A Minor (2)~s2\r\nChord: A 7 (1)~c1\r\n"
                                        "Map: C Major~C-E-G~False\r\nMap: D Major~D-F#-A~True\r\n"));
}

// The item buttons follow the item count after an item is added and
// whenever the buttons are shown again, not only when a chart is loaded.
TEST_F(ChartPanel, ItemButtonsFollowAddedItems) {
    StartReady(QStringLiteral("Jazz"));
    const QList<QPushButton*> itemButtons = {panel.cmdUpDown(0), panel.cmdUpDown(1), panel.cmdDeleteItem()};
    const auto enabled = [&] {
        QList<bool> states;
        for (QPushButton* b : itemButtons) states << b->isEnabled();
        return states;
    };
    ASSERT_EQ(panel.ItemCount(), 0);
    EXPECT_EQ(enabled(), QList<bool>({false, false, false}));
    EXPECT_FALSE(panel.cmdView()->isEnabled());

    panel.ShowButtons(false);
    ASSERT_TRUE(ChartFile::Append(panel.ChartFile(), "Chord: C (1)", "c"));
    panel.AddToChart(QStringLiteral("Chord: C (1)"), QStringLiteral("c"));
    EXPECT_EQ(enabled(), QList<bool>({true, true, true}));
    EXPECT_TRUE(panel.cmdView()->isEnabled());

    // The host empties its own list while the buttons are away: shown again, they follow.
    host.items.clear();
    panel.ShowButtons(true);
    EXPECT_EQ(enabled(), QList<bool>({false, false, false}));
    EXPECT_FALSE(panel.cmdView()->isEnabled());
    EXPECT_EQ(host.Take(), QStringList());
}

TEST_F(ChartPanel, CodesStayInStepWhenTheHostChangesItsList) {
    StartReady();
    host.items.insertItem(1, QStringLiteral("Bridge: quiet"));
    EXPECT_EQ(Codes(), QStringList({"c1", "", "s2", "C-E-G~False"}));
    EXPECT_EQ(panel.GetItemCode(2), QStringLiteral("Scale: A Minor (2)~s2"));
    delete host.items.takeItem(0);
    EXPECT_EQ(Codes(), QStringList({"", "s2", "C-E-G~False"}));
    host.items.clear();
    EXPECT_EQ(Codes(), QStringList());
}

TEST_F(ChartPanel, AListTheHostDestroysIsLetGo) {
    ctlChartControls alone;
    {
        QListWidget list;
        alone.SetLstItems(&list);
        alone.SetStartChart(QStringLiteral("Blues"));
        ASSERT_EQ(alone.ItemCount(), 3);
    }
    EXPECT_EQ(alone.ItemCount(), 0);
    EXPECT_EQ(alone.m_lstItemCode()->count(), 0);
    alone.SetInitialized(true);
    alone.AddToChart(QStringLiteral("Chord: C"), QStringLiteral("1"));
    alone.SelectItem(0);
    alone.ShowItem();
    alone.cmdUpDown(1)->click();
    EXPECT_EQ(Read("Blues"), kBlues);
}

TEST_F(ChartPanel, NewChartBeforeTheListIsHandedOverGoesToTheChartFolder) {
    ctlChartControls alone;
    Type(QStringLiteral("Solo"));
    alone.cmdAdd()->click();
    EXPECT_TRUE(QFile::exists(Path("Solo")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("Solo.cht")));
    EXPECT_EQ(Texts(*alone.lstCharts()), QStringList({"Blues", "Jazz", "Solo"}));
}

TEST_F(ChartPanel, Queries) {
    StartReady();
    EXPECT_EQ(panel.ChartCount(), 2);
    EXPECT_EQ(panel.ItemCount(), 3);
    EXPECT_EQ(panel.SelectedItem(), 0);  // none selected
    panel.SelectItem(0);
    EXPECT_EQ(panel.SelectedItem(), 0);
    panel.SelectItem(2);
    EXPECT_EQ(panel.SelectedItem(), 2);
    EXPECT_EQ(panel.GetItemCode(2), QStringLiteral("Map: C Major~C-E-G~False"));
    EXPECT_EQ(panel.GetItemCode(3), QString());
    EXPECT_EQ(panel.GetItemCode(-1), QString());

    panel.EnableLists(false);
    EXPECT_FALSE(panel.lstCharts()->isEnabled());
    EXPECT_FALSE(host.items.isEnabled());
    panel.EnableLists(true);
    EXPECT_TRUE(host.items.isEnabled());

    const QList<QWidget*> buttons = {panel.cmdAdd(), panel.cmdBlank(), panel.cmdView(), panel.cmdDelete(),
                                     panel.cmdUpDown(0), panel.cmdUpDown(1), panel.cmdDeleteItem(),
                                     panel.lblArrangeCaption()};
    for (bool show : {false, true}) {
        panel.ShowButtons(show);
        for (QWidget* w : buttons) EXPECT_EQ(w->isVisible(), show) << w->objectName().toStdString();
        EXPECT_EQ(panel.lblChartCaption()->isVisible(), !show);
    }
}

TEST_F(ChartPanel, NoChartsAtAllGivesAnEmptyListAndNothingToPress) {
    QDir(folder).removeRecursively();
    host.Start(QStringLiteral("Blues"));
    EXPECT_TRUE(QFileInfo(folder).isDir());  // made for the first chart
    EXPECT_EQ(panel.ChartCount(), 0);
    EXPECT_EQ(panel.ChartName(), QString());
    for (QPushButton* b : {panel.cmdDelete(), panel.cmdView(), panel.cmdUpDown(0), panel.cmdDeleteItem()})
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(host.Take(), QStringList());
}

TEST_F(ChartPanel, LayoutFitsTheCaptionsInTahoma) {
    host.Start(QStringLiteral("Blues"));
    EXPECT_EQ(panel.size(), QSize(134, 304));
    const QRect inside = panel.rect();
    QList<QWidget*> shown;
    for (QWidget* w : panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->isVisible()) shown << w;
    ASSERT_EQ(shown.size(), 9);  // the chart list, seven buttons, the heading
    for (QWidget* w : shown) {
        EXPECT_TRUE(inside.contains(w->geometry())) << w->objectName().toStdString();
        EXPECT_EQ(w->font().family(), QStringLiteral("Tahoma")) << w->objectName().toStdString();
        for (QWidget* other : shown) {
            if (other == w) continue;
            EXPECT_FALSE(w->geometry().intersects(other->geometry()))
                << w->objectName().toStdString() << " / " << other->objectName().toStdString();
        }
        if (auto* b = qobject_cast<QPushButton*>(w)) {
            EXPECT_LE(b->fontMetrics().horizontalAdvance(b->text()) + 12, b->width()) << b->text().toStdString();
        }
    }
    EXPECT_EQ(panel.lblArrangeCaption()->text(), QStringLiteral("Arrange Chart Items:"));
    EXPECT_EQ(panel.cmdUpDown(0)->text(), QStringLiteral("Move Up"));
    EXPECT_EQ(panel.cmdUpDown(1)->text(), QStringLiteral("Move Down"));
    panel.ShowButtons(false);
    EXPECT_TRUE(inside.contains(panel.lblChartCaption()->geometry()));
    EXPECT_TRUE(panel.lblChartCaption()->wordWrap());
}

}  // namespace

// The chart viewer: the grid, labels, captions, the blank chart, what each
// cell shows, every message, the busy cursor, and windows opened and closed.

#include <gtest/gtest.h>

#include <QAction>
#include <QChildEvent>
#include <QCursor>
#include <QSignalSpy>
#include <functional>
#include <limits>

#include "AppSettings.h"
#include "RecordingPrompter.h"
#include "ViewerTestSupport.h"
#include "ctlNeck.h"

using namespace viewertest;

namespace {

class ChartViewer : public ::testing::Test {
protected:
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempCharts files;
    RecordingPrompter prompter;
};

// The canvas grows by a row with every sixth item; cells go five to a row.
TEST_F(ChartViewer, GridRowsAndCanvasHeight) {
    const struct {
        int items;
        int height;
    } cases[] = {{0, 6000}, {1, 6000}, {5, 6000}, {6, 12000}, {10, 12000}, {11, 18000}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        OpenChart open = Open(files.Write(QStringLiteral("grid"), NumberedChords(c.items)), QStringLiteral("Grid"));
        ASSERT_TRUE(open.form);
        const ChartCanvas& canvas = *open.form->picSlide();
        EXPECT_EQ(canvas.CanvasHeight(), c.height);
        EXPECT_EQ(canvas.height(), Px(c.height));
        EXPECT_EQ(canvas.CanvasWidth(), 11300);
        ASSERT_EQ(static_cast<int>(canvas.Cells().size()), c.items);
        for (int i = 0; i < c.items; ++i) {
            EXPECT_EQ(canvas.Cells()[i].Left, (i % 5) * 1900) << i;
            EXPECT_EQ(canvas.Cells()[i].Top, (i / 5) * 6000) << i;
        }
        EXPECT_EQ(open.form->Caption(), QStringLiteral("Grid Chart [%1 Items]").arg(c.items));
        CloseAll(open);
    }
    EXPECT_TRUE(prompter.Messages().empty());
}

// Labels: the display text after its kind, centred by 850 - 36 x length.
TEST_F(ChartViewer, LabelsAndTheirPlaces) {
    const QString path = files.Write(
        QStringLiteral("labels"),
        Lines({QStringLiteral("Chord: C7 (2)~") + kCMajor, QStringLiteral("Map: C Major~C-E-G~True"),
               QStringLiteral("Scale: A Minor (2)~") + kAMinorPosition,
               QStringLiteral("Chord: Abcdefghijklmnopqrstuvw~") + kCMajor,  // a label of 24 characters
               QStringLiteral("Just a note~whatever"), QStringLiteral("Chord: G (1)~3,2,2,1,0,0,0,0,0,0,3,3")}));
    OpenChart open = Open(path);
    ASSERT_TRUE(open.form);
    const std::vector<ChartCell>& cells = open.form->picSlide()->Cells();
    ASSERT_EQ(cells.size(), 6u);
    const struct {
        QString label;
        int labelX;
        ChartCell::Drawing kind;
        QString code;
    } expected[] = {
        {QStringLiteral(" C7 (2)"), 850 - 252, ChartCell::Drawing::Chord, kCMajor + QStringLiteral("$C")},
        {QStringLiteral(" C Major"), 1900 + 562, ChartCell::Drawing::Map, QStringLiteral("C-E-G")},
        {QStringLiteral(" A Minor (2)"), 3800 + 850 - 36 * 12, ChartCell::Drawing::Scale,
         kAMinorPosition + QStringLiteral("$A")},
        {QStringLiteral(" Abcdefghijklmnopqrstuvw"), 5700 - 14, ChartCell::Drawing::Chord,
         kCMajor + QStringLiteral("$Ab")},
        {QString(), 7600 + 850, ChartCell::Drawing::Nothing, QString()},
        {QStringLiteral(" G (1)"), 850 - 216, ChartCell::Drawing::Chord, QStringLiteral("3,2,2,1,0,0,0,0,0,0,3,3$G")},
    };
    for (size_t i = 0; i < cells.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(cells[i].Label, expected[i].label);
        EXPECT_EQ(cells[i].LabelX, expected[i].labelX);
        EXPECT_EQ(cells[i].Kind, expected[i].kind);
        EXPECT_EQ(cells[i].Code, expected[i].code);
    }
    EXPECT_TRUE(cells[1].Flag);
    EXPECT_EQ(cells[5].Top, 6000);

    // The label's ink starts where it is placed: nothing of it lies left of its x.
    const QImage row = open.form->picSlide()->grab(QRect(0, 0, Px(11300), Px(200))).toImage();
    const int x = Px(cells[0].LabelX);
    EXPECT_EQ(Count(row, QRect(0, 0, x, Px(200)), IsDark), 0);
    EXPECT_GT(Count(row, QRect(x, 0, Px(36 * 7 * 2), Px(200)), IsDark), 10);
    CloseAll(open);
}

// A label of any length has a defined place: where it would lie past what an
// int holds, it stops at the least value instead of wrapping round.
TEST(ChartLabelPlace, ExtremeLengthsAndEdgesStayInRange) {
    constexpr int kMin = std::numeric_limits<int>::min();
    constexpr int kMax = std::numeric_limits<int>::max();
    const struct {
        int cellLeft;
        qsizetype length;
        int expected;
    } cases[] = {
        {0, 0, 850},
        {1900, 13, 1900 + 382},
        {0, 59652324, -2147482814},  // 36 x length is past an int, the place is not
        {0, 59652348, kMin},         // the first length whose place is past an int
        {0, qsizetype{1} << 40, kMin},
        {kMin, 100, kMin},
        {kMax, 0, kMax},
        {7600, std::numeric_limits<qsizetype>::max(), kMin},
        {0, -5, 850},
    };
    for (const auto& c : cases)
        EXPECT_EQ(clsChart::LabelLeft(c.cellLeft, c.length), c.expected) << c.cellLeft << " / " << c.length;
}

// DESC lines are neither drawn nor counted; blank lines are skipped; a line
// that merely looks like one in lower case is free text and counts.
TEST_F(ChartViewer, CaptionCountsItemsOnly) {
    const QString path = files.Write(
        QStringLiteral("Prog_House"),
        Lines({QStringLiteral("DESC:House"), QStringLiteral("Chord: C (1)~") + kCMajor, QString(),
               QStringLiteral("   "), QStringLiteral("DESC: progression"), QStringLiteral("desc:lower case"),
               QStringLiteral("Chord: G (1)~3,2,2,1,0,0,0,0,0,0,3,3")}));
    OpenChart open = Open(path, QStringLiteral("Prog_House"));
    ASSERT_TRUE(open.form);
    EXPECT_EQ(open.form->windowTitle(), QStringLiteral("Prog_House Chart [3 Items]"));
    EXPECT_EQ(open.form->picSlide()->Cells()[1].Kind, ChartCell::Drawing::Nothing);
    EXPECT_TRUE(open.form->isVisible());
    CloseAll(open);
}

// Each cell shows exactly what the renderer draws for its item, whatever was
// drawn before it; a free-text cell and a map without notes stay empty.
TEST_F(ChartViewer, CellsShowTheirOwnDiagrams) {
    const QString path = files.Write(
        QStringLiteral("cells"),
        Lines({QStringLiteral("Map: C Major~C-E-G~True"), QStringLiteral("Chord: Bb7 (1)~") + kCMajor,
               QStringLiteral("Free text here~0,6,0,6"), QStringLiteral("Scale: A Minor (2)~") + kAMinorPosition,
               QStringLiteral("Map: E stars~E-G#-B~False"), QStringLiteral("Map: nothing~~True")}));
    OpenChart open = Open(path);
    ASSERT_TRUE(open.form);
    ChartCanvas& canvas = *open.form->picSlide();

    ctlNeck reference;
    const QImage empty = [&] {
        reference.Clear();
        return reference.Image();
    }();
    const std::function<void()> draws[] = {
        [&] { reference.MapNotes(QStringLiteral("C-E-G"), true, true); },
        [&] { reference.WriteChord(kCMajor + QStringLiteral("$Bb")); },
        nullptr,
        [&] { reference.WriteScale(kAMinorPosition + QStringLiteral("$A")); },
        [&] { reference.MapNotes(QStringLiteral("E-G#-B"), false, true); },
        nullptr,  // a map with no notes has nothing to draw
    };
    for (size_t i = 0; i < std::size(draws); ++i) {
        SCOPED_TRACE(i);
        const QImage shown = GrabDiagram(canvas, canvas.Cells()[i], empty.size());
        if (!draws[i]) {
            EXPECT_EQ(Count(shown, shown.rect(), [](const QColor& c) { return !IsWhite(c); }), 0);
            continue;
        }
        draws[i]();
        EXPECT_EQ(shown, reference.Image().convertToFormat(QImage::Format_RGB32));
    }
    CloseAll(open);
}

// Root markers red, the others black, in the window's own pixels.
TEST_F(ChartViewer, DrawnCellColours) {
    OpenChart open = Open(files.Write(QStringLiteral("c"), Lines({QStringLiteral("Chord: C Major (1)~") + kCMajor})));
    ASSERT_TRUE(open.form);
    const QImage window = open.form->grab().toImage();
    // The diagram's origin in the window: viewport under the menu, canvas 1000 in.
    const QPoint origin = open.form->picFrame()->pos() + QPoint(Px(1000), Px(200));
    auto marker = [&](int stringX, int y) {
        return QRect(origin + QPoint(Px(stringX - 80), Px(y + 25)), origin + QPoint(Px(stringX + 110), Px(y + 175)));
    };
    // C on string 5, fret 3 and on string 2, fret 1: red digits.
    EXPECT_GT(Count(window, marker(550, 590), IsRed), 5);
    EXPECT_GT(Count(window, marker(1300, 200), IsRed), 5);
    // E on string 4, fret 2: black.
    EXPECT_EQ(Count(window, marker(800, 400), IsRed), 0);
    EXPECT_GT(Count(window, marker(800, 400), IsDark), 5);
    CloseAll(open);
}

TEST_F(ChartViewer, BlankChart) {
    OpenChart open = Open(QStringLiteral("BLANK"), QString());
    ASSERT_TRUE(open.form);
    EXPECT_EQ(open.form->Caption(), QStringLiteral("Blank Chart"));
    EXPECT_TRUE(open.form->BlankGrid());
    ChartCanvas& canvas = *open.form->picSlide();
    EXPECT_EQ(canvas.CanvasHeight(), 12000);
    ASSERT_EQ(canvas.Cells().size(), 10u);
    ctlNeck reference;
    reference.Clear();
    const QImage empty = reference.Image().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(i);
        const ChartCell& cell = canvas.Cells()[i];
        EXPECT_EQ(cell.Label, QStringLiteral("_____________"));
        EXPECT_EQ(cell.Left, (i % 5) * 1900);
        EXPECT_EQ(cell.Top, (i / 5) * 6000);
        EXPECT_EQ(cell.LabelX, cell.Left + 382);
        EXPECT_EQ(GrabDiagram(canvas, cell, empty.size()), empty);
    }
    // "blank" in lower case is a file name like any other.
    OpenChart lower = Open(QStringLiteral("blank"));
    EXPECT_FALSE(lower.form);
    CloseAll(open);
}

// Every way ShowChart reports a failure, and what it leaves behind: only a
// chart file that is missing or not a file; no line inside one. A chart not
// found is reported to the owner, who keeps the settings: the viewer writes none.
TEST_F(ChartViewer, Messages) {
    const QString notFound = QStringLiteral("Error: 53 - File not found\r\n\r\nThe chart file could not be found.");
    const struct {
        const char* what;
        QStringList lines;  // empty: the file does not exist
        QString path;       // instead of a written file
        QString text;
        QString title;
        Prompter::Icon icon;
        bool notFound;
    } cases[] = {
        {"no chart", {}, QStringLiteral(""), QStringLiteral("No chart selected!"), QStringLiteral("Chart"),
         Prompter::Icon::Exclamation, false},
        {"missing file", {}, files.Path(QStringLiteral("gone.cht")), notFound, QStringLiteral("Quillfret Pro"),
         Prompter::Icon::Critical, true},
        {"a folder", {}, files.Path(QString()), notFound, QStringLiteral("Quillfret Pro"), Prompter::Icon::Critical,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        prompter.Clear();
        AppSettings::SaveSetting("Settings", "ChartFile", "/somewhere/Blues.cht");
        AppSettings::SaveSetting("Settings", "ChartName", "Blues");
        const QString path = c.lines.isEmpty() ? c.path : files.Write(QStringLiteral("damaged"), Lines(c.lines));
        QPointer<clsChart> viewer = new clsChart();
        QSignalSpy unload(viewer.data(), &clsChart::OnUnload);
        QSignalSpy notFoundSpy(viewer.data(), &clsChart::OnChartNotFound);
        EXPECT_FALSE(viewer->ShowChart(path, QStringLiteral("Blues")));
        EXPECT_EQ(viewer->ChartForm(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        ASSERT_EQ(prompter.Messages().size(), 1u);
        EXPECT_EQ(prompter.Messages()[0].text, c.text);
        EXPECT_EQ(prompter.Messages()[0].title, c.title);
        EXPECT_EQ(prompter.Messages()[0].icon, c.icon);
        EXPECT_EQ(notFoundSpy.count(), c.notFound ? 1 : 0);
        if (c.notFound) {
            EXPECT_EQ(notFoundSpy.at(0).at(0).toString(), path);
        }
        EXPECT_EQ(AppSettings::GetSetting("Settings", "ChartFile"), QStringLiteral("/somewhere/Blues.cht"));
        EXPECT_EQ(AppSettings::GetSetting("Settings", "ChartName"), QStringLiteral("Blues"));
        // No window was shown; the viewer goes by itself without an OnUnload.
        for (QWidget* w : QApplication::topLevelWidgets()) EXPECT_EQ(qobject_cast<frmChart*>(w), nullptr);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(viewer.isNull());
        EXPECT_EQ(unload.count(), 0);
    }
}

// Map flags as the toolkit converts them: these all open.
TEST_F(ChartViewer, MapFlagsThatConvert) {
    const QString path = files.Write(
        QStringLiteral("flags"),
        Lines({QStringLiteral("Map: a~C-E-G~true"), QStringLiteral("Map: b~C-E-G~FALSE"), QStringLiteral("Map: c~C-E-G~0"),
               QStringLiteral("Map: d~C-E-G~-1"), QStringLiteral("Map: e~C-E-G~True~extra")}));
    OpenChart open = Open(path);
    ASSERT_TRUE(open.form);
    const bool flags[] = {true, false, false, true, true};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(open.form->picSlide()->Cells()[i].Flag, flags[i]) << i;
    EXPECT_TRUE(prompter.Messages().empty());
    CloseAll(open);
}

// A line that lacks its code or its flag, or whose code is empty, shows its
// label over an empty cell (no fretboard); the chart opens without a message
// and the items round it are drawn as ever.
TEST_F(ChartViewer, DamagedLinesShowTheirLabelsAndTheRestIsDrawn) {
    AppSettings::SaveSetting("Settings", "ChartFile", "/somewhere/Edited.cht");
    OpenChart open = Open(files.Write(QStringLiteral("edited"), DamagedChart()), QStringLiteral("Edited"));
    ASSERT_TRUE(open.form);
    EXPECT_TRUE(prompter.Messages().empty());
    EXPECT_EQ(AppSettings::GetSetting("Settings", "ChartFile"), QStringLiteral("/somewhere/Edited.cht"));
    EXPECT_EQ(open.form->Caption(), QStringLiteral("Edited Chart [%1 Items]").arg(kDamagedCount + 2));
    ChartCanvas& canvas = *open.form->picSlide();
    const std::vector<ChartCell>& cells = canvas.Cells();
    ASSERT_EQ(static_cast<int>(cells.size()), kDamagedCount + 2);

    ctlNeck reference;
    reference.Clear();
    const QSize size = reference.Image().size();
    reference.WriteChord(kCMajor + QStringLiteral("$B"));
    EXPECT_EQ(GrabDiagram(canvas, cells.front(), size), reference.Image().convertToFormat(QImage::Format_RGB32));
    reference.WriteScale(kAMinorPosition + QStringLiteral("$A"));
    EXPECT_EQ(GrabDiagram(canvas, cells.back(), size), reference.Image().convertToFormat(QImage::Format_RGB32));

    const auto notWhite = [](const QColor& c) { return !IsWhite(c); };
    for (int i = 0; i < kDamagedCount; ++i) {
        const DamagedLine& d = kDamagedLines[i];
        SCOPED_TRACE(d.what);
        const ChartCell& cell = cells[static_cast<size_t>(i + 1)];
        EXPECT_EQ(cell.Label, d.label);
        EXPECT_EQ(cell.LabelX, clsChart::LabelLeft(cell.Left, d.label.size()));
        EXPECT_EQ(cell.Kind, ChartCell::Drawing::Nothing);
        const QImage diagram = GrabDiagram(canvas, cell, size);
        EXPECT_EQ(Count(diagram, diagram.rect(), notWhite), 0);
        const QImage label =
            canvas.grab(QRect(Px(cell.LabelX), Px(cell.Top), Px(36 * d.label.size() * 2), Px(200))).toImage();
        EXPECT_GT(Count(label, label.rect(), IsDark), 10);
    }
    CloseAll(open);
}

// The hourglass shows while the window is built and its rows in view are
// drawn, and is gone before the window shows and before any message.
TEST_F(ChartViewer, BusyCursorWhileDrawing) {
    class CursorPrompter : public RecordingPrompter {
    public:
        Answer Message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                       bool systemModal) override {
            cursorAtMessage = QApplication::overrideCursor() != nullptr;
            return RecordingPrompter::Message(text, title, icon, buttons, systemModal);
        }
        bool cursorAtMessage = true;
    } cursorPrompter;
    // The cursor each time a canvas gains a child (its renderer) and each time a chart window shows.
    struct Watch : QObject {
        QStringList seen;
        bool eventFilter(QObject* o, QEvent* e) override {
            const QCursor* c = QApplication::overrideCursor();
            const QString cursor = c && c->shape() == Qt::WaitCursor ? QStringLiteral("wait") : QStringLiteral("arrow");
            if (e->type() == QEvent::ChildAdded && qobject_cast<ChartCanvas*>(o)) seen << "build " + cursor;
            if (e->type() == QEvent::Show && qobject_cast<frmChart*>(o)) seen << "show " + cursor;
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);

    QPointer<clsChart> viewer = new clsChart();
    ASSERT_TRUE(viewer->ShowChart(files.Write(QStringLiteral("busy"), NumberedChords(12)), QStringLiteral("Busy")));
    EXPECT_EQ(watch.seen, QStringList({"build wait", "show arrow"}));
    // The two rows in view were drawn inside ShowChart, under the hourglass.
    EXPECT_EQ(viewer->ChartForm()->picSlide()->CachedRowCount(), 2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    // A failure: the arrow is back before the message.
    watch.seen.clear();
    QPointer<clsChart> failing = new clsChart();
    failing->ShowChart(files.Path(QStringLiteral("gone.cht")), QStringLiteral("x"));
    EXPECT_EQ(watch.seen, QStringList({"build wait"}));
    EXPECT_FALSE(cursorPrompter.cursorAtMessage);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    qApp->removeEventFilter(&watch);
    viewer->ChartForm()->close();
}

// Several windows at once; each closes by itself and takes its viewer with it.
TEST_F(ChartViewer, WindowsOpenAndCloseIndependently) {
    const QString path = files.Write(QStringLiteral("two"), NumberedChords(2));
    OpenChart first = Open(path, QStringLiteral("First"));
    OpenChart second = Open(path, QStringLiteral("Second"));
    ASSERT_TRUE(first.form && second.form);
    EXPECT_NE(first.form.data(), second.form.data());
    QSignalSpy firstUnload(first.viewer.data(), &clsChart::OnUnload);
    QSignalSpy secondUnload(second.viewer.data(), &clsChart::OnUnload);

    // File > Close on the first.
    first.form->mnuFileClose()->trigger();
    EXPECT_EQ(firstUnload.count(), 1);
    EXPECT_EQ(first.viewer->ChartForm(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.form.isNull());
    EXPECT_TRUE(first.viewer.isNull());
    EXPECT_TRUE(second.form->isVisible());
    EXPECT_EQ(secondUnload.count(), 0);

    // The window's own close on the second; its owner deletes it in the handler.
    QObject::connect(second.viewer.data(), &clsChart::OnUnload, second.viewer.data(),
                     [&] { delete second.viewer.data(); }, Qt::DirectConnection);
    second.form->close();
    EXPECT_TRUE(second.viewer.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.form.isNull());

    // A viewer deleted with its window open (the program ending) takes the window along.
    OpenChart third = Open(path, QStringLiteral("Third"));
    ASSERT_TRUE(third.form);
    delete third.viewer.data();
    EXPECT_TRUE(third.form.isNull());
}

// An owner may delete the viewer inside any of its signals; a viewer serves one request.
TEST_F(ChartViewer, OwnerDeletingTheViewerInItsSignals) {
    QPointer<clsChart> viewer = new clsChart();
    QObject::connect(viewer.data(), &clsChart::OnChartNotFound, viewer.data(), [&] { delete viewer.data(); },
                     Qt::DirectConnection);
    viewer->ShowChart(files.Path(QStringLiteral("gone.cht")), QStringLiteral("Gone"));
    EXPECT_TRUE(viewer.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    const QString path = files.Write(QStringLiteral("one"), NumberedChords(1));
    OpenChart open = Open(path);
    ASSERT_TRUE(open.form);
    EXPECT_FALSE(open.viewer->ShowChart(path, QStringLiteral("Again")));
    EXPECT_EQ(open.viewer->ChartForm(), open.form.data());
    CloseAll(open);
}

}  // namespace

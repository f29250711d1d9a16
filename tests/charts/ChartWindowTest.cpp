// The chart window: its menu, the layout for a window size, the scroll
// ranges and what scrolling does to the canvas.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QWheelEvent>

#include "RecordingPrompter.h"
#include "ViewerTestSupport.h"
#include "ctlNeck.h"

using namespace viewertest;

namespace {

TEST(ChartWindow, FileMenu) {
    frmChart form;
    const QList<QAction*> bar = form.MenuBar()->actions();
    ASSERT_EQ(bar.size(), 1);
    EXPECT_EQ(bar[0]->text(), QStringLiteral("&File"));
    const QList<QAction*> items = form.mnuFile()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&Print"));
    EXPECT_TRUE(items[0]->isEnabled());
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->text(), QStringLiteral("&Close"));
    // Loading widened the canvas; the renderer is there but never shown.
    EXPECT_EQ(form.picSlide()->CanvasWidth(), 11300);
    EXPECT_FALSE(form.Neck()->isVisibleTo(&form));
}

// The layout for outer window sizes in twips.
TEST(ChartWindow, ResizeLaysOutViewportAndBars) {
    frmChart form;
    form.picSlide()->SetCanvasHeight(12000);
    form.Form_Resize(9400, 7000);
    EXPECT_EQ(form.TwipsGeometry(form.picFrame()), QRect(0, 0, 9320, 6310));
    EXPECT_EQ(form.TwipsGeometry(form.VScroll1()), QRect(9000, 0, 255, 6250));
    EXPECT_EQ(form.TwipsGeometry(form.HScroll1()), QRect(0, 5995, 9000, 255));
    // The widgets stand at those places in pixels.
    EXPECT_EQ(form.picFrame()->size(), Twips::Size(9320, 6310));
    EXPECT_EQ(form.VScroll1()->geometry(), Twips::Rect(9000, 0, 255, 6250));
    EXPECT_EQ(form.HScroll1()->geometry(), Twips::Rect(0, 5995, 9000, 255));
    EXPECT_EQ(form.picFrame()->y(), form.MenuBar()->sizeHint().height());
    EXPECT_EQ(form.VScroll1()->maximum(), 5990);
}

// Resizing the window itself runs the same layout: the viewport fills the
// area under the menu bar, whose size plus (80, 690) is the outer size.
TEST(ChartWindow, ResizingTheWindow) {
    frmChart form;
    form.picSlide()->SetCanvasHeight(12000);
    form.show();
    const int menu = form.MenuBar()->sizeHint().height();
    EXPECT_EQ(form.picFrame()->geometry(), QRect(0, menu, Px(frmChart::kDesignWidth), Px(frmChart::kDesignHeight)));
    for (const int width : {700, 709, 708}) {
        SCOPED_TRACE(width);
        form.resize(width, 500);
        QApplication::processEvents();
        EXPECT_EQ(form.picFrame()->geometry(), QRect(0, menu, width, 500 - menu));
        EXPECT_EQ(form.TwipsGeometry(form.picFrame()), QRect(0, 0, width * 15, (500 - menu) * 15));
        EXPECT_EQ(form.VScroll1()->geometry(), Twips::Rect(width * 15 - 320, 0, 255, (500 - menu) * 15 - 60));
        EXPECT_EQ(form.VScroll1()->maximum(), 12000 - (500 - menu) * 15 + 300);
        // 709 pixels make an outer width of 10715: no sideways scrolling from there.
        EXPECT_EQ(form.HScroll1()->maximum() == 0, width >= 709);
    }
}

TEST(ChartWindow, ScrollRanges) {
    frmChart form;
    const int screen = form.ScreenWidth();
    ASSERT_GT(screen, 0);
    const struct {
        int outerWidth, outerHeight, canvasHeight;
        int hMax, vMax;
    } cases[] = {
        {10710, 7000, 12000, 0, 5990},                    // wide enough: no sideways scrolling
        {10709, 7000, 12000, screen - 10629, 5990},       // narrower: up to the screen's width
        {9400, 7000, 6000, screen - 9320, 0},             // one row: never below 0
        {9400, 7000, 18000, screen - 9320, 11990},
        {9400, 7000, 240000, screen - 9320, 233990},      // 40 rows: far beyond 16 bits
        {12000, 3000, 6000, 0, 3990},
        {200, 700, 6000, screen - 120, 6290},             // a tiny window
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.outerWidth << " x " << c.outerHeight << ", canvas " << c.canvasHeight);
        form.picSlide()->SetCanvasHeight(c.canvasHeight);
        form.Form_Resize(c.outerWidth, c.outerHeight);
        EXPECT_EQ(form.HScroll1()->maximum(), std::max(0, c.hMax));
        EXPECT_EQ(form.VScroll1()->maximum(), c.vMax);
        EXPECT_EQ(form.HScroll1()->minimum(), 0);
        EXPECT_EQ(form.VScroll1()->minimum(), 0);
    }
    EXPECT_EQ(form.HScroll1()->singleStep(), 200);
    EXPECT_EQ(form.HScroll1()->pageStep(), 700);
    EXPECT_EQ(form.VScroll1()->singleStep(), 200);
    EXPECT_EQ(form.VScroll1()->pageStep(), 700);
}

// The bars move the canvas: left = 1000 - horizontal value, top = - vertical value.
TEST(ChartWindow, ScrollingMovesTheCanvas) {
    frmChart form;
    form.picSlide()->SetCanvasHeight(18000);
    form.show();
    QApplication::setActiveWindow(&form);
    form.Form_Resize(9400, 7000);
    EXPECT_EQ(form.CanvasPosition(), QPoint(1000, 0));
    EXPECT_EQ(form.picSlide()->pos(), QPoint(Px(1000), 0));
    form.HScroll1()->setValue(700);
    EXPECT_EQ(form.CanvasPosition(), QPoint(300, 0));
    EXPECT_EQ(form.picSlide()->x(), Px(300));
    form.VScroll1()->setValue(6000);
    EXPECT_EQ(form.CanvasPosition(), QPoint(300, -6000));
    EXPECT_EQ(form.picSlide()->y(), Px(-6000));
    EXPECT_EQ(QApplication::focusWidget(), form.picFrame());

    // A shorter canvas pulls the bar back, and the canvas with it.
    form.picSlide()->SetCanvasHeight(6000);
    form.Form_Resize(9400, 7000);
    EXPECT_EQ(form.VScroll1()->value(), 0);
    EXPECT_EQ(form.CanvasPosition().y(), 0);

    // The wheel over the chart scrolls it down.
    form.picSlide()->SetCanvasHeight(18000);
    form.Form_Resize(9400, 7000);
    const QPointF at(Px(2000), Px(2000));
    QWheelEvent wheel(at, form.picFrame()->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.picSlide(), &wheel);
    EXPECT_GT(form.VScroll1()->value(), 0);
    EXPECT_EQ(form.CanvasPosition().y(), -form.VScroll1()->value());
}

// A 40-row chart: the last row scrolls fully into view in a window of the
// designed size, and only the rows in view are ever drawn.
TEST(ChartWindow, LastRowOfALongChartScrollsIntoView) {
    RecordingPrompter prompter;
    TempCharts files;
    QStringList lines;
    for (int i = 1; i <= 200; ++i) lines << QStringLiteral("Chord: C (%1)~").arg(i) + kCMajor;
    // Item 196 opens the last row: it differs from all the others.
    lines[195] = QStringLiteral("Map: last row~E-G#-B~True");
    OpenChart open = Open(files.Write(QStringLiteral("long"), Lines(lines)));
    ASSERT_TRUE(open.form);
    frmChart& form = *open.form;
    EXPECT_EQ(form.picSlide()->CanvasHeight(), 240000);
    const int frameHeight = form.TwipsGeometry(form.picFrame()).height();
    EXPECT_EQ(form.VScroll1()->maximum(), 240000 - frameHeight + 300);

    form.VScroll1()->setValue(form.VScroll1()->maximum());
    const QImage window = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ctlNeck reference;
    reference.MapNotes(QStringLiteral("E-G#-B"), true, true);
    const QImage expected = reference.Image().convertToFormat(QImage::Format_RGB32);
    // Where item 196's diagram stands in the window now.
    const ChartCell& cell = form.picSlide()->Cells()[195];
    EXPECT_EQ(cell.Top, 234000);
    const QPoint at = form.picFrame()->pos() + form.picSlide()->pos() +
                      QPoint(Px(cell.Left), Px(cell.Top + ChartCanvas::kDiagramOffset));
    ASSERT_TRUE(form.picFrame()->geometry().contains(QRect(at, expected.size())));
    EXPECT_LT(at.y() + expected.height(), form.picFrame()->y() + form.HScroll1()->y());  // above the bar
    EXPECT_EQ(window.copy(QRect(at, expected.size())), expected);
    EXPECT_LE(form.picSlide()->CachedRowCount(), ChartCanvas::kCachedRows);
    CloseAll(open);
}

}  // namespace

// Printing charts to PDF: pages, header, page numbers, the rows on each
// page, the blank chart's copies, Cancel and a job that fails, and where the
// header, the rules and the notes box stand on the page.

#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "AppInfo.h"
#include "ChartPrinter.h"
#include "RecordingPrompter.h"
#include "ViewerTestSupport.h"

using namespace viewertest;

namespace {

class ChartPrint : public ::testing::Test {
protected:
    void TearDown() override { CloseAll(open); }

    // Opens a chart of `items` numbered chords, or the blank chart for -1.
    frmChart& OpenChart(int items) {
        open = Open(items < 0 ? QStringLiteral("BLANK") : files.Write(QStringLiteral("print"), NumberedChords(items)));
        EXPECT_TRUE(open.form);
        return *open.form;
    }
    QString PdfPath() const { return files.Path(QStringLiteral("chart.pdf")); }
    // Prints straight to the PDF file.
    bool PrintToPdf(frmChart& form, int copies = 0) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(PdfPath());
        return form.PrintChart(printer, copies);
    }
    // The print dialog, answered: its printer set to the PDF file, then OK or Cancel.
    void AnswerPrintDialog(bool ok) {
        prompter.modal = [this, ok](QDialog& dialog) {
            auto& printDialog = dynamic_cast<QPrintDialog&>(dialog);
            printDialog.printer()->setOutputFormat(QPrinter::PdfFormat);
            printDialog.printer()->setOutputFileName(PdfPath());
            dialog.setResult(ok ? QDialog::Accepted : QDialog::Rejected);
        };
    }
    int ModalCalls() const {
        int n = 0;
        for (const auto& c : prompter.calls) n += c.kind == RecordingPrompter::Call::Kind::Modal;
        return n;
    }

    RecordingPrompter prompter;
    TempCharts files;
    viewertest::OpenChart open;
};

TEST(ChartPrinterPages, TwoRowsAPageAndNoEightBitLimit) {
    const struct {
        int canvasHeight, pages;
    } cases[] = {{6000, 1}, {12000, 1}, {18000, 2}, {24000, 2}, {30000, 3}, {1200000, 100}, {3066000, 256}};
    for (const auto& c : cases) EXPECT_EQ(ChartPrinter::PageCount(c.canvasHeight), c.pages) << c.canvasHeight;
}

TEST_F(ChartPrint, PageCounts) {
    const struct {
        int items, pages;
    } cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {10, 1}, {11, 2}, {21, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        frmChart& form = OpenChart(c.items);
        ASSERT_TRUE(PrintToPdf(form));
        EXPECT_EQ(PdfPages(PdfPath()), c.pages);
        CloseAll(open);
    }
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(ChartPrint, ThousandItemsMakeAHundredPages) {
    frmChart& form = OpenChart(1000);
    ASSERT_TRUE(PrintToPdf(form));
    EXPECT_EQ(PdfPages(PdfPath()), 100);
    const QString last = PdfPageText(PdfPath(), 100);
    EXPECT_TRUE(last.contains(Numbered(991)));
    EXPECT_TRUE(last.contains(Numbered(1000)));
    EXPECT_FALSE(last.contains(Numbered(990)));
}

// Each page: the header with the product page, its number at the top right,
// and the rows of that page only.
TEST_F(ChartPrint, HeaderPageNumbersAndRows) {
    frmChart& form = OpenChart(21);
    ASSERT_TRUE(PrintToPdf(form));
    ASSERT_EQ(PdfPages(PdfPath()), 3);
    // The product page by its name: the page shows no folder of the machine it was printed on.
    const QString header = QStringLiteral("Quillfret - Quillfret Pro ") + AppInfo::VersionText() + QStringLiteral(" help");
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const QString text = PdfPageText(PdfPath(), page);
        const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        // The first line holds the header and, at its right end, the page number.
        EXPECT_TRUE(lines[0].contains(header)) << lines[0].toStdString();
        EXPECT_FALSE(lines[0].contains(QStringLiteral("file:")) || lines[0].contains(QLatin1Char('/')))
            << lines[0].toStdString();
        EXPECT_TRUE(lines[0].trimmed().endsWith(QLatin1Char(' ') + QString::number(page))) << lines[0].toStdString();
        // Items 10 (p - 1) + 1 to 10 p, and no others.
        for (int i = 1; i <= 21; ++i) {
            const bool onThisPage = (i - 1) / 10 + 1 == page;
            EXPECT_EQ(text.contains(Numbered(i)), onThisPage) << i;
        }
    }
    // The second page starts with items 11 to 15, in order, on one line.
    const QStringList second = PdfPageText(PdfPath(), 2).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_GE(second.size(), 2);
    const QString firstRow = second[1];
    qsizetype at = -1;
    for (int i = 11; i <= 15; ++i) {
        const qsizetype next = firstRow.indexOf(Numbered(i));
        EXPECT_GT(next, at) << i << " in " << firstRow.toStdString();
        at = next;
    }
}

// Pages chosen in the print dialog: only those print, with their own numbers and rows.
TEST_F(ChartPrint, PageRange) {
    frmChart& form = OpenChart(35);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PdfPath());
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    ASSERT_TRUE(form.PrintChart(printer));
    ASSERT_EQ(PdfPages(PdfPath()), 2);
    const QString second = PdfPageText(PdfPath(), 1);
    EXPECT_TRUE(second.split(QLatin1Char('\n'), Qt::SkipEmptyParts)[0].trimmed().endsWith(QStringLiteral(" 2")));
    EXPECT_TRUE(second.contains(Numbered(11)));
    EXPECT_FALSE(second.contains(Numbered(10)));
    EXPECT_TRUE(PdfPageText(PdfPath(), 2).contains(Numbered(30)));
}

// The printed diagrams: the root markers are red on paper too.
TEST_F(ChartPrint, DiagramsOnThePage) {
    frmChart& form = OpenChart(1);
    ASSERT_TRUE(PrintToPdf(form));
    const QString prefix = files.Path(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), PdfPath(), prefix});
    const QImage page(prefix + QStringLiteral("-1.png"));
    ASSERT_FALSE(page.isNull());
    // 72 dpi: 20 twips a pixel. The diagram's box on the page (the printable
    // area starts at the page margin, so allow for it).
    const QRect diagram(1800 / 20, (2980 + 200) / 20, 1840 / 20 + 40, 5460 / 20 + 40);
    EXPECT_GT(Count(page, diagram, IsRed), 4);
    EXPECT_GT(Count(page, diagram, IsDark), 100);
}

// Lines that lack their code or flag, or whose code is empty, print their
// labels over empty cells, and the chart round them prints as ever.
TEST_F(ChartPrint, DamagedLinesPrintTheirLabels) {
    open = Open(files.Write(QStringLiteral("edited"), DamagedChart()));
    ASSERT_TRUE(open.form);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PdfPath());
    ASSERT_TRUE(open.form->PrintChart(printer));
    const int cells = kDamagedCount + 2;
    const int pages = (cells + 9) / 10;  // ten cells a page
    ASSERT_EQ(PdfPages(PdfPath()), pages);
    QString text;
    for (int page = 1; page <= pages; ++page) text += PdfPageText(PdfPath(), page);
    for (const QString& label : {QStringLiteral("Before (1)"), QStringLiteral("After (2)")})
        EXPECT_TRUE(text.contains(label)) << label.toStdString();
    for (const DamagedLine& d : kDamagedLines)
        EXPECT_TRUE(text.contains(d.label.trimmed())) << d.what << "\n" << text.toStdString();

    const QString prefix = files.Path(QStringLiteral("page"));
    RunTool(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("72"), QStringLiteral("-png"), PdfPath(), prefix});
    std::vector<QImage> images;
    for (int page = 1; page <= pages; ++page) {
        images.emplace_back(prefix + QStringLiteral("-%1.png").arg(page));
        ASSERT_FALSE(images.back().isNull()) << page;
    }
    // 72 dpi: a pixel is a point, 20 twips; the painter starts at the printable area.
    const QPoint margin = printer.pageLayout().paintRectPoints().topLeft();
    const auto diagramBox = [&](int cell) {
        const int onPage = cell % 10;
        const int left = ChartPrinter::kCanvasLeft + onPage % 5 * 1900;
        const int top = ChartPrinter::kCanvasTop + onPage / 5 * 6000 + ChartCanvas::kDiagramOffset;
        return QRect(margin + QPoint(left / 20 + 2, top / 20 + 2), QSize(1845 / 20 - 4, 5460 / 20 - 4));
    };
    const auto pageOf = [&](int cell) -> const QImage& { return images[static_cast<size_t>(cell / 10)]; };
    EXPECT_GT(Count(pageOf(0), diagramBox(0), IsDark), 100);
    EXPECT_GT(Count(pageOf(cells - 1), diagramBox(cells - 1), IsDark), 100);
    for (int i = 1; i <= kDamagedCount; ++i)
        EXPECT_EQ(Count(pageOf(i), diagramBox(i), [](const QColor& c) { return !IsWhite(c); }), 0)
            << kDamagedLines[i - 1].what;
    EXPECT_TRUE(prompter.Messages().empty());
}

// The blank chart asks how many copies and prints them without page numbers.
TEST_F(ChartPrint, BlankChartCopies) {
    frmChart& form = OpenChart(-1);
    prompter.inputs.push_back(QStringLiteral(" 3 "));
    AnswerPrintDialog(true);
    form.mnuPrint()->trigger();
    ASSERT_FALSE(prompter.calls.empty());
    const auto& ask = prompter.calls[0];
    EXPECT_EQ(ask.kind, RecordingPrompter::Call::Kind::Input);
    EXPECT_EQ(ask.text, QStringLiteral("How many pages?"));
    EXPECT_EQ(ask.title, QStringLiteral("Pages"));
    EXPECT_EQ(ask.defaultText, QStringLiteral("1"));
    EXPECT_EQ(ModalCalls(), 1);
    ASSERT_EQ(PdfPages(PdfPath()), 3);
    for (int page = 1; page <= 3; ++page) {
        const QString text = PdfPageText(PdfPath(), page);
        EXPECT_TRUE(text.contains(QStringLiteral("Quillfret - ")));
        EXPECT_TRUE(text.contains(QStringLiteral("_____________")));
        // The header line ends with the product page's name; no number stands anywhere else.
        QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty());
        EXPECT_TRUE(lines.takeFirst().trimmed().endsWith(QStringLiteral(" help")));
        EXPECT_FALSE(lines.join(QLatin1Char('\n')).contains(QRegularExpression(QStringLiteral("\\d"))))
            << text.toStdString();
    }
}

// Answers that are not a whole number from 1 to 255 print nothing and open no dialog.
TEST_F(ChartPrint, BlankChartRefusesOtherAnswers) {
    frmChart& form = OpenChart(-1);
    AnswerPrintDialog(true);
    const std::optional<QString> answers[] = {QStringLiteral("0"),   QStringLiteral(""),    QStringLiteral("abc"),
                                              QStringLiteral("256"), QStringLiteral("2.5"), QStringLiteral("-1"),
                                              std::nullopt};
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.value_or(QStringLiteral("(Cancel)")).toStdString());
        prompter.calls.clear();
        prompter.inputs = {answer};
        form.mnuPrint_Click();
        EXPECT_EQ(prompter.calls.size(), 1u);
        EXPECT_EQ(ModalCalls(), 0);
        EXPECT_FALSE(QFile::exists(PdfPath()));
    }
}

// A chart prints from the menu through the print dialog; Cancel prints nothing.
TEST_F(ChartPrint, PrintDialogOkAndCancel) {
    frmChart& form = OpenChart(6);
    AnswerPrintDialog(false);
    form.mnuPrint()->trigger();
    EXPECT_EQ(ModalCalls(), 1);
    EXPECT_FALSE(QFile::exists(PdfPath()));
    // Nothing was asked before the dialog: only the blank chart asks for copies.
    EXPECT_EQ(prompter.calls.size(), 1u);

    AnswerPrintDialog(true);
    form.mnuPrint()->trigger();
    EXPECT_EQ(PdfPages(PdfPath()), 1);
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(ChartPrint, FailedJobIsReported) {
    frmChart& form = OpenChart(3);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = files.Path(QStringLiteral("no/such/folder/chart.pdf"));
    printer.setOutputFileName(path);
    EXPECT_FALSE(form.PrintChart(printer));
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_EQ(prompter.Messages()[0].text,
              QStringLiteral("The chart could not be printed.\r\n\r\nThe file \"%1\" could not be written.").arg(path));
    EXPECT_EQ(prompter.Messages()[0].title, QStringLiteral("Quillfret Pro"));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::Exclamation);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---- the page's parts where they belong, read back from the PDF ----

// The painter draws in twips from the printable area's corner; pdftotext
// gives points from the page's corner, pdftoppm pixels at its dpi.
struct PageGeometry {
    QPointF corner;  // the printable area's corner, in points
    int dpi;

    QPointF Twips(const QPointF& points) const { return (points - corner) * 20; }
    double ToPixels(double twips, double cornerPoints) const { return (cornerPoints + twips / 20) * dpi / 72; }
    double ToTwips(double pixels, double cornerPoints) const { return (pixels * 72 / dpi - cornerPoints) * 20; }
    QPoint Pixel(const QPointF& twips) const {
        return QPoint(static_cast<int>(std::floor(ToPixels(twips.x(), corner.x()))),
                      static_cast<int>(std::floor(ToPixels(twips.y(), corner.y()))));
    }
    QRect Pixels(const QRectF& points) const {
        const double k = dpi / 72.0;
        const auto down = [k](double v) { return static_cast<int>(std::floor(v * k)); };
        const auto up = [k](double v) { return static_cast<int>(std::ceil(v * k)); };
        return QRect(QPoint(down(points.left()), down(points.top())), QPoint(up(points.right()), up(points.bottom())));
    }
};

// The ends, in twips, of the dark run through the middle of the rule from
// `from` to `to` (level or upright), followed along the rule's centre line.
std::pair<double, double> RuleEnds(const QImage& page, const PageGeometry& g, const QPointF& from, const QPointF& to) {
    const bool level = from.y() == to.y();
    const QPoint mid = g.Pixel((from + to) / 2);
    const auto dark = [&](int along) {
        const QPoint p = level ? QPoint(along, mid.y()) : QPoint(mid.x(), along);
        return page.rect().contains(p) && IsDark(page.pixelColor(p));
    };
    int first = level ? mid.x() : mid.y();
    if (!dark(first)) return {-1, -1};
    int last = first;
    while (dark(first - 1)) --first;
    while (dark(last + 1)) ++last;
    const double corner = level ? g.corner.x() : g.corner.y();
    return {g.ToTwips(first, corner), g.ToTwips(last + 1, corner)};
}

// The commonest stroke width in a box of the image: the median length of
// its rows' dark runs, in pixels.
int StrokeWidth(const QImage& image, const QRect& box) {
    std::vector<int> runs;
    const QRect r = box.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        int run = 0;
        for (int x = r.left(); x <= r.right() + 1; ++x) {
            if (x <= r.right() && IsDark(image.pixelColor(x, y))) {
                ++run;
            } else if (run > 0) {
                runs.push_back(run);
                run = 0;
            }
        }
    }
    if (runs.empty()) return 0;
    std::nth_element(runs.begin(), runs.begin() + static_cast<std::ptrdiff_t>(runs.size() / 2), runs.end());
    return runs[runs.size() / 2];
}

TEST_F(ChartPrint, TheHeaderRulesAndNotesBoxStandWhereTheyBelong) {
    frmChart& form = OpenChart(1);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(PdfPath());
    ASSERT_TRUE(form.PrintChart(printer));
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
    const double sw = area.width() * 20;  // the printable width in twips

    // The header line at (1800, 960) and the page number at (SW - 700, 1000),
    // each the top-left corner of its text.
    const std::vector<PdfWord> words = PdfWords(PdfPath(), 1);
    const auto wordOf = [&](const QString& text) {
        return std::find_if(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
    };
    const auto start = wordOf(QStringLiteral("Quillfret"));
    const auto number = wordOf(QStringLiteral("1"));
    ASSERT_NE(start, words.end());
    ASSERT_NE(number, words.end());
    QStringList line;
    QRectF header;
    for (const PdfWord& w : words) {
        if (std::abs(w.box.top() - start->box.top()) > 0.5) continue;
        line << w.text;
        header |= w.box;
    }
    EXPECT_EQ(line.join(QLatin1Char(' ')), QStringLiteral("Quillfret - ") + AppInfo::ProductPageName());
    const PageGeometry fine{area.topLeft(), 600};
    EXPECT_NEAR(fine.Twips(header.topLeft()).x(), 1800, 20);
    EXPECT_NEAR(fine.Twips(header.topLeft()).y(), 960, 20);
    // The number follows a blank.
    EXPECT_GE(fine.Twips(number->box.topLeft()).x(), sw - 700);
    EXPECT_LE(fine.Twips(number->box.topLeft()).x(), sw - 700 + 150);
    EXPECT_NEAR(fine.Twips(number->box.topLeft()).y(), 1000, 20);

    // The header in bold: its strokes are wider than those of the page
    // number, the same size in the regular face.
    const QRect band = fine.Pixels(header | number->box).adjusted(-4, -4, 4, 4);
    const QImage strip = PdfPageImage(PdfPath(), 1, fine.dpi, files.Path(QStringLiteral("header")), band);
    ASSERT_FALSE(strip.isNull());
    const int bold = StrokeWidth(strip, fine.Pixels(header).translated(-band.topLeft()));
    const int regular = StrokeWidth(strip, fine.Pixels(number->box).translated(-band.topLeft()));
    EXPECT_GE(bold, regular * 1.2) << bold << " px against " << regular;

    // The rules and the notes box, each from end to end.
    const PageGeometry g{area.topLeft(), 360};  // 4 twips a pixel; a rule is 15 twips wide
    const QImage page = PdfPageImage(PdfPath(), 1, g.dpi, files.Path(QStringLiteral("page")));
    ASSERT_FALSE(page.isNull());
    const double half = sw / 2;
    const struct {
        const char* what;
        QPointF from, to;
    } rules[] = {
        {"under the header", {1800, 1160}, {sw - 700, 1160}},
        {"first short rule", {1800, 1700}, {half, 1700}},
        {"second short rule", {1800, 2100}, {half, 2100}},
        {"third short rule", {1800, 2500}, {half, 2500}},
        {"box top", {half + 200, 1700}, {sw - 600, 1700}},
        {"box left", {half + 200, 1700}, {half + 200, 2500}},
        {"box right", {sw - 600, 1700}, {sw - 600, 2500}},
        {"box bottom", {half + 200, 2500}, {sw - 600, 2500}},
    };
    for (const auto& rule : rules) {
        SCOPED_TRACE(rule.what);
        const bool level = rule.from.y() == rule.to.y();
        const auto [first, last] = RuleEnds(page, g, rule.from, rule.to);
        // The pen's square caps reach a few twips past each end.
        EXPECT_NEAR(first, level ? rule.from.x() : rule.from.y(), 30);
        EXPECT_NEAR(last, level ? rule.to.x() : rule.to.y(), 30);
    }
    // Nothing is printed inside the box: it is for notes by hand.
    EXPECT_EQ(Count(page, QRect(g.Pixel({half + 260, 1760}), g.Pixel({sw - 660, 2440})), IsDark), 0);
}

}  // namespace

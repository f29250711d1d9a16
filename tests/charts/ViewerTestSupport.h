#pragma once
// Helpers for the chart viewer tests: chart files in a temporary folder,
// viewers opened on them, pixels read in twips, and PDF files read back
// with poppler's tools.

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <cmath>
#include <iterator>
#include <vector>

#include "ChartCanvas.h"
#include "QtPrinters.h"
#include "Twips.h"
#include "clsChart.h"
#include "frmChart.h"

namespace viewertest {

// The C major fingering, and the scale position and map used across the tests.
inline const QString kCMajor = QStringLiteral("0,6,3,3,2,2,0,0,1,1,0,0");
inline const QString kAMinorPosition = QStringLiteral("6,5,1|6,8,4|5,5,1|5,7,3|5,8,4|4,5,1|4,7,3");

// Chart files written into a folder that lives as long as the fixture.
class TempCharts {
public:
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name + QStringLiteral(".cht"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QString Path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

// Item lines with CR LF endings.
inline QByteArray Lines(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines) bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// `count` chord items, each named by its number ("#0007"), so that every
// label can be found again in a printed page.
inline QString Numbered(int i) { return QStringLiteral("#%1").arg(i, 4, 10, QLatin1Char('0')); }
inline QByteArray NumberedChords(int count) {
    QStringList lines{QStringLiteral("DESC:numbered chords")};
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("Chord: C %1 (1)~").arg(Numbered(i)) + kCMajor;
    return Lines(lines);
}

// Lines that lack what their kind needs (hand edits, or a "~" with nothing
// after it, as a save writes for a line that had none): each keeps its label
// and gets no diagram, never an empty fretboard. DamagedChart() puts them between a chord (the first cell)
// and a scale (the last), so that the rest of the chart shows round them.
struct DamagedLine {
    const char* what;
    QString line;
    QString label;
};
inline const DamagedLine kDamagedLines[] = {
    {"chord without a tilde", QStringLiteral("Chord: No tilde at all"), QStringLiteral(" No tilde at all")},
    {"scale without a tilde", QStringLiteral("Scale: Lost (2)"), QStringLiteral(" Lost (2)")},
    {"map without a tilde", QStringLiteral("Map: Bare"), QStringLiteral(" Bare")},
    {"map without a flag", QStringLiteral("Map: Half~C-E-G"), QStringLiteral(" Half")},
    {"map flag not a Boolean", QStringLiteral("Map: Maybe~C-E-G~Maybe"), QStringLiteral(" Maybe")},
    {"map flag empty", QStringLiteral("Map: Unset~C-E-G~"), QStringLiteral(" Unset")},
    {"chord with an empty code", QStringLiteral("Chord: C Major~"), QStringLiteral(" C Major")},
    {"scale with an empty code", QStringLiteral("Scale: A Minor (2)~"), QStringLiteral(" A Minor (2)")},
    {"chord code of blanks", QStringLiteral("Chord: Spaced (1)~  "), QStringLiteral(" Spaced (1)")},
    {"map with nothing after the tilde", QStringLiteral("Map: Nothing~"), QStringLiteral(" Nothing")},
    {"map with empty notes", QStringLiteral("Map: Empty~~True"), QStringLiteral(" Empty")},
    {"map notes of blanks", QStringLiteral("Map: Blanks~ ~False"), QStringLiteral(" Blanks")},
};
inline constexpr int kDamagedCount = static_cast<int>(std::size(kDamagedLines));
inline const QString kDamagedFirst = QStringLiteral("Chord: Before (1)~0,6,3,3,2,2,0,0,1,1,0,0");
inline const QString kDamagedLast = QStringLiteral("Scale: After (2)~6,5,1|6,8,4|5,5,1|5,7,3|5,8,4|4,5,1|4,7,3");
inline QByteArray DamagedChart() {
    QStringList lines{QStringLiteral("DESC:hand edited"), kDamagedFirst};
    for (const DamagedLine& d : kDamagedLines) lines << d.line;
    lines << kDamagedLast;
    return Lines(lines);
}

// A viewer that has shown `path`; the window is null when it showed none.
struct OpenChart {
    QPointer<clsChart> viewer;
    QPointer<frmChart> form;
};
inline OpenChart Open(const QString& path, const QString& name = QStringLiteral("Test")) {
    OpenChart open;
    open.viewer = new clsChart();
    open.viewer->ShowChart(path, name);
    if (open.viewer) open.form = open.viewer->ChartForm();
    return open;
}
// Closes what is still open and lets the deferred deletions run.
inline void CloseAll(OpenChart& open) {
    if (open.form) open.form->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    delete open.viewer.data();
}

inline int Px(double twips) { return Twips::ToPixels(twips); }
inline bool IsRed(const QColor& c) { return c.red() > 180 && c.green() < 140 && c.blue() < 140; }
inline bool IsDark(const QColor& c) { return c.red() < 110 && c.green() < 110 && c.blue() < 110; }
inline bool IsWhite(const QColor& c) { return c == QColor(Qt::white); }

// Pixels of a kind inside a box given in pixels.
template <typename Kind>
int Count(const QImage& image, const QRect& box, Kind kind) {
    int n = 0;
    const QRect r = box.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (kind(image.pixelColor(x, y))) ++n;
    return n;
}

// The canvas region of one cell's diagram, grabbed from the canvas widget.
inline QImage GrabDiagram(ChartCanvas& canvas, const ChartCell& cell, const QSize& size) {
    return canvas.grab(QRect(Px(cell.Left), Px(cell.Top + ChartCanvas::kDiagramOffset), size.width(), size.height()))
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// poppler's tools on a PDF file.
inline QString RunTool(const QString& program, const QStringList& args) {
    const QString exe = QStandardPaths::findExecutable(program);
    EXPECT_FALSE(exe.isEmpty()) << program.toStdString() << " is missing (poppler-utils)";
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(120000);
    return QString::fromUtf8(p.readAllStandardOutput());
}
inline int PdfPages(const QString& pdf) {
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(RunTool(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}
// The text of one page, laid out as on the page.
inline QString PdfPageText(const QString& pdf, int page) {
    return RunTool(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                QString::number(page), pdf, QStringLiteral("-")});
}

// A page as an image at `dpi`, of the whole page or of `crop` (pixels at that dpi).
inline QImage PdfPageImage(const QString& pdf, int page, int dpi, const QString& prefix, const QRect& crop = {}) {
    QStringList args{QStringLiteral("-r"), QString::number(dpi),       QStringLiteral("-f"),
                     QString::number(page), QStringLiteral("-l"),       QString::number(page),
                     QStringLiteral("-singlefile"), QStringLiteral("-png")};
    if (!crop.isNull())
        args << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y") << QString::number(crop.y())
             << QStringLiteral("-W") << QString::number(crop.width()) << QStringLiteral("-H")
             << QString::number(crop.height());
    RunTool(QStringLiteral("pdftoppm"), args << pdf << prefix);
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The words of one page with their boxes in points from the page's top-left
// corner: a box starts at the word's pen position and at the top of its line.
struct PdfWord {
    QRectF box;
    QString text;
};
inline std::vector<PdfWord> PdfWords(const QString& pdf, int page) {
    const QString xhtml = RunTool(QStringLiteral("pdftotext"),
                                  {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page),
                                   QStringLiteral("-l"), QString::number(page), pdf, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>"));
    std::vector<PdfWord> words;
    for (auto it = word.globalMatch(xhtml); it.hasNext();) {
        const auto m = it.next();
        words.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                         m.captured(5)});
    }
    return words;
}

}  // namespace viewertest

#include "ChartPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

#include "AppFonts.h"
#include "AppInfo.h"
#include "ChartCanvas.h"

namespace {

constexpr double kHeaderPoints = 10;
constexpr int kRuleWidth = 15;  // twips: a screen pixel's width, clearly visible on paper

QFont printerFont(bool bold) {
    QFont font = AppFonts::Tahoma(kHeaderPoints, bold);
    font.setPixelSize(static_cast<int>(kHeaderPoints * 20));  // the painter draws in twips
    // No ligatures: the header reads back as typed (no "fi" ligature) when
    // it is copied from the page.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Text with the top-left corner of its line at (x, y), as printed at a print position.
void printAt(QPainter& p, double x, double y, const QString& text) {
    p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), text);
}

void printHeader(QPainter& p, double sw, int pageNumber) {
    p.setFont(printerFont(true));
    printAt(p, 1800, 960, QStringLiteral("Quillfret - ") + AppInfo::ProductPageName());
    p.setFont(printerFont(false));
    // A number prints with a blank where a minus sign would stand.
    if (pageNumber > 0) printAt(p, sw - 700, 1000, QLatin1Char(' ') + QString::number(pageNumber));

    const double half = sw / 2;
    p.drawLine(QPointF(1800, 1160), QPointF(sw - 700, 1160));
    for (int y : {1700, 2100, 2500}) p.drawLine(QPointF(1800, y), QPointF(half, y));
    // The notes box.
    p.drawLine(QPointF(half + 200, 1700), QPointF(sw - 600, 1700));
    p.drawLine(QPointF(half + 200, 1700), QPointF(half + 200, 2500));
    p.drawLine(QPointF(sw - 600, 1700), QPointF(sw - 600, 2500));
    p.drawLine(QPointF(half + 200, 2500), QPointF(sw - 600, 2500));
}

}  // namespace

int ChartPrinter::PageCount(int canvasHeight) {
    if (canvasHeight <= 0) return 1;
    return (canvasHeight + kPageBand - 1) / kPageBand;
}

bool ChartPrinter::Print(ChartCanvas& canvas, QPrinter& printer, int copies) {
    QPainter p;
    if (!p.begin(&printer)) return false;
    const double scale = printer.resolution() / 1440.0;
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, kRuleWidth);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    const double sw = printer.pageRect(QPrinter::DevicePixel).width() / scale;

    int first = 1;
    int last = copies > 0 ? copies : PageCount(canvas.CanvasHeight());
    // Pages chosen in the print dialog; copies of the blank page have no range.
    if (copies == 0 && printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        first = std::max(first, printer.fromPage());
        if (printer.toPage() > 0) last = std::min(last, printer.toPage());
    }
    for (int page = first; page <= last; ++page) {
        if (page > first && !printer.newPage()) break;
        printHeader(p, sw, copies > 0 ? 0 : page);
        const int top = copies > 0 ? 0 : (page - 1) * kPageBand;
        canvas.PaintBand(p, top, top + kPageBand, QPointF(kCanvasLeft, kCanvasTop));
    }
    p.end();
    return printer.printerState() != QPrinter::Error;
}

#include "TwipsCanvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "AppFonts.h"
#include "Twips.h"

namespace {

// Fonts come in whole pixels: a point size is rounded to the screen's pixel
// grid (8 and 8.25 pt are both 11 px at 96 dpi), as the layouts expect.
QFont canvasFont(double points, bool bold) {
    QFont font = AppFonts::Tahoma(points, bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0))));
    return font;
}

void beginTwips(QPainter& p, const QColor& color) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.scale(1.0 / Twips::kPerPixel, 1.0 / Twips::kPerPixel);
    QPen pen(color);
    pen.setWidth(0);  // cosmetic: one pixel whatever the scale
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
}

}  // namespace

TwipsCanvas::TwipsCanvas(int widthTwips, int heightTwips, const QColor& backColor)
    : image_(Twips::ToPixels(widthTwips), Twips::ToPixels(heightTwips), QImage::Format_RGB32),
      backColor_(backColor) {
    image_.fill(backColor_);
}

void TwipsCanvas::Cls() {
    image_.fill(backColor_);
    currentX_ = 0;
    currentY_ = 0;
}

void TwipsCanvas::Line(double x1, double y1, double x2, double y2) {
    // A line stops one pixel short of its end point, so that a blanking line
    // ending on the nut leaves the nut whole.
    const QPoint from(Twips::ToPixels(x1), Twips::ToPixels(y1));
    QPoint to(Twips::ToPixels(x2), Twips::ToPixels(y2));
    const int dx = to.x() - from.x();
    const int dy = to.y() - from.y();
    if (dx != 0 || dy != 0) {
        if (std::abs(dx) >= std::abs(dy))
            to.rx() -= dx > 0 ? 1 : -1;
        else
            to.ry() -= dy > 0 ? 1 : -1;
        QPainter p(&image_);
        p.setPen(QPen(foreColor_, 1));
        p.drawLine(from, to);
    }
    currentX_ = x2;
    currentY_ = y2;
}

void TwipsCanvas::Circle(double x, double y, double radius, const QColor& color) {
    QPainter p(&image_);
    beginTwips(p, color);
    p.drawEllipse(QPointF(x, y), radius, radius);
}

void TwipsCanvas::Print(const QString& text) {
    if (text.isEmpty()) return;
    const QFont font = canvasFont(fontSize_, fontBold_);
    const QFontMetrics metrics(font);
    // Text is drawn unscaled at the whole pixel of the print position, so that
    // glyphs keep their hinting.
    const int left = Twips::ToPixels(currentX_);
    const int top = Twips::ToPixels(currentY_);
    QPainter p(&image_);
    p.setFont(font);
    p.setPen(foreColor_);
    p.drawText(QPoint(left, top + metrics.ascent()), text);
    currentX_ += Twips::FromPixels(metrics.horizontalAdvance(text));
}

void TwipsCanvas::PrintAt(double x, double y, const QString& text) {
    currentX_ = x;
    currentY_ = y;
    Print(text);
}

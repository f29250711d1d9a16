#include "ChartCanvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "AppFonts.h"
#include "Twips.h"
#include "ctlNeck.h"

namespace {

// The neck's picture is drawn at screen resolution; on paper it is enlarged
// this many times with smoothing first, so that its lines and digits print
// soft-edged instead of as blocks.
constexpr int kPrintUpscale = 3;

}  // namespace

ChartCanvas::ChartCanvas(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(AppFonts::Tahoma());
    resizeToCanvas();
}

void ChartCanvas::Clear() {
    cells_.clear();
    rows_.clear();
    update();
}

void ChartCanvas::AddCell(ChartCell cell) {
    // Cells come row by row; a row drawn before gains the new cell.
    rows_.remove_if([&](const auto& row) { return row.first == cell.Top; });
    cells_.push_back(std::move(cell));
    update();
}

void ChartCanvas::SetCanvasWidth(int twips) {
    width_ = std::max(0, twips);
    rows_.clear();
    resizeToCanvas();
}

void ChartCanvas::SetCanvasHeight(int twips) {
    height_ = std::max(0, twips);
    resizeToCanvas();
}

void ChartCanvas::resizeToCanvas() { resize(Twips::Size(width_, height_)); }

std::vector<ChartCell>::const_iterator ChartCanvas::firstCellFrom(int top) const {
    return std::lower_bound(cells_.begin(), cells_.end(), top,
                            [](const ChartCell& cell, int y) { return cell.Top < y; });
}

QImage ChartCanvas::Diagram(const ChartCell& cell) {
    if (!renderer_ || cell.Kind == ChartCell::Drawing::Nothing) return QImage();
    switch (cell.Kind) {
        case ChartCell::Drawing::Chord: renderer_->WriteChord(cell.Code); break;
        case ChartCell::Drawing::Scale: renderer_->WriteScale(cell.Code); break;
        case ChartCell::Drawing::Map:
            // The neck keeps its last drawing for a map with no notes: clear it first.
            renderer_->Clear();
            renderer_->MapNotes(cell.Code, cell.Flag, true);
            break;
        case ChartCell::Drawing::EmptyNeck:
        case ChartCell::Drawing::Nothing: renderer_->Clear(); break;
    }
    return renderer_->Image();
}

const QImage& ChartCanvas::rowImage(int rowTop) {
    for (auto it = rows_.begin(); it != rows_.end(); ++it) {
        if (it->first != rowTop) continue;
        rows_.splice(rows_.begin(), rows_, it);
        return rows_.front().second;
    }
    QImage image(Twips::ToPixels(width_), Twips::ToPixels(kRowPitch), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter p(&image);
        p.setFont(font());
        p.setPen(Qt::black);
        const int ascent = QFontMetrics(font(), &image).ascent();
        for (auto it = firstCellFrom(rowTop); it != cells_.end() && it->Top == rowTop; ++it) {
            // Text stands with its top-left corner at the print position.
            if (!it->Label.isEmpty())
                p.drawText(QPoint(Twips::ToPixels(it->LabelX), ascent), it->Label);
            const QImage diagram = Diagram(*it);
            if (!diagram.isNull())
                p.drawImage(QPoint(Twips::ToPixels(it->Left), Twips::ToPixels(kDiagramOffset)), diagram);
        }
    }
    rows_.emplace_front(rowTop, std::move(image));
    while (static_cast<int>(rows_.size()) > kCachedRows) rows_.pop_back();
    return rows_.front().second;
}

void ChartCanvas::Prerender(int top, int bottom) {
    int last = -1;
    for (auto it = firstCellFrom(top - kRowPitch + 1); it != cells_.end() && it->Top < bottom; ++it) {
        if (it->Top == last) continue;
        last = it->Top;
        rowImage(last);
    }
}

void ChartCanvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const QRect area = event->rect();
    p.fillRect(area, Qt::white);
    const int top = static_cast<int>(Twips::FromPixels(area.top()));
    const int bottom = static_cast<int>(Twips::FromPixels(area.bottom() + 1));
    int last = -1;
    for (auto it = firstCellFrom(top - kRowPitch + 1); it != cells_.end() && it->Top < bottom; ++it) {
        if (it->Top == last) continue;
        last = it->Top;
        // The row's picture is copied out of the cache before the next row may push it out.
        const QImage row = rowImage(last);
        p.drawImage(QPoint(0, Twips::ToPixels(last)), row);
    }
}

void ChartCanvas::PaintBand(QPainter& painter, int top, int bottom, const QPointF& origin) {
    painter.save();
    painter.setClipRect(QRectF(origin.x(), origin.y(), width_, bottom - top), Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::LosslessImageRendering);  // no JPEG smudges round the lines
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont labelFont = font();
    labelFont.setPixelSize(static_cast<int>(std::lround(labelFont.pointSizeF() * 20)));  // twips
    painter.setFont(labelFont);
    painter.setPen(Qt::black);
    const double ascent = QFontMetricsF(labelFont).ascent();
    for (auto it = firstCellFrom(top - kRowPitch + 1); it != cells_.end() && it->Top < bottom; ++it) {
        const double y = origin.y() + it->Top - top;
        if (!it->Label.isEmpty()) painter.drawText(QPointF(origin.x() + it->LabelX, y + ascent), it->Label);
        const QImage diagram = Diagram(*it);
        if (diagram.isNull()) continue;
        const QRectF target(origin.x() + it->Left, y + kDiagramOffset, Twips::FromPixels(diagram.width()),
                            Twips::FromPixels(diagram.height()));
        painter.drawImage(target, diagram.scaled(diagram.size() * kPrintUpscale, Qt::IgnoreAspectRatio,
                                                 Qt::SmoothTransformation));
    }
    painter.restore();
}

#pragma once
// The chart window's canvas: a grid of cells, each a label over a fretboard
// diagram, laid out in twips. The canvas keeps no picture of the whole chart:
// it holds what each cell shows and has the renderer (a hidden fretboard)
// draw a row when the row comes into view, keeping the last few rows drawn.
// Printing draws the same cells at the printer's resolution.

#include <QImage>
#include <QString>
#include <QWidget>
#include <list>
#include <utility>
#include <vector>

class QPainter;
class ctlNeck;

// One cell: its label and the diagram the renderer draws for it.
struct ChartCell {
    enum class Drawing {
        Nothing,    // no diagram (free text)
        EmptyNeck,  // the renderer's empty fretboard (blank chart)
        Chord,      // Code: a fingering ending in "$" and the root
        Scale,      // Code: a position string ending in "$" and the root
        Map,        // Code: a note list, root first; Flag: note names instead of stars
    };
    int Left = 0;    // twips from the canvas's left edge
    int Top = 0;     // the row's top
    int LabelX = 0;  // where the label starts
    QString Label;
    Drawing Kind = Drawing::Nothing;
    QString Code;
    bool Flag = false;
};

class ChartCanvas : public QWidget {
    Q_OBJECT
public:
    static constexpr int kRowPitch = 6000;       // twips from one row's top to the next
    static constexpr int kDiagramOffset = 200;   // diagram top below the row top
    static constexpr int kDesignWidth = 5655;
    static constexpr int kDesignHeight = 6000;   // one row
    static constexpr int kCachedRows = 8;        // rows kept drawn

    explicit ChartCanvas(QWidget* parent = nullptr);

    // The fretboard that draws every diagram.
    void SetRenderer(ctlNeck* renderer) { renderer_ = renderer; }

    // Removes every cell.
    void Clear();
    void AddCell(ChartCell cell);
    const std::vector<ChartCell>& Cells() const { return cells_; }

    int CanvasWidth() const { return width_; }
    int CanvasHeight() const { return height_; }
    void SetCanvasWidth(int twips);
    void SetCanvasHeight(int twips);

    // Draws the rows that meet the band from top to bottom (twips) ahead of
    // their being shown.
    void Prerender(int top, int bottom);
    int CachedRowCount() const { return static_cast<int>(rows_.size()); }

    // Paints the cells of the band [top, bottom) with the band's top-left at
    // `origin`, on a painter that draws in twips at any resolution, clipped
    // to the canvas's width and to the band.
    void PaintBand(QPainter& painter, int top, int bottom, const QPointF& origin);

    // The renderer's picture of one cell's diagram.
    QImage Diagram(const ChartCell& cell);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // First cell whose row lies at or below `top`.
    std::vector<ChartCell>::const_iterator firstCellFrom(int top) const;
    const QImage& rowImage(int rowTop);
    void resizeToCanvas();

    ctlNeck* renderer_ = nullptr;
    std::vector<ChartCell> cells_;
    int width_ = kDesignWidth;
    int height_ = kDesignHeight;
    std::list<std::pair<int, QImage>> rows_;  // drawn rows by their top, newest first
};

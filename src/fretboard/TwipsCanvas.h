#pragma once
// A picture surface drawn in twips that keeps what is drawn on it (a
// persistent image), with the drawing state carried from call to call as
// the layouts assume: fore colour, bold, font size and the print position.
// Text is placed by the top-left corner of its line at the print position.

#include <QColor>
#include <QImage>
#include <QString>

class TwipsCanvas {
public:
    TwipsCanvas(int widthTwips, int heightTwips, const QColor& backColor = Qt::white);

    const QImage& Image() const { return image_; }

    // Empties the surface to the back colour; the print position goes to (0, 0).
    void Cls();

    void SetForeColor(const QColor& color) { foreColor_ = color; }
    bool FontBold() const { return fontBold_; }
    void SetFontBold(bool bold) { fontBold_ = bold; }
    void SetFontSize(double points) { fontSize_ = points; }

    // A one-pixel line in the fore colour, without its end pixel. A point in
    // twips falls on the nearest pixel.
    void Line(double x1, double y1, double x2, double y2);
    // A one-pixel ring in the given colour.
    void Circle(double x, double y, double radius, const QColor& color);
    // Prints at the print position in the fore colour and the current font;
    // the print position moves to the end of the text on the same line.
    void Print(const QString& text);
    void PrintAt(double x, double y, const QString& text);

private:
    QImage image_;
    QColor backColor_;
    QColor foreColor_ = Qt::black;
    bool fontBold_ = false;
    double fontSize_ = 8.25;
    double currentX_ = 0;
    double currentY_ = 0;
};

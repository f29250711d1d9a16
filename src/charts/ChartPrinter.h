#pragma once
// Chart pages on a printer, laid out in twips: a bold header line with the
// product page's address, the page number at the top right, a rule under
// the header, three short rules and a box for handwritten notes, then two
// rows of the canvas (12000 twips) a page.

class ChartCanvas;
class QPrinter;

class ChartPrinter {
public:
    static constexpr int kPageBand = 12000;  // canvas twips on one page
    static constexpr int kCanvasLeft = 1800;
    static constexpr int kCanvasTop = 2980;

    // Pages for a canvas of that height: its rows two by two.
    static int PageCount(int canvasHeight);

    // Prints the pages of the canvas, numbered (those of the printer's page
    // range when it has one); with `copies` above 0, that many copies of the
    // first page without numbers. False when the printer could not begin the
    // job or ended it in error.
    static bool Print(ChartCanvas& canvas, QPrinter& printer, int copies = 0);
};

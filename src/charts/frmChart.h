#pragma once
// The chart window: a chart drawn by the viewer on a canvas larger than the
// window, scrolled with two scroll bars and printed from its File menu.
// Layouts are in twips. The window's outer size in the layouts is its
// viewport (the area under the menu bar) plus 80 twips across and 690 down,
// what the window's borders, caption and menu take.

#include <QRect>
#include <QWidget>

class ChartCanvas;
class QAction;
class QMenu;
class QMenuBar;
class QPrinter;
class QScrollBar;
class ctlNeck;

class frmChart : public QWidget {
    Q_OBJECT
public:
    // Client area as designed, below the menu bar.
    static constexpr int kDesignWidth = 9285;
    static constexpr int kDesignHeight = 6240;
    static constexpr int kFrameAllowanceX = 80;
    static constexpr int kFrameAllowanceY = 690;
    static constexpr int kNoSidewaysScrollWidth = 10710;  // outer width from which the canvas fits
    static constexpr int kCanvasLeft = 1000;              // canvas left in the viewport at scroll 0
    static constexpr int kCanvasWidth = 11300;            // set when the window loads

    explicit frmChart(QWidget* parent = nullptr);

    // The controls, by their names.
    ctlNeck* Neck() const { return Neck_; }
    ChartCanvas* picSlide() const { return picSlide_; }
    QWidget* picFrame() const { return picFrame_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    QScrollBar* VScroll1() const { return VScroll1_; }
    QMenuBar* MenuBar() const { return menuBar_; }
    QMenu* mnuFile() const { return mnuFile_; }
    QAction* mnuPrint() const { return mnuPrint_; }
    QAction* mnuFileClose() const { return mnuFileClose_; }

    QString Caption() const { return windowTitle(); }
    void SetCaption(const QString& caption) { setWindowTitle(caption); }

    // A blank chart prints as many unnumbered copies of its page as the user asks for.
    bool BlankGrid() const { return blankGrid_; }
    void SetBlankGrid(bool blank) { blankGrid_ = blank; }

    // The layout for an outer window size in twips: the viewport, the scroll
    // bars and their ranges. Run on every resize of the window.
    void Form_Resize(int outerWidth, int outerHeight);
    // The scroll bars along the viewport's edges.
    void picFrame_Resize();
    // Where the layout put a control, in twips (the viewport within the client
    // area under the menu bar, the scroll bars within the viewport).
    QRect TwipsGeometry(const QWidget* control) const;
    // Where the canvas stands in the viewport, in twips.
    QPoint CanvasPosition() const { return canvasPos_; }
    // The screen's width in twips: how far a narrow window scrolls sideways.
    int ScreenWidth() const;

    // Prints the chart on `printer`: two rows a page under the header, each
    // page numbered; with `copies` above 0, that many copies of the first
    // page without numbers. A job that fails is reported; false then.
    bool PrintChart(QPrinter& printer, int copies = 0);

    void mnuPrint_Click();
    void mnuFileClose_Click();

signals:
    void OnUnload();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void place(QWidget* control, const QRect& twips, int topPixels = 0);
    void moveCanvas();

    QMenuBar* menuBar_;
    QMenu* mnuFile_;
    QAction* mnuPrint_;
    QAction* mnuFileClose_;
    QWidget* picFrame_;
    ChartCanvas* picSlide_;
    ctlNeck* Neck_;
    QScrollBar* HScroll1_;
    QScrollBar* VScroll1_;
    QRect frameTwips_;
    QRect hScrollTwips_;
    QRect vScrollTwips_;
    QPoint canvasPos_{kCanvasLeft, 0};
    bool blankGrid_ = false;
    bool unloaded_ = false;
};

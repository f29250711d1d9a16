#include "frmChart.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "AppFonts.h"
#include "ChartCanvas.h"
#include "ChartPrinter.h"
#include "AppSettings.h"
#include "Prompter.h"
#include "SystemColors.h"
#include "Twips.h"
#include "ctlNeck.h"

namespace {

constexpr int kScrollBarSize = 255;
constexpr int kScrollBarInset = 320;  // viewport edge to the vertical bar's left
constexpr int kScrollBarGap = 60;
constexpr int kSmallChange = 200;
constexpr int kLargeChange = 700;

QScrollBar* scrollBar(Qt::Orientation orientation, int max, QWidget* parent) {
    auto* bar = new QScrollBar(orientation, parent);
    bar->setRange(0, max);
    bar->setSingleStep(kSmallChange);
    bar->setPageStep(kLargeChange);
    bar->setTracking(false);  // the canvas moves when the thumb is let go
    return bar;
}

// "2", " 3 ": a whole number from 1 to 255; anything else gives 0.
int copiesFromAnswer(const QString& answer) {
    bool ok = false;
    const int n = answer.trimmed().toInt(&ok);
    return ok && n >= 1 && n <= 255 ? n : 0;
}

}  // namespace

frmChart::frmChart(QWidget* parent) : QWidget(parent, Qt::Window) {
    setFont(AppFonts::Tahoma());

    menuBar_ = new QMenuBar(this);
    mnuFile_ = menuBar_->addMenu(QStringLiteral("&File"));
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint_ = mnuFile_->addAction(QStringLiteral("&Print"));
    mnuPrint_->setObjectName(QStringLiteral("mnuPrint"));
    mnuFile_->addSeparator()->setObjectName(QStringLiteral("mnusep"));
    mnuFileClose_ = mnuFile_->addAction(QStringLiteral("&Close"));
    mnuFileClose_->setObjectName(QStringLiteral("mnuFileClose"));

    picFrame_ = new QWidget(this);
    picFrame_->setObjectName(QStringLiteral("picFrame"));
    picFrame_->setAutoFillBackground(true);
    QPalette framePalette = picFrame_->palette();
    framePalette.setColor(QPalette::Window, SystemColors::SystemColor(SystemColors::ButtonFace));
    picFrame_->setPalette(framePalette);
    picFrame_->setFocusPolicy(Qt::ClickFocus);
    picFrame_->installEventFilter(this);

    picSlide_ = new ChartCanvas(picFrame_);
    picSlide_->setObjectName(QStringLiteral("picSlide"));
    Neck_ = new ctlNeck(picSlide_);
    Neck_->setObjectName(QStringLiteral("Neck"));
    Neck_->move(Twips::ToPixels(1680), Twips::ToPixels(240));
    Neck_->setVisible(false);
    picSlide_->SetRenderer(Neck_);
    picSlide_->installEventFilter(this);

    HScroll1_ = scrollBar(Qt::Horizontal, 5000, picFrame_);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    VScroll1_ = scrollBar(Qt::Vertical, 30000, picFrame_);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));

    // The designed places, until the first resize lays the window out.
    frameTwips_ = QRect(0, 0, 9255, kDesignHeight);
    hScrollTwips_ = QRect(0, 5880, 2775, kScrollBarSize);
    vScrollTwips_ = QRect(8880, 0, kScrollBarSize, 6180);
    place(picFrame_, frameTwips_, menuBar_->sizeHint().height());
    place(HScroll1_, hScrollTwips_);
    place(VScroll1_, vScrollTwips_);
    moveCanvas();

    connect(mnuPrint_, &QAction::triggered, this, &frmChart::mnuPrint_Click);
    connect(mnuFileClose_, &QAction::triggered, this, &frmChart::mnuFileClose_Click);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &frmChart::HScroll1_Change);
    connect(VScroll1_, &QScrollBar::valueChanged, this, &frmChart::VScroll1_Change);

    const QSize client = Twips::Size(kDesignWidth, kDesignHeight);
    resize(client.width(), client.height() + menuBar_->sizeHint().height());
    Form_Load();
}

void frmChart::Form_Load() {
    picSlide_->SetCanvasWidth(kCanvasWidth);
    mnuPrint_->setEnabled(true);
}

void frmChart::place(QWidget* control, const QRect& twips, int topPixels) {
    // A size the layout makes negative (a window smaller than its bars) is none.
    const QRect pixels = Twips::Rect(twips);
    control->setGeometry(QRect(pixels.topLeft() + QPoint(0, topPixels), pixels.size().expandedTo(QSize(0, 0))));
}

QRect frmChart::TwipsGeometry(const QWidget* control) const {
    if (control == picFrame_) return frameTwips_;
    if (control == HScroll1_) return hScrollTwips_;
    if (control == VScroll1_) return vScrollTwips_;
    return QRect();
}

int frmChart::ScreenWidth() const {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    return s ? Twips::FromPixels(s->geometry().width()) : 0;
}

void frmChart::resizeEvent(QResizeEvent*) {
    const int menuHeight = menuBar_->sizeHint().height();
    menuBar_->setGeometry(0, 0, width(), menuHeight);
    Form_Resize(Twips::FromPixels(width()) + kFrameAllowanceX,
                Twips::FromPixels(height() - menuHeight) + kFrameAllowanceY);
}

void frmChart::Form_Resize(int outerWidth, int outerHeight) {
    frameTwips_ = QRect(0, 0, outerWidth - kFrameAllowanceX, outerHeight - kFrameAllowanceY);
    place(picFrame_, frameTwips_, menuBar_->sizeHint().height());
    picFrame_Resize();
    // Ranges never fall below 0 and reach any canvas height, so the last row
    // of every chart can be scrolled into view.
    HScroll1_->setMaximum(outerWidth >= kNoSidewaysScrollWidth ? 0
                                                               : std::max(0, ScreenWidth() - frameTwips_.width()));
    VScroll1_->setMaximum(std::max(0, picSlide_->CanvasHeight() - frameTwips_.height() + 300));
}

void frmChart::picFrame_Resize() {
    const int w = frameTwips_.width();
    const int h = frameTwips_.height();
    vScrollTwips_ = QRect(w - kScrollBarInset, 0, kScrollBarSize, h - kScrollBarGap);
    hScrollTwips_ = QRect(0, h - kScrollBarSize - kScrollBarGap, w - kScrollBarInset, kScrollBarSize);
    place(VScroll1_, vScrollTwips_);
    place(HScroll1_, hScrollTwips_);
}

void frmChart::moveCanvas() {
    picSlide_->move(Twips::ToPixels(canvasPos_.x()), Twips::ToPixels(canvasPos_.y()));
    // The bars stay above the canvas wherever it moves.
    HScroll1_->raise();
    VScroll1_->raise();
}

void frmChart::HScroll1_Change(int value) {
    canvasPos_.setX(kCanvasLeft - value);
    moveCanvas();
    picFrame_->setFocus();
}

void frmChart::VScroll1_Change(int value) {
    canvasPos_.setY(-value);
    moveCanvas();
    picFrame_->setFocus();
}

bool frmChart::eventFilter(QObject* watched, QEvent* event) {
    // The mouse wheel over the chart scrolls it up and down.
    if ((watched == picFrame_ || watched == picSlide_) && event->type() == QEvent::Wheel) {
        QApplication::sendEvent(VScroll1_, event);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmChart::mnuFileClose_Click() { close(); }

void frmChart::closeEvent(QCloseEvent* event) {
    event->accept();
    Form_Unload();
}

void frmChart::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    emit OnUnload();
}

void frmChart::mnuPrint_Click() {
    int copies = 0;
    if (blankGrid_) {
        const std::optional<QString> answer =
            Prompter::Current().Input(QStringLiteral("How many pages?"), QStringLiteral("Pages"), QStringLiteral("1"));
        copies = answer ? copiesFromAnswer(*answer) : 0;
        if (copies == 0) return;
    }
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (copies > 0)
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    else
        dialog.setMinMax(1, ChartPrinter::PageCount(picSlide_->CanvasHeight()));
    Prompter::Current().RunModal(dialog);
    if (dialog.result() != QDialog::Accepted) return;
    PrintChart(printer, copies);
}

bool frmChart::PrintChart(QPrinter& printer, int copies) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool printed = ChartPrinter::Print(*picSlide_, printer, copies);
    QApplication::restoreOverrideCursor();
    if (printed) return true;
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
                              ? QStringLiteral("The file \"%1\" could not be written.").arg(printer.outputFileName())
                              : QStringLiteral("The printer \"%1\" did not take the job.").arg(printer.printerName());
    Prompter::Current().Message(QStringLiteral("The chart could not be printed.\r\n\r\n") + where,
                                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
    return false;
}

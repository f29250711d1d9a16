#include "frmTabWindow.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>

#include "AppFonts.h"
#include "TablatureFont.h"
#include "ToolWindowType.h"
#include "Twips.h"

namespace {

constexpr int kMargin = 60;
constexpr int kButtonSize = 210;
constexpr int kTipStrip = 660;  // the chart-play text under the item list


}  // namespace

frmTabWindow::frmTabWindow(QWidget* owner) : QWidget(owner, kWindowFlags) {
    setObjectName(QStringLiteral("TabWindowForm"));
    setWindowTitle(QStringLiteral("Tab Window"));
    setFixedSize(Twips::Size(kWidthTwips, kHeightTwips));
    setFont(AppFonts::Tahoma());

    txtTab_ = new QPlainTextEdit(this);
    txtTab_->setObjectName(QStringLiteral("txtTab"));
    txtTab_->setFont(TablatureFont());
    txtTab_->setReadOnly(true);
    txtTab_->setFrameShape(QFrame::NoFrame);
    txtTab_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtTab_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtTab_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    lblTip_ = new QLabel(this);
    lblTip_->setObjectName(QStringLiteral("lblTip"));
    lblTip_->setFont(AppFonts::Tahoma());
    lblTip_->setTextFormat(Qt::PlainText);
    lblTip_->setWordWrap(true);
    lblTip_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette tipPalette = lblTip_->palette();
    tipPalette.setColor(QPalette::WindowText, Qt::white);  // shown on the black panel
    lblTip_->setPalette(tipPalette);
    lblTip_->setVisible(false);

    lstChartItems_ = new QListWidget(this);
    lstChartItems_->setObjectName(QStringLiteral("lstChartItems"));
    lstChartItems_->setFont(AppFonts::Tahoma());
    lstChartItems_->setVisible(false);

    cmdButton_ = new QPushButton(this);
    cmdButton_->setObjectName(QStringLiteral("cmdButton"));
    cmdButton_->setToolTip(QStringLiteral("Tablature / Usage"));
    cmdButton_->setFocusPolicy(Qt::NoFocus);
    cmdButton_->setVisible(false);
    connect(cmdButton_, &QPushButton::clicked, this, &frmTabWindow::cmdButton_Click, Qt::DirectConnection);

    for (QWidget* w : {static_cast<QWidget*>(txtTab_), static_cast<QWidget*>(lblTip_),
                       static_cast<QWidget*>(lstChartItems_), static_cast<QWidget*>(cmdButton_)})
        w->installEventFilter(this);
    Arrange();
}

frmTabWindow::~frmTabWindow() { emit OnUnload(); }

void frmTabWindow::SetTabText(const QString& text) {
    tabText_ = text;
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    txtTab_->setPlainText(shown);
}

void frmTabWindow::SetShapeColor(const QColor& color) {
    shapeColor_ = color;
    update();
}

void frmTabWindow::cmdButton_Click() {
    emit ButtonClick();
    SetShapeColor(shapeColor_ == QColor(Qt::white) ? QColor(Qt::black) : QColor(Qt::white));
}

bool frmTabWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) Arrange();
    return QWidget::eventFilter(watched, event);
}

void frmTabWindow::Arrange() {
    const bool withButton = cmdButton_->isVisibleTo(this);
    const bool withList = lstChartItems_->isVisibleTo(this);
    const bool withTip = lblTip_->isVisibleTo(this);
    int areaWidth = kWidthTwips - 2 * kMargin;
    if (withButton) areaWidth -= kButtonSize + kMargin;
    const int areaHeight = kHeightTwips - 2 * kMargin;
    cmdButton_->setGeometry(Twips::Rect(kWidthTwips - kMargin - kButtonSize, kMargin, kButtonSize, kButtonSize));

    // The panel lies behind the text and the tip; in chart play the list
    // takes the top and the tip a strip below it.
    if (withList && withTip) {
        lstChartItems_->setGeometry(Twips::Rect(kMargin, kMargin, areaWidth, areaHeight - kTipStrip - kMargin));
        shapeRect_ = Twips::Rect(kMargin, kHeightTwips - kMargin - kTipStrip, areaWidth, kTipStrip);
    } else {
        lstChartItems_->setGeometry(Twips::Rect(kMargin, kMargin, areaWidth, areaHeight));
        shapeRect_ = Twips::Rect(kMargin, kMargin, areaWidth, areaHeight);
    }
    txtTab_->setGeometry(shapeRect_.adjusted(3, 3, -3, -3));
    lblTip_->setGeometry(shapeRect_.adjusted(6, 4, -6, -4));
    update();
}

void frmTabWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(shapeRect_, shapeColor_);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(shapeRect_.adjusted(0, 0, -1, -1));
}

void frmTabWindow::showEvent(QShowEvent* event) {
    // Close only on its title bar, also where the window manager ignores the
    // flags; told each time before the window is mapped again.
    if (!event->spontaneous()) ToolWindowType::MarkAsPanel(this);
    QWidget::showEvent(event);
}

void frmTabWindow::closeEvent(QCloseEvent* event) {
    // The window lives as long as its owner: closing it only hides it.
    hide();
    event->ignore();
}

#include "frmSplash.h"

#include <QLabel>
#include <QPainter>

#include "AppFonts.h"
#include "AppInfo.h"
#include "AppSettings.h"
#include "Twips.h"

namespace {

constexpr int kWidthTwips = 5400;
constexpr int kHeightTwips = 2700;

QLabel* makeLabel(QWidget* parent, const QString& text, const QFont& font, const QRect& twips) {
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->setGeometry(Twips::Rect(twips));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(pal);
    return label;
}

}  // namespace

frmSplash::frmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(AppSettings::AppTitle());
    setFixedSize(Twips::Size(kWidthTwips, kHeightTwips));
    setMouseTracking(true);
    labels_[0] = makeLabel(this, AppSettings::AppTitle(), AppFonts::Tahoma(20, true), QRect(360, 420, 4800, 600));
    labels_[1] = makeLabel(this, AppInfo::VersionText(), AppFonts::Tahoma(9), QRect(390, 1050, 2400, 300));
    labels_[2] = makeLabel(this, QStringLiteral("Chords, scales and charts for the guitar"), AppFonts::Tahoma(9),
                           QRect(390, 1380, 4800, 300));
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(24, 28, 36));
    // A stretch of fretboard along the bottom: six strings over a few frets.
    p.scale(1.0 / Twips::kPerPixel, 1.0 / Twips::kPerPixel);
    const QRect board(0, 1860, kWidthTwips, 660);
    p.fillRect(board, QColor(92, 58, 34));
    p.setPen(QPen(QColor(200, 200, 205), 30));
    for (int x = 300; x < kWidthTwips; x += 900) p.drawLine(x, board.top(), x, board.bottom());
    for (int s = 0; s < 6; ++s) {
        const int y = board.top() + 60 + s * 108;
        p.setPen(QPen(QColor(230, 226, 214), 12 + 4 * s));
        p.drawLine(0, y, kWidthTwips, y);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 40, 40));
    p.drawEllipse(QPoint(750, board.top() + 60 + 2 * 108), 70, 70);
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPoint(1650, board.top() + 60 + 4 * 108), 70, 70);
    p.drawEllipse(QPoint(2550, board.top() + 60 + 3 * 108), 70, 70);
}

void frmSplash::mouseMoveEvent(QMouseEvent*) { close(); }

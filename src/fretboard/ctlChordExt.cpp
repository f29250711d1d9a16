#include "ctlChordExt.h"

#include <QColor>
#include <algorithm>
#include <vector>

#include "AppFonts.h"
#include "SelectorButton.h"
#include "Twips.h"

namespace {

enum Family { Major, Minor, Dominant, Plain };

// The look of each extension button; its caption is the extension's name in
// the engine's table, whose codes the buttons carry.
struct ExtDesign {
    const char* tip;
    Family family;
    int left;
    int top;
};

constexpr ExtDesign kButtons[ctlChordExt::kExtensions] = {
    {"Major, Maj, M", Major, -20, -20},
    {"Minor, min, m", Minor, 630, -20},
    {"Dominant Seven, Dom7, 7", Dominant, 1270, -20},
    {"Suspended, sus, sus4", Major, -20, 220},
    {"Minor Six, min6, m6", Minor, 630, 220},
    {"Seven Suspended, sus7, 7sus4", Dominant, 1270, 220},
    {"Major Flat Five, -5, b5", Major, -20, 460},
    {"Minor Six Add Nine, min6(add9), m6(add9)", Minor, 630, 460},
    {"Diminished Seven, dim7, -7, Diminished, dim.", Dominant, 1270, 460},
    {"Major Add 9", Major, -20, 700},
    {"Minor Seven, min7, m7", Minor, 630, 700},
    {"Seven Sharp Five, +7, 7+5", Dominant, 1270, 940},
    {"Major Six, Maj6, M6", Major, -20, 940},
    {"Minor Seven Flat Five,1/2dim7, min7b5, m7-5", Minor, 630, 940},
    {"Seven Flat Five, 7-5", Dominant, 1270, 700},
    {"Major Six Add Nine, Maj6(add9), M6(add9)", Major, -20, 1180},
    {"Minor Nine, min9, -9", Minor, 630, 1430},
    {"Seven Sharp Nine, 7+9", Dominant, 1280, 1425},
    {"Major Seven, M7", Major, -20, 1420},
    {"Minor Nine Major Seven, m9(maj7), m9#7", Minor, 630, 1670},
    {"Seven Flat Nine, 7-9", Dominant, 1270, 1180},
    {"Minor Major Seven, m(+7), min(+7)", Major, 630, 1180},
    {"Minor Eleven, min11, -11", Minor, 630, 1910},
    {"Seven Sharp Five Flat Nine, 7+5-9", Dominant, 1270, 1660},
    {"Major Nine, M9", Major, -20, 1660},
    {"Minor Thirteen, min13, -13", Minor, 630, 2150},
    {"Ninth", Dominant, 1270, 1905},
    {"Nine Sharp Five, 9+5", Dominant, 1280, 2380},
    {"Nine Flat Five, 9-5", Dominant, 1280, 2150},
    {"Nine Sharp Eleven", Dominant, 630, 2380},
    {"Eleventh", Dominant, -20, 1910},
    {"Thirteenth", Dominant, -20, 2150},
    {"Thirteen Flat Nine", Dominant, -20, 2380},
    {"Thirteen Flat Five Flat Nine", Dominant, -20, 2620},
    {"Augmented", Plain, 630, 2620},
};

QColor familyColor(Family family) {
    switch (family) {
        case Major: return QColor(192, 255, 255);
        case Minor: return QColor(192, 192, 255);
        case Dominant: return QColor(255, 192, 192);
        case Plain: break;
    }
    return QColor();
}

// Rows lie 240 twips apart from -20; a few buttons sit a few twips off their row.
int rowOf(const QWidget* w) { return (Twips::FromPixels(w->y()) + 20 + 120) / 240; }

}  // namespace

ctlChordExt::ctlChordExt(QWidget* parent) : QWidget(parent) {
    setFixedSize(Twips::Size(1950, 2900));  // resizing snaps back
    QWidget* holder = TwipsLayout::MakeHolder(this, 20, 20, 1920, 2860);
    const QFont bigBold = AppFonts::Tahoma(9, true);
    for (int i = 0; i < kExtensions; ++i) {
        const ExtDesign& e = kButtons[i];
        auto* b = new SelectorButton(QString::fromUtf8(kChordExtensions[static_cast<size_t>(i)].Name),
                                     QRect(e.left, e.top, 660, 255), holder);
        b->setToolTip(QLatin1String(e.tip));
        if (e.family == Plain)
            b->setFont(bigBold);
        else
            b->SetFaceColor(familyColor(e.family));
        connect(b, &QPushButton::clicked, this, [this, i] {
            extCode_ = static_cast<int16_t>(i);
            emit Change(static_cast<int16_t>(i));
        });
        connect(b, &SelectorButton::MouseUp, this, &ctlChordExt::MouseUp);
        buttons_[static_cast<size_t>(i)] = b;
    }
    clear_ = new SelectorButton(QStringLiteral("Clear"), QRect(1280, 2620, 660, 255), holder);
    clear_->setFont(bigBold);
    connect(clear_, &QPushButton::clicked, this, [this] {
        emit Clear();
        emit MouseUp();
    });

    // Tab order by rows, left to right.
    std::vector<QWidget*> order(buttons_.begin(), buttons_.end());
    order.push_back(clear_);
    std::stable_sort(order.begin(), order.end(), [](const QWidget* a, const QWidget* b) {
        return rowOf(a) != rowOf(b) ? rowOf(a) < rowOf(b) : a->x() < b->x();
    });
    for (size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

#include "frmTips.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "AppFonts.h"
#include "CarryOn.h"
#include "ModalBox.h"
#include "TablatureFont.h"
#include "Twips.h"

namespace {

constexpr int kBoxLeft = 1740;
constexpr int kBoxTop = 1080;
constexpr int kBoxPitch = 240;
constexpr int kStaffLeft = 480;


}  // namespace

frmTips::frmTips(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmTips"));
    setWindowTitle(QStringLiteral("Enter Chord Tab"));
    ModalBox::Prepare(*this);
    setFixedSize(Twips::Size(3540, 3420));
    setFont(AppFonts::Tahoma());

    lblTitle_ = new QLabel(QStringLiteral(" Enter Tablature:"), this);
    lblTitle_->setObjectName(QStringLiteral("lblTitle"));
    lblTitle_->setFont(AppFonts::Tahoma(8.25, true));
    lblTitle_->setGeometry(Twips::Rect(360, 480, 2820, 300));

    for (int i = 0; i < kStrings; ++i) {
        const int top = kBoxTop + kBoxPitch * i;
        auto* staff = new QLabel(QString(26, QLatin1Char('-')), this);
        staff->setObjectName(QStringLiteral("Label1_%1").arg(i));
        staff->setFont(TablatureFont());
        // A pixel lower, so that the staff meets the dashes in the box.
        staff->setGeometry(Twips::Rect(kStaffLeft, top + 15, 2700, 285));
        staff->installEventFilter(this);
        label1_[static_cast<size_t>(i)] = staff;

        auto* box = new QLineEdit(QStringLiteral("--"), this);
        box->setObjectName(QStringLiteral("txt_%1").arg(i));
        box->setFont(TablatureFont());
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        // The box is two characters wide: take back the edit's own inner margin.
        box->setTextMargins(-2, 0, -2, 0);
        QPalette pal = box->palette();
        pal.setColor(QPalette::Base, QColor(0xE0, 0xE0, 0xE0));
        box->setPalette(pal);
        box->setGeometry(Twips::Rect(kBoxLeft, top, 230, 285));
        box->installEventFilter(this);
        txt_[static_cast<size_t>(i)] = box;
    }

    cmdOk_ = new QPushButton(QStringLiteral("Ok"), this);
    cmdOk_->setObjectName(QStringLiteral("cmdOk"));
    cmdOk_->setGeometry(Twips::Rect(1245, 2790, 1050, 375));
    cmdOk_->setDefault(true);
    connect(cmdOk_, &QPushButton::clicked, this, &frmTips::cmdOk_Click, Qt::DirectConnection);
}

QString frmTips::FingeringOf(const std::array<QString, kStrings>& texts) {
    QString code;
    for (int i = kStrings - 1; i >= 0; --i) {
        const QString t = texts[static_cast<size_t>(i)].trimmed();
        QString part;
        if (t.isEmpty() || t.toLower() == QLatin1String("x") || t == QLatin1String("--")) {
            part = QStringLiteral("0,6,");
        } else {
            QString fret = texts[static_cast<size_t>(i)];
            fret.remove(QLatin1Char('-'));
            part = fret.trimmed() + QStringLiteral(",0,");
        }
        code += part.trimmed();
    }
    code.chop(1);  // the trailing comma
    return code;
}

void frmTips::cmdOk_Click() {
    CarryOn("frmTips::cmdOk_Click")([&] {
        std::array<QString, kStrings> texts;
        for (int i = 0; i < kStrings; ++i) texts[static_cast<size_t>(i)] = txt_[static_cast<size_t>(i)]->text();
        emit SetChord(FingeringOf(texts));
    });
}

void frmTips::Label1_Click(int16_t Index) {
    if (Index >= 0 && Index < kStrings) txt_[static_cast<size_t>(Index)]->setFocus(Qt::MouseFocusReason);
}

void frmTips::txt_GotFocus(int16_t Index) {
    if (Index < 0 || Index >= kStrings) return;
    QLineEdit* box = txt_[static_cast<size_t>(Index)];
    box->selectAll();
    // A click that gave the focus would place the cursor after us: select again once it has.
    QTimer::singleShot(0, box, [box] {
        if (box->hasFocus()) box->selectAll();
    });
}

bool frmTips::eventFilter(QObject* watched, QEvent* event) {
    for (int i = 0; i < kStrings; ++i) {
        if (watched == txt_[static_cast<size_t>(i)] && event->type() == QEvent::FocusIn)
            txt_GotFocus(static_cast<int16_t>(i));
        if (watched == label1_[static_cast<size_t>(i)] && event->type() == QEvent::MouseButtonPress) {
            Label1_Click(static_cast<int16_t>(i));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

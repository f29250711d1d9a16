#include "frmAbout.h"

#include <QLabel>
#include <QMouseEvent>

#include "AppFonts.h"
#include "AppIcon.h"
#include "AppInfo.h"
#include "ModalBox.h"
#include "ProductPage.h"
#include "Twips.h"
#include "ctlButton.h"

namespace {

constexpr int kWidth = 6600;
constexpr int kHeight = 3000;
constexpr int kTextLeft = 1500;
constexpr int kTextWidth = kWidth - kTextLeft - 240;

QLabel* label(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
              int height, const QFont& font) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(Twips::Rect(left, top, width, height));
    l->setFont(font);
    return l;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Quillfret"));
    ModalBox::Prepare(*this);
    setFixedSize(Twips::Size(kWidth, kHeight));
    setFont(AppFonts::Tahoma());
    // The bare box shows the arrow; only the link shows the hand.
    setCursor(Qt::ArrowCursor);

    auto* picIcon = label(this, "picIcon", QString(), 360, 300, 960, 960, font());
    picIcon->setPixmap(AppIcon::Icon().pixmap(64, 64));
    label(this, "lblTitle", QStringLiteral("Quillfret Pro"), kTextLeft, 300, kTextWidth, 360,
          AppFonts::Tahoma(12, true));
    lblProduct_ = label(this, "lblProduct", QString(), kTextLeft, 720, kTextWidth, 255, font());
    auto* lblAbout = label(this, "lblAbout",
                           QStringLiteral("Chord and scale dictionaries, a chord namer, note maps, chord "
                                          "charts and MIDI playback for guitarists."),
                           kTextLeft, 1050, kTextWidth, 480, font());
    lblAbout->setWordWrap(true);

    // The product page by its name as a link; its address would only show a
    // folder of this machine.
    lblURL_ = label(this, "lblURL", AppInfo::ProductPageName(), kTextLeft, 1680, kTextWidth, 255, font());
    QPalette linkPalette = lblURL_->palette();
    linkPalette.setColor(QPalette::WindowText, QColor(0, 0, 255));
    lblURL_->setPalette(linkPalette);
    QFont linkFont = lblURL_->font();
    linkFont.setUnderline(true);
    lblURL_->setFont(linkFont);
    lblURL_->setToolTip(QStringLiteral("Quillfret Web Site"));
    lblURL_->setCursor(Qt::PointingHandCursor);
    lblURL_->installEventFilter(this);

    btnOk_ = new ctlButton(this);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnOk_->SetCaption(QStringLiteral("OK"));
    btnOk_->SetFont(font());
    btnOk_->Move(kWidth - 240 - 1475, kHeight - 240 - 375, 1475, 375);
    connect(btnOk_, &ctlButton::Click, this, &frmAbout::btnOk_Click, Qt::DirectConnection);

    Form_Load();
}

void frmAbout::Form_Load() {
    lblProduct_->setText(QStringLiteral("Quillfret Pro Version ") + AppInfo::VersionText());
}

void frmAbout::btnOk_Click() { accept(); }

void frmAbout::lblURL_Click() { ProductPage::Open(); }

void frmAbout::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        emit OnUnload();
    }
    QDialog::done(result);
}

bool frmAbout::eventFilter(QObject* watched, QEvent* event) {
    // A click on the link: released on it with the left button.
    if (watched == lblURL_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* release = static_cast<QMouseEvent*>(event);
        if (release->button() == Qt::LeftButton && lblURL_->rect().contains(release->position().toPoint())) {
            lblURL_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

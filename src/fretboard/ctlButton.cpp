#include "ctlButton.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>

#include "AppFonts.h"
#include "SystemColors.h"
#include "Twips.h"

namespace {

constexpr uint32_t kDefaultBackColor = SystemColors::System(SystemColors::ButtonFace);
constexpr int kMinWidth = 1000;
constexpr int kMinHeight = 330;

int16_t mouseButton(Qt::MouseButtons buttons) {
    int16_t b = 0;
    if (buttons & Qt::LeftButton) b |= 1;
    if (buttons & Qt::RightButton) b |= 2;
    if (buttons & Qt::MiddleButton) b |= 4;
    return b;
}

int16_t shiftState(Qt::KeyboardModifiers mods) {
    int16_t s = 0;
    if (mods & Qt::ShiftModifier) s |= 1;
    if (mods & Qt::ControlModifier) s |= 2;
    if (mods & Qt::AltModifier) s |= 4;
    return s;
}

}  // namespace

ctlButton::ctlButton(QWidget* parent)
    : QWidget(parent),
      picture1_(new QWidget(this)),
      command1_(new QPushButton(picture1_)),
      backColor_(kDefaultBackColor) {
    picture1_->setObjectName(QStringLiteral("Picture1"));
    command1_->setObjectName(QStringLiteral("Command1"));
    picture1_->setFocusPolicy(Qt::ClickFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(224, 224, 224));
    setPalette(pal);
    command1_->setFont(AppFonts::Tahoma());
    command1_->setText(QStringLiteral("Flat Button"));
    command1_->installEventFilter(this);
    connect(command1_, &QPushButton::clicked, this, [this] { emit Click(); });
    applyBackColor();
    applySize(widthTwips_, heightTwips_);
}

void ctlButton::markChanged(const QString& name) {
    if (!changed_.contains(name)) changed_.append(name);
    emit PropertyChanged(name);
}

void ctlButton::SetBackColor(uint32_t color) {
    backColor_ = color;
    applyBackColor();
    markChanged(QStringLiteral("BackColor"));
}

void ctlButton::applyBackColor() {
    QPalette pal = command1_->palette();
    pal.setColor(QPalette::Button, SystemColors::ToQColor(backColor_));
    command1_->setPalette(pal);
}

void ctlButton::SetForeColor(uint32_t color) {
    foreColor_ = color;
    markChanged(QStringLiteral("ForeColor"));
}

bool ctlButton::Enabled() const { return command1_->isEnabled(); }

void ctlButton::SetEnabled(bool enabled) {
    command1_->setEnabled(enabled);
    markChanged(QStringLiteral("Enabled"));
}

QFont ctlButton::Font() const { return command1_->font(); }

void ctlButton::SetFont(const QFont& font) {
    command1_->setFont(font);
    markChanged(QStringLiteral("Font"));
}

void ctlButton::SetBackStyle(int16_t style) {
    backStyle_ = style;
    markChanged(QStringLiteral("BackStyle"));
}

void ctlButton::SetBorderStyle(int16_t style) {
    borderStyle_ = style;
    markChanged(QStringLiteral("BorderStyle"));
}

QString ctlButton::Caption() const { return command1_->text(); }

void ctlButton::SetCaption(const QString& caption) {
    command1_->setText(caption);
    markChanged(QStringLiteral("Caption"));
}

QString ctlButton::ToolTipText() const { return command1_->toolTip(); }

void ctlButton::SetToolTipText(const QString& text) {
    command1_->setToolTip(text);
    markChanged(QStringLiteral("ToolTipText"));
}

void ctlButton::InitProperties() {
    foreColor_ = 0;
    backStyle_ = 0;
    borderStyle_ = 0;
}

void ctlButton::ReadProperties(const PropertyBag& bag) {
    backColor_ = bag.ReadProperty(QStringLiteral("BackColor"), kDefaultBackColor).toUInt();
    applyBackColor();
    foreColor_ = bag.ReadProperty(QStringLiteral("ForeColor"), 0u).toUInt();
    command1_->setEnabled(bag.ReadProperty(QStringLiteral("Enabled"), true).toBool());
    const QFont ambient = parentWidget() ? parentWidget()->font() : AppFonts::Tahoma();
    command1_->setFont(bag.ReadProperty(QStringLiteral("Font"), ambient).value<QFont>());
    backStyle_ = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("BackStyle"), 0).toInt());
    borderStyle_ = static_cast<int16_t>(bag.ReadProperty(QStringLiteral("BorderStyle"), 0).toInt());
    command1_->setText(bag.ReadProperty(QStringLiteral("Caption"), QStringLiteral("Command1")).toString());
    command1_->setToolTip(bag.ReadProperty(QStringLiteral("ToolTipText"), QString()).toString());
}

void ctlButton::WriteProperties(PropertyBag& bag) const {
    bag.WriteProperty(QStringLiteral("BackColor"), backColor_, kDefaultBackColor);
    bag.WriteProperty(QStringLiteral("ForeColor"), foreColor_, 0u);
    bag.WriteProperty(QStringLiteral("Enabled"), command1_->isEnabled(), true);
    const QFont ambient = parentWidget() ? parentWidget()->font() : AppFonts::Tahoma();
    bag.WriteProperty(QStringLiteral("Font"), command1_->font(), ambient);
    bag.WriteProperty(QStringLiteral("BackStyle"), static_cast<int>(backStyle_), 0);
    bag.WriteProperty(QStringLiteral("BorderStyle"), static_cast<int>(borderStyle_), 0);
    bag.WriteProperty(QStringLiteral("Caption"), command1_->text(), QStringLiteral("Command1"));
    bag.WriteProperty(QStringLiteral("ToolTipText"), command1_->toolTip(), QString());
}

void ctlButton::Move(int left, int top, int width, int height) {
    applySize(width, height);
    move(Twips::ToPixels(left), Twips::ToPixels(top));
}

void ctlButton::applySize(int widthTwips, int heightTwips) {
    widthTwips_ = std::max(widthTwips, kMinWidth);
    heightTwips_ = std::max(heightTwips, kMinHeight);
    sizing_ = true;
    resize(Twips::ToPixels(widthTwips_), Twips::ToPixels(heightTwips_));
    sizing_ = false;
    picture1Twips_ = QRect(10, 10, widthTwips_ - 20, heightTwips_ - 20);
    picture1_->setGeometry(Twips::Rect(picture1Twips_));
    layoutPicture1();
}

void ctlButton::layoutPicture1() {
    command1Twips_ = QRect(-20, -20, picture1Twips_.width() + 40, picture1Twips_.height() + 40);
    command1_->setGeometry(Twips::Rect(command1Twips_));
    shape1Twips_ = command1Twips_;
}

void ctlButton::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (sizing_) return;
    // Resized from outside (a layout, the owner): take the new pixel size.
    const int w = static_cast<int>(Twips::FromPixels(width()));
    const int h = static_cast<int>(Twips::FromPixels(height()));
    if (Twips::ToPixels(widthTwips_) == width() && Twips::ToPixels(heightTwips_) == height()) return;
    applySize(w, h);
}

bool ctlButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched != command1_ || !command1_->isEnabled()) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: {
            auto* me = static_cast<QMouseEvent*>(event);
            // Down and up name the button that changed; a move, every button held.
            const int16_t button = event->type() == QEvent::MouseMove
                                       ? mouseButton(me->buttons())
                                       : mouseButton(me->button());
            const int16_t shift = shiftState(me->modifiers());
            const float x = static_cast<float>(Twips::FromPixels(me->position().x()));
            const float y = static_cast<float>(Twips::FromPixels(me->position().y()));
            if (event->type() == QEvent::MouseButtonPress) {
                emit MouseDown(button, shift, x, y);
            } else if (event->type() == QEvent::MouseMove) {
                emit MouseMove(button, shift, x, y);
            } else {
                // The button's click comes first (Click), then MouseUp, then
                // the focus moves away; moving it earlier would cancel the click.
                QPointer<ctlButton> self(this);
                command1_->removeEventFilter(this);
                QCoreApplication::sendEvent(command1_, event);
                if (!self) return true;
                command1_->installEventFilter(this);
                emit MouseUp(button, shift, x, y);
                if (!self) return true;
                picture1_->setFocus();
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QWidget::eventFilter(watched, event);
}

#pragma once
// A flat push button for the dialogs: an ordinary button whose raised border
// is clipped away by a slightly smaller container. Sizes are in twips.

#include <QFont>
#include <QPushButton>
#include <QRect>
#include <QStringList>
#include <QWidget>
#include <cstdint>

#include "PropertyBag.h"

class ctlButton : public QWidget {
    Q_OBJECT
public:
    explicit ctlButton(QWidget* parent = nullptr);

    uint32_t BackColor() const { return backColor_; }
    void SetBackColor(uint32_t color);
    uint32_t ForeColor() const { return foreColor_; }
    void SetForeColor(uint32_t color);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    QFont Font() const;
    void SetFont(const QFont& font);
    int16_t BackStyle() const { return backStyle_; }
    void SetBackStyle(int16_t style);
    int16_t BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(int16_t style);
    QString Caption() const;
    void SetCaption(const QString& caption);
    QString ToolTipText() const;
    void SetToolTipText(const QString& text);

    void Refresh() {}

    // Property persistence in the owner's form data.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    // Bag names of the properties changed since the last save.
    QStringList ChangedProperties() const { return changed_; }
    void ClearChangedProperties() { changed_.clear(); }

    // Geometry in twips; a size below 1000 x 330 snaps up to it.
    void Move(int left, int top, int width, int height);
    int WidthTwips() const { return widthTwips_; }
    int HeightTwips() const { return heightTwips_; }
    QRect Picture1Twips() const { return picture1Twips_; }
    QRect Command1Twips() const { return command1Twips_; }
    QRect Shape1Twips() const { return shape1Twips_; }

    QWidget* Picture1() const { return picture1_; }
    QPushButton* Command1() const { return command1_; }

signals:
    void Click();
    void DblClick();
    void KeyDown(int16_t KeyCode, int16_t Shift);
    void KeyPress(int16_t KeyAscii);
    void KeyUp(int16_t KeyCode, int16_t Shift);
    void MouseDown(int16_t Button, int16_t Shift, float X, float Y);
    void MouseMove(int16_t Button, int16_t Shift, float X, float Y);
    void MouseUp(int16_t Button, int16_t Shift, float X, float Y);
    void PropertyChanged(const QString& name);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void markChanged(const QString& name);
    void applySize(int widthTwips, int heightTwips);
    void layoutPicture1();
    void applyBackColor();

    QWidget* picture1_;
    QPushButton* command1_;
    uint32_t backColor_;
    uint32_t foreColor_ = 0;
    int16_t backStyle_ = 0;
    int16_t borderStyle_ = 0;
    int widthTwips_ = 1230;
    int heightTwips_ = 390;
    QRect picture1Twips_;
    QRect command1Twips_;
    QRect shape1Twips_;
    QStringList changed_;
    bool sizing_ = false;
};

#pragma once
// The scale type selector: a column of twelve buttons holding the scale
// names of the chosen scale group; a click reports the name.

#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>

class SelectorButton;

class ctlScaleExt : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtons = 12;

    explicit ctlScaleExt(QWidget* parent = nullptr);

    // Shows the scale names of group 0..6; any other group leaves all twelve empty.
    void SetSubTypes(int16_t Group);

    SelectorButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

signals:
    void Change(const QString& ScaleName);

private:
    QWidget* holder_;
    std::array<SelectorButton*, kButtons> buttons_{};
};

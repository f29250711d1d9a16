#pragma once
// The key selector: seven letter buttons and the two accidentals, composing
// a key name ("C", "F#", "Bb") that it reports on every change.

#include <QString>
#include <QWidget>
#include <array>

class SelectorButton;

class ctlKey : public QWidget {
    Q_OBJECT
public:
    explicit ctlKey(QWidget* parent = nullptr);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // cmdLet(index): 0..6 the letters A..G, 7 "b", 8 "#".
    SelectorButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

signals:
    void KeyChange(const QString& Key);
    void MouseUp();

private:
    void buttonClicked(int index);
    void raiseKeyChange(const QString& name);

    QWidget* holder_;
    std::array<SelectorButton*, 9> buttons_{};
    QString name_;
    bool enabled_ = true;
};

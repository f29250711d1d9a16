#pragma once
// The tablature entry window: six small boxes on a drawn staff, one per
// string (the top box is string 1, high e), and "Ok", which turns the boxes
// into a fingering and raises SetChord. The window never closes itself: its
// owner unloads it after SetChord.

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class frmTips : public QDialog {
    Q_OBJECT
public:
    static constexpr int kStrings = 6;

    explicit frmTips(QWidget* parent = nullptr);

    QLabel* lblTitle() const { return lblTitle_; }
    QLineEdit* txt(int index) const { return txt_.at(static_cast<size_t>(index)); }
    QLabel* Label1(int index) const { return label1_.at(static_cast<size_t>(index)); }
    QPushButton* cmdOk() const { return cmdOk_; }

    // The fingering of the boxes' texts, top box (string 1) first in `texts`:
    // fret and finger of strings 6 down to 1; "", "x", "X" and "--" are not played.
    static QString FingeringOf(const std::array<QString, kStrings>& texts);

signals:
    void SetChord(const QString& Code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdOk_Click();
    void Label1_Click(int16_t Index);
    void txt_GotFocus(int16_t Index);

    QLabel* lblTitle_;
    std::array<QLineEdit*, kStrings> txt_{};
    std::array<QLabel*, kStrings> label1_{};
    QPushButton* cmdOk_;
};

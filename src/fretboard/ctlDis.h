#pragma once
// Three titled read-out lines (in chord mode the chord's name, formula and notes).

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

class ctlDis : public QWidget {
    Q_OBJECT
public:
    explicit ctlDis(QWidget* parent = nullptr);

    QString Display1() const { return values_[0]; }
    void SetDisplay1(const QString& text) { setValue(0, text); }
    QString Display2() const { return values_[1]; }
    void SetDisplay2(const QString& text) { setValue(1, text); }
    QString Display3() const { return values_[2]; }
    void SetDisplay3(const QString& text) { setValue(2, text); }
    QString DisplayTitle1() const { return titles_[0]; }
    void SetDisplayTitle1(const QString& text) { setTitle(0, text); }
    QString DisplayTitle2() const { return titles_[1]; }
    void SetDisplayTitle2(const QString& text) { setTitle(1, text); }
    QString DisplayTitle3() const { return titles_[2]; }
    void SetDisplayTitle3(const QString& text) { setTitle(2, text); }

    // Empties the three values; the titles stay.
    void Clear();

    QLabel* ValueLabel(int index) const { return valueLabels_.at(static_cast<size_t>(index)); }
    QLabel* TitleLabel(int index) const { return titleLabels_.at(static_cast<size_t>(index)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void setValue(int index, const QString& text);
    void setTitle(int index, const QString& text);

    std::array<QString, 3> values_;
    std::array<QString, 3> titles_;
    std::array<QLabel*, 3> valueLabels_{};
    std::array<QLabel*, 3> titleLabels_{};
};

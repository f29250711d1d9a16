#pragma once
// The fretboard option strip: add to chart, note map, fret numbers and
// string numbers. It only reports which button was clicked.

#include <QWidget>
#include <array>
#include <cstdint>

class SelectorButton;

class ctlButtons : public QWidget {
    Q_OBJECT
public:
    explicit ctlButtons(QWidget* parent = nullptr);

    // By event index: 0 cmdAdd, 1 cmdNoteMap, 2 cmdFretNums, 3 cmdStringNums.
    SelectorButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

signals:
    void Click(int16_t Index);
    void MouseUp();

private:
    std::array<SelectorButton*, 4> buttons_{};
};

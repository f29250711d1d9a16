#pragma once
// The chord extension selector: one button per chord type (the index is the
// extension code) and a "Clear" button.

#include <QWidget>
#include <array>
#include <cstdint>

#include "ChordExtensionTable.h"

class SelectorButton;

class ctlChordExt : public QWidget {
    Q_OBJECT
public:
    static constexpr int kExtensions = kExtensionCount;

    explicit ctlChordExt(QWidget* parent = nullptr);

    int16_t ExtCode() const { return extCode_; }

    SelectorButton* ExtButton(int index) const { return buttons_.at(static_cast<size_t>(index)); }
    SelectorButton* ClearButton() const { return clear_; }

signals:
    void Change(int16_t Index);
    void Clear();
    void MouseUp();

private:
    std::array<SelectorButton*, kExtensions> buttons_{};
    SelectorButton* clear_ = nullptr;
    int16_t extCode_ = 0;
};

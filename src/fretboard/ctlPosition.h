#pragma once
// The position selector: a list of position types (chord mode) or scale
// groups (scale mode) and seven variation buttons, the chosen one in bold.

#include <QComboBox>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

class SelectorButton;

class ctlPosition : public QWidget {
    Q_OBJECT
public:
    static constexpr int kButtons = 7;

    explicit ctlPosition(QWidget* parent = nullptr);

    int16_t Variation() const { return variation_; }
    void SetVariation(int16_t value);
    int16_t VariationCount() const { return variationCount_; }
    void SetVariationCount(int16_t value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int16_t ListIndex() const { return static_cast<int16_t>(list_->currentIndex()); }
    void SetListIndex(int16_t index);
    int16_t TypeCode() const { return typeCode_; }
    void SetTypeCode(int16_t code) { typeCode_ = code; }
    QString PosType() const { return posType_; }
    void SetPosType(const QString& text);

    void AddItem(const QString& Item, std::optional<int> Index = std::nullopt);
    void LoadChordTypes();
    void LoadScaleTypes();

    // Bag names of the properties changed for the owner's saved form data.
    QStringList ChangedProperties() const { return changed_; }

    QComboBox* List() const { return list_; }
    SelectorButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

signals:
    void OnType(int16_t Index);
    void OnVariation(int16_t Variation);
    void MouseUp();

private:
    void markVariation(int16_t value);
    void loadList(const QStringList& entries);

    QComboBox* list_;
    QWidget* holder_;
    std::array<SelectorButton*, kButtons> buttons_{};
    int16_t variation_ = 0;
    int16_t variationCount_ = 0;
    bool enabled_ = false;
    int16_t typeCode_ = 0;
    QString posType_;
    QStringList changed_;
};

#pragma once
// The fretboard: an upright guitar neck (string 6 on the left, the nut at the
// top) drawn in twips on a persistent image. The owner hands it text codes
// (fingerings, scale positions, note lists); it draws them and answers with
// their MIDI note list, tablature texts and map code. It reports back only
// through its signals.

#include <QImage>
#include <QString>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "TwipsCanvas.h"

class ctlNeck : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidthTwips = 1840;
    static constexpr int kHeightTwips = 5460;

    explicit ctlNeck(QWidget* parent = nullptr);

    // The owner's key name last chosen (its CurrentKey), read whenever a
    // drawing carries no root name of its own. Unset, the key is "".
    void SetCurrentKeySource(std::function<QString()> source) { currentKeySource_ = std::move(source); }

    bool IsMap() const { return isMap_; }
    QString MapCode() const { return mapCode_; }
    bool FretNumbers() const { return fretNumbers_; }
    void SetFretNumbers(bool show);
    bool StringNumbers() const { return stringNumbers_; }
    void SetStringNumbers(bool show);
    QString MIDICode() const { return midiCode_; }
    QString ScaleCode() const { return scaleCode_; }
    void SetScaleCode(const QString& code) { scaleCode_ = code; }
    QString ChordCode() const { return chordCode_; }
    QImage Image() const { return canvas_.Image(); }
    QString ScaleTab() const;
    QString ChordTab() const;

    void Clear();
    void InitDraw();
    // Line2 of 22 characters loses its last seven, in the caller's variable too.
    void PrintNoChord(const QString& Line1, QString& Line2);
    void PrintNoChord(const QString& Line1, const QString& Line2);
    void MapNotes(const QString& NoteList, bool Flag, bool SetRoot = false);
    void DrawChord(int16_t StringNo, int16_t Fret);
    void WriteChord(const QString& Code, bool RaiseGenerate = false);
    void WriteScale(const QString& Code);
    void WriteNote(int16_t StringNo, int16_t Fret, int16_t Finger, const QString& Root, QString& Result);
    void PrintNotes(const QString& Names);

signals:
    void OnChord();
    void OnScale();
    void OnMap();
    void OnClear();
    void NoChord();
    void Click();
    void GenerateChord(const QString& MIDICode);
    void MouseDown(float X, float Y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString currentKey() const;
    void drawGrid();
    void showFretNumbers();
    void hideFretNumbers();
    void showStringNumbers();
    void hideStringNumbers();
    void drawBarre(const QString& barre);
    void drawMapMark(int16_t x, int16_t y, const QString& name);

    TwipsCanvas canvas_;
    std::function<QString()> currentKeySource_;
    bool fretNumbers_ = true;
    bool stringNumbers_ = true;
    QString midiCode_;
    QString chordCode_;
    QString scaleCode_;
    bool isMap_ = false;
    QString mapCode_;
    QString rootName_;
    bool mapStars_ = false;
    std::array<int16_t, 6> stringFrets_{};  // by string number - 1; 25 = not played
};

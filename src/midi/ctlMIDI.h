#pragma once
// The MIDI panel: devices, instrument and strum pattern buttons, Stop and
// Play, the tempo bar; keeps the instrument, tuning step and tempo, and plays
// MIDI note lists as strummed chords or as scales. Playback runs inside the
// call on the user-interface thread; its waits sleep in a nested event loop,
// so Stop, the tempo bar and the owner's controls work while notes sound.
// Fixed size 1850 x 390 twips.

#include <QPointer>
#include <QString>
#include <QWidget>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "MIDI_OUT.h"

class QEventLoop;
class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class PauseTimer;
class frmMaint;

class ctlMIDI : public QWidget {
    Q_OBJECT
public:
    using Clock = std::chrono::steady_clock;

    explicit ctlMIDI(QWidget* parent = nullptr);
    ~ctlMIDI() override;

    // The output the panel plays through and hands to its settings dialog;
    // its owner keeps it. Without one (or once it is gone) nothing is sent.
    void SetOutput(MIDI_OUT* Output) { output_ = Output; }
    MIDI_OUT* Output() const { return output_; }

    // Lists the output devices in List and selects its first entry, whose
    // selection handler (the owner's) opens that device.
    void InitDev(QListWidget* List);

    QString MidiFile() const { return midiFile_; }
    void SetMidiFile(const QString& path) { midiFile_ = path; }
    int16_t Tune() const { return tune_; }
    // Raises OnTune for steps 1 to 5; other values are kept without it and
    // play at standard pitch.
    void SetTune(int16_t tune);
    int16_t Sound() const { return sound_; }
    // Silences all notes, sends the program (bank 0) and stores "LastSound".
    // A program outside 0..127 gives the default instrument.
    void SetSound(int16_t sound);

    // Waits Seconds while window events go on, whatever Stop says.
    void Pausezzz(double Seconds);
    // Waits one playback step; returns at once after Stop.
    void Pause();
    // Strums the note list ("40~45~50") in the pattern of the setting "Strum".
    void PlayChord(const QString& Code);
    // Plays the note list up and back down, one note a step.
    void PlayScale(const QString& Code);
    // One of PlayButtonStates: 0 Play on, Stop off (and the output woken);
    // 1 Play off, Stop on; 2 both off; any other value changes nothing.
    void PlayButtons(int16_t State);
    void EnableDeviceButtons(bool Enable);
    // Ends the running playback at its next step, as the Stop button does
    // (without raising OnStop). Safe from any handler during playback.
    void Stop();

    float Delay() const { return delay_; }
    bool StopFlag() const { return stopFlag_; }
    bool IsPlaying() const { return playing_; }
    frmMaint* MaintForm() const { return maintForm_; }

    QWidget* picHolder() const { return picHolder_; }
    QPushButton* cmdDevices() const { return cmdDevices_; }
    QPushButton* cmdSound() const { return cmdSound_; }
    QPushButton* cmdStrum() const { return cmdStrum_; }
    QPushButton* cmdStop() const { return cmdStop_; }
    QPushButton* cmdPlay() const { return cmdPlay_; }
    QLabel* lblSpeed() const { return lblSpeed_; }
    QScrollBar* HScroll1() const { return HScroll1_; }

    static constexpr int16_t kDefaultTempo = 5;
    static constexpr int16_t kDefaultStrum = 3;
    static constexpr int16_t kDefaultSound = 25;
    static constexpr int16_t kDefaultTune = 3;
    // The stored "Tune" (1..5) and "LastSound" (0..127) for the owner's
    // start-up; a value out of range or not a number gives the default.
    static int16_t StoredTune();
    static int16_t StoredSound();
    // Seconds per step of tempo 1..9; 0 for any other value.
    static float TempoDelay(int tempo);
    // "Tune: -1" ... "Tune: +1" for steps 1..5; "" otherwise.
    static QString TuneCaption(int tune);

signals:
    void OnPlay();
    void OnStop();
    void OnNeckFocus();
    void OnTune(const QString& Caption, int16_t Tune);

protected:
    // Called as each playback step's wait begins (tests count the steps).
    virtual void PauseBegins() {}
    // The pointer entering or pressing Play wakes the output (see ctlMIDI.cpp).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Outcome { Done, Stopped, Gone };
    using Notes = std::vector<int>;

    void cmdDevices_Click();
    void cmdPlay_Click();
    void cmdSound_Click();
    void cmdStop_Click();
    void cmdStrum_Click();
    void HScroll1_Change(int value);
    void MaintForm_OnPlayTestChord();
    void MaintForm_OnUnload();
    void MaintForm_SaveDevice(int16_t DeviceID, int16_t ListIndex);
    void MaintForm_SaveSound(int16_t ListIndex);
    void MaintForm_SaveStrum(int16_t ListIndex);
    void PlayNote(int16_t Channel, int Note, int16_t Velocity);
    void allNotesOff();

    template <typename Load>
    void showDialog(bool silence, Load load);
    static Notes splitNotes(const QString& code);
    void playIndex(const Notes& notes, int k);
    Outcome awaitOutput();
    bool pauseStep();
    bool sleepUntil(Clock::time_point base, bool playbackStep);
    Clock::duration stepDuration() const;
    Clock::time_point waitDeadline() const;
    void armWait();
    void onTimerFired();
    void beginPlayback();
    void finishPlayback();
    Outcome strumStep(const Notes& notes, int k);
    Outcome strumRun(const Notes& notes, int first, int last);
    Outcome endStrum(const Notes& notes);
    Outcome fingerpick(const Notes& notes);
    Outcome playPattern(int pattern, const Notes& notes);
    Outcome stopNow();

    QWidget* picHolder_;
    QPushButton* cmdDevices_;
    QPushButton* cmdSound_;
    QPushButton* cmdStrum_;
    QPushButton* cmdStop_;
    QPushButton* cmdPlay_;
    QLabel* lblSpeed_;
    QScrollBar* HScroll1_;
    PauseTimer* timer_;
    QPointer<MIDI_OUT> output_;

    float delay_ = 0.24f;
    int16_t tune_ = kDefaultTune;
    int16_t sound_ = kDefaultSound;
    bool stopFlag_ = false;
    QString midiFile_;
    frmMaint* maintForm_ = nullptr;

    // Playback: the steps keep to an absolute schedule on the monotonic clock.
    bool playing_ = false;
    bool anchored_ = false;  // the schedule starts at the first note played
    Clock::time_point lastDeadline_{};
    QEventLoop* waitLoop_ = nullptr;
    QEventLoop* loadLoop_ = nullptr;  // waiting for the output to finish loading
    Clock::time_point waitBase_{};
    bool waitIsStep_ = false;
    bool woken_ = false;
    // False once the panel is destroyed; a wait running then unwinds without touching it.
    std::shared_ptr<bool> alive_;
};

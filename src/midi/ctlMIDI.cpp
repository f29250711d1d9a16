#include "ctlMIDI.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <array>
#include <cmath>

#include "AppFonts.h"
#include "AppSettings.h"
#include "MIDI_OUT.h"
#include "PauseTimer.h"
#include "PlayButtonStates.h"
#include "ScreenFit.h"
#include "Twips.h"
#include "frmMaint.h"

namespace {

constexpr int kWidthTwips = 1850;
constexpr int kHeightTwips = 390;
constexpr int kNoNote = -1000;  // a note-list element that is not a number

enum class Glyph { Devices, Sound, Strum, Stop, Play };

// The buttons' pictures, drawn rather than shipped.
QIcon glyphIcon(Glyph glyph) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1.2));
    switch (glyph) {
        case Glyph::Devices:  // a five-pin MIDI socket
            p.drawEllipse(QRectF(1.5, 1.5, 13, 13));
            p.setBrush(QColor(40, 40, 40));
            for (double angle : {180.0, 225.0, 270.0, 315.0, 360.0}) {
                const double r = angle * M_PI / 180.0;
                p.drawEllipse(QPointF(8 + 4.2 * std::cos(r), 8.5 - 4.2 * std::sin(r)), 0.9, 0.9);
            }
            break;
        case Glyph::Sound: {  // a quaver
            p.setBrush(QColor(40, 40, 40));
            p.drawEllipse(QPointF(5.5, 12), 2.6, 2.0);
            p.drawLine(QPointF(8, 12), QPointF(8, 2));
            QPainterPath flag(QPointF(8, 2));
            flag.cubicTo(QPointF(10, 5), QPointF(13, 5), QPointF(12, 9));
            p.setBrush(Qt::NoBrush);
            p.drawPath(flag);
            break;
        }
        case Glyph::Strum:  // strings crossed by a stroke
            for (int y : {3, 6, 9, 12}) p.drawLine(QPointF(1.5, y + 0.5), QPointF(14.5, y + 0.5));
            p.setPen(QPen(QColor(160, 30, 30), 1.6));
            p.drawLine(QPointF(4, 14), QPointF(12, 1.5));
            break;
        case Glyph::Stop:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(170, 30, 30));
            p.drawRect(QRectF(3.5, 3.5, 9, 9));
            break;
        case Glyph::Play: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(20, 130, 40));
            const QPointF triangle[3] = {{4, 2.5}, {13.5, 8}, {4, 13.5}};
            p.drawPolygon(triangle, 3);
            break;
        }
    }
    return QIcon(pixmap);
}

}  // namespace

float ctlMIDI::TempoDelay(int tempo) {
    static constexpr std::array<float, 9> kDelays = {0.96f, 0.72f, 0.48f, 0.36f, 0.24f,
                                                     0.12f, 0.072f, 0.048f, 0.012f};
    if (tempo < 1 || tempo > 9) return 0.0f;
    return kDelays[static_cast<size_t>(tempo - 1)];
}

int16_t ctlMIDI::StoredTune() {
    return static_cast<int16_t>(AppSettings::GetInt(QStringLiteral("Tune"), kDefaultTune, 1, 5));
}

int16_t ctlMIDI::StoredSound() {
    return static_cast<int16_t>(AppSettings::GetInt(QStringLiteral("LastSound"), kDefaultSound, 0, 127));
}

QString ctlMIDI::TuneCaption(int tune) {
    switch (tune) {
        case 1: return QStringLiteral("Tune: -1");
        case 2: return QStringLiteral("Tune:-1/2");
        case 3: return QStringLiteral("Tune: Std");
        case 4: return QStringLiteral("Tune:+1/2");
        case 5: return QStringLiteral("Tune: +1");
        default: return QString();
    }
}

ctlMIDI::ctlMIDI(QWidget* parent) : QWidget(parent), alive_(std::make_shared<bool>(true)) {
    setFont(AppFonts::Tahoma());
    setFixedSize(Twips::ToPixels(kWidthTwips), Twips::ToPixels(kHeightTwips));

    picHolder_ = new QWidget(this);
    picHolder_->setObjectName(QStringLiteral("picHolder"));
    picHolder_->setGeometry(Twips::Rect(20, 10, 1590, 270));
    picHolder_->setFocusPolicy(Qt::ClickFocus);
    auto button = [this](const char* name, int left, int width, const char* tip, Glyph glyph) {
        auto* b = new QPushButton(picHolder_);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(Twips::Rect(left, -20, width, 300));
        b->setToolTip(QLatin1String(tip));
        b->setIcon(glyphIcon(glyph));
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    cmdDevices_ = button("cmdDevices", -20, 330, "MIDI Devices", Glyph::Devices);
    cmdSound_ = button("cmdSound", 300, 330, "Instrument Select", Glyph::Sound);
    cmdStrum_ = button("cmdStrum", 620, 330, "Strum Pattern", Glyph::Strum);
    cmdStop_ = button("cmdStop", 930, 330, "Stop", Glyph::Stop);
    cmdPlay_ = button("cmdPlay", 1240, 360, "Play", Glyph::Play);

    lblSpeed_ = new QLabel(this);
    lblSpeed_->setObjectName(QStringLiteral("lblSpeed"));
    lblSpeed_->setGeometry(Twips::Rect(1620, 10, 210, 270));
    lblSpeed_->setFont(AppFonts::Tahoma(8.25, true));
    lblSpeed_->setAlignment(Qt::AlignCenter);
    lblSpeed_->setToolTip(QStringLiteral("Play Tempo"));

    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setGeometry(Twips::Rect(20, 300, 1820, 100));
    HScroll1_->setRange(1, 9);
    HScroll1_->setSingleStep(1);
    HScroll1_->setPageStep(1);

    timer_ = new PauseTimer(this);
    connect(timer_, &PauseTimer::Fired, this, &ctlMIDI::onTimerFired);
    connect(cmdDevices_, &QPushButton::clicked, this, &ctlMIDI::cmdDevices_Click);
    connect(cmdPlay_, &QPushButton::clicked, this, &ctlMIDI::cmdPlay_Click);
    connect(cmdSound_, &QPushButton::clicked, this, &ctlMIDI::cmdSound_Click);
    connect(cmdStop_, &QPushButton::clicked, this, &ctlMIDI::cmdStop_Click);
    connect(cmdStrum_, &QPushButton::clicked, this, &ctlMIDI::cmdStrum_Click);
    cmdPlay_->installEventFilter(this);

    HScroll1_->setValue(AppSettings::GetInt(QStringLiteral("Tempo"), kDefaultTempo, 1, 9));
    HScroll1_Change(HScroll1_->value());
    // Dragging and clicking both come through here.
    connect(HScroll1_, &QScrollBar::valueChanged, this, &ctlMIDI::HScroll1_Change);
}

ctlMIDI::~ctlMIDI() {
    *alive_ = false;
    if (waitLoop_) waitLoop_->quit();
    if (loadLoop_) loadLoop_->quit();
}

void ctlMIDI::InitDev(QListWidget* List) {
    if (!List) return;
    if (output_)
        output_->LoadDeviceList(*List);
    else
        List->clear();
    List->setCurrentRow(0);
}

void ctlMIDI::SetTune(int16_t tune) {
    tune_ = tune;
    const QString caption = TuneCaption(tune);
    if (!caption.isEmpty()) emit OnTune(caption, tune);
}

void ctlMIDI::SetSound(int16_t sound) {
    if (sound < 0 || sound > 127) sound = kDefaultSound;
    sound_ = sound;
    allNotesOff();
    if (output_) output_->SetInstrument(0, 0, sound);
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("LastSound"), QString::number(sound));
}

void ctlMIDI::PlayButtons(int16_t State) {
    switch (State) {
        case PlayButtonStates::kReady:
            cmdPlay_->setEnabled(true);
            cmdStop_->setEnabled(false);
            // Something to play was chosen: an output resting after a
            // silence gets ready now, while the user reaches for Play, rather
            // than after the click.
            if (output_) output_->Wake();
            break;
        case PlayButtonStates::kPlaying:
            cmdPlay_->setEnabled(false);
            cmdStop_->setEnabled(true);
            break;
        case PlayButtonStates::kNothingToPlay:
            cmdPlay_->setEnabled(false);
            cmdStop_->setEnabled(false);
            break;
        default:
            break;
    }
}

void ctlMIDI::EnableDeviceButtons(bool Enable) {
    cmdDevices_->setEnabled(Enable);
    cmdSound_->setEnabled(Enable);
    cmdStrum_->setEnabled(Enable);
}

// ---- buttons and tempo ----

// An output resting after a silence takes longer to start than a click
// takes to end (the built-in synthesizer's sound output starts again, a
// sound server resumes its suspended device): the pointer arriving on Play,
// or pressing it, wakes it, so that the click sounds on time even with
// nothing newly chosen. A pointer passing over it only wakes it for a while.
bool ctlMIDI::eventFilter(QObject* watched, QEvent* event) {
    if (watched == cmdPlay_ && output_ && !playing_ && cmdPlay_->isEnabled() &&
        (event->type() == QEvent::Enter || event->type() == QEvent::MouseButtonPress))
        output_->Wake();
    return QWidget::eventFilter(watched, event);
}

void ctlMIDI::cmdPlay_Click() { emit OnPlay(); }

void ctlMIDI::cmdStop_Click() {
    picHolder_->setFocus();
    Stop();
    emit OnStop();
}

void ctlMIDI::Stop() {
    // Outside playback a stop request would only silence the next Play.
    if (!playing_) return;
    stopFlag_ = true;
    if (waitLoop_ && waitIsStep_) {
        woken_ = true;
        waitLoop_->quit();
    }
    if (loadLoop_) loadLoop_->quit();
}

template <typename Load>
void ctlMIDI::showDialog(bool silence, Load load) {
    if (maintForm_) return;
    const std::shared_ptr<bool> alive = alive_;
    emit OnNeckFocus();
    if (!*alive) return;
    if (silence) allNotesOff();
    QPointer<frmMaint> form = new frmMaint(output_, window());
    maintForm_ = form;
    connect(form, &frmMaint::OnUnload, this, &ctlMIDI::MaintForm_OnUnload);
    connect(form, &frmMaint::OnPlayTestChord, this, &ctlMIDI::MaintForm_OnPlayTestChord);
    connect(form, &frmMaint::SaveDevice, this, &ctlMIDI::MaintForm_SaveDevice);
    connect(form, &frmMaint::SaveSound, this, &ctlMIDI::MaintForm_SaveSound);
    connect(form, &frmMaint::SaveStrum, this, &ctlMIDI::MaintForm_SaveStrum);
    load(form.data());
    ScreenFit::Place(form.data(), window());
    form->exec();
    if (*alive) maintForm_ = nullptr;
    delete form.data();
}

void ctlMIDI::cmdDevices_Click() {
    showDialog(true, [](frmMaint* form) { form->LoadDevices(); });
}

void ctlMIDI::cmdSound_Click() {
    // Loading the instruments also shows the dialog's Preview button.
    showDialog(true, [this](frmMaint* form) { form->LoadSounds(midiFile_, sound_); });
}

void ctlMIDI::cmdStrum_Click() {
    showDialog(false, [](frmMaint* form) { form->LoadStrums(); });
}

void ctlMIDI::HScroll1_Change(int value) {
    lblSpeed_->setText(QString::number(value));
    const float delay = TempoDelay(value);
    if (delay > 0.0f) delay_ = delay;
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("Tempo"), QString::number(value));
    // A wait in progress ends at its start plus the new step.
    if (waitLoop_ && waitIsStep_) armWait();
}

// ---- the settings dialog ----

void ctlMIDI::MaintForm_OnPlayTestChord() {
    for (int note : {45, 52, 57, 61, 64}) PlayNote(0, note, 127);
}

void ctlMIDI::MaintForm_OnUnload() { maintForm_ = nullptr; }

void ctlMIDI::MaintForm_SaveDevice(int16_t DeviceID, int16_t ListIndex) {
    if (output_) {
        output_->OpenDevice(DeviceID);
        // The new device plays the instrument the panel shows.
        if (output_) output_->SetInstrument(0, 0, sound_);
    }
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("Dev"), QString::number(ListIndex));
}

void ctlMIDI::MaintForm_SaveSound(int16_t ListIndex) {
    if (ListIndex < 0 || ListIndex > 127) return;
    sound_ = ListIndex;
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("LastSound"), QString::number(ListIndex));
}

void ctlMIDI::MaintForm_SaveStrum(int16_t ListIndex) {
    AppSettings::SaveSetting(AppSettings::Section(), QStringLiteral("Strum"), QString::number(ListIndex));
}

// ---- playback ----

void ctlMIDI::PlayNote(int16_t Channel, int Note, int16_t Velocity) {
    // Only MIDI notes are played, checked before the tuning shift so that no
    // number from a note list can overflow it.
    if (Note < 0 || Note > 127) return;
    const int shift = tune_ >= 1 && tune_ <= 5 ? tune_ - kDefaultTune : 0;
    const int note = Note + shift;
    if (note < 0 || note > 127) return;
    if (playing_ && !anchored_) {
        lastDeadline_ = Clock::now();
        anchored_ = true;
    }
    if (output_) output_->SendShortMsg(static_cast<int16_t>(0x90 + Channel), static_cast<int16_t>(note), Velocity);
}

void ctlMIDI::allNotesOff() {
    if (output_) output_->AllNotesOff();
}

ctlMIDI::Notes ctlMIDI::splitNotes(const QString& code) {
    Notes notes;
    for (const QString& part : code.split(QLatin1Char('~'))) {
        bool ok = false;
        const int note = part.trimmed().toInt(&ok);
        notes.push_back(ok ? note : kNoNote);
    }
    return notes;
}

void ctlMIDI::playIndex(const Notes& notes, int k) {
    if (k >= 0 && k < static_cast<int>(notes.size())) PlayNote(0, notes[static_cast<size_t>(k)], 127);
}

ctlMIDI::Clock::duration ctlMIDI::stepDuration() const {
    return std::chrono::microseconds(std::lround(static_cast<double>(delay_) * 1e6));
}

// The built-in synthesizer may still be loading its soundfont, or be starting
// its sound output after a silence: playback waits for it, so that the notes
// keep their time rather than come out late or all at once. Stop ends the
// wait, as does the application quitting.
ctlMIDI::Outcome ctlMIDI::awaitOutput() {
    if (output_) output_->Wake();
    if (!output_ || !output_->IsLoading()) return Outcome::Done;
    const std::shared_ptr<bool> alive = alive_;
    const QPointer<MIDI_OUT> output = output_;
    QEventLoop loop;
    connect(output, &MIDI_OUT::LoadingEnded, &loop, &QEventLoop::quit);
    connect(output, &QObject::destroyed, &loop, &QEventLoop::quit);
    loadLoop_ = &loop;
    loop.exec();
    if (!*alive) return Outcome::Gone;
    loadLoop_ = nullptr;
    if (stopFlag_ || (output && output->IsLoading())) return stopNow();
    return Outcome::Done;
}

void ctlMIDI::Pause() { pauseStep(); }

bool ctlMIDI::pauseStep() {
    if (waitLoop_) return true;  // asked from a handler inside our own wait: it is that wait
    PauseBegins();
    if (stopFlag_) return true;
    const Clock::time_point base = playing_ && anchored_ ? lastDeadline_ : Clock::now();
    if (!sleepUntil(base, true)) return false;
    const Clock::time_point deadline = base + stepDuration();
    const Clock::time_point now = Clock::now();
    // Far behind (a long handler ran during the wait): start the schedule
    // afresh rather than rush the next notes out together.
    lastDeadline_ = now - deadline > stepDuration() ? now : deadline;
    anchored_ = true;
    return true;
}

void ctlMIDI::Pausezzz(double Seconds) {
    if (!(Seconds > 0.0)) Seconds = 0.0;
    Seconds = std::min(Seconds, 86400.0);
    const auto length = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(Seconds));
    sleepUntil(Clock::now() + length, false);
}

bool ctlMIDI::sleepUntil(Clock::time_point base, bool playbackStep) {
    if (waitLoop_) return true;  // no wait inside our own wait
    const std::shared_ptr<bool> alive = alive_;
    QEventLoop loop;
    waitLoop_ = &loop;
    waitBase_ = base;
    waitIsStep_ = playbackStep;
    woken_ = false;
    armWait();
    loop.exec();
    if (!*alive) return false;
    waitLoop_ = nullptr;
    timer_->Disarm();
    // Nobody of ours ended the wait: the application is quitting its event
    // loops, so playback ends as after Stop.
    if (!woken_ && playbackStep && playing_) stopFlag_ = true;
    return true;
}

ctlMIDI::Clock::time_point ctlMIDI::waitDeadline() const {
    return waitIsStep_ ? waitBase_ + stepDuration() : waitBase_;
}

void ctlMIDI::armWait() {
    // Wake a little early, then sleep the last stretch: a processor just woken
    // answers its timer sooner than one deep in idle after a long wait.
    const Clock::time_point deadline = waitDeadline();
    const Clock::time_point approach = deadline - std::chrono::milliseconds(1);
    timer_->Arm(Clock::now() < approach ? approach : deadline);
}

void ctlMIDI::onTimerFired() {
    if (!waitLoop_) return;
    const Clock::time_point deadline = waitDeadline();
    if (Clock::now() < deadline) {
        timer_->Arm(deadline);
        return;
    }
    woken_ = true;
    waitLoop_->quit();
}

void ctlMIDI::beginPlayback() {
    playing_ = true;
    anchored_ = false;
}

void ctlMIDI::finishPlayback() {
    allNotesOff();
    stopFlag_ = false;
    playing_ = false;
    picHolder_->setFocus();
}

ctlMIDI::Outcome ctlMIDI::stopNow() {
    allNotesOff();
    stopFlag_ = false;
    return Outcome::Stopped;
}

ctlMIDI::Outcome ctlMIDI::strumStep(const Notes& notes, int k) {
    const std::shared_ptr<bool> alive = alive_;
    QCoreApplication::processEvents();
    if (!*alive) return Outcome::Gone;
    if (stopFlag_) return stopNow();
    playIndex(notes, k);
    return pauseStep() ? Outcome::Done : Outcome::Gone;
}

ctlMIDI::Outcome ctlMIDI::strumRun(const Notes& notes, int first, int last) {
    const int step = first <= last ? 1 : -1;
    for (int k = first; k != last + step; k += step) {
        const Outcome outcome = strumStep(notes, k);
        if (outcome != Outcome::Done) return outcome;
    }
    return Outcome::Done;
}

ctlMIDI::Outcome ctlMIDI::endStrum(const Notes& notes) {
    for (int k = 0; k <= 5; ++k) playIndex(notes, k);
    return Outcome::Done;
}

ctlMIDI::Outcome ctlMIDI::fingerpick(const Notes& notes) {
    const int ub = static_cast<int>(notes.size()) - 1;
    allNotesOff();
    playIndex(notes, 0);
    playIndex(notes, ub);
    for (int k : {1, ub - 1, 0, ub}) {
        if (!pauseStep()) return Outcome::Gone;
        if (stopFlag_) return stopNow();
        playIndex(notes, k);
    }
    return Outcome::Done;
}

ctlMIDI::Outcome ctlMIDI::playPattern(int pattern, const Notes& notes) {
    const int ub = static_cast<int>(notes.size()) - 1;
    switch (pattern) {
        case 0:  // Low To High
            return strumRun(notes, 0, ub);
        case 1:  // High To Low, the highest note included
            return strumRun(notes, ub, 0);
        case 2: {  // up, then down without repeating the top note
            const Outcome up = strumRun(notes, 0, ub);
            if (up != Outcome::Done || ub < 1) return up;
            return strumRun(notes, ub - 1, 0);
        }
        case 3:
        case 4: {  // a run, then the whole chord at once
            const Outcome run = pattern == 3 ? strumRun(notes, 0, ub) : strumRun(notes, ub, 0);
            if (run != Outcome::Done) return run;
            if (!pauseStep()) return Outcome::Gone;
            if (stopFlag_) return stopNow();
            allNotesOff();
            return endStrum(notes);
        }
        case 5:  // Single Strum
            return endStrum(notes);
        case 6:
            return fingerpick(notes);
        default:
            return Outcome::Done;
    }
}

void ctlMIDI::PlayChord(const QString& Code) {
    if (Code.isEmpty() || playing_) return;
    const Notes notes = splitNotes(Code);
    const int pattern = AppSettings::GetInt(QStringLiteral("Strum"), kDefaultStrum, 0, 6);
    beginPlayback();
    Outcome outcome = awaitOutput();
    if (outcome == Outcome::Done) {
        allNotesOff();
        outcome = playPattern(pattern, notes);
    }
    if (outcome == Outcome::Gone) return;
    if (outcome == Outcome::Done) {
        // The last notes ring two more steps.
        if (!pauseStep() || !pauseStep()) return;
    }
    finishPlayback();
}

void ctlMIDI::PlayScale(const QString& Code) {
    if (Code.isEmpty() || playing_) return;
    const Notes notes = splitNotes(Code);
    const int ub = static_cast<int>(notes.size()) - 1;
    std::vector<int> order;
    for (int k = 0; k <= ub; ++k) order.push_back(k);
    for (int k = ub - 1; k >= 0; --k) order.push_back(k);
    beginPlayback();
    const Outcome ready = awaitOutput();
    if (ready == Outcome::Gone) return;
    for (int k : order) {
        if (ready != Outcome::Done) break;
        if (stopFlag_) {
            stopNow();
            break;
        }
        playIndex(notes, k);
        if (!pauseStep()) return;
        allNotesOff();
    }
    finishPlayback();
}

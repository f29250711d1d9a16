#include "frmMain.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

#include "AppFonts.h"
#include "AppLog.h"
#include "AppSettings.h"
#include "MIDI_OUT.h"
#include "ReckonerListener.h"
#include "Twips.h"
#include "clsReckoner.h"
#include "ctlButtons.h"
#include "ctlChartControls.h"
#include "ctlChordExt.h"
#include "ctlDis.h"
#include "ctlKey.h"
#include "ctlMIDI.h"
#include "ctlNeck.h"
#include "ctlPosition.h"
#include "ctlScaleExt.h"
#include "frmTabWindow.h"
#include "frmTips.h"

// The engine's events, handed to the handlers named after them.
class frmMain::ReckonerEvents : public ReckonerListener {
public:
    explicit ReckonerEvents(frmMain& owner) : owner_(owner) {}

    void ClearMatches() override { owner_.objReckoner_ClearMatches(); }
    void AddMatch(std::string Key, std::string Detail) override { owner_.objReckoner_AddMatch(Key, Detail); }
    void OnDisplay(std::string Line1, std::string Line2, std::string Line3) override {
        owner_.objReckoner_OnDisplay(Line1, Line2, Line3);
    }
    void OnChord(std::string Fingering) override { owner_.objReckoner_OnChord(Fingering); }
    void OnScale(std::string Position, std::string Description) override {
        owner_.objReckoner_OnScale(Position, Description);
    }
    void OnVariation(int16_t VariationCount, int16_t Variation) override {
        owner_.objReckoner_OnVariation(VariationCount, Variation);
    }
    void NoChord(std::string Text) override { owner_.objReckoner_NoChord(Text); }
    void OnMode(int32_t Mode, std::string Text) override { owner_.objReckoner_OnMode(Mode, Text); }
    void OnScaleType(int16_t TypeCode) override { owner_.objReckoner_OnScaleType(TypeCode); }

private:
    frmMain& owner_;
};

namespace {

template <class W>
W* place(W* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(Twips::Rect(left, top, width, height));
    return widget;
}

// Controls of a fixed size are only moved.
template <class W>
W* placeAt(W* widget, const char* name, int left, int top) {
    widget->setObjectName(QLatin1String(name));
    widget->move(Twips::ToPixels(left), Twips::ToPixels(top));
    return widget;
}

}  // namespace

// The engine is made first, where nothing can skip it: every handler may call it.
frmMain::frmMain(MidiOutDriver* driver, QWidget* parent)
    : QWidget(parent),
      reckonerEvents_(std::make_unique<ReckonerEvents>(*this)),
      objReckoner_(std::make_unique<clsReckoner>(reckonerEvents_.get())) {
    objReckoner_->SetFaultReporter(&AppLog::Skipped);
    setObjectName(QStringLiteral("frmMain"));
    midiOut_ = driver ? new MIDI_OUT(*driver, this) : new MIDI_OUT(this);
    setWindowTitle(AppSettings::AppTitle());
    setFixedSize(Twips::Size(kWidthTwips, kHeightTwips));
    setFont(AppFonts::Tahoma());
    CreateControls();
    CreateChrome();
    BuildMenus();
    ConnectControls();
}

frmMain::~frmMain() {
    // The engine may not call back into a window being taken apart.
    objReckoner_->SetListener(nullptr);
}

void frmMain::CreateControls() {
    // The title row (its right end left to the title bar's buttons) and the
    // window's buttons above the fretboard.
    lblQF_ = place(new QLabel(AppSettings::AppTitle(), this), "lblQF", 60, 45, 1440, 300);
    lblQF_->setFont(AppFonts::Tahoma(10, true));
    cmdOptions_ = place(new QPushButton(QStringLiteral("Menu"), this), "cmdOptions", 45, 390, 885, 300);
    cmdWindow_ = place(new QPushButton(QStringLiteral("Window"), this), "cmdWindow", 975, 390, 885, 300);

    Neck_ = placeAt(new ctlNeck(this), "Neck", 30, 720);
    Neck_->SetCurrentKeySource([this] { return currentKey_; });

    // The right-hand column: the panels of the modes cover each other here.
    lblMode_ = place(new QLabel(this), "lblMode", 2280, 0, 1605, 255);
    lblMode_->setFont(AppFonts::Tahoma(8.25, true));
    lblMode_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Display_ = place(new ctlDis(this), "Display", 1950, 240, 1950, 1455);
    Pos_ = placeAt(new ctlPosition(this), "Pos", 1950, 1620);
    lblTune_ = place(new QLabel(this), "lblTune", 1970, 2170, 855, 255);
    HScroll1_ = place(new QScrollBar(Qt::Horizontal, this), "HScroll1", 1950, 2370, 975, 100);
    HScroll1_->setRange(1, 5);
    HScroll1_->setSingleStep(1);
    HScroll1_->setPageStep(1);
    HScroll1_->setValue(3);
    Key_ = placeAt(new ctlKey(this), "Key", 1950, 2490);
    ChordExt_ = placeAt(new ctlChordExt(this), "ChordExt", 1950, 3265);
    ScaleExt_ = placeAt(new ctlScaleExt(this), "ScaleExt", 1950, 3260);
    cmdEnter_ = place(new QPushButton(QStringLiteral("Enter Chord Tab"), this), "cmdEnter", 1960, 1680, 1950, 495);
    cmdClearFretboard_ =
        place(new QPushButton(QStringLiteral("Clear"), this), "cmdClearFretboard", 1980, 2230, 960, 255);
    lstMatches_ = place(new QListWidget(this), "lstMatches", 1980, 2640, 1900, 3540);
    ChartControl_ = placeAt(new ctlChartControls(this), "ChartControl", 1920, 1640);

    // Under the fretboard: its option strip, the MIDI panel and the current chart.
    ctlButtons_ = placeAt(new ::ctlButtons(this), "ctlButtons", 30, 6240);
    MIDI_ = placeAt(new ctlMIDI(this), "MIDI", 240, 6285);
    MIDI_->SetOutput(midiOut_);
    lblChart_ = place(new QLabel(QStringLiteral("Chart: *****"), this), "lblChart", 2160, 6330, 1770, 255);
    lblChart_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblChart_->setTextFormat(Qt::PlainText);  // a chart's name is never markup

    // The MIDI panel lists the devices here; its selection opens one.
    lstDevices_ = place(new QListWidget(this), "lstDevices", 30, kHeightTwips + 120, 1800, 600);
    lstDevices_->setVisible(false);

    for (QWidget* w : {static_cast<QWidget*>(cmdEnter_), static_cast<QWidget*>(cmdClearFretboard_),
                       static_cast<QWidget*>(lstMatches_), static_cast<QWidget*>(ScaleExt_),
                       static_cast<QWidget*>(ChartControl_)})
        w->setVisible(false);

    // Five ticks make the two seconds before silencing: precise, so they add up.
    tmrOff_.setTimerType(Qt::PreciseTimer);
    tmrOff_.setInterval(400);
}

void frmMain::ConnectControls() {
    constexpr auto direct = Qt::DirectConnection;
    connect(Key_, &ctlKey::KeyChange, this, &frmMain::Key_KeyChange, direct);
    connect(Key_, &ctlKey::MouseUp, this, &frmMain::Selector_MouseUp, direct);
    connect(ChordExt_, &ctlChordExt::Change, this, &frmMain::ChordExt_Change, direct);
    connect(ChordExt_, &ctlChordExt::Clear, this, &frmMain::ChordExt_Clear, direct);
    connect(ChordExt_, &ctlChordExt::MouseUp, this, &frmMain::Selector_MouseUp, direct);
    connect(ScaleExt_, &ctlScaleExt::Change, this, &frmMain::ScaleExt_Change, direct);
    connect(Pos_, &ctlPosition::OnType, this, &frmMain::Pos_OnType, direct);
    connect(Pos_, &ctlPosition::OnVariation, this, &frmMain::Pos_OnVariation, direct);
    connect(Pos_, &ctlPosition::MouseUp, this, &frmMain::Selector_MouseUp, direct);
    connect(ctlButtons_, &::ctlButtons::Click, this, &frmMain::ctlButtons_Click, direct);
    connect(ctlButtons_, &::ctlButtons::MouseUp, this, &frmMain::Selector_MouseUp, direct);

    connect(Neck_, &ctlNeck::OnChord, this, &frmMain::Neck_OnChord, direct);
    connect(Neck_, &ctlNeck::OnScale, this, &frmMain::Neck_OnScale, direct);
    connect(Neck_, &ctlNeck::NoChord, this, &frmMain::Neck_NoChord, direct);
    connect(Neck_, &ctlNeck::OnMap, this, &frmMain::Neck_OnMap, direct);
    connect(Neck_, &ctlNeck::OnClear, this, &frmMain::Neck_OnClear, direct);
    connect(Neck_, &ctlNeck::GenerateChord, this, &frmMain::Neck_GenerateChord, direct);
    connect(Neck_, &ctlNeck::MouseDown, this, &frmMain::Neck_MouseDown, direct);

    connect(MIDI_, &ctlMIDI::OnPlay, this, &frmMain::MIDI_OnPlay, direct);
    connect(MIDI_, &ctlMIDI::OnStop, this, &frmMain::MIDI_OnStop, direct);
    connect(MIDI_, &ctlMIDI::OnNeckFocus, this, &frmMain::MIDI_OnNeckFocus, direct);
    connect(MIDI_, &ctlMIDI::OnTune, this, &frmMain::MIDI_OnTune, direct);
    connect(HScroll1_, &QScrollBar::valueChanged, this, &frmMain::HScroll1_Change, direct);
    connect(lstDevices_, &QListWidget::currentRowChanged, this, &frmMain::lstDevices_Click, direct);
    connect(&tmrOff_, &QTimer::timeout, this, &frmMain::tmrOff_Timer, direct);

    connect(ChartControl_, &ctlChartControls::ChartSelected, this, &frmMain::ChartControl_ChartSelected, direct);
    connect(ChartControl_, &ctlChartControls::OnChartClick, this, &frmMain::ChartControl_OnChartClick, direct);
    connect(ChartControl_, &ctlChartControls::OnChartView, this, &frmMain::ChartControl_OnChartView, direct);
    connect(ChartControl_, &ctlChartControls::OnNoChart, this, &frmMain::ChartControl_OnNoChart, direct);
    connect(ChartControl_, &ctlChartControls::ShowChartText, this, &frmMain::ChartControl_ShowChartText, direct);
    connect(ChartControl_, &ctlChartControls::ShowChartChord, this, &frmMain::ChartControl_ShowChartChord, direct);
    connect(ChartControl_, &ctlChartControls::ShowChartScale, this, &frmMain::ChartControl_ShowChartScale, direct);
    connect(ChartControl_, &ctlChartControls::ShowChartMap, this, &frmMain::ChartControl_ShowChartMap, direct);
    for (QPushButton* edit : {ChartControl_->cmdAdd(), ChartControl_->cmdDelete(), ChartControl_->cmdDeleteItem(),
                              ChartControl_->cmdUpDown(0), ChartControl_->cmdUpDown(1)})
        connect(edit, &QPushButton::pressed, this, &frmMain::ChartControl_EditPressed, direct);
    // Connected after the panel's own handler, so it runs after the delete.
    connect(ChartControl_->cmdDeleteItem(), &QPushButton::clicked, this, &frmMain::ChartControl_ItemDeleted, direct);

    connect(cmdEnter_, &QPushButton::clicked, this, &frmMain::cmdEnter_Click, direct);
    connect(cmdClearFretboard_, &QPushButton::clicked, this, &frmMain::cmdClearFretboard_Click, direct);
    connect(cmdOptions_, &QPushButton::clicked, this, &frmMain::cmdOptions_Click, direct);
    connect(cmdWindow_, &QPushButton::clicked, this, &frmMain::cmdWindow_Click, direct);
}

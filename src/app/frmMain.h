#pragma once
// The main window: the only mediator of the program. The engine, the
// selector controls, the fretboard, the MIDI panel and the tablature window
// report to it by their events; it drives them by their members. Every
// connection is direct: the engine answers inside the call that asked it.
//
// The implementation is split by concern:
//   frmMain.cpp            controls and their places, connections
//   frmMainMenus.cpp       the popup menus
//   frmMainModes.cpp       the five modes and their layouts, the tablature window's contents
//   frmMainMediation.cpp   engine, selector and fretboard events
//   frmMainChordGen.cpp    chord generator input (fretboard clicks, tablature entry)
//   frmMainPlayback.cpp    Play and Stop, chart play, tuning, devices, the silencing timer
//   frmMainCharts.cpp      the chart panel, the viewer, the current chart and Add
//   frmMainLifecycle.cpp   loading, first activation, shutdown
//   frmMainWindow.cpp      docking the tablature window, dragging, minimising to the tray
//   frmMainHelp.cpp        help, the product page and the about box

#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DockPlaces.h"
#include "Modes.h"
#include "PlayButtonStates.h"

class MIDI_OUT;
class MidiOutDriver;
class QAction;
class QActionGroup;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class clsChart;
class clsReckoner;
class ctlChartControls;
class ctlButtons;
class ctlChordExt;
class ctlDis;
class ctlKey;
class ctlMIDI;
class ctlNeck;
class ctlPosition;
class ctlScaleExt;
class TrayIcon;
class frmAbout;
class frmTabWindow;
class frmTips;

class frmMain : public QWidget {
    Q_OBJECT
public:
    // The working area, in twips.
    static constexpr int kWidthTwips = 3960;
    static constexpr int kHeightTwips = 6765;

    // The MIDI devices come from `driver` (tests, benchmarks), which must
    // outlive the window; by default from the system.
    explicit frmMain(MidiOutDriver* driver = nullptr, QWidget* parent = nullptr);
    ~frmMain() override;

    // Loading: counts the run, prepares the data files, the tablature window,
    // the current chart and the engine's first mode (chord dictionary). The
    // MIDI output opens after the window's first paint (OpenMidiOutput).
    void Form_Load();
    // Lists the MIDI devices, opens the first and sends the last instrument.
    // Runs once; start-up calls it after the first paint. The built-in
    // synthesizer then loads its soundfont in the background.
    void OpenMidiOutput();
    bool MidiOutputOpened() const { return midiOpened_; }

    // The key name last chosen; "" after every mode change.
    QString CurrentKey() const { return currentKey_; }
    bool MapFlag() const { return mapFlag_; }
    bool Playing() const { return playing_; }
    bool StopChart() const { return stopChart_; }
    bool TipShown() const { return tipShown_; }
    bool Activated() const { return activated_; }
    int16_t OffTicks() const { return offTicks_; }
    // The path of the current chart file (lblChart's tag); "" when none.
    QString ChartTag() const { return chartTag_; }

    clsReckoner& objReckoner() const { return *objReckoner_; }
    MIDI_OUT* Output() const { return midiOut_; }
    ctlChartControls* ChartControl() const { return ChartControl_; }
    // The newest chart viewer, while its window is open.
    clsChart* objChart() const;
    ctlNeck* Neck() const { return Neck_; }
    ctlMIDI* MIDI() const { return MIDI_; }
    ctlKey* Key() const { return Key_; }
    ctlPosition* Pos() const { return Pos_; }
    ctlChordExt* ChordExt() const { return ChordExt_; }
    ctlScaleExt* ScaleExt() const { return ScaleExt_; }
    ctlDis* Display() const { return Display_; }
    ::ctlButtons* OptionButtons() const { return ctlButtons_; }
    QListWidget* lstMatches() const { return lstMatches_; }
    QListWidget* lstDevices() const { return lstDevices_; }
    QPushButton* cmdEnter() const { return cmdEnter_; }
    QPushButton* cmdClearFretboard() const { return cmdClearFretboard_; }
    QScrollBar* HScroll1() const { return HScroll1_; }
    QLabel* lblTune() const { return lblTune_; }
    QLabel* lblMode() const { return lblMode_; }
    QLabel* lblChart() const { return lblChart_; }
    QLabel* lblQF() const { return lblQF_; }
    QPushButton* cmdOptions() const { return cmdOptions_; }
    QPushButton* cmdWindow() const { return cmdWindow_; }
    QPushButton* cmdHelp() const { return cmdHelp_; }
    QPushButton* cmdMin() const { return cmdMin_; }
    QPushButton* cmdExit() const { return cmdExit_; }
    const QTimer& tmrOff() const { return tmrOff_; }
    frmTabWindow* TabWindowForm() const { return TabWindowForm_; }
    frmTips* TipForm() const { return TipForm_; }

    QMenu* mnuHidden() const { return mnuHidden_; }
    QAction* mnuChords() const { return mnuChords_; }
    QAction* mnuScales() const { return mnuScales_; }
    QAction* mnuChartMan() const { return mnuChartMan_; }
    QAction* mnuChartPlay() const { return mnuChartPlay_; }
    QAction* mnuChordGen() const { return mnuChordGen_; }
    QAction* mnuHiddenViewCC() const { return mnuHiddenViewCC_; }
    QMenu* mnuTabWin() const { return mnuTabWin_; }
    // The dock items in menu order: Top, Bottom, Lower Left, Lower Right,
    // Upper Right, Upper Left.
    QAction* mnuDock(int menuIndex) const { return mnuDock_[menuIndex]; }
    QAction* mnuQFWeb() const { return mnuQFWeb_; }
    QAction* mnuFileExit() const { return mnuFileExit_; }
    QMenu* mnuHelp() const { return mnuHelp_; }
    QAction* mnuHelpContents() const { return mnuHelpContents_; }
    QAction* mnuHelpSearch() const { return mnuHelpSearch_; }
    QAction* mnuHelpAbout() const { return mnuHelpAbout_; }
    QMenu* mnuTray() const { return mnuTray_; }
    QAction* mnuTrayRestore() const { return mnuTrayRestore_; }

    // The tray icon (shown while the program is put away in the tray).
    TrayIcon& Tray() const { return *tray_; }
    // The tablature window was shown when the main window last went away.
    bool TabWasVisible() const { return tabWasVisible_; }
    // The open about box, or null.
    frmAbout* AboutForm() const { return AboutForm_; }

    // Opens the help at its contents, or says that it is missing.
    void ShowHelp();
    // Back from the tray, the task bar or behind other windows, raised and
    // active, as the tray's Restore brings it (a later start asks for it).
    // Does nothing while loading or once unloaded.
    void BringToFront();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class ReckonerEvents;


    // frmMain.cpp
    void CreateControls();
    void ConnectControls();

    // frmMainMenus.cpp
    void BuildMenus();
    void ModeItemTriggered(QAction* item, bool checked, int32_t mode);

    // frmMainModes.cpp
    void mnuChords_Click(bool checked);
    void mnuScales_Click(bool checked);
    void mnuChartPlay_Click(bool checked);
    void mnuChordGen_Click(bool checked);
    void mnuChartMan_Click(bool checked);
    void cmdOptions_Click();
    // Sets the engine's mode, once any playback has stopped.
    void RequestMode(int32_t mode);
    void objReckoner_OnMode(int32_t Mode, const std::string& Text);
    void UpdateTabWindow();

    // frmMainMediation.cpp
    void Key_KeyChange(const QString& Key);
    void ChordExt_Change(int16_t Index);
    void ChordExt_Clear();
    void ScaleExt_Change(const QString& Caption);
    void Pos_OnType(int16_t Index);
    void Pos_OnVariation(int16_t Variation);
    void Selector_MouseUp();
    void objReckoner_ClearMatches();
    void objReckoner_AddMatch(const std::string& Key, const std::string& Detail);
    void objReckoner_OnDisplay(const std::string& Line1, const std::string& Line2, const std::string& Line3);
    void objReckoner_OnChord(const std::string& Fingering);
    void objReckoner_OnScale(const std::string& Position, const std::string& Description);
    void objReckoner_OnVariation(int16_t VariationCount, int16_t Variation);
    void objReckoner_NoChord(const std::string& Text);
    void objReckoner_OnScaleType(int16_t TypeCode);
    void Neck_OnChord();
    void Neck_OnScale();
    void Neck_NoChord();
    void Neck_OnMap();
    void Neck_OnClear();
    void Neck_GenerateChord(const QString& MIDICode);
    void TabWindowForm_ButtonClick();

    // frmMainChordGen.cpp
    void Neck_MouseDown(float X, float Y);
    void cmdEnter_Click();
    void TipForm_SetChord(const QString& Code);
    void cmdClearFretboard_Click();
    // The read-out before a chord is built: two empty lines and how to start.
    void ShowGeneratorPrompt();

    // frmMainPlayback.cpp
    void MIDI_OnPlay();
    void MIDI_OnStop();
    void MIDI_OnNeckFocus();
    void MIDI_OnTune(const QString& Caption, int16_t Tune);
    void HScroll1_Change(int value);
    void lstDevices_Click(int row);
    void tmrOff_Timer();
    // Runs `action` now, or, while Play runs, stops the playback (all notes
    // off, a pending Play dropped) and runs it once the Play handler has returned.
    void AfterPlayback(std::function<void()> action);
    void StopPlayback();
    void RunDeferred();
    void PlayChart();
    void ShowChartItem(const QString& Line);

    // frmMainCharts.cpp
    void ChartControl_ChartSelected();
    void ChartControl_OnChartClick(const QString& ChartFile, const QString& ChartName);
    void ChartControl_OnChartView(const QString& ChartFile, const QString& ChartName);
    void ChartControl_OnNoChart();
    void ChartControl_ShowChartText(const QString& Text);
    void ChartControl_ShowChartChord(const QString& Code);
    void ChartControl_ShowChartScale(const QString& Code);
    void ChartControl_ShowChartMap(const QString& MapNotes, bool Flag, bool SetRoot);
    // A panel button that edits the charts is going down: a playback stops first.
    void ChartControl_EditPressed();
    // After the panel's own Delete: the item count on screen follows.
    void ChartControl_ItemDeleted();
    void mnuHiddenViewCC_Click();
    void objChart_OnUnload();
    void objChart_OnChartNotFound(const QString& ChartFile);
    void ShowChartWindow(const QString& ChartFile, const QString& ChartName);
    void SetCurrentChart(const QString& ChartFile, const QString& ChartName);
    // lblChart shows `caption`, cut short with "…" where it does not fit;
    // `tip` (the whole name) is its tooltip.
    void ShowChartCaption(const QString& caption, const QString& tip);
    // No current chart any more ("Chart: *****"), in the settings too.
    void ForgetCurrentChart();
    // The settings "ChartFile" and "ChartName" follow the current chart; only
    // the main window writes them.
    void SaveCurrentChart();
    void ctlButtons_Click(int16_t Index);
    void AddToCurrentChart();

    // frmMainLifecycle.cpp
    void cmdWindow_Click();
    void Form_Activate();
    void Form_Unload();

    // frmMainMenus.cpp
    void BuildShellMenus();
    void cmdHelp_Click();

    // frmMainWindow.cpp
    void CreateChrome();
    void DockTabWindow();
    // Puts the tablature window at a dock place ("0".."5"), from the main
    // window's place; a place that is not one of them counts as Upper Right.
    void PlaceTabWindow(int place);
    // The dock place stored in "TabWinDock".
    static int StoredDockPlace();
    void ShowDockCheck(int place);
    void DockItem_Click(int place);
    void DragWindows();
    void cmdMin_Click();
    void Form_Resize(bool minimised);
    void Tray_RightButtonDown();
    void Tray_Appeared();
    void Tray_Missing();
    void mnuTrayRestore_Click();
    // Un-minimised, shown, raised and active, the tablature window and an
    // open modal box with it.
    void RestoreWindow();
    void cmdExit_Click();
    void mnuFileExit_Click();
    void TabWindowForm_Closed();

    // frmMainHelp.cpp
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void mnuQFWeb_Click();
    void AboutForm_OnUnload();
    void OpenHelp(bool search);
    void OpenHelpNow(bool search);
    void ShowAbout();

    // Controls.
    ctlNeck* Neck_ = nullptr;
    ctlMIDI* MIDI_ = nullptr;
    ctlKey* Key_ = nullptr;
    ctlPosition* Pos_ = nullptr;
    ctlChordExt* ChordExt_ = nullptr;
    ctlScaleExt* ScaleExt_ = nullptr;
    ctlDis* Display_ = nullptr;
    ::ctlButtons* ctlButtons_ = nullptr;
    QListWidget* lstMatches_ = nullptr;
    QListWidget* lstDevices_ = nullptr;
    QPushButton* cmdEnter_ = nullptr;
    QPushButton* cmdClearFretboard_ = nullptr;
    QScrollBar* HScroll1_ = nullptr;
    QLabel* lblTune_ = nullptr;
    QLabel* lblMode_ = nullptr;
    QLabel* lblChart_ = nullptr;
    QLabel* lblQF_ = nullptr;
    QPushButton* cmdOptions_ = nullptr;
    QPushButton* cmdWindow_ = nullptr;
    QPushButton* cmdHelp_ = nullptr;
    QPushButton* cmdMin_ = nullptr;
    QPushButton* cmdExit_ = nullptr;
    ctlChartControls* ChartControl_ = nullptr;
    QTimer tmrOff_;

    // Menus.
    QMenu* mnuHidden_ = nullptr;
    QActionGroup* modeItems_ = nullptr;
    QAction* mnuChords_ = nullptr;
    QAction* mnuScales_ = nullptr;
    QAction* mnuChartMan_ = nullptr;
    QAction* mnuChartPlay_ = nullptr;
    QAction* mnuChordGen_ = nullptr;
    QAction* mnuHiddenViewCC_ = nullptr;
    QMenu* mnuTabWin_ = nullptr;
    QAction* mnuDock_[DockPlaces::kMenu.size()] = {};
    QAction* mnuQFWeb_ = nullptr;
    QAction* mnuFileExit_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuHelpContents_ = nullptr;
    QAction* mnuHelpSearch_ = nullptr;
    QAction* mnuHelpAbout_ = nullptr;
    QMenu* mnuTray_ = nullptr;
    QAction* mnuTrayRestore_ = nullptr;

    // Objects.
    std::unique_ptr<ReckonerEvents> reckonerEvents_;
    std::unique_ptr<clsReckoner> objReckoner_;
    MIDI_OUT* midiOut_ = nullptr;
    QPointer<clsChart> objChart_;
    frmTabWindow* TabWindowForm_ = nullptr;
    frmTips* TipForm_ = nullptr;
    frmAbout* AboutForm_ = nullptr;
    TrayIcon* tray_ = nullptr;

    // State.
    QString currentKey_;
    QString chartTag_;
    QString chartName_;
    // What lblChart says in full, before it is cut to fit.
    QString chartCaption_ = QStringLiteral("Chart: *****");
    bool mapFlag_ = false;
    bool playing_ = false;
    bool stopChart_ = false;
    // A Play asked for while the last playback unwinds; it runs after deferred_.
    bool playPending_ = false;
    bool tipShown_ = false;
    // Form_Load has run up to the engine's first mode.
    bool loaded_ = false;
    bool activated_ = false;
    bool unloaded_ = false;
    bool midiScheduled_ = false;
    bool midiOpened_ = false;
    // A note map is what the fretboard shows (its own map flag outlives Clear).
    bool mapOnScreen_ = false;
    int16_t offTicks_ = 0;
    bool tabWasVisible_ = false;
    // Minimised or in the tray: the tablature window is put away with the main window.
    bool away_ = false;
    // The dock place whose item is checked; -1 none.
    int dockChecked_ = -1;
    // The tablature window was shown and has not been drawn since.
    bool tabFramePending_ = false;
    std::vector<std::function<void()>> deferred_;
};

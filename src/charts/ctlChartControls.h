#pragma once
// The chart manager panel: lists the charts of the chart folder, creates and
// deletes charts, deletes and moves the items of the current chart, and asks
// its host to view a chart. The item list the user sees is the host's (handed
// over through SetLstItems); the panel fills it, keeps the item codes index
// for index beside it and handles its clicks. Every edit is written to the
// chart file before the lists change: a failed write leaves both as they were
// and says so. The panel reports only through its signals, which the host
// connects directly. Laid out in twips, 2010 x 4560.

#include <QString>
#include <QWidget>
#include <cstdint>

#include "ChartFile.h"

class QLabel;
class QListWidget;
class QPushButton;

class ctlChartControls : public QWidget {
    Q_OBJECT
public:
    explicit ctlChartControls(QWidget* parent = nullptr);

    // Takes the host's item list, makes sure the chart folder exists and
    // fills the chart list (CheckCharts). Meant to be called once.
    void SetLstItems(QListWidget* List);
    QString StartChart() const { return startChart_; }
    // Until the host sets this, choosing a chart loads it but neither shows
    // an item nor raises OnChartClick.
    void SetInitialized(bool Initialized) { initialized_ = Initialized; }
    bool Initialized() const { return initialized_; }
    // Stores the name and selects that chart (SelectChart).
    void SetStartChart(const QString& Name);
    int16_t ItemCount() const;
    // The first selected item; 0 also when none is selected.
    int16_t SelectedItem() const;
    // The chart folder; a missing trailing "/" is added.
    void SetChartPath(const QString& Path);
    QString ChartPath() const { return chartPath_; }
    QString ChartName() const { return chartName_; }
    void SetChartName(const QString& Name) { chartName_ = Name; }
    QString ChartFile() const { return chartFile_; }
    void SetChartFile(const QString& File) { chartFile_ = File; }

    // Enables or disables the chart list and the item list (during playback).
    void EnableLists(bool Enable);
    // The buttons (chart manager) or the chart's description (chart play);
    // the item buttons then follow the item count (ItemButtons).
    void ShowButtons(bool Show);
    int16_t ChartCount() const;
    // The item's chart line, text & "~" & code; "" for an index out of range.
    QString GetItemCode(int16_t Index) const;
    // Makes sure the chart folder exists and fills the chart list.
    void CheckCharts();
    // Selects an item as a click would (ShowItem); an index out of range is ignored.
    void SelectItem(int16_t Index);
    // Selects the chart of exactly that name as a click would; none, nothing.
    void SelectChart(const QString& Name);
    // Enables View Chart and the item buttons when the chart has items.
    void ItemButtons();
    // Selects the first chart or item when none is, else shows the selected item.
    void ShowItem();
    // Adds an item the host has already appended to the chart file (see
    // ChartFile::Append); saves and selects nothing, and the item buttons
    // follow the new count (ItemButtons).
    void AddToChart(const QString& Text, const QString& Code);

    // The controls, for the host's layout checks and for tests.
    QListWidget* lstCharts() const { return lstCharts_; }
    QPushButton* cmdAdd() const { return cmdAdd_; }
    QPushButton* cmdBlank() const { return cmdBlank_; }
    QPushButton* cmdView() const { return cmdView_; }
    QPushButton* cmdDelete() const { return cmdDelete_; }
    // 0 "Move Up", 1 "Move Down".
    QPushButton* cmdUpDown(int Index) const { return cmdUpDown_[Index == 0 ? 0 : 1]; }
    QPushButton* cmdDeleteItem() const { return cmdDeleteItem_; }
    QLabel* lblArrangeCaption() const { return lblArrangeCaption_; }
    QLabel* lblChartCaption() const { return lblChartCaption_; }
    QListWidget* m_lstItem() const { return m_lstItem_; }
    QListWidget* m_lstItemCode() const { return m_lstItemCode_; }

    static constexpr int kWidthTwips = 2010;
    static constexpr int kHeightTwips = 4560;

signals:
    void ChartSelected();
    void OnNoChart();
    void ShowChartText(const QString& Text);
    void OnChartClick(const QString& ChartFile, const QString& ChartName);
    void OnChartView(const QString& ChartFile, const QString& ChartName);
    void ShowChartMap(const QString& MapNotes, bool Flag, bool SetRoot);
    void ShowChartScale(const QString& Code);
    void ShowChartChord(const QString& Code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void cmdAdd_Click();
    void cmdAdd_MouseUp();
    void cmdBlank_Click();
    void cmdDelete_Click();
    void cmdDeleteItem_Click();
    void cmdUpDown_Click(int16_t Index);
    void cmdView_Click();
    void lstCharts_Click();
    bool SaveChart(const ChartContent& Content);
    void LoadChartList();
    void LoadChart();
    void UpdateChartButtons();
    void EnableItemButtons(bool Enable);
    void m_lstItem_Click();
    void ActivateItem(int16_t Index);

    // The current chart as the lists hold it.
    ChartContent currentContent() const;
    void emptyItems();
    // Selects a row in code, running its click handler once, whether or not
    // the selection changes.
    void selectChartRow(int row);
    void selectItemRow(int row);
    void wireClicks(QListWidget* list, int* rowAtPress, void (ctlChartControls::*click)());
    void setChartButtonStates(bool anyChart);
    void keepCodesInStep();
    void failed(const QString& what, const QString& reason);

    QListWidget* lstCharts_;
    QPushButton* cmdAdd_;
    QPushButton* cmdBlank_;
    QPushButton* cmdView_;
    QPushButton* cmdDelete_;
    QPushButton* cmdUpDown_[2];
    QPushButton* cmdDeleteItem_;
    QLabel* lblArrangeCaption_;
    QLabel* lblChartCaption_;
    QListWidget* m_lstItemCode_;
    QListWidget* m_lstItem_ = nullptr;

    QString chartPath_;
    QString chartName_;
    QString chartFile_;
    QString startChart_;
    bool initialized_ = false;
    // False when the current chart exists but could not be read: saving the
    // lists would then replace a chart the panel never saw.
    bool chartReadable_ = true;
    // Set while the panel changes its lists itself: the signals that raises
    // are no clicks, and the codes are kept in step by hand.
    bool inCode_ = false;
    // The selected row of a list as a mouse press began (a press on it again
    // is a click too).
    int chartRowAtPress_ = -1;
    int itemRowAtPress_ = -1;
};

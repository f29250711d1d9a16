#pragma once
// The chart viewer: opens a chart window showing one chart file as a grid of
// fretboard diagrams, five to a row, each under its name; or, for "BLANK",
// ten empty diagrams under lines for names written by hand.
//
// One viewer serves one request. Create it with new (give it a parent that
// outlives it, such as the main window), connect its signals, call ShowChart
// once. It deletes itself when it is done: after raising OnUnload when its
// window has closed, or at once (later, from the event loop) when ShowChart
// showed no window. Hold it in a QPointer; several viewers, each with its
// own window, may be alive at once.

#include <QObject>
#include <QPointer>
#include <QString>

#include "ChartFile.h"

class ChartCanvas;
class frmChart;
struct ChartCell;

class clsChart : public QObject {
    Q_OBJECT
public:
    explicit clsChart(QObject* parent = nullptr);
    ~clsChart() override;

    // Stored only: ShowChart works from its arguments.
    QString ChartName() const { return chartName_; }
    void SetChartName(const QString& name) { chartName_ = name; }
    QString ChartFile() const { return chartFile_; }
    void SetChartFile(const QString& file) { chartFile_ = file; }

    // Shows the chart file `ChartFile` (a full path), the blank chart for
    // "BLANK", or says that no chart is selected for "". `ChartName` goes in
    // the window's caption. A file that is missing or cannot be read is
    // reported in a message and shows no window; an item line whose code or
    // flag is missing or empty is drawn as its label alone. True when the
    // window is shown. Once a window is shown, further calls do nothing and
    // give false.
    bool ShowChart(const QString& ChartFile, const QString& ChartName);

    // Where a label of `labelLength` characters starts (twips) in a cell whose
    // left edge is `cellLeft`: centred by a fixed width per character.
    static int LabelLeft(int cellLeft, qsizetype labelLength);

    // The chart window while it is open.
    frmChart* ChartForm() const;

signals:
    // The chart window has closed and is gone; the viewer goes next.
    void OnUnload();
    // The chart file was not found (and the user told so). The viewer keeps
    // no settings: its owner forgets the chart when it is its current one.
    void OnChartNotFound(const QString& ChartFile);

private:
    struct RunError {
        int Number;
        QString Description;
    };

    static void DrawChartItem(ChartCanvas& canvas, const ChartItem& item);
    static void placeCell(ChartCanvas& canvas, ChartCell cell);
    void fail(const RunError& error, const QString& chartFile);
    void ChartForm_OnUnload();

    QString chartName_;
    QString chartFile_;
    QPointer<frmChart> ChartForm_;
};

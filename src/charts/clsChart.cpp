#include "clsChart.h"

#include <QApplication>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>

#include "AppSettings.h"
#include "ChartCanvas.h"
#include "Prompter.h"
#include "ScreenFit.h"
#include "frmChart.h"

namespace {

constexpr int kCellsPerRow = 5;
constexpr int kCellPitch = 1900;
constexpr int kLabelCentre = 850;   // a label is centred on this offset in its cell
constexpr int kLabelCharWidth = 36; // twips a character is taken to need
constexpr int kBlankCells = 10;
const QString kBlankLabel = QStringLiteral("_____________");

// The hourglass over every window while a chart is drawn.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { Release(); }
    void Release() {
        if (active_) QApplication::restoreOverrideCursor();
        active_ = false;
    }

private:
    bool active_ = true;
};


}  // namespace

clsChart::clsChart(QObject* parent) : QObject(parent) {}

clsChart::~clsChart() {
    // A window still open when its viewer goes (the program ending) goes with it.
    delete ChartForm_.data();
}

// Here, where frmChart is complete: QPointer's conversion needs it.
frmChart* clsChart::ChartForm() const { return ChartForm_; }

bool clsChart::ShowChart(const QString& ChartFile, const QString& ChartName) {
    if (ChartForm_) return false;  // a viewer serves one request
    if (ChartFile.isEmpty()) {
        Prompter::Current().Message(QStringLiteral("No chart selected!"), QStringLiteral("Chart"),
                                    Prompter::Icon::Exclamation);
        deleteLater();
        return false;
    }
    BusyCursor busy;
    auto form = std::make_unique<frmChart>();
    ChartCanvas& canvas = *form->picSlide();

    if (ChartFile == QLatin1String("BLANK")) {
        for (int i = 0; i < kBlankCells; ++i) {
            ChartCell cell;
            cell.Label = kBlankLabel;
            cell.Kind = ChartCell::Drawing::EmptyNeck;
            placeCell(canvas, std::move(cell));
        }
        form->SetCaption(QStringLiteral("Blank Chart"));
        form->SetBlankGrid(true);
    } else {
        ChartContent content;
        QString reason;
        switch (::ChartFile::Read(ChartFile, &content, &reason)) {
            case ::ChartFile::ReadStatus::Ok: break;
            case ::ChartFile::ReadStatus::NotFound:
                busy.Release();
                fail({53, QStringLiteral("File not found")}, ChartFile);
                return false;
            case ::ChartFile::ReadStatus::Unreadable:
                busy.Release();
                fail({75, QStringLiteral("Path/File access error (%1)").arg(reason)}, ChartFile);
                return false;
        }
        for (const ChartItem& item : content.Items) DrawChartItem(canvas, item);
        form->SetCaption(ChartName + QStringLiteral(" Chart [") + QString::number(content.Items.size()) +
                         QStringLiteral(" Items]"));
    }
    // The rows in view are drawn before the window shows; the others as they scroll in.
    canvas.Prerender(0, frmChart::kDesignHeight);
    busy.Release();

    ChartForm_ = form.release();
    connect(ChartForm_, &frmChart::OnUnload, this, &clsChart::ChartForm_OnUnload, Qt::DirectConnection);
    ScreenFit::Place(ChartForm_, qobject_cast<const QWidget*>(parent()));
    ChartForm_->show();
    ChartForm_->activateWindow();
    return true;
}

int clsChart::LabelLeft(int cellLeft, qsizetype labelLength) {
    // In 64 bits and held to the int range, so that a label of any length (a
    // chart file is free text) has a defined place: far to the left when long.
    constexpr int64_t kIntMin = std::numeric_limits<int>::min();
    constexpr int64_t kIntMax = std::numeric_limits<int>::max();
    const int64_t length = std::clamp<int64_t>(labelLength, 0, kIntMax);
    const int64_t left = int64_t{cellLeft} + kLabelCentre - kLabelCharWidth * length;
    return static_cast<int>(std::clamp(left, kIntMin, kIntMax));
}

void clsChart::placeCell(ChartCanvas& canvas, ChartCell cell) {
    // Five to a row: the cells placed so far tell the row and column, and the
    // first cell of a row makes the canvas a row taller.
    const int index = static_cast<int>(canvas.Cells().size());
    cell.Left = index % kCellsPerRow * kCellPitch;
    cell.Top = index / kCellsPerRow * ChartCanvas::kRowPitch;
    if (index > 0 && index % kCellsPerRow == 0) canvas.SetCanvasHeight(cell.Top + ChartCanvas::kRowPitch);
    cell.LabelX = LabelLeft(cell.Left, cell.Label.size());
    canvas.AddCell(std::move(cell));
}

void clsChart::DrawChartItem(ChartCanvas& canvas, const ChartItem& item) {
    // A line that lacks what its kind needs (a hand edit, or a "~" with no
    // code after it) keeps its label and gets no diagram, as free text does:
    // one such line never hides the rest, nor shows as an empty fretboard.
    ChartCell cell;
    switch (::ChartFile::KindOf(item.Text)) {
        case ::ChartFile::Kind::Map: {
            cell.Label = item.Text.mid(4);
            const std::optional<::ChartFile::MapCode> map = ::ChartFile::ParseMapCode(item.Code);
            if (!map) break;
            cell.Kind = ChartCell::Drawing::Map;
            cell.Code = map->Notes;
            cell.Flag = map->Flag;
            break;
        }
        case ::ChartFile::Kind::Scale:
        case ::ChartFile::Kind::Chord: {
            cell.Label = item.Text.mid(6);
            const QString code = item.Code.section(QLatin1Char('~'), 0, 0);
            if (code.trimmed().isEmpty()) break;
            const bool scale = ::ChartFile::KindOf(item.Text) == ::ChartFile::Kind::Scale;
            cell.Kind = scale ? ChartCell::Drawing::Scale : ChartCell::Drawing::Chord;
            cell.Code = code + QLatin1Char('$') + ChartFile::RootOf(item.Text);
            break;
        }
        case ::ChartFile::Kind::Text:
            // Free text has no diagram: its cell stays empty.
            break;
    }
    placeCell(canvas, std::move(cell));
}

void clsChart::fail(const RunError& error, const QString& chartFile) {
    QString text = QStringLiteral("Error: ") + QString::number(error.Number) + QStringLiteral(" - ") +
                   error.Description;
    const bool notFound = error.Number == 53;
    if (notFound) text += QStringLiteral("\r\n\r\nThe chart file could not be found.");
    Prompter::Current().Message(text, AppSettings::AppTitle(), Prompter::Icon::Critical);
    QPointer<clsChart> self(this);
    if (notFound) emit OnChartNotFound(chartFile);
    if (self) deleteLater();  // unless the owner has already deleted it
}

void clsChart::ChartForm_OnUnload() {
    if (ChartForm_) ChartForm_->deleteLater();
    ChartForm_ = nullptr;
    QPointer<clsChart> self(this);
    emit OnUnload();
    if (self) deleteLater();  // unless the owner has already deleted it
}

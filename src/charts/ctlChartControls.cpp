#include "ctlChartControls.h"

#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <optional>

#include "AppFonts.h"
#include "AppSettings.h"
#include "PlainText.h"
#include "Prompter.h"
#include "Twips.h"

namespace {

const QString kPlaceholder = QStringLiteral(
    "To play charts simply add some text to this label for some help on how to play the charts "
    "and this text color looks kind of neat...");

// Layout, in twips: the chart list on top, the chart buttons under it one
// a row (their captions want the panel's whole width), then the item buttons
// under their heading, Move Up and Move Down side by side. The description
// takes the buttons' place in chart play.
constexpr int kMargin = 45;
constexpr int kInner = ctlChartControls::kWidthTwips - 2 * kMargin;
constexpr int kButtonHeight = 330;
constexpr int kGap = 30;
constexpr int kStep = kButtonHeight + kGap;
constexpr int kListHeight = 1860;
constexpr int kChartButtonsTop = kMargin + kListHeight + 90;
constexpr int kArrangeTop = kChartButtonsTop + 4 * kStep - kGap + 150;
constexpr int kArrangeHeight = 240;
constexpr int kMoveTop = kArrangeTop + kArrangeHeight + kGap;
constexpr int kMoveUpWidth = 840;  // "Move Down" is the longer caption
constexpr int kDeleteTop = kMoveTop + kStep;
static_assert(kDeleteTop + kButtonHeight + kMargin <= ctlChartControls::kHeightTwips);

// The first selected row; -1 when none is.
int selectedRow(const QListWidget* list) {
    if (!list) return -1;
    int row = -1;
    for (const QModelIndex& index : list->selectionModel()->selectedIndexes())
        if (row < 0 || index.row() < row) row = index.row();
    return row;
}

// Marks the panel's own changes to its lists while it lives.
class InCode {
public:
    explicit InCode(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~InCode() { flag_ = was_; }
    InCode(const InCode&) = delete;
    InCode& operator=(const InCode&) = delete;

private:
    bool& flag_;
    bool was_;
};

// The part of an item text between its first and second colon (to the end
// without a second one); nothing without a colon.
std::optional<QString> afterFirstColon(const QString& text) {
    const qsizetype first = text.indexOf(QLatin1Char(':'));
    if (first < 0) return std::nullopt;
    const qsizetype second = text.indexOf(QLatin1Char(':'), first + 1);
    return second < 0 ? text.mid(first + 1) : text.mid(first + 1, second - first - 1);
}

}  // namespace

ctlChartControls::ctlChartControls(QWidget* parent) : QWidget(parent) {
    setFont(AppFonts::Tahoma());
    setFixedSize(Twips::Size(kWidthTwips, kHeightTwips));

    lstCharts_ = new QListWidget(this);
    lstCharts_->setObjectName(QStringLiteral("lstCharts"));
    lstCharts_->setGeometry(Twips::Rect(kMargin, kMargin, kInner, kListHeight));
    wireClicks(lstCharts_, &chartRowAtPress_, &ctlChartControls::lstCharts_Click);

    auto button = [this](const char* name, const char* caption, int left, int top, int width) {
        auto* b = new QPushButton(QLatin1String(caption), this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(Twips::Rect(left, top, width, kButtonHeight));
        return b;
    };
    cmdAdd_ = button("cmdAdd", "New Chart", kMargin, kChartButtonsTop, kInner);
    cmdDelete_ = button("cmdDelete", "Delete Chart", kMargin, kChartButtonsTop + kStep, kInner);
    cmdView_ = button("cmdView", "View Chart", kMargin, kChartButtonsTop + 2 * kStep, kInner);
    cmdBlank_ = button("cmdBlank", "Blank Chart", kMargin, kChartButtonsTop + 3 * kStep, kInner);
    cmdUpDown_[0] = button("cmdUpDown_0", "Move Up", kMargin, kMoveTop, kMoveUpWidth);
    cmdUpDown_[1] = button("cmdUpDown_1", "Move Down", kMargin + kMoveUpWidth + kGap, kMoveTop,
                           kInner - kMoveUpWidth - kGap);
    cmdDeleteItem_ = button("cmdDeleteItem", "Delete", kMargin, kDeleteTop, kInner);

    lblArrangeCaption_ = new QLabel(QStringLiteral("Arrange Chart Items:"), this);
    lblArrangeCaption_->setObjectName(QStringLiteral("lblArrangeCaption"));
    lblArrangeCaption_->setGeometry(Twips::Rect(kMargin, kArrangeTop, kInner, kArrangeHeight));
    lblArrangeCaption_->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    lblChartCaption_ = new QLabel(kPlaceholder, this);
    lblChartCaption_->setObjectName(QStringLiteral("lblChartCaption"));
    lblChartCaption_->setTextFormat(Qt::PlainText);  // a description is never markup
    lblChartCaption_->setWordWrap(true);
    lblChartCaption_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblChartCaption_->setGeometry(
        Twips::Rect(kMargin, kChartButtonsTop, kInner, kHeightTwips - kMargin - kChartButtonsTop));
    QPalette palette = lblChartCaption_->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblChartCaption_->setPalette(palette);
    lblChartCaption_->hide();

    m_lstItemCode_ = new QListWidget(this);
    m_lstItemCode_->setObjectName(QStringLiteral("m_lstItemCode"));
    m_lstItemCode_->hide();

    connect(cmdAdd_, &QPushButton::clicked, this, &ctlChartControls::cmdAdd_Click, Qt::DirectConnection);
    connect(cmdAdd_, &QPushButton::released, this, &ctlChartControls::cmdAdd_MouseUp, Qt::DirectConnection);
    connect(cmdBlank_, &QPushButton::clicked, this, &ctlChartControls::cmdBlank_Click, Qt::DirectConnection);
    connect(cmdDelete_, &QPushButton::clicked, this, &ctlChartControls::cmdDelete_Click, Qt::DirectConnection);
    connect(cmdDeleteItem_, &QPushButton::clicked, this, &ctlChartControls::cmdDeleteItem_Click,
            Qt::DirectConnection);
    connect(cmdUpDown_[0], &QPushButton::clicked, this, [this] { cmdUpDown_Click(0); }, Qt::DirectConnection);
    connect(cmdUpDown_[1], &QPushButton::clicked, this, [this] { cmdUpDown_Click(1); }, Qt::DirectConnection);
    connect(cmdView_, &QPushButton::clicked, this, &ctlChartControls::cmdView_Click, Qt::DirectConnection);

    setChartButtonStates(false);
    EnableItemButtons(false);
}

bool ctlChartControls::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == lstCharts_->viewport()) chartRowAtPress_ = selectedRow(lstCharts_);
        if (m_lstItem_ && watched == m_lstItem_->viewport()) itemRowAtPress_ = selectedRow(m_lstItem_);
    }
    return QWidget::eventFilter(watched, event);
}

// ---- public members -------------------------------------------------------

void ctlChartControls::SetLstItems(QListWidget* List) {
    if (m_lstItem_) {
        m_lstItem_->disconnect(this);
        m_lstItem_->model()->disconnect(this);
        m_lstItem_->viewport()->removeEventFilter(this);
    }
    m_lstItem_ = List;
    if (m_lstItem_) {
        m_lstItem_->setSortingEnabled(false);
        connect(m_lstItem_, &QObject::destroyed, this, [this] {
            m_lstItem_ = nullptr;
            InCode edit(inCode_);
            m_lstItemCode_->clear();
        }, Qt::DirectConnection);
        wireClicks(m_lstItem_, &itemRowAtPress_, &ctlChartControls::m_lstItem_Click);
        keepCodesInStep();
    }
    CheckCharts();
}

void ctlChartControls::SetStartChart(const QString& Name) {
    startChart_ = Name;
    SelectChart(Name);
}

void ctlChartControls::SetChartPath(const QString& Path) {
    chartPath_ = Path;
    if (!chartPath_.isEmpty() && !chartPath_.endsWith(QLatin1Char('/'))) chartPath_ += QLatin1Char('/');
}

int16_t ctlChartControls::ItemCount() const {
    return m_lstItem_ ? static_cast<int16_t>(std::min(m_lstItem_->count(), 32767)) : 0;
}

int16_t ctlChartControls::SelectedItem() const {
    const int row = selectedRow(m_lstItem_);
    return row < 0 ? 0 : static_cast<int16_t>(std::min(row, 32767));
}

void ctlChartControls::EnableLists(bool Enable) {
    lstCharts_->setEnabled(Enable);
    if (m_lstItem_) m_lstItem_->setEnabled(Enable);
}

void ctlChartControls::ShowButtons(bool Show) {
    const QList<QWidget*> buttons = {cmdAdd_,        cmdBlank_,      cmdView_,       cmdDelete_,
                                     cmdUpDown_[0], cmdUpDown_[1], cmdDeleteItem_, lblArrangeCaption_};
    for (QWidget* w : buttons) w->setVisible(Show);
    lblChartCaption_->setVisible(!Show);
    // Items may have come while the buttons were out of sight (Add in a dictionary).
    ItemButtons();
}

int16_t ctlChartControls::ChartCount() const {
    return static_cast<int16_t>(std::min(lstCharts_->count(), 32767));
}

QString ctlChartControls::GetItemCode(int16_t Index) const {
    if (!m_lstItem_ || Index < 0 || Index >= m_lstItem_->count()) return QString();
    const QListWidgetItem* code = m_lstItemCode_->item(Index);
    return m_lstItem_->item(Index)->text() + QLatin1Char('~') + (code ? code->text() : QString());
}

void ctlChartControls::CheckCharts() {
    const QString folder = ChartFile::ChartFolder();
    // Without a folder the list stays empty; creating a chart says why later.
    ChartFile::EnsureFolder(folder);
    chartPath_ = folder;
    LoadChartList();
}

void ctlChartControls::SelectItem(int16_t Index) {
    if (!m_lstItem_ || Index < 0 || Index >= m_lstItem_->count()) return;
    selectItemRow(Index);
}

void ctlChartControls::SelectChart(const QString& Name) {
    for (int row = 0; row < lstCharts_->count(); ++row)
        if (lstCharts_->item(row)->text() == Name) selectChartRow(row);
}

void ctlChartControls::ItemButtons() {
    const bool any = ItemCount() > 0;
    cmdView_->setEnabled(any);
    EnableItemButtons(any);
}

void ctlChartControls::ShowItem() {
    bool selected = false;
    if (lstCharts_->count() > 0 && selectedRow(lstCharts_) < 0) {
        selectChartRow(0);
        selected = true;
    } else {
        emit ChartSelected();
    }
    if (m_lstItem_ && m_lstItem_->count() > 0 && selectedRow(m_lstItem_) < 0) {
        selectItemRow(0);
        selected = true;
    }
    if (!selected) ActivateItem(static_cast<int16_t>(selectedRow(m_lstItem_)));
}

void ctlChartControls::AddToChart(const QString& Text, const QString& Code) {
    if (!m_lstItem_) return;
    {
        InCode edit(inCode_);
        m_lstItemCode_->addItem(Code);
        m_lstItem_->addItem(Text);
    }
    ItemButtons();
}

// ---- buttons ----------------------------------------------------------------

void ctlChartControls::cmdAdd_Click() {
    // Never a chart beside the program's working folder.
    if (chartPath_.isEmpty()) CheckCharts();
    const std::optional<QString> reply = Prompter::Current().Input(
        QStringLiteral("Enter a name for the new chart.\r\n\r\n(17 Char. Max)"), QStringLiteral("New Chart"),
        QStringLiteral("New Chart"));
    if (!reply) return;
    QString name;
    switch (ChartFile::CheckNewName(*reply, chartPath_, &name)) {
        case ChartFile::NameProblem::Empty:
            return;
        case ChartFile::NameProblem::TooLong:
            Prompter::Current().Message(QStringLiteral("Too many characters!"), AppSettings::AppTitle(),
                                        Prompter::Icon::Critical);
            return;
        case ChartFile::NameProblem::BadCharacter:
            Prompter::Current().Message(
                QStringLiteral("A chart cannot be named %1.\r\n\r\nA chart name cannot begin with a period or "
                               "hold any of these characters: / \\ : * ? \" < > | or a control character.")
                    .arg(PlainText::Quoted(name)),
                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
            return;
        case ChartFile::NameProblem::Exists:
            Prompter::Current().Message(
                QStringLiteral("The chart ") + PlainText::Quoted(name) + QStringLiteral(" already exists!"),
                AppSettings::AppTitle(), Prompter::Icon::Exclamation);
            break;
        case ChartFile::NameProblem::None: {
            QString error;
            if (!ChartFile::CreateEmpty(ChartFile::PathOf(chartPath_, name), &error)) {
                failed(QStringLiteral("The chart %1 could not be created.").arg(PlainText::Quoted(name)), error);
                break;
            }
            // In its place by name, as the list reads at the next start.
            int row = 0;
            while (row < lstCharts_->count() &&
                   lstCharts_->item(row)->text().compare(name, Qt::CaseInsensitive) <= 0)
                ++row;
            {
                InCode edit(inCode_);
                lstCharts_->insertItem(row, name);
            }
            SelectChart(name);
            break;
        }
    }
    UpdateChartButtons();
}

void ctlChartControls::cmdAdd_MouseUp() { lstCharts_->setFocus(); }

void ctlChartControls::cmdBlank_Click() { emit OnChartView(QStringLiteral("BLANK"), QString()); }

void ctlChartControls::cmdDelete_Click() {
    const int row = selectedRow(lstCharts_);
    if (row < 0) return;
    lstCharts_->setFocus();
    const QString name = lstCharts_->item(row)->text();
    const Prompter::Answer answer = Prompter::Current().Message(
        QStringLiteral("Are you sure you wish to delete ") + PlainText::Quoted(name) + QStringLiteral(" chart?"),
        AppSettings::AppTitle(), Prompter::Icon::Exclamation, Prompter::Buttons::YesNo, true);
    if (answer != Prompter::Answer::Yes) return;
    QString error;
    if (!ChartFile::Remove(ChartFile::PathOf(chartPath_, name), &error)) {
        failed(QStringLiteral("The chart %1 could not be deleted.").arg(PlainText::Quoted(name)), error);
        return;
    }
    {
        InCode edit(inCode_);
        delete lstCharts_->takeItem(row);
    }
    if (lstCharts_->count() > 0) {
        selectChartRow(0);
    } else {
        emptyItems();
        emit OnChartClick(QString(), QString());
    }
    UpdateChartButtons();
}

void ctlChartControls::cmdDeleteItem_Click() {
    const int i = selectedRow(m_lstItem_);
    if (i < 0) return;
    const Prompter::Answer answer = Prompter::Current().Message(
        QStringLiteral("Are you sure you wish to delete ") + PlainText::Quoted(m_lstItem_->item(i)->text()) +
            QStringLiteral(" from this chart?"),
        AppSettings::AppTitle(), Prompter::Icon::Exclamation, Prompter::Buttons::YesNo);
    if (answer != Prompter::Answer::Yes) return;
    ChartContent content = currentContent();
    content.Items.removeAt(i);
    if (!SaveChart(content)) return;
    {
        InCode edit(inCode_);
        delete m_lstItem_->takeItem(i);
        delete m_lstItemCode_->takeItem(i);
    }
    const int remaining = m_lstItem_->count();
    if (remaining > 0) selectItemRow(std::min(i, remaining - 1));
    m_lstItem_->setFocus();
    EnableItemButtons(remaining > 0);
}

void ctlChartControls::cmdUpDown_Click(int16_t Index) {
    const int current = selectedRow(m_lstItem_);
    if (current < 0) return;
    const int target = Index == 0 ? current - 1 : current + 1;
    if (target < 0 || target >= m_lstItem_->count()) return;
    ChartContent content = currentContent();
    content.Items.swapItemsAt(current, target);
    if (!SaveChart(content)) return;
    {
        InCode edit(inCode_);
        for (QListWidget* list : {m_lstItem_, m_lstItemCode_}) {
            const QString text = list->item(current)->text();
            list->item(current)->setText(list->item(target)->text());
            list->item(target)->setText(text);
        }
    }
    selectItemRow(target);
}

void ctlChartControls::cmdView_Click() { emit OnChartView(chartFile_, chartName_); }

// ---- lists --------------------------------------------------------------------

void ctlChartControls::lstCharts_Click() {
    if (lstCharts_->count() == 0) {
        chartName_.clear();
        chartFile_.clear();
    } else {
        const int row = selectedRow(lstCharts_);
        if (row < 0) return;
        chartName_ = lstCharts_->item(row)->text();
        chartFile_ = ChartFile::PathOf(chartPath_, chartName_);
        LoadChart();
        if (!initialized_) return;
        ShowItem();
    }
    if (initialized_) emit OnChartClick(chartFile_, chartName_);
}

void ctlChartControls::m_lstItem_Click() { ShowItem(); }

void ctlChartControls::ActivateItem(int16_t Index) {
    if (!m_lstItem_ || Index < 0 || Index >= m_lstItem_->count()) return;
    const QString text = m_lstItem_->item(Index)->text();
    const QListWidgetItem* codeItem = m_lstItemCode_->item(Index);
    const QString code = codeItem ? codeItem->text() : QString();
    const std::optional<QString> label = afterFirstColon(text);
    switch (ChartFile::KindOf(text)) {
        case ChartFile::Kind::Map: {
            const std::optional<ChartFile::MapCode> map = ChartFile::ParseMapCode(code);
            if (map) emit ShowChartMap(map->Notes, map->Flag, true);
            return;
        }
        case ChartFile::Kind::Scale:
        case ChartFile::Kind::Chord: {
            const QString withRoot = code + QLatin1Char('$') + ChartFile::RootOf(text);
            if (ChartFile::KindOf(text) == ChartFile::Kind::Scale)
                emit ShowChartScale(withRoot);
            else
                emit ShowChartChord(withRoot);
            return;
        }
        case ChartFile::Kind::Text:
            if (label) emit ShowChartText(*label);
            return;
    }
}

// ---- the chart file -------------------------------------------------------------

ChartContent ctlChartControls::currentContent() const {
    ChartContent content;
    content.Description = lblChartCaption_->text();
    const int count = m_lstItem_ ? m_lstItem_->count() : 0;
    content.Items.reserve(count);
    for (int i = 0; i < count; ++i) {
        ChartItem item;
        item.Text = m_lstItem_->item(i)->text();
        if (const QListWidgetItem* code = m_lstItemCode_->item(i)) item.Code = code->text();
        item.HasCode = true;
        content.Items.push_back(item);
    }
    return content;
}

bool ctlChartControls::SaveChart(const ChartContent& Content) {
    if (m_lstItem_) m_lstItem_->setFocus();
    QString error;
    if (chartName_.isEmpty())
        error = QStringLiteral("No chart is selected.");
    else if (!chartReadable_)
        error = QStringLiteral("The chart could not be read when it was chosen, so it is left as it is.");
    else if (ChartFile::Write(chartFile_, Content, &error))
        return true;
    failed(QStringLiteral("The chart %1 could not be saved; it is left as it was.").arg(PlainText::Quoted(chartName_)),
           error);
    return false;
}

void ctlChartControls::LoadChartList() {
    InCode edit(inCode_);
    lstCharts_->clear();
    lstCharts_->addItems(ChartFile::ListCharts(chartPath_));
    setChartButtonStates(lstCharts_->count() > 0);
}

void ctlChartControls::LoadChart() {
    emptyItems();
    ChartContent content;
    QString error;
    const ChartFile::ReadStatus status = ChartFile::Read(chartFile_, &content, &error);
    chartReadable_ = status != ChartFile::ReadStatus::Unreadable;
    if (status == ChartFile::ReadStatus::Unreadable)
        failed(QStringLiteral("The chart %1 could not be read.").arg(PlainText::Quoted(chartName_)), error);
    if (m_lstItem_ && status == ChartFile::ReadStatus::Ok) {
        QStringList texts;
        QStringList codes;
        texts.reserve(content.Items.size());
        codes.reserve(content.Items.size());
        for (const ChartItem& item : content.Items) {
            texts << item.Text;
            codes << item.Code;
        }
        InCode edit(inCode_);
        m_lstItemCode_->addItems(codes);
        m_lstItem_->addItems(texts);
        lblChartCaption_->setText(content.Description);
    }
    ItemButtons();
}

void ctlChartControls::emptyItems() {
    InCode edit(inCode_);
    m_lstItemCode_->clear();
    if (m_lstItem_) m_lstItem_->clear();
    lblChartCaption_->clear();
}

// ---- button states -------------------------------------------------------------

void ctlChartControls::UpdateChartButtons() {
    const bool any = lstCharts_->count() > 0;
    setChartButtonStates(any);
    if (any) return;
    EnableItemButtons(false);
    emit OnNoChart();
}

void ctlChartControls::setChartButtonStates(bool anyChart) {
    cmdDelete_->setEnabled(anyChart);
    cmdView_->setEnabled(anyChart);
}

void ctlChartControls::EnableItemButtons(bool Enable) {
    cmdUpDown_[0]->setEnabled(Enable);
    cmdUpDown_[1]->setEnabled(Enable);
    cmdDeleteItem_->setEnabled(Enable);
}

// ---- helpers ----------------------------------------------------------------------

// A selection changed to an entry (mouse or keys) is a click, and so is a
// press on the entry already selected; a selection taken away is none.
void ctlChartControls::wireClicks(QListWidget* list, int* rowAtPress, void (ctlChartControls::*click)()) {
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->viewport()->installEventFilter(this);
    connect(list, &QListWidget::itemSelectionChanged, this, [this, list, click] {
        if (!inCode_ && selectedRow(list) >= 0) (this->*click)();
    }, Qt::DirectConnection);
    connect(list, &QListWidget::pressed, this, [this, rowAtPress, click](const QModelIndex& index) {
        if (!inCode_ && index.row() == *rowAtPress) (this->*click)();
    }, Qt::DirectConnection);
}

void ctlChartControls::selectChartRow(int row) {
    {
        InCode edit(inCode_);
        lstCharts_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    lstCharts_Click();
}

void ctlChartControls::selectItemRow(int row) {
    {
        InCode edit(inCode_);
        m_lstItem_->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    m_lstItem_Click();
}

// The host may change its list itself: each row it adds or takes away gets
// or loses its code at the same place, so item i always has code i. The
// panel's own changes touch both lists themselves.
void ctlChartControls::keepCodesInStep() {
    QAbstractItemModel* model = m_lstItem_->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (inCode_) return;
        for (int row = first; row <= last; ++row) m_lstItemCode_->insertItem(row, QString());
    }, Qt::DirectConnection);
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        if (inCode_) return;
        for (int row = last; row >= first; --row) delete m_lstItemCode_->takeItem(row);
    }, Qt::DirectConnection);
    connect(model, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int first, int last, const QModelIndex&, int destination) {
                if (inCode_) return;
                QList<QListWidgetItem*> moved;
                for (int row = last; row >= first; --row) moved.prepend(m_lstItemCode_->takeItem(row));
                int at = destination > last ? destination - static_cast<int>(moved.size()) : destination;
                for (QListWidgetItem* item : moved) m_lstItemCode_->insertItem(at++, item);
            }, Qt::DirectConnection);
    // The model, not the list: a list being destroyed resets its model.
    connect(model, &QAbstractItemModel::modelReset, this, [this, model] {
        if (inCode_) return;
        m_lstItemCode_->clear();
        for (int row = 0; row < model->rowCount(); ++row) m_lstItemCode_->addItem(QString());
    }, Qt::DirectConnection);
    // Codes for whatever the list held when it was handed over.
    while (m_lstItemCode_->count() > m_lstItem_->count()) delete m_lstItemCode_->takeItem(m_lstItemCode_->count() - 1);
    while (m_lstItemCode_->count() < m_lstItem_->count()) m_lstItemCode_->addItem(QString());
}

void ctlChartControls::failed(const QString& what, const QString& reason) {
    Prompter::Current().Message(what + QStringLiteral("\r\n\r\n") + reason, AppSettings::AppTitle(),
                                Prompter::Icon::Exclamation);
}

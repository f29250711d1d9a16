#include "HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTextStream>
#include <QVBoxLayout>

#include "ScreenFit.h"

namespace {

const QLatin1String kKeywordFile("keywords.txt");
constexpr int kTargetRole = Qt::UserRole;

QPointer<HelpViewer>& instance() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QStringList wordsOf(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\w]+"));
    return text.toCaseFolded().split(separators, Qt::SkipEmptyParts);
}

}  // namespace

HelpViewer::HelpViewer(const QString& helpFile) : helpFile_(helpFile) {
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quillfret Pro Help"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(620, 560);

    auto* cmdContents = new QPushButton(QStringLiteral("&Contents"), this);
    cmdContents->setObjectName(QStringLiteral("cmdContents"));
    auto* cmdSearch = new QPushButton(QStringLiteral("&Search"), this);
    cmdSearch->setObjectName(QStringLiteral("cmdSearch"));
    cmdBack_ = new QPushButton(QStringLiteral("&Back"), this);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    cmdForward_ = new QPushButton(QStringLiteral("&Forward"), this);
    cmdForward_->setObjectName(QStringLiteral("cmdForward"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdContents, cmdSearch, cmdBack_, cmdForward_}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch(1);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("Browser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({QFileInfo(helpFile).absolutePath()});

    // The search: a field over the keyword list.
    auto* search = new QWidget(this);
    auto* prompt = new QLabel(QStringLiteral("&Type the first letters of the word you're looking for:"), search);
    searchField_ = new QLineEdit(search);
    searchField_->setObjectName(QStringLiteral("SearchField"));
    searchField_->setClearButtonEnabled(true);
    prompt->setBuddy(searchField_);
    keywordList_ = new QListWidget(search);
    keywordList_->setObjectName(QStringLiteral("KeywordList"));
    auto* cmdDisplay = new QPushButton(QStringLiteral("&Display"), search);
    cmdDisplay->setObjectName(QStringLiteral("cmdDisplay"));
    auto* searchLayout = new QVBoxLayout(search);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(prompt);
    searchLayout->addWidget(searchField_);
    searchLayout->addWidget(keywordList_, 1);
    searchLayout->addWidget(cmdDisplay, 0, Qt::AlignRight);

    pages_ = new QStackedWidget(this);
    pages_->addWidget(browser_);
    pages_->addWidget(search);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pages_, 1);

    for (const Keyword& k : ReadKeywords(QFileInfo(helpFile).absolutePath() + QLatin1Char('/') + kKeywordFile)) {
        auto* item = new QListWidgetItem(k.text, keywordList_);
        item->setData(kTargetRole, k.target);
    }

    connect(cmdContents, &QPushButton::clicked, this, &HelpViewer::ShowContents);
    connect(cmdSearch, &QPushButton::clicked, this, &HelpViewer::ShowSearch);
    connect(cmdBack_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(cmdForward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, cmdBack_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, cmdForward_, &QPushButton::setEnabled);
    connect(searchField_, &QLineEdit::textChanged, this, &HelpViewer::FilterKeywords);
    connect(searchField_, &QLineEdit::returnPressed, this,
            [this] { DisplayKeyword(keywordList_->currentItem()); });
    connect(keywordList_, &QListWidget::itemActivated, this, &HelpViewer::DisplayKeyword);
    connect(cmdDisplay, &QPushButton::clicked, this, [this] { DisplayKeyword(keywordList_->currentItem()); });
    cmdBack_->setEnabled(false);
    cmdForward_->setEnabled(false);

    // The window outlives no application object.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
}

bool HelpViewer::Open(const QString& helpFile, Page page, QString* error, const QWidget* main) {
    QFile contents(helpFile);
    if (!contents.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("The help file %1 could not be read: %2").arg(helpFile, contents.errorString());
        return false;
    }
    contents.close();

    QPointer<HelpViewer>& viewer = instance();
    if (viewer && viewer->helpFile_ != helpFile) {
        viewer->close();
        delete viewer;
    }
    if (!viewer) viewer = new HelpViewer(helpFile);
    if (page == Page::Search)
        viewer->ShowSearch();
    else
        viewer->ShowContents();
    if (!viewer->isVisible()) ScreenFit::Place(viewer, main);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
    return true;
}

HelpViewer* HelpViewer::Instance() { return instance().data(); }

QList<HelpViewer::Keyword> HelpViewer::ReadKeywords(const QString& path) {
    QList<Keyword> keywords;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keywords;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('#'))) continue;
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab <= 0) continue;
        const QString text = line.left(tab).trimmed();
        const QString target = line.mid(tab + 1).trimmed();
        if (!text.isEmpty() && !target.isEmpty()) keywords.append({text, target});
    }
    return keywords;
}

bool HelpViewer::Matches(const QString& keyword, const QString& typed) {
    const QStringList words = wordsOf(keyword);
    for (const QString& part : wordsOf(typed)) {
        const bool begins = std::any_of(words.begin(), words.end(),
                                        [&](const QString& w) { return w.startsWith(part); });
        if (!begins) return false;
    }
    return true;
}

bool HelpViewer::SearchShown() const { return pages_->currentIndex() == 1; }

QUrl HelpViewer::CurrentPage() const { return browser_->source(); }

void HelpViewer::ShowContents() {
    pages_->setCurrentIndex(0);
    browser_->setSource(QUrl::fromLocalFile(QFileInfo(helpFile_).absoluteFilePath()));
    browser_->setFocus();
}

void HelpViewer::ShowSearch() {
    pages_->setCurrentIndex(1);
    searchField_->selectAll();
    FilterKeywords(searchField_->text());
    searchField_->setFocus();
}

void HelpViewer::FilterKeywords(const QString& typed) {
    QListWidgetItem* first = nullptr;
    for (int i = 0; i < keywordList_->count(); ++i) {
        QListWidgetItem* item = keywordList_->item(i);
        const bool shown = Matches(item->text(), typed);
        item->setHidden(!shown);
        if (shown && !first) first = item;
    }
    keywordList_->setCurrentItem(first);
}

void HelpViewer::DisplayKeyword(QListWidgetItem* item) {
    if (!item || item->isHidden()) return;
    const QString target = item->data(kTargetRole).toString();
    const int hash = target.indexOf(QLatin1Char('#'));
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile_).absolutePath() + QLatin1Char('/') +
                                   (hash < 0 ? target : target.left(hash)));
    if (hash >= 0) url.setFragment(target.mid(hash + 1));
    pages_->setCurrentIndex(0);
    browser_->setSource(url);
    browser_->setFocus();
}

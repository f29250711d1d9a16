#pragma once
// The program's help window: the help's HTML pages in a browser, opened at
// the contents page or at the keyword search, where a field narrows the
// keyword list to the entries whose words begin with the words typed. One
// window for the whole program; asking again brings it to the front.

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    enum class Page { Contents, Search };

    // One line of the keyword list "keywords.txt" beside the contents page:
    // the keyword, a tab, the page (with an optional "#place") it opens.
    struct Keyword {
        QString text;
        QString target;
    };

    // Shows the help window for the contents page `helpFile` at the contents
    // or the search, on the screen of the main window `main`. False, with the
    // reason in `error`, when the page cannot be read; nothing is shown then.
    static bool Open(const QString& helpFile, Page page, QString* error = nullptr, const QWidget* main = nullptr);
    // The open help window, or null.
    static HelpViewer* Instance();

    static QList<Keyword> ReadKeywords(const QString& path);
    // True when every word typed begins a word of the keyword (letter case ignored).
    static bool Matches(const QString& keyword, const QString& typed);

    QTextBrowser* Browser() const { return browser_; }
    QLineEdit* SearchField() const { return searchField_; }
    QListWidget* KeywordList() const { return keywordList_; }
    bool SearchShown() const;
    // The page shown in the browser.
    QUrl CurrentPage() const;

private:
    explicit HelpViewer(const QString& helpFile);

    void ShowContents();
    void ShowSearch();
    void FilterKeywords(const QString& typed);
    void DisplayKeyword(QListWidgetItem* item);

    QString helpFile_;
    QStackedWidget* pages_;
    QTextBrowser* browser_;
    QLineEdit* searchField_;
    QListWidget* keywordList_;
    QPushButton* cmdBack_;
    QPushButton* cmdForward_;
};

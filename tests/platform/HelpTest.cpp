// The help pages, their keyword list and the help window.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "AppInfo.h"
#include "HelpViewer.h"
#include "QtPrinters.h"

namespace {

const QString kHelpDir = QStringLiteral(QF_HELP_DIR);

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList captures(const QString& text, const QString& pattern) {
    QStringList out;
    auto it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext()) out << it.next().captured(1);
    return out;
}

// A place "page.html#name" of the help exists: the page, and the anchor in it.
bool placeExists(const QString& target, QString* why) {
    const int hash = target.indexOf(QLatin1Char('#'));
    const QString page = hash < 0 ? target : target.left(hash);
    const QString path = kHelpDir + QLatin1Char('/') + page;
    if (!QFileInfo(path).isFile()) {
        *why = QStringLiteral("no page ") + page;
        return false;
    }
    if (hash < 0) return true;
    const QString anchor = target.mid(hash + 1);
    if (!captures(readAll(path), QStringLiteral("name=\"([^\"]+)\"")).contains(anchor)) {
        *why = QStringLiteral("no place ") + anchor + QStringLiteral(" in ") + page;
        return false;
    }
    return true;
}

TEST(HelpPages, EveryLinkAndKeywordLeadsToAPlaceThatExists) {
    const QStringList pages = QDir(kHelpDir).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const char* needed : {"index.html", "chords.html", "scales.html", "chordgen.html", "charts.html",
                               "playback.html", "settings.html", "main.html"})
        EXPECT_TRUE(pages.contains(QLatin1String(needed))) << needed;

    for (const QString& page : pages) {
        const QString html = readAll(kHelpDir + QLatin1Char('/') + page);
        EXPECT_TRUE(html.contains(QStringLiteral("<title>"))) << page.toStdString();
        for (const QString& href : captures(html, QStringLiteral("href=\"([^\"]+)\""))) {
            if (href.startsWith(QLatin1String("http"))) continue;
            QString why;
            EXPECT_TRUE(placeExists(href, &why)) << page.toStdString() << ": " << why.toStdString();
        }
    }

    const auto keywords = HelpViewer::ReadKeywords(kHelpDir + QStringLiteral("/keywords.txt"));
    EXPECT_GE(keywords.size(), 40);
    for (const auto& k : keywords) {
        QString why;
        EXPECT_TRUE(placeExists(k.target, &why)) << k.text.toStdString() << ": " << why.toStdString();
    }
}

TEST(HelpPages, ProductPageNamesThisVersionAndLeadsToTheHelp) {
    const QString html = readAll(kHelpDir + QStringLiteral("/main.html"));
    EXPECT_TRUE(html.contains(QStringLiteral("<span id=\"version\">") + AppInfo::VersionText() + QStringLiteral("</span>")))
        << "help/main.html names another version than " << AppInfo::VersionText().toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"index.html\"")));
}

TEST(HelpPages, HelpFileIsTheInstalledContentsFirstThenTheSourceTreesElseNone) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    const QString installed = root.filePath(QStringLiteral("prefix/share/quillfret-pro/help/index.html"));
    const QString source = root.filePath(QStringLiteral("source/help"));
    QDir().mkpath(bin);
    QDir().mkpath(source);
    EXPECT_EQ(AppInfo::HelpFileIn(bin, source), QString());
    QFile(source + QStringLiteral("/index.html")).open(QIODevice::WriteOnly);
    EXPECT_EQ(AppInfo::HelpFileIn(bin, source), source + QStringLiteral("/index.html"));
    QDir().mkpath(QFileInfo(installed).path());
    QFile(installed).open(QIODevice::WriteOnly);
    EXPECT_EQ(AppInfo::HelpFileIn(bin, source), installed);

    // Run from the build folder, the program finds the source tree's help.
    EXPECT_EQ(AppInfo::HelpFile(), QDir::cleanPath(kHelpDir + QStringLiteral("/index.html")));
    AppInfo::SetHelpFile(QString());
    EXPECT_EQ(AppInfo::HelpFile(), QString());
    AppInfo::SetHelpFile(kHelpDir + QStringLiteral("/index.html"));
}

TEST(HelpSearch, EveryWordTypedMustBeginAWordOfTheKeyword) {
    struct Case { const char* keyword; const char* typed; bool matches; };
    const Case cases[] = {
        {"Strum patterns", "", true},         {"Strum patterns", "str", true},
        {"Strum patterns", "PAT", true},      {"Strum patterns", "pat str", true},
        {"Strum patterns", "rum", false},     {"Strum patterns", "strum x", false},
        {"Root 6 bar chords", "6", true},     {"Root 6 bar chords", "bar ch", true},
        {"Play and Stop", "  stop  ", true},  {"Fret numbers", "fretboard", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpViewer::Matches(QLatin1String(c.keyword), QLatin1String(c.typed)), c.matches)
            << c.keyword << " / " << c.typed;
}

TEST(HelpSearch, KeywordFileSkipsCommentsAndBrokenLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keywords.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("# comment\tx.html\nTuning\tplayback.html#tuning\nno tab here\n\tpage.html\nEmpty target\t \n"
            "Tempo\tplayback.html#tempo\r\n");
    f.close();
    const auto k = HelpViewer::ReadKeywords(path);
    ASSERT_EQ(k.size(), 2);
    EXPECT_EQ(k[0].text, QStringLiteral("Tuning"));
    EXPECT_EQ(k[0].target, QStringLiteral("playback.html#tuning"));
    EXPECT_EQ(k[1].target, QStringLiteral("playback.html#tempo"));
    EXPECT_TRUE(HelpViewer::ReadKeywords(dir.filePath(QStringLiteral("missing.txt"))).isEmpty());
}

class HelpWindowTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (HelpViewer::Instance()) HelpViewer::Instance()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QString contents = QDir::cleanPath(kHelpDir + QStringLiteral("/index.html"));
};

TEST_F(HelpWindowTest, ContentsThenSearchReuseOneWindow) {
    ASSERT_TRUE(HelpViewer::Open(contents, HelpViewer::Page::Contents));
    HelpViewer* viewer = HelpViewer::Instance();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->SearchShown());
    EXPECT_EQ(viewer->CurrentPage(), QUrl::fromLocalFile(contents));
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains(QStringLiteral("Chord Dictionary")));

    ASSERT_TRUE(HelpViewer::Open(contents, HelpViewer::Page::Search));
    EXPECT_EQ(HelpViewer::Instance(), viewer);
    EXPECT_TRUE(viewer->SearchShown());
    EXPECT_TRUE(viewer->SearchField()->hasFocus() || !viewer->isActiveWindow());
    EXPECT_GE(viewer->KeywordList()->count(), 40);

    // Typing narrows the list and selects the first match; Enter opens its place.
    QTest::keyClicks(viewer->SearchField(), QStringLiteral("tun"));
    QStringList shown;
    for (int i = 0; i < viewer->KeywordList()->count(); ++i)
        if (!viewer->KeywordList()->item(i)->isHidden()) shown << viewer->KeywordList()->item(i)->text();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Tuning")});
    ASSERT_NE(viewer->KeywordList()->currentItem(), nullptr);
    QTest::keyClick(viewer->SearchField(), Qt::Key_Return);
    EXPECT_FALSE(viewer->SearchShown());
    QUrl expected = QUrl::fromLocalFile(kHelpDir + QStringLiteral("/playback.html"));
    expected.setFragment(QStringLiteral("tuning"));
    EXPECT_EQ(viewer->CurrentPage().adjusted(QUrl::NormalizePathSegments),
              expected.adjusted(QUrl::NormalizePathSegments));

    // Nothing matches: Enter stays on the search.
    ASSERT_TRUE(HelpViewer::Open(contents, HelpViewer::Page::Search));
    viewer->SearchField()->setText(QStringLiteral("zzz"));
    EXPECT_EQ(viewer->KeywordList()->currentItem(), nullptr);
    QTest::keyClick(viewer->SearchField(), Qt::Key_Return);
    EXPECT_TRUE(viewer->SearchShown());
}

TEST_F(HelpWindowTest, AnUnreadableContentsPageShowsNothingAndSaysWhy) {
    QString error;
    EXPECT_FALSE(HelpViewer::Open(QStringLiteral("/nonexistent/help/index.html"), HelpViewer::Page::Contents, &error));
    EXPECT_EQ(HelpViewer::Instance(), nullptr);
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/help/index.html"))) << error.toStdString();
}

}  // namespace

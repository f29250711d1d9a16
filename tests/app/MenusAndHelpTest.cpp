// The three popup menus, their items' handlers, help, the product page and
// the about box.

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QSystemTrayIcon>
#include <QTest>

#include "AppInfo.h"
#include "AppTestSupport.h"
#include "HelpViewer.h"
#include "TrayIcon.h"
#include "UrlRecorder.h"
#include "ctlButton.h"
#include "ctlNeck.h"
#include "frmAbout.h"
#include "frmChart.h"
#include "frmMaint.h"
#include "frmTips.h"

namespace {

using namespace apptest;

// A menu's visible items: their captions, "-" for a separator, a submenu's items in brackets.
QStringList Items(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (!a->isVisible()) continue;
        if (a->isSeparator()) {
            out << QStringLiteral("-");
        } else if (a->menu()) {
            out << a->text() + QStringLiteral(" [") + Items(a->menu()).join(QLatin1Char('|')) + QLatin1Char(']');
        } else {
            out << a->text();
        }
    }
    return out;
}

// A desktop that cannot open any address.
class NoBrowser {
public:
    NoBrowser() {
        for (const char* scheme : kSchemes) QDesktopServices::setUrlHandler(QLatin1String(scheme), &handler_, "NoSuchSlot");
    }
    ~NoBrowser() {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    }

private:
    static constexpr const char* kSchemes[] = {"file", "http", "https"};
    QObject handler_;
};

class MenusAndHelpTest : public AppFixture {
protected:
    void TearDown() override {
        if (HelpViewer::Instance()) HelpViewer::Instance()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        AppInfo::SetHelpFile(QStringLiteral(QF_HELP_FILE));
        TrayIcon::SetAvailable(std::nullopt);
        AppFixture::TearDown();
    }
};

TEST_F(MenusAndHelpTest, TheThreeMenusHoldTheirItemsInOrder) {
    frmMain& main = Start();
    EXPECT_EQ(Items(main.mnuHidden()),
              (QStringList{"Chord Dictionary", "Scale Dictionary", "Manage Charts", "Play Charts", "-",
                           "Chord Generator", "-", "View Current Chart", "-",
                           "Tab Window [Top|Bottom|Lower Left|Lower Right|Upper Right|Upper Left]", "-",
                           "Quillfret Website", "-", "E&xit"}));
    EXPECT_EQ(Items(main.mnuHelp()), (QStringList{"Help Contents", "Search For Help On...", "-", "About"}));
    EXPECT_EQ(Items(main.mnuTray()), QStringList{"Restore Quillfret Pro"});

    QStringList names;
    for (QMenu* menu : {main.mnuHidden(), main.mnuTabWin(), main.mnuHelp(), main.mnuTray()})
        for (QAction* a : menu->actions())
            if (!a->isSeparator()) names << (a->menu() ? a->menu()->objectName() : a->objectName());
    EXPECT_EQ(names, (QStringList{"mnuChords", "mnuScales", "mnuChartMan", "mnuChartPlay", "mnuChordGen",
                                  "mnuHiddenViewCC", "mnuTabWin", "mnuQFWeb", "mnuFileExit", "mnuDT", "mnuDB",
                                  "mnuDLL", "mnuDLR", "mnuDUR", "mnuDUL", "mnuHelpContents", "mnuHelpSearch",
                                  "mnuHelpAbout", "mnuTrayRestore"}));
}

// Every name that the help sets in bold or heads a table row with is a caption
// the program shows (a menu item, a button or its tip, a label, a list entry,
// a window's title), or one of the few terms the help explains.
TEST_F(MenusAndHelpTest, TheHelpNamesEveryCaptionAsTheProgramShowsIt) {
    Start();
    // The windows that open later: the tablature entry, a chart window, the about box and the MIDI settings.
    frmTips tips;
    frmChart chart;
    frmAbout about;
    frmMaint maint(nullptr);
    QSet<QString> captions;
    auto add = [&](QString text) {
        text.remove(QLatin1Char('&'));
        if (!text.trimmed().isEmpty()) captions << text.trimmed();
    };
    for (QWidget* w : QApplication::allWidgets()) {
        for (QAction* a : w->actions()) add(a->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
        if (auto* label = qobject_cast<QLabel*>(w)) add(label->text());
        if (auto* list = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < list->count(); ++i) add(list->itemText(i));
        add(w->toolTip());
        if (w->isWindow()) add(w->windowTitle());
    }
    const QSet<QString> terms = {"key", "chord type", "position type", "variation", "note map", "current chart",
                                 "scale group", "scale type", "positions"};

    const QDir help(QFileInfo(QStringLiteral(QF_HELP_FILE)).absolutePath());
    const QRegularExpression named(QStringLiteral("<b>([^<]+)</b>|<th>(?:<a name=\"[^\"]*\"></a>)?([^<]+)</th>"));
    int checked = 0;
    for (const QString& page : help.entryList({QStringLiteral("*.html")}, QDir::Files)) {
        QFile file(help.filePath(page));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll()).replace(QLatin1String("&amp;"), QLatin1String("&"));
        for (auto it = named.globalMatch(html); it.hasNext();) {
            const auto match = it.next();
            const QString cell = match.captured(2);
            // A table row may head several buttons: "Move Up, Move Down, Delete".
            const QStringList names = cell.isEmpty() ? QStringList{match.captured(1)} : cell.split(QStringLiteral(", "));
            for (const QString& name : names) {
                if (terms.contains(name)) continue;
                ++checked;
                EXPECT_TRUE(captions.contains(name)) << page.toStdString() << ": " << name.toStdString();
            }
        }
    }
    EXPECT_GT(checked, 40);
}

TEST_F(MenusAndHelpTest, TheButtonsOpenTheirMenusAtTheMouse) {
    frmMain& main = Start();
    QCursor::setPos(main.mapToGlobal(QPoint(30, 30)));
    main.cmdOptions()->click();
    EXPECT_TRUE(main.mnuHidden()->isVisible());
    main.mnuHidden()->hide();
    main.cmdHelp()->click();
    EXPECT_TRUE(main.mnuHelp()->isVisible());
    main.mnuHelp()->hide();
}

TEST_F(MenusAndHelpTest, EveryItemReachesItsHandler) {
    UrlRecorder browser;
    TrayIcon::SetAvailable(true);
    // View Current Chart needs a current chart to be enabled.
    RememberChart(QStringLiteral("Blues"), {QStringLiteral("DESC:")});
    frmMain& main = Start();
    struct Case {
        QAction* item;
        std::function<bool()> reached;
    };
    const std::vector<Case> cases = {
        {main.mnuScales(), [&] { return main.lblMode()->text() == QStringLiteral("Scale Dictionary"); }},
        {main.mnuChartMan(), [&] { return main.lblMode()->text() == QStringLiteral("Chart Manager"); }},
        {main.mnuChartPlay(), [&] { return main.lblMode()->text() == QStringLiteral("Chart Play"); }},
        {main.mnuChordGen(), [&] { return main.lblMode()->text() == QStringLiteral("Chord Generator"); }},
        {main.mnuChords(), [&] { return main.lblMode()->text() == QStringLiteral("Chord Dictionary"); }},
        {main.mnuHiddenViewCC(), [&] { return main.objChart() != nullptr; }},
        {main.mnuDock(0), [&] { return Setting("TabWinDock") == QStringLiteral("5"); }},
        {main.mnuDock(1), [&] { return Setting("TabWinDock") == QStringLiteral("1"); }},
        {main.mnuDock(2), [&] { return Setting("TabWinDock") == QStringLiteral("4"); }},
        {main.mnuDock(3), [&] { return Setting("TabWinDock") == QStringLiteral("3"); }},
        {main.mnuDock(4), [&] { return Setting("TabWinDock") == QStringLiteral("0"); }},
        {main.mnuDock(5), [&] { return Setting("TabWinDock") == QStringLiteral("2"); }},
        {main.mnuQFWeb(), [&] { return browser.opened == QList<QUrl>{QUrl(AppInfo::ProductPageUrl())}; }},
        {main.mnuHelpContents(), [&] { return HelpViewer::Instance() && !HelpViewer::Instance()->SearchShown(); }},
        {main.mnuHelpSearch(), [&] { return HelpViewer::Instance() && HelpViewer::Instance()->SearchShown(); }},
        {main.mnuHelpAbout(),
         [&] { return !prompter.calls.empty() && prompter.calls.back().title == QStringLiteral("About Quillfret"); }},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(c.reached()) << c.item->objectName().toStdString() << " before";
        c.item->trigger();
        EXPECT_TRUE(WaitFor(c.reached)) << c.item->objectName().toStdString();
    }

    main.cmdMin()->click();
    ASSERT_FALSE(main.isVisible());
    main.mnuTrayRestore()->trigger();
    EXPECT_TRUE(main.isVisible());

    main.mnuFileExit()->trigger();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.TabWindowForm(), nullptr);  // unloaded
}

TEST_F(MenusAndHelpTest, TheExitButtonUnloadsTheWindow) {
    frmMain& main = Start();
    main.cmdExit()->click();
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(main.TabWindowForm(), nullptr);
}

TEST_F(MenusAndHelpTest, HelpOpensAtTheContentsOrTheSearch) {
    frmMain& main = Start();
    main.mnuHelpContents()->trigger();
    HelpViewer* viewer = HelpViewer::Instance();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_FALSE(viewer->SearchShown());
    EXPECT_EQ(viewer->CurrentPage().toLocalFile(), AppInfo::HelpFile());

    main.mnuHelpSearch()->trigger();
    EXPECT_EQ(HelpViewer::Instance(), viewer);
    EXPECT_TRUE(viewer->SearchShown());
    EXPECT_EQ(viewer->focusWidget(), viewer->SearchField());
    EXPECT_TRUE(prompter.Messages().empty());
}

TEST_F(MenusAndHelpTest, MissingHelpGivesTheSameMessageForBothItems) {
    frmMain& main = Start();
    AppInfo::SetHelpFile(QString());
    main.mnuHelpContents()->trigger();
    main.mnuHelpSearch()->trigger();
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);
    for (const auto& m : messages) {
        EXPECT_EQ(m.text, QStringLiteral("Unable to display Help Contents. The Help file is missing."));
        EXPECT_EQ(m.title, QStringLiteral("Quillfret Pro"));
        EXPECT_EQ(m.icon, Prompter::Icon::Information);
    }
    EXPECT_EQ(HelpViewer::Instance(), nullptr);

    // A help file named but unreadable: a plain message with the reason.
    prompter.Clear();
    AppInfo::SetHelpFile(DataPath(QStringLiteral("gone/index.html")));
    main.ShowHelp();
    ASSERT_EQ(prompter.Messages().size(), 1u);
    EXPECT_TRUE(prompter.Messages()[0].text.contains(QStringLiteral("gone/index.html")));
    EXPECT_EQ(prompter.Messages()[0].icon, Prompter::Icon::None);
    EXPECT_EQ(HelpViewer::Instance(), nullptr);
}

TEST_F(MenusAndHelpTest, TheAboutBoxOpenedAndClosedTwiceGivesTheFocusBackToTheFretboard) {
    frmMain& main = Start();
    UrlRecorder browser;
    QStringList versionLines;
    std::vector<QPointer<frmAbout>> boxes;
    prompter.modal = [&](QDialog& dialog) {
        auto* about = qobject_cast<frmAbout*>(&dialog);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(main.AboutForm(), about);
        boxes.emplace_back(about);
        versionLines << about->lblProduct()->text();
        if (boxes.size() == 1) {
            QTest::mouseClick(about->lblURL(), Qt::LeftButton);
            QTest::mouseClick(about->btnOk()->Command1(), Qt::LeftButton);
        }
        // The second is left open: the main window unloads it all the same.
    };
    for (int i = 0; i < 2; ++i) {
        main.HScroll1()->setFocus();
        main.mnuHelpAbout()->trigger();
        EXPECT_EQ(main.AboutForm(), nullptr);
        EXPECT_EQ(main.focusWidget(), main.Neck());
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0], nullptr);
    EXPECT_EQ(boxes[1], nullptr);
    const QString line = QStringLiteral("Quillfret Pro Version ") + AppInfo::VersionText();
    EXPECT_EQ(versionLines, (QStringList{line, line}));
    EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(AppInfo::ProductPageUrl())});
}

TEST_F(MenusAndHelpTest, AProductPageThatCannotBeOpenedIsNamed) {
    NoBrowser browser;
    frmMain& main = Start();
    const QUrl page(AppInfo::ProductPageUrl());
    ASSERT_TRUE(page.isLocalFile());
    const QString expected = QStringLiteral("The Quillfret website could not be opened in a browser.\r\n\r\n"
                                            "Its page is:\r\n") + page.toLocalFile();

    main.mnuQFWeb()->trigger();
    prompter.modal = [](QDialog& dialog) {
        QTest::mouseClick(qobject_cast<frmAbout*>(&dialog)->lblURL(), Qt::LeftButton);
    };
    main.mnuHelpAbout()->trigger();
    const auto messages = prompter.Messages();
    ASSERT_EQ(messages.size(), 2u);  // the menu item, then the about box's link
    for (const auto& m : messages) {
        EXPECT_EQ(m.text, expected);
        EXPECT_EQ(m.title, QStringLiteral("Quillfret Pro"));
        EXPECT_EQ(m.icon, Prompter::Icon::Exclamation);
    }
}

}  // namespace

// The popup menus of the main window.
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>

#include "DockPlaces.h"
#include "TrayIcon.h"
#include "frmMain.h"

void frmMain::BuildMenus() {
    mnuHidden_ = new QMenu(this);
    mnuHidden_->setObjectName(QStringLiteral("mnuHidden"));

    // The five modes are one radio group; choosing the checked one changes nothing.
    modeItems_ = new QActionGroup(this);
    modeItems_->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    auto modeItem = [this](const char* name, const char* caption, void (frmMain::*handler)(bool)) {
        QAction* item = mnuHidden_->addAction(QLatin1String(caption));
        item->setObjectName(QLatin1String(name));
        item->setCheckable(true);
        modeItems_->addAction(item);
        connect(item, &QAction::triggered, this, handler, Qt::DirectConnection);
        return item;
    };
    mnuChords_ = modeItem("mnuChords", "Chord Dictionary", &frmMain::mnuChords_Click);
    mnuScales_ = modeItem("mnuScales", "Scale Dictionary", &frmMain::mnuScales_Click);
    mnuChartMan_ = modeItem("mnuChartMan", "Manage Charts", &frmMain::mnuChartMan_Click);
    mnuChartPlay_ = modeItem("mnuChartPlay", "Play Charts", &frmMain::mnuChartPlay_Click);
    mnuHidden_->addSeparator();
    mnuChordGen_ = modeItem("mnuChordGen", "Chord Generator", &frmMain::mnuChordGen_Click);
    mnuHidden_->addSeparator();
    mnuHiddenViewCC_ = mnuHidden_->addAction(QStringLiteral("View Current Chart"));
    mnuHiddenViewCC_->setObjectName(QStringLiteral("mnuHiddenViewCC"));
    connect(mnuHiddenViewCC_, &QAction::triggered, this, &frmMain::mnuHiddenViewCC_Click, Qt::DirectConnection);
    BuildShellMenus();
}

void frmMain::BuildShellMenus() {
    auto item = [this](QMenu* menu, const char* name, const char* caption, void (frmMain::*handler)()) {
        QAction* a = menu->addAction(QLatin1String(caption));
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, handler, Qt::DirectConnection);
        return a;
    };

    // The rest of the main menu: where the tablature window docks, the
    // product page and Exit.
    mnuHidden_->addSeparator();
    mnuTabWin_ = mnuHidden_->addMenu(QStringLiteral("Tab Window"));
    mnuTabWin_->setObjectName(QStringLiteral("mnuTabWin"));
    for (size_t i = 0; i < DockPlaces::kMenu.size(); ++i) {
        const DockPlaces::Place& dock = DockPlaces::kMenu[i];
        QAction* a = mnuTabWin_->addAction(QLatin1String(dock.caption));
        a->setObjectName(QLatin1String(dock.name));
        a->setCheckable(true);
        a->setData(dock.place);
        const int place = dock.place;
        connect(a, &QAction::triggered, this, [this, place] { DockItem_Click(place); }, Qt::DirectConnection);
        mnuDock_[i] = a;
    }
    ShowDockCheck(0);
    mnuHidden_->addSeparator();
    mnuQFWeb_ = item(mnuHidden_, "mnuQFWeb", "Quillfret Website", &frmMain::mnuQFWeb_Click);
    mnuHidden_->addSeparator();
    mnuFileExit_ = item(mnuHidden_, "mnuFileExit", "E&xit", &frmMain::mnuFileExit_Click);

    mnuHelp_ = new QMenu(this);
    mnuHelp_->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents_ = item(mnuHelp_, "mnuHelpContents", "Help Contents", &frmMain::mnuHelpContents_Click);
    mnuHelpSearch_ = item(mnuHelp_, "mnuHelpSearch", "Search For Help On...", &frmMain::mnuHelpSearch_Click);
    mnuHelp_->addSeparator();
    mnuHelpAbout_ = item(mnuHelp_, "mnuHelpAbout", "About", &frmMain::mnuHelpAbout_Click);

    mnuTray_ = new QMenu(this);
    mnuTray_->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayRestore_ = item(mnuTray_, "mnuTrayRestore", "Restore Quillfret Pro", &frmMain::mnuTrayRestore_Click);
    tray_->SetMenu(mnuTray_);
}

void frmMain::ModeItemTriggered(QAction* item, bool checked, int32_t mode) {
    // Triggering the checked item unchecks it in an optional group: it was
    // already the mode, so it stays checked and nothing else happens.
    if (!checked) {
        item->setChecked(true);
        return;
    }
    RequestMode(mode);
}

void frmMain::cmdOptions_Click() { mnuHidden_->popup(QCursor::pos()); }

void frmMain::cmdHelp_Click() { mnuHelp_->popup(QCursor::pos()); }

// The popup menus of the main window.
#include <QAction>
#include <QActionGroup>
#include <QCursor>
#include <QMenu>

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

// Help, the product page and the about box. Each may open a modal box, so a
// playback stops first: no strum hangs with its notes held under the box.
#include <memory>

#include "AppInfo.h"
#include "AppSettings.h"
#include "CarryOn.h"
#include "HelpViewer.h"
#include "ProductPage.h"
#include "Prompter.h"
#include "ctlNeck.h"
#include "frmAbout.h"
#include "frmMain.h"

void frmMain::ShowHelp() { OpenHelp(false); }

void frmMain::OpenHelp(bool search) {
    AfterPlayback([this, search] { OpenHelpNow(search); });
}

void frmMain::OpenHelpNow(bool search) {
    const QString helpFile = AppInfo::HelpFile();
    if (helpFile.isEmpty()) {
        Prompter::Current().Message(QStringLiteral("Unable to display Help Contents. The Help file is missing."),
                                    windowTitle(), Prompter::Icon::Information);
        return;
    }
    QString error;
    if (!HelpViewer::Open(helpFile, search ? HelpViewer::Page::Search : HelpViewer::Page::Contents, &error, this))
        Prompter::Current().Message(error, AppSettings::AppTitle(), Prompter::Icon::None);
}

void frmMain::mnuHelpContents_Click() { ShowHelp(); }

void frmMain::mnuHelpSearch_Click() { OpenHelp(true); }

void frmMain::mnuQFWeb_Click() {
    AfterPlayback([] { CarryOn("frmMain::mnuQFWeb_Click")([] { ProductPage::Open(); }); });
}

void frmMain::mnuHelpAbout_Click() {
    AfterPlayback([this] { ShowAbout(); });
}

void frmMain::ShowAbout() {
    auto about = std::make_unique<frmAbout>(this);
    AboutForm_ = about.get();
    connect(AboutForm_, &frmAbout::OnUnload, this, &frmMain::AboutForm_OnUnload, Qt::DirectConnection);
    Prompter::Current().RunModal(*about);
    // However the box went away, it unloads before it is let go.
    if (AboutForm_) AboutForm_->done(QDialog::Rejected);
    about.reset();
    Neck_->setFocus();
}

void frmMain::AboutForm_OnUnload() { AboutForm_ = nullptr; }

// What the tablature window and the program's modal boxes ask of the window
// manager for their title bars: Close and nothing else (no minimise,
// maximise, full screen or help button), as constructed and as handed to the
// window system. A modal box minimised would take the program with it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "Prompter.h"
#include "frmAbout.h"
#include "frmMaint.h"
#include "frmTabWindow.h"
#include "frmTips.h"

namespace {

struct Case {
    const char* window;
    Qt::WindowType type;
    std::function<std::unique_ptr<QWidget>(QWidget* owner)> make;
    bool frameless = false;  // drawn without the window manager's frame, dragged by its surface
};

const Case kCases[] = {
    {"tablature window", Qt::Tool, [](QWidget* owner) { return std::make_unique<frmTabWindow>(owner); }},
    {"about box", Qt::Dialog, [](QWidget* owner) { return std::make_unique<frmAbout>(owner); }},
    {"tablature entry box", Qt::Dialog, [](QWidget* owner) { return std::make_unique<frmTips>(owner); }},
    {"MIDI settings", Qt::Dialog, [](QWidget* owner) { return std::make_unique<frmMaint>(nullptr, owner); },
     true},
};

void ExpectCloseOnly(Qt::WindowFlags flags, Qt::WindowType type, const std::string& what, bool frameless = false) {
    EXPECT_EQ(flags & Qt::WindowType_Mask, type) << what;
    EXPECT_EQ(bool(flags & Qt::FramelessWindowHint), frameless) << what;
    flags &= ~Qt::FramelessWindowHint;
    // Without the customize hint the toolkit adds its own default buttons
    // (a frameless window has none to add).
    EXPECT_EQ(bool(flags & Qt::CustomizeWindowHint), !frameless) << what;
    EXPECT_EQ(bool(flags & Qt::WindowTitleHint), !frameless) << what;
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << what;
    for (Qt::WindowType absent : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                  Qt::WindowFullscreenButtonHint, Qt::WindowContextHelpButtonHint,
                                  Qt::FramelessWindowHint, Qt::WindowShadeButtonHint})
        EXPECT_FALSE(flags & absent) << what << ": flag 0x" << std::hex << static_cast<unsigned>(absent);
}

TEST(TitleBar, TheTablatureWindowAndTheModalBoxesOfferCloseOnly) {
    for (const Case& c : kCases) {
        QWidget owner;
        owner.show();
        std::unique_ptr<QWidget> window = c.make(&owner);
        ExpectCloseOnly(window->windowFlags(), c.type, std::string(c.window) + " as made", c.frameless);
        window->show();
        ASSERT_NE(window->windowHandle(), nullptr) << c.window;
        ExpectCloseOnly(window->windowHandle()->flags(), c.type, std::string(c.window) + " as shown", c.frameless);
        // A fixed size leaves the window manager nothing to maximise to.
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << c.window;
        window->hide();
    }
}

// The boxes the prompter makes and runs (message, question and input boxes,
// and any dialog it runs modal, such as the print dialog), caught while they
// are open on the screen.
TEST(TitleBar, TheBoxesThePrompterRunsOfferCloseOnly) {
    Prompter* before = &Prompter::Current();
    Prompter::Install(nullptr);
    Prompter& real = Prompter::Current();
    QWidget owner;
    owner.show();
    owner.activateWindow();
    // Runs `open`, which opens a modal box; notes that box's flags as it is
    // shown and closes it.
    auto flagsOf = [](const std::function<void()>& open) {
        Qt::WindowFlags shown;
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [&] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box || !box->windowHandle() || !box->isVisible()) return;
            shown = box->windowHandle()->flags();
            box->done(QDialog::Rejected);
        });
        poll.start();
        open();
        return shown;
    };
    QDialog printLike(&owner, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint);
    const struct {
        const char* box;
        std::function<void()> open;
    } boxes[] = {
        {"message box", [&] { real.Message(QStringLiteral("Text"), QStringLiteral("Title"), Prompter::Icon::Critical); }},
        {"system-modal message box",
         [&] {
             real.Message(QStringLiteral("Text"), QStringLiteral("Title"), Prompter::Icon::None, Prompter::Buttons::Ok,
                          true);
         }},
        {"question", [&] {
             real.Message(QStringLiteral("Sure?"), QStringLiteral("Title"), Prompter::Icon::Question,
                          Prompter::Buttons::YesNo);
         }},
        {"input box", [&] { real.Input(QStringLiteral("Name:"), QStringLiteral("New Chart"), QString()); }},
        {"a dialog run modal", [&] { real.RunModal(printLike); }},
    };
    for (const auto& b : boxes) ExpectCloseOnly(flagsOf(b.open), Qt::Dialog, b.box);
    Prompter::Install(before);
}

}  // namespace

// What the tablature window and the about box ask of the window manager for
// their title bars: Close and nothing else (no minimise, maximise, full
// screen or help button), as constructed and as handed to the window system.

#include <gtest/gtest.h>

#include <QWindow>
#include <functional>
#include <memory>

#include "frmAbout.h"
#include "frmTabWindow.h"

namespace {

struct Case {
    const char* window;
    Qt::WindowType type;
    std::function<std::unique_ptr<QWidget>(QWidget* owner)> make;
};

const Case kCases[] = {
    {"tablature window", Qt::Tool, [](QWidget* owner) { return std::make_unique<frmTabWindow>(owner); }},
    {"about box", Qt::Dialog, [](QWidget* owner) { return std::make_unique<frmAbout>(owner); }},
};

void ExpectCloseOnly(Qt::WindowFlags flags, Qt::WindowType type, const std::string& what) {
    EXPECT_EQ(flags & Qt::WindowType_Mask, type) << what;
    // Without the customize hint the toolkit adds its own default buttons.
    EXPECT_TRUE(flags & Qt::CustomizeWindowHint) << what;
    EXPECT_TRUE(flags & Qt::WindowTitleHint) << what;
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint) << what;
    for (Qt::WindowType absent : {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
                                  Qt::WindowFullscreenButtonHint, Qt::WindowContextHelpButtonHint,
                                  Qt::FramelessWindowHint, Qt::WindowShadeButtonHint})
        EXPECT_FALSE(flags & absent) << what << ": flag 0x" << std::hex << static_cast<unsigned>(absent);
}

TEST(TitleBar, TheTablatureWindowAndTheAboutBoxOfferCloseOnly) {
    for (const Case& c : kCases) {
        QWidget owner;
        owner.show();
        std::unique_ptr<QWidget> window = c.make(&owner);
        ExpectCloseOnly(window->windowFlags(), c.type, std::string(c.window) + " as made");
        window->show();
        ASSERT_NE(window->windowHandle(), nullptr) << c.window;
        ExpectCloseOnly(window->windowHandle()->flags(), c.type, std::string(c.window) + " as shown");
        // A fixed size leaves the window manager nothing to maximise to.
        EXPECT_EQ(window->minimumSize(), window->maximumSize()) << c.window;
        window->hide();
    }
}

}  // namespace

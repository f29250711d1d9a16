// The about box: its version line, the product page link and closing.

#include <gtest/gtest.h>

#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "AppInfo.h"
#include "QtPrinters.h"
#include "UrlRecorder.h"
#include "ctlButton.h"
#include "frmAbout.h"

namespace {

TEST(AboutBox, ShowsTheVersionAndTheProductPageAsALink) {
    frmAbout about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Quillfret"));
    EXPECT_EQ(about.lblProduct()->text(), QStringLiteral("Quillfret Pro Version ") + AppInfo::VersionText());
    // The page by its name: no folder of this machine is shown.
    EXPECT_EQ(about.lblURL()->text(), QStringLiteral("Quillfret Pro ") + AppInfo::VersionText() + QStringLiteral(" help"));
    EXPECT_EQ(about.lblURL()->toolTip(), QStringLiteral("Quillfret Web Site"));
    EXPECT_EQ(about.lblURL()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(about.cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(about.btnOk()->Caption(), QStringLiteral("OK"));
}

TEST(AboutBox, ClickingTheLinkOpensTheProductPage) {
    UrlRecorder browser;
    frmAbout about;
    about.show();
    QTest::mouseClick(about.lblURL(), Qt::LeftButton);
    ASSERT_EQ(browser.opened.size(), 1);
    EXPECT_EQ(browser.opened[0].toString(), AppInfo::ProductPageUrl());
    // A right click, or a press released off the link, opens nothing more.
    QTest::mouseClick(about.lblURL(), Qt::RightButton);
    QTest::mousePress(about.lblURL(), Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(about.lblURL(), Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(browser.opened.size(), 1);
}

TEST(AboutBox, OkOrEscapeClosesItAndRaisesOnUnloadOnce) {
    for (bool escape : {false, true}) {
        frmAbout about;
        QSignalSpy unload(&about, &frmAbout::OnUnload);
        about.show();
        if (escape)
            QTest::keyClick(&about, Qt::Key_Escape);
        else
            QTest::mouseClick(about.btnOk()->Command1(), Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
        about.close();
        EXPECT_EQ(unload.count(), 1) << (escape ? "Escape" : "OK");
    }
}

}  // namespace

// The product page's address and the version text.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QUrl>

#include "AppInfo.h"
#include "QtPrinters.h"

namespace {

void touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The installed page first, then the source tree's, else the installed place all the same.
TEST(AppInfo, ProductPageUrl) {
    QTemporaryDir root;
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    const QString installed = root.filePath(QStringLiteral("prefix/share/quillfret-pro/help/main.html"));
    const QString sourceHelp = root.filePath(QStringLiteral("source/help"));
    QDir().mkpath(bin);
    const QString installedUrl = QUrl::fromLocalFile(installed).toString();
    const QString sourceUrl = QUrl::fromLocalFile(sourceHelp + QStringLiteral("/main.html")).toString();

    EXPECT_EQ(AppInfo::ProductPageUrlIn(bin, sourceHelp), installedUrl);  // neither exists
    EXPECT_EQ(AppInfo::ProductPageUrlIn(bin, QString()), installedUrl);
    touch(sourceHelp + QStringLiteral("/main.html"));
    EXPECT_EQ(AppInfo::ProductPageUrlIn(bin, sourceHelp), sourceUrl);
    touch(installed);
    EXPECT_EQ(AppInfo::ProductPageUrlIn(bin, sourceHelp), installedUrl);
    EXPECT_TRUE(installedUrl.startsWith(QStringLiteral("file:///")));
    EXPECT_FALSE(installedUrl.contains(QStringLiteral("..")));

    EXPECT_TRUE(AppInfo::ProductPageUrl().startsWith(QStringLiteral("file:///")));
    EXPECT_TRUE(AppInfo::ProductPageUrl().endsWith(QStringLiteral("/main.html")));
}

TEST(AppInfo, VersionTextAndTheProductPagesName) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$")).match(AppInfo::VersionText()).hasMatch())
        << AppInfo::VersionText().toStdString();
    // A name a reader understands, never a path of this machine.
    EXPECT_EQ(AppInfo::ProductPageName(), QStringLiteral("Quillfret Pro ") + AppInfo::VersionText() + QStringLiteral(" help"));
}

}  // namespace

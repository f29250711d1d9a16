// `cmake --install` into a staging folder: the program, its help and product
// page, the desktop entry and the icons, where the desktop and the program
// look for them.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include "AppInfo.h"
#include "QtPrinters.h"

namespace {

QString readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

TEST(Install, PutsEverythingWhereTheDesktopAndTheProgramFindIt) {
    QTemporaryDir stage;
    ASSERT_TRUE(stage.isValid());
    QProcess install;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DESTDIR"), stage.path());
    install.setProcessEnvironment(env);
    install.start(QStringLiteral(QF_CMAKE),
                  {QStringLiteral("--install"), QStringLiteral(QF_BINARY_DIR), QStringLiteral("--prefix"),
                   QStringLiteral("/usr")});
    ASSERT_TRUE(install.waitForFinished(60000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();

    const QString usr = stage.path() + QStringLiteral("/usr");
    EXPECT_TRUE(QFileInfo(usr + QStringLiteral("/bin/quillfret-pro")).isExecutable());
    for (const char* page : {"index.html", "main.html", "keywords.txt", "help.css", "chords.html"})
        EXPECT_TRUE(QFileInfo::exists(usr + QStringLiteral("/share/quillfret-pro/help/") + QLatin1String(page)))
            << page;
    EXPECT_TRUE(QFileInfo::exists(usr + QStringLiteral("/share/icons/hicolor/scalable/apps/quillfret-pro.svg")));
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
        EXPECT_TRUE(QFileInfo::exists(usr + QStringLiteral("/share/icons/hicolor/") + QLatin1String(size) +
                                      QStringLiteral("/apps/quillfret-pro.png")))
            << size;

    const QString entry = usr + QStringLiteral("/share/applications/quillfret-pro.desktop");
    const QString desktop = readAll(entry);
    for (const char* line : {"Type=Application", "Name=Quillfret Pro", "Exec=/usr/bin/quillfret-pro",
                             "Icon=quillfret-pro", "Terminal=false"})
        EXPECT_TRUE(desktop.contains(QLatin1String(line) + QLatin1Char('\n'))) << line;
    EXPECT_TRUE(desktop.contains(QStringLiteral("Audio;Music;Education;")));
    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (!validate.isEmpty()) {
        QProcess check;
        check.start(validate, {entry});
        ASSERT_TRUE(check.waitForFinished(30000));
        EXPECT_EQ(check.exitCode(), 0) << check.readAllStandardOutput().toStdString();
    }

    // The installed program finds the installed pages, not the source tree's.
    const QString page = usr + QStringLiteral("/share/quillfret-pro/help/main.html");
    EXPECT_EQ(AppInfo::ProductPageUrlIn(usr + QStringLiteral("/bin"), QString()), QUrl::fromLocalFile(page).toString());
    EXPECT_EQ(AppInfo::HelpFileIn(usr + QStringLiteral("/bin"), QStringLiteral("/nonexistent")),
              usr + QStringLiteral("/share/quillfret-pro/help/index.html"));
}

}  // namespace

// The program's icon: each file decoded only when a size drawn from it is
// asked for, and every size drawn as an icon holding all six files draws it.

#include <gtest/gtest.h>

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "AppIcon.h"
#include "AppIconEngine.h"
#include "QtPrinters.h"

namespace {

QString file(int size) { return QStringLiteral(":/icons/quillfret-pro-%1.png").arg(size); }

TEST(AppIconEngine, DecodesAFileOnlyWhenASizeDrawnFromItIsFirstAskedFor) {
    QStringList reads;
    const QIcon icon(new AppIconEngine([&reads](const QString& path) {
        reads << path;
        return QImage(path);
    }));

    // Made, and asked what it has: nothing decoded.
    EXPECT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(),
              (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_EQ(icon.actualSize(QSize(20, 20)), QSize(20, 20));
    EXPECT_EQ(icon.actualSize(QSize(512, 512)), QSize(256, 256));
    EXPECT_EQ(reads, QStringList());

    struct Case {
        int asked;
        int given;          // the pixmap's size
        const char* reads;  // what this ask decoded, "" for nothing
    };
    const Case cases[] = {
        {16, 16, "16"},
        {256, 256, "256"},
        {16, 16, ""},    // kept
        {20, 20, "32"},  // the next larger file, scaled down
        {300, 256, ""},  // never scaled up
        {32, 32, ""},
    };
    for (const Case& c : cases) {
        const qsizetype before = reads.size();
        const QImage image = icon.pixmap(c.asked, c.asked).toImage();
        EXPECT_EQ(image.size(), QSize(c.given, c.given)) << c.asked;
        EXPECT_EQ(reads.mid(before), *c.reads ? QStringList{file(QByteArray(c.reads).toInt())} : QStringList())
            << c.asked;
        // Transparent corners, an opaque middle: the icon, not a blank.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << c.asked;
        EXPECT_EQ(qAlpha(image.pixel(c.given / 2, c.given / 2)), 255) << c.asked;
    }

    // A copy shares what was decoded.
    const QIcon copy = icon;
    copy.pixmap(256, 256);
    EXPECT_EQ(reads.size(), 3);
}

// What an icon made with addFile from the six files gives: the same pixels,
// sizes and pixel ratios at any size, pixel ratio and mode, and painted.
TEST(AppIconEngine, DrawsAsTheSixFilesAddedToAnIconDo) {
    QIcon eager;
    for (int size : {16, 32, 48, 64, 128, 256}) eager.addFile(file(size), QSize(size, size));

    const QSize sizes[] = {{16, 16}, {20, 20}, {22, 22}, {24, 24}, {31, 31}, {32, 32}, {33, 33},
                           {48, 48}, {64, 64}, {100, 100}, {128, 128}, {200, 200}, {256, 256},
                           {257, 257}, {512, 512}, {40, 20}, {20, 100}, {0, 0}};
    for (const QSize& size : sizes) {
        for (qreal ratio : {1.0, 1.5, 2.0}) {
            for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
                const QIcon lazy(new AppIconEngine);  // only what this size needs decoded
                const QPixmap want = eager.pixmap(size, ratio, mode);
                const QPixmap got = lazy.pixmap(size, ratio, mode);
                EXPECT_EQ(got.toImage(), want.toImage()) << size.width() << "x" << size.height() << " @" << ratio
                                                         << " mode " << mode;
                EXPECT_EQ(got.devicePixelRatio(), want.devicePixelRatio()) << size.width() << " @" << ratio;
                EXPECT_EQ(lazy.actualSize(size, mode), eager.actualSize(size, mode)) << size.width();
            }
        }
    }
    for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected})
        for (QIcon::State state : {QIcon::Off, QIcon::On})
            EXPECT_EQ(AppIcon::Icon().availableSizes(mode, state), eager.availableSizes(mode, state)) << mode << state;

    const auto painted = [](const QIcon& icon, const QRect& rect) {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        icon.paint(&painter, rect);
        return image;
    };
    for (const QRect& rect : {QRect(0, 0, 64, 64), QRect(3, 5, 20, 20), QRect(0, 0, 50, 30)})
        EXPECT_EQ(painted(AppIcon::Icon(), rect), painted(eager, rect)) << rect.width() << "x" << rect.height();
}

// Every window and the tray get one icon, so a size is decoded once a run
// however many windows ask for it.
TEST(AppIcon, IsOneIconForTheWholeRun) { EXPECT_EQ(AppIcon::Icon().cacheKey(), AppIcon::Icon().cacheKey()); }

}  // namespace

#include "AppIconEngine.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <array>
#include <utility>

namespace {

// The square sizes there are files for, smallest first, as the build lists them.
constexpr std::array kSizes = {QF_ICON_SIZES};

QString pathFor(int size) { return QStringLiteral(":/icons/quillfret-pro-%1.png").arg(size); }

// QIcon's choice among files of these sizes: the smallest whose area is at
// least the size asked for, else the largest.
int fileSizeFor(const QSize& size) {
    const qint64 area = qint64(size.width()) * size.height();
    for (int s : kSizes)
        if (qint64(s) * s >= area) return s;
    return kSizes.back();
}

}  // namespace

AppIconEngine::AppIconEngine(Reader read)
    : read_(read ? std::move(read) : Reader([](const QString& path) { return QImage(path); })) {}

const QIcon& AppIconEngine::loadedFor(const QSize& size) {
    // Files decoded earlier do not change the choice: the file chosen among
    // all of them is chosen among any that hold it.
    const int file = fileSizeFor(size);
    if (!tried_.contains(file)) {
        tried_.append(file);
        const QImage image = read_(pathFor(file));
        if (!image.isNull()) loaded_.addPixmap(QPixmap::fromImage(image));
    }
    return loaded_;
}

QSize AppIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    QSize actual(fileSizeFor(size), fileSizeFor(size));
    if (actual.width() > size.width() || actual.height() > size.height()) actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap AppIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return loadedFor(size).pixmap(size, 1.0, mode, state);
}

// Every file is drawn at scale 1, so the scale does not change the choice:
// the size asked for (already scaled) does.
QPixmap AppIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal) {
    return pixmap(size, mode, state);
}

void AppIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) {
    const QPaintDevice* device = painter->device();
    const qreal dpr = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, scaledPixmap(rect.size() * dpr, mode, state, dpr));
}

QList<QSize> AppIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    QList<QSize> sizes;
    if (mode == QIcon::Normal && state == QIcon::Off)
        for (int s : kSizes) sizes.append(QSize(s, s));
    return sizes;
}

bool AppIconEngine::isNull() { return false; }

QIconEngine* AppIconEngine::clone() const { return new AppIconEngine(*this); }

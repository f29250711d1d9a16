#pragma once
// The program's icon drawn from its PNG files (16 to 256 px, built in as
// resources), each decoded only when a caller first asks for a size drawn
// from it and kept from then on. QIcon::addFile would decode every file as
// the icon is made, for each window that sets it. (On X11 a window given
// the icon asks for every size it has, for the window manager.)
//
// Every size, mode and state is drawn as an icon holding all the files
// draws it: from the smallest file at least as large as asked (else the
// largest), scaled down to fit.

#include <QIcon>
#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <functional>

class AppIconEngine : public QIconEngine {
public:
    // Decodes the image file at a path; empty: QImage's own reader.
    using Reader = std::function<QImage(const QString& path)>;

    explicit AppIconEngine(Reader read = {});

    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine* clone() const override;

private:
    // The icon holding the files decoded so far, the one `size` is drawn from among them.
    const QIcon& loadedFor(const QSize& size);

    Reader read_;
    QIcon loaded_;
    QList<int> tried_;  // file sizes read, whether or not they decoded
};

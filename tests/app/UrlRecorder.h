#pragma once
// Stands in for the user's browser: records every address the program asks
// the desktop to open, for the URL schemes it is installed for.

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QStringList schemes = {QStringLiteral("file"), QStringLiteral("http"),
                                                QStringLiteral("https")})
        : schemes_(std::move(schemes)) {
        for (const QString& s : schemes_) QDesktopServices::setUrlHandler(s, this, "Open");
    }
    ~UrlRecorder() override {
        for (const QString& s : schemes_) QDesktopServices::unsetUrlHandler(s);
    }

    QList<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.append(url); }

private:
    QStringList schemes_;
};

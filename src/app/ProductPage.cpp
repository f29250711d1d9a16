#include "ProductPage.h"

#include <QUrl>

#include "AppInfo.h"
#include "AppSettings.h"
#include "Prompter.h"

namespace ProductPage {

void Open() {
    if (AppInfo::OpenProductPage()) return;
    const QUrl url(AppInfo::ProductPageUrl());
    const QString where = url.isLocalFile() ? url.toLocalFile() : url.toString();
    Prompter::Current().Message(
        QStringLiteral("The Quillfret website could not be opened in a browser.\r\n\r\nIts page is:\r\n%1").arg(where),
        AppSettings::AppTitle(), Prompter::Icon::Exclamation);
}

}  // namespace ProductPage

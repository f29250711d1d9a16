#pragma once
// Facts about the program that several windows show: its version and its
// product page (the printed chart header, the about box and the website menu
// item name the same page).

#include <QString>

namespace AppInfo {

// "major.minor.revision" of the build.
QString VersionText();

// The product page as a reader names it, "Quillfret Pro 1.0.0 help": what the
// about box's link and the printed chart header show. The page's address
// lies on the user's machine, so it is opened, never shown.
QString ProductPageName();

// The product page "main.html" installed beside the help, as a file URL:
// <data folder>/quillfret-pro/help/main.html (by default
// <program folder>/../share/quillfret-pro/help/main.html) when it is there,
// else the source tree's help/main.html when it is there (a program run from
// its build folder), else the installed location all the same.
QString ProductPageUrl();

// The same choice for a given program folder and source help folder.
QString ProductPageUrlIn(const QString& applicationDir, const QString& sourceHelpDir);

// Opens the product page in the user's browser; false when nothing could open it.
bool OpenProductPage();

// The help's contents page "index.html", looked for as the product page is;
// "" when there is no help. SetHelpFile replaces the choice ("" = no help).
QString HelpFile();
QString HelpFileIn(const QString& applicationDir, const QString& sourceHelpDir);
void SetHelpFile(const QString& path);

}  // namespace AppInfo

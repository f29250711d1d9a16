#pragma once
// Tablature is set in Courier New (on Debian its metric twin, Liberation
// Mono, through fontconfig), so that the columns line up.

#include <QFont>

inline QFont TablatureFont() {
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(8.25);
    return font;
}

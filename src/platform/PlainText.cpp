#include "PlainText.h"

namespace PlainText {

QString BoolText(bool value) { return value ? QStringLiteral("True") : QStringLiteral("False"); }

std::optional<bool> ParseBool(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    bool isNumber = false;
    const qlonglong n = t.toLongLong(&isNumber);
    if (isNumber) return n != 0;
    return std::nullopt;
}

QStringList SplitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) ++i;
        start = i + 1;
    }
    if (start < text.size()) lines << text.mid(start);
    return lines;
}

QString Quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

}  // namespace PlainText

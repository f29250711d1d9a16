#include "NeckCodes.h"

#include <QStringList>
#include <array>

namespace NeckCodes {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kBlanks3 = QStringLiteral("   ");

}  // namespace

bool ToInt16(const QString& text, int16_t* value) {
    bool ok = false;
    const short n = text.trimmed().toShort(&ok);
    if (ok) *value = n;
    return ok;
}

QString ChordTab(const QString& chordCode) {
    if (chordCode.isEmpty()) return QString();
    if (chordCode == kNotAvailable)
        return kCrLf + kCrLf + kCrLf + QString(12, QLatin1Char(' ')) + chordCode;
    static const std::array<const char*, 6> labels = {"6(E) ----------", "5(A) ----------",
                                                      "4(D) ----------", "3(G) ----------",
                                                      "2(B) ----------", "1(e) ----------"};
    const QStringList numbers = chordCode.section(QLatin1Char(';'), 0, 0).split(QLatin1Char(','));
    QString tab;
    for (qsizetype i = 1; i < numbers.size() && i <= 11; i += 2) {
        int16_t finger = 0;
        const bool muted = ToInt16(numbers[i], &finger) && finger == 6;
        const QString cell = muted ? QStringLiteral("x") : numbers[i - 1];
        const QString leadIn = cell.size() == 2 ? QStringLiteral("-") : QStringLiteral("--");
        tab = kBlanks3 + QLatin1String(labels[static_cast<size_t>(i / 2)]) + leadIn + cell +
              QString(12, QLatin1Char('-')) + kCrLf + tab;
    }
    return tab;
}

QString ScaleTab(const QString& scaleCode) {
    if (scaleCode.trimmed().isEmpty()) return QString();
    std::array<QString, 6> bodies;
    for (const QString& note : scaleCode.split(QLatin1Char('|'))) {
        const QStringList fields = note.split(QLatin1Char(','));
        int16_t string = 0;
        // A note that names no string of the neck, or has no fret, has no line to go on.
        if (fields.size() < 2 || !ToInt16(fields[0], &string) || string < 1 || string > 6) continue;
        const QString& fret = fields[1];
        const QString leadIn = fret.size() == 2 ? QStringLiteral("-") : QStringLiteral("--");
        bodies[static_cast<size_t>(string - 1)] += leadIn + fret + QStringLiteral("--");
    }
    static const std::array<const char*, 6> labels = {"1(e) -----", "2(B) -----", "3(G) -----",
                                                      "4(D) -----", "5(A) -----", "6(E) -----"};
    QStringList lines;
    for (size_t s = 0; s < 6; ++s)
        lines << kBlanks3 + (QLatin1String(labels[s]) + bodies[s] + QString(18, QLatin1Char('-'))).left(31);
    return lines.join(kCrLf);
}

}  // namespace NeckCodes

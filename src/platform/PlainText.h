#pragma once
// Text forms that the settings, the chart files, the instrument-name file and
// the messages share, so that each is read and written one way.

#include <QString>
#include <QStringList>
#include <optional>

namespace PlainText {

// A Boolean as stored: "True" or "False".
QString BoolText(bool value);
// A Boolean as the toolkit converts text: "True"/"False" in any letter case,
// or a whole number (0 = False, any other = True), blanks around allowed.
// Nothing else.
std::optional<bool> ParseBool(const QString& text);

// Lines ended by CR LF, LF or a lone CR: none of them is left inside a line.
// A last line without an ending counts; an ending at the very end starts no
// further line.
QStringList SplitLines(const QString& text);

// The text in double quotes, as messages name a chart or an item.
QString Quoted(const QString& text);

}  // namespace PlainText

#include "ChartFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "AppPaths.h"
#include "PlainText.h"
#include "modFunctions.h"

namespace ChartFile {
namespace {

const QLatin1String kDesc("DESC:");
const QLatin1String kExtension(".cht");

void setError(QString* error, const QString& text) {
    if (error) *error = text;
}

// Item texts and codes never hold a line break, or one item would come back as two.
QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

bool isBlank(const QString& line) { return line.trimmed().isEmpty(); }

// Takes out every "DESC:", also one that the taking out itself brings
// together ("DEDESC:SC:"), in one pass.
void stripDesc(QString& text) {
    if (!text.contains(kDesc)) return;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        out += c;
        if (c == QLatin1Char(':') && out.endsWith(kDesc)) out.chop(kDesc.size());
    }
    text = out;
}

// The owner's write bit marks a chart the user wants left alone, even for root.
bool refuseReadOnly(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (info.exists() && !(info.permissions() & QFileDevice::WriteOwner)) {
        setError(error, QStringLiteral("The file is read-only."));
        return true;
    }
    return false;
}

bool saveWhole(const QString& path, const QByteArray& bytes, QString* error) {
    if (refuseReadOnly(path, error)) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        setError(error, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

}  // namespace

Kind KindOf(const QString& text) {
    if (text.startsWith(QLatin1String("Map:"))) return Kind::Map;
    if (text.startsWith(QLatin1String("Scale:"))) return Kind::Scale;
    if (text.startsWith(QLatin1String("Chord:"))) return Kind::Chord;
    return Kind::Text;
}

QString RootOf(const QString& displayText) {
    // Texts are single-byte, as chart files are.
    const QByteArray name = displayText.section(QLatin1Char(':'), 1, 1).toLatin1();
    return QString::fromLatin1(modFunctions::GetRootName(name.toStdString()));
}

std::optional<bool> ParseMapFlag(const QString& text) { return PlainText::ParseBool(text); }

std::optional<MapCode> ParseMapCode(const QString& code) {
    const qsizetype tilde = code.indexOf(QLatin1Char('~'));
    if (tilde < 0) return std::nullopt;
    const QString notes = code.left(tilde);
    if (notes.trimmed().isEmpty()) return std::nullopt;
    const std::optional<bool> flag = ParseMapFlag(code.section(QLatin1Char('~'), 1, 1));
    if (!flag) return std::nullopt;
    return MapCode{notes, *flag};
}

QString ChartFolder() { return AppPaths::GetAppPath() + QStringLiteral("Charts/"); }

QString PathOf(const QString& folder, const QString& name) { return folder + name + kExtension; }

bool EnsureFolder(const QString& folder, QString* error) {
    const QFileInfo info(folder);
    if (info.isDir()) return true;
    if (info.exists()) {
        setError(error, QStringLiteral("A file stands where the chart folder should be."));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        setError(error, QStringLiteral("The folder could not be created."));
        return false;
    }
    return true;
}

QStringList ListCharts(const QString& folder) {
    const QDir dir(folder);
    const QStringList files =
        dir.entryList({QStringLiteral("*") + kExtension}, QDir::Files | QDir::CaseSensitive, QDir::Unsorted);
    QStringList names;
    for (const QString& file : files) {
        if (!file.endsWith(kExtension)) continue;
        const QString name = file.left(file.size() - kExtension.size());
        if (name.isEmpty() || name.startsWith(QLatin1Char('.'))) continue;
        names << name;
    }
    // By the name the user sees (not the file name, whose ".cht" would sort
    // "Blues" after "Blues 2"); names alike but for case keep a fixed order.
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

ChartItem ParseItemLine(const QString& line) {
    ChartItem item;
    const qsizetype tilde = line.indexOf(QLatin1Char('~'));
    if (tilde < 0) {
        item.Text = line;
        return item;
    }
    item.Text = line.left(tilde);
    item.Code = line.mid(tilde + 1);
    item.HasCode = true;
    return item;
}

ChartContent Parse(const QByteArray& bytes) {
    ChartContent content;
    const QStringList lines = PlainText::SplitLines(QString::fromLatin1(bytes));
    for (const QString& line : lines) {
        if (isBlank(line)) continue;
        if (line.startsWith(kDesc)) {
            content.Description += line;
            continue;
        }
        content.Items.push_back(ParseItemLine(line));
    }
    // Once over the joined lines: taking out is the same line by line or whole,
    // and only the whole also meets a "DESC:" split across two lines.
    stripDesc(content.Description);
    return content;
}

QByteArray Serialize(const ChartContent& content) {
    QString text = kDesc + oneLine(content.Description) + QStringLiteral("\r\n");
    for (const ChartItem& item : content.Items)
        text += oneLine(item.Text) + QLatin1Char('~') + oneLine(item.Code) + QStringLiteral("\r\n");
    return text.toLatin1();
}

ReadStatus Read(const QString& path, ChartContent* content, QString* error) {
    *content = ChartContent();
    QFile file(path);
    if (!QFileInfo(path).isFile()) {
        setError(error, QStringLiteral("File not found"));
        return ReadStatus::NotFound;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return ReadStatus::Unreadable;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return ReadStatus::Unreadable;
    }
    *content = Parse(bytes);
    return ReadStatus::Ok;
}

bool Write(const QString& path, const ChartContent& content, QString* error) {
    return saveWhole(path, Serialize(content), error);
}

bool WriteBytes(const QString& path, const QByteArray& bytes, QString* error) {
    return saveWhole(path, bytes, error);
}

bool Append(const QString& path, const QString& text, const QString& code, QString* error) {
    // A chart that has gone is not made anew by an item.
    if (!QFileInfo::exists(path)) {
        setError(error, QStringLiteral("File not found"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, file.errorString());
        return false;
    }
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        setError(error, file.errorString());
        return false;
    }
    file.close();
    if (!bytes.isEmpty() && !bytes.endsWith('\n') && !bytes.endsWith('\r')) bytes += "\r\n";
    bytes += (oneLine(text) + QLatin1Char('~') + oneLine(code) + QStringLiteral("\r\n")).toLatin1();
    return saveWhole(path, bytes, error);
}

bool CreateEmpty(const QString& path, QString* error) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        setError(error, file.errorString());
        return false;
    }
    file.close();
    return true;
}

bool Remove(const QString& path, QString* error) {
    const QFileInfo info(path);
    // Gone already (deleted behind the program's back): nothing is left to do.
    if (!info.exists() && !info.isSymLink()) return true;
    if (!info.isFile()) {
        setError(error, QStringLiteral("It is not a chart file."));
        return false;
    }
    if (refuseReadOnly(path, error)) return false;
    QFile file(path);
    if (!file.remove()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}

NameProblem CheckNewName(const QString& typed, const QString& folder, QString* name) {
    const QString n = typed.trimmed();
    if (name) *name = n;
    if (n.isEmpty()) return NameProblem::Empty;
    // Characters, not UTF-16 units: one outside the Basic Multilingual Plane
    // counts once. Half a surrogate pair has no file name to become.
    qsizetype length = 0;
    bool unpaired = false;
    for (qsizetype i = 0; i < n.size(); ++i, ++length) {
        const QChar c = n.at(i);
        if (c.isHighSurrogate() && i + 1 < n.size() && n.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            unpaired = true;
    }
    if (length > kMaxNameLength) return NameProblem::TooLong;
    if (unpaired || n.startsWith(QLatin1Char('.'))) return NameProblem::BadCharacter;
    for (const QChar c : n) {
        // C0, DEL and C1 (U+0080 to U+009F) alike: nothing a name should hold unseen.
        if (c.category() == QChar::Other_Control || QStringLiteral("/\\<>:\"|?*").contains(c))
            return NameProblem::BadCharacter;
    }
    const QString wanted = n + kExtension;
    // Any entry of that name blocks the file, a folder included.
    const QStringList files =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& file : files)
        if (file.compare(wanted, Qt::CaseInsensitive) == 0) return NameProblem::Exists;
    return NameProblem::None;
}

}  // namespace ChartFile

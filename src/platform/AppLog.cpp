#include "AppLog.h"

#include <QString>

namespace {

// Warnings and worse by default; debug lines would need a logging rule.
Q_LOGGING_CATEGORY(quillfret, "quillfret", QtWarningMsg)

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace

const QLoggingCategory& AppLog::Category() { return quillfret(); }

void AppLog::Skipped(std::string_view where, std::string_view what) noexcept {
    try {
        qCWarning(quillfret).noquote() << text(where) + QStringLiteral(": skipped a step that threw: ") + text(what);
    } catch (...) {
    }
}

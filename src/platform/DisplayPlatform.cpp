#include "DisplayPlatform.h"

#include <QtGlobal>

namespace DisplayPlatform {

QByteArray PlatformFor(const QByteArray& qpaPlatform, const QByteArray& sessionType,
                       const QByteArray& waylandDisplay, const QByteArray& x11Display,
                       const QStringList& arguments) {
    if (!qpaPlatform.isEmpty()) return {};
    for (const QString& a : arguments)
        if (a == QLatin1String("-platform") || a == QLatin1String("--platform") ||
            a.startsWith(QLatin1String("-platform=")) || a.startsWith(QLatin1String("--platform=")))
            return {};
    const bool wayland = sessionType.toLower() == "wayland" || !waylandDisplay.isEmpty();
    if (!wayland || x11Display.isEmpty()) return {};
    return QByteArrayLiteral("xcb");
}

void PreferX11(int argc, char** argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QByteArray platform = PlatformFor(qgetenv("QT_QPA_PLATFORM"), qgetenv("XDG_SESSION_TYPE"),
                                            qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), arguments);
    if (!platform.isEmpty()) qputenv("QT_QPA_PLATFORM", platform);
}

}  // namespace DisplayPlatform

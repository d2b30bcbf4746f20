#include "AppIdentity.h"

#include <QApplication>

// Outside any namespace: the resource's initialiser is a global function. Calling it also
// keeps the linker from leaving the resource out of a program built from the static library.
static bool initIconResource()
{
    Q_INIT_RESOURCE(velmora);
    return true;
}

namespace velmora {

QIcon appIcon()
{
    [[maybe_unused]] static const bool registered = initIconResource();
    QIcon icon;
    for (const int side : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(side), QSize(side, side));
    return icon;
}

void identifyApplication()
{
    QCoreApplication::setApplicationName(AppName);
    QCoreApplication::setApplicationVersion(AppVersion);
    // Lets the desktop match the windows to the installed launcher entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velmora.Velmora"));
    QApplication::setWindowIcon(appIcon());
}

} // namespace velmora

#pragma once

#include <QIcon>
#include <QString>

namespace velmora {

inline const QString AppName = QStringLiteral("Velmora");
inline const QString AppVersion = QStringLiteral(VELMORA_VERSION);

// The program's icon, every size drawn for it.
QIcon appIcon();

// Names the application, gives it its version and its icon.
void identifyApplication();

} // namespace velmora

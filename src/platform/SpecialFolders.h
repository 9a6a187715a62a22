#pragma once

#include <QStandardPaths>
#include <QString>

namespace platform {

// The path of one of the user's standard folders followed by "/", or "" when
// the system has no such folder.
QString GetSpecialFolderPath(QStandardPaths::StandardLocation folder);

}  // namespace platform

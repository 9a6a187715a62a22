#pragma once

#include <QString>

namespace shell {

// The program's version, as the splash window shows it and the update check sends it.
inline constexpr const char* kProgramVersion = "4.6";

// The maker's page that tells whether a newer version is out; "Check For
// Update" opens it with the query "Ver=" and the program's version.
inline constexpr const char* kVersionCheckAddress = "https://www.tovrelle.example/kelvane/version-check";

inline QString VersionCheckUrl() {
  return QString::fromLatin1(kVersionCheckAddress) + QStringLiteral("?Ver=") +
         QString::fromLatin1(kProgramVersion);
}

}  // namespace shell

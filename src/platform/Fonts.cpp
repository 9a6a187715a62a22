#include "platform/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace platform {

namespace {
constexpr auto kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";
constexpr auto kWineTahomaBold = "/usr/share/wine/fonts/tahomabd.ttf";
}  // namespace

bool IsFontInstalled(const QString& name) {
  const QStringList families = QFontDatabase::families();
  for (const QString& f : families)
    if (f.compare(name, Qt::CaseInsensitive) == 0) return true;
  return false;
}

bool RegisterTahomaIfMissing() {
  if (IsFontInstalled("Tahoma")) return true;
  for (const char* path : {kWineTahoma, kWineTahomaBold})
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
  return IsFontInstalled("Tahoma");
}

}  // namespace platform

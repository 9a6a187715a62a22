#include "shell/StartupDefaults.h"

#include <QDir>

#include "prefs/Preferences.h"

namespace shell {

void FillDisplayDefaults() {
  for (const prefs::Preference* p : {&prefs::ThemeColor, &prefs::BackColor, &prefs::ForeColor,
                                     &prefs::VisualStyle, &prefs::BorderStyle,
                                     &prefs::ScreenDefault, &prefs::TimeDefault})
    p->fillDefault();
}

void FillRemainingDefaults(const QString& programFolder) {
  if (prefs::DataLoc.read().isEmpty()) prefs::DataLoc.write(DefaultDataFolder(programFolder));
  for (const prefs::Preference* p : {&prefs::MaintMode, &prefs::SplitDefault, &prefs::InterpDefault,
                                     &prefs::PreparerMargin, &prefs::MonAdj, &prefs::FileSaveDefault})
    p->fillDefault();
}

QString DefaultDataFolder(const QString& programFolder) {
  QString folder = QDir::cleanPath(programFolder);
  if (folder.endsWith('/')) folder.chop(1);
  return QDir::toNativeSeparators(folder + QStringLiteral("/Pvx Data"));
}

}  // namespace shell

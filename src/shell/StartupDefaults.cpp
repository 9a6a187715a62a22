#include "shell/StartupDefaults.h"

#include "prefs/FileFolders.h"
#include "prefs/Preferences.h"

namespace shell {

void FillDisplayDefaults() {
  for (const prefs::Preference* p : {&prefs::ThemeColor, &prefs::BackColor, &prefs::ForeColor,
                                     &prefs::VisualStyle, &prefs::BorderStyle,
                                     &prefs::ScreenDefault, &prefs::TimeDefault})
    p->fillDefault();
}

void FillRemainingDefaults() {
  if (prefs::DataLoc.read().isEmpty()) prefs::DataLoc.write(prefs::DefaultDataFolder());
  for (const prefs::Preference* p : {&prefs::MaintMode, &prefs::SplitDefault, &prefs::InterpDefault,
                                     &prefs::PreparerMargin, &prefs::MonAdj, &prefs::FileSaveDefault})
    p->fillDefault();
}

}  // namespace shell

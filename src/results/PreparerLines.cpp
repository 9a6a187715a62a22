#include "results/PreparerLines.h"

#include "platform/NumberText.h"
#include "prefs/Preferences.h"

namespace results {

std::vector<PreparerLine> PreparerLines(const QDate& today) {
  const QLatin1String no("No");
  std::vector<PreparerLine> lines;
  if (prefs::NameCheck.read() != no)
    lines.push_back({QStringLiteral("    Prepared By:  "), prefs::PreparerName.read()});
  if (prefs::OfficeCheck.read() != no)
    lines.push_back({QStringLiteral("    Office:  "), prefs::PreparerOffice.read()});
  if (prefs::DateCheck.read() != no)
    lines.push_back({QStringLiteral("    Date:  "), platform::ShortDate(today)});
  return lines;
}

double PreparerTopMargin() {
  const QString margin = prefs::PreparerMargin.read();
  if (margin == QLatin1String("OneHalf")) return 720;
  if (margin == QLatin1String("OneOneHalf")) return 2160;
  return 1440;
}

bool HasCaseName(const QString& caseName) {
  return !caseName.isEmpty() && caseName != QLatin1String(" ");
}

}  // namespace results

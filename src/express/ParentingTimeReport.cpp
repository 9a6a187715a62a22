#include "express/ParentingTimeReport.h"

#include <algorithm>
#include <cmath>

#include "platform/NumberText.h"
#include "platform/document/DrawingCursor.h"

namespace express {

namespace {

constexpr double kMargin = 15;
constexpr double kLabels = 17;
constexpr double kClaim = 75;
constexpr double kPayer = 115;
constexpr double kFrameRight = 15 + 176;

void Row(platform::DrawingCursor& p, const QString& label, const QString& claim, const QString& payer) {
  p.SetCurrentX(kLabels);
  p.PrintText(label);
  p.SetCurrentX(kClaim);
  p.PrintText(claim);
  p.SetCurrentX(kPayer);
  p.PrintLine(payer);
}

void Titles(platform::DrawingCursor& p, const char* title, const char* claim, const char* payer,
            const char* second) {
  p.SetFontBold(true);
  Row(p, QString::fromLatin1(title), QString::fromLatin1(claim), QString::fromLatin1(payer));
  p.SetCurrentX(kLabels);
  p.PrintLine(QString::fromLatin1(second));
  p.SetFontBold(false);
}

void Blank(platform::DrawingCursor& p, int lines) {
  for (int i = 0; i < lines; ++i) p.PrintLine();
}

void AtMargin(platform::DrawingCursor& p, const QString& text) {
  p.SetCurrentX(kMargin);
  p.PrintLine(text);
}

}  // namespace

QString ChildRowLabel(int i, int n) {
  const char* label = "";
  switch (i) {
    case 5: label = n > 6 ? "Oldest Child(ren)" : "Oldest Child"; break;
    case 4: label = n == 5 ? "Oldest Child" : "2nd Oldest Child"; break;
    case 3: label = n == 4 ? "Oldest Child" : n == 5 ? "2nd Oldest Child" : "3rd Oldest Child"; break;
    case 2: label = n == 3 ? "Oldest Child" : n == 4 ? "2nd Oldest Child" : "Middle Child"; break;
    case 1: label = n == 2 ? "Oldest Child" : n == 3 ? "Middle Child" : "2nd Youngest Child"; break;
    default: label = n == 1 ? "Only Child" : "Youngest Child"; break;
  }
  return QString::fromLatin1(label);
}

QString FamilyLabel(int k, int n) {
  if (k == 1) return QStringLiteral("1 Child");
  if (k == 6 && n > 6) return QStringLiteral("6 or More Children");
  return QStringLiteral("%1 Children").arg(k);
}

int FrameLineDots(int printQuality) {
  const double width = 5 * std::max(printQuality / 300.0, 0.6);
  return static_cast<int>(std::nearbyint(width));  // halves to the even number
}

void PrintTime(platform::DrawingCursor& p, const casevars::ExpressVars& ev, const ParentingTimeHeader& header) {
  const int n = ev.NumMinorChildren;
  p.ResetPrinter();
  p.SetOrientation(platform::PageOrientation::Portrait);
  p.SetScaleMode(platform::ScaleUnit::Millimetres);
  const int dots = FrameLineDots(p.PrintQuality());
  p.SetCurrentY(kMargin);
  p.SetFontSize(12);
  if (!header.caseName.isEmpty() && header.caseName != QLatin1String(" "))
    AtMargin(p, QStringLiteral("Case Name:  ") + header.caseName);
  p.SetFontSize(10);
  if (header.nameCheck != QLatin1String("No")) AtMargin(p, QStringLiteral("    Prepared By:  ") + header.preparerName);
  if (header.officeCheck != QLatin1String("No")) AtMargin(p, QStringLiteral("    Office:  ") + header.preparerOffice);
  if (header.dateCheck != QLatin1String("No"))
    AtMargin(p, QStringLiteral("    Date:  ") + platform::ShortDate(header.today));
  p.SetFontSize(12);
  Blank(p, 2);

  p.SetFontName(QStringLiteral("Tahoma"));
  p.SetFontSize(8);
  p.SetLineWidthDots(dots);
  const double frameTop = p.CurrentY();
  Blank(p, 1);
  Titles(p, "Parenting Time", "Claimant's Nights", "Other Party's Nights", "(By Child)");
  for (int i = 5; i >= 0; --i)
    if (n >= i + 1)
      Row(p, ChildRowLabel(i, n), platform::Format(ev.Claim.ChildNights[size_t(i)], "###.0"),
          platform::Format(ev.Payer.ChildNights[size_t(i)], "###.0"));
  Blank(p, 2);
  Titles(p, "Average Parenting Time", "Claimant's Av. Nights", "Other Party's Av. Nights", "(By Family Size)");
  for (int k = 6; k >= 1; --k)
    if (n >= k)
      Row(p, FamilyLabel(k, n), platform::Format(ev.Claim.TierNights[size_t(k)], "###.0"),
          platform::Format(ev.Payer.TierNights[size_t(k)], "###.0"));
  Blank(p, 2);
  Titles(p, "Shared Sum of Days Factor", "Claimant's Factor", "Other Party's Factor", "(By Family Size)");
  for (int k = 6; k >= 1; --k) {
    if (n < k) continue;
    const double claim = ev.Claim.TierNights[size_t(k)];
    const double payer = ev.Payer.TierNights[size_t(k)];
    const double sum = claim + payer;
    // A family size without nights has no factor to print: 0 rather than a division by zero.
    Row(p, FamilyLabel(k, n), platform::Format(sum != 0 ? claim / sum : 0, "###.##0"),
        platform::Format(sum != 0 ? payer / sum : 0, "###.##0"));
  }
  Blank(p, 2);
  p.SetPenStyle(0);
  p.SetFillStyle(1);
  p.SetPenColor(Qt::black);
  p.DrawRectangle(kMargin, frameTop, kFrameRight, p.CurrentY());
  Blank(p, 2);
  p.SetFontSize(8);
  AtMargin(p, QStringLiteral("Note: Claimant's Factor Equals: (Claimant's Av. Nights) Divided By (365 Nights)"));
  AtMargin(p,
           QStringLiteral("Note: Other Party's Factor Equals: (Other Party's Av. Nights) Divided By (365 Nights)"));
  p.EndDocument();
}

}  // namespace express

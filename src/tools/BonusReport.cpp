#include "tools/BonusReport.h"

#include "platform/NumberText.h"
#include "platform/document/DrawingCursor.h"
#include "results/PreparerLines.h"

namespace tools {

namespace {

QString F(double value) { return platform::Format(value, "$####0"); }

}  // namespace

QStringList BonusReportBody(BonusKind kind, const BonusValues& v) {
  const QString share = platform::Format(v.BonusShare * 100.0, "###.#0") + QStringLiteral("%");
  QStringList body{QStringLiteral("Other Party's Average Yearly Bonus = %1/Yr").arg(F(v.YrBonus)), QString()};
  if (kind == BonusKind::Alimony) {
    body << QStringLiteral("PerCent Of Yearly Bonus To Transfer As Alimony To Claimant = ") + share << QString()
         << QStringLiteral("Alimony/Mo Without Bonus = %1 (%2/Yr)")
                .arg(F(v.YrAwardWithoutBonus / 12.0), F(v.YrAwardWithoutBonus))
         << QStringLiteral("Alimony/Mo With Estimated Bonus = %1 (%2/Yr)")
                .arg(F(v.YrAwardWithBonus / 12.0), F(v.YrAwardWithBonus))
         << QString()
         << QStringLiteral("Difference In Alimony Amounts/Mo = %1 (%2/Yr)")
                .arg(F(v.YrAwardDifference / 12.0), F(v.YrAwardDifference))
         << QString() << QString() << QStringLiteral("Child Support Amounts Used In The Alimony Calculations ")
         << QStringLiteral("Child Support/Mo Without Bonus = %1 (%2/Yr)")
                .arg(platform::Format(v.MoSupportWithoutBonus, "$##0"), F(v.MoSupportWithoutBonus * 12.0))
         << QStringLiteral("Child Support/Mo With Bonus = %1 (%2/Yr)")
                .arg(F(v.MoSupportWithBonus), F(v.MoSupportWithBonus * 12.0));
  } else {
    body << QStringLiteral("PerCent Of Yearly Bonus To Transfer As Child Support To Claimant = ") + share << QString()
         << QStringLiteral("Child Support/Mo Without Bonus = %1 (%2/Yr)")
                .arg(F(v.MoSupportWithoutBonus), F(v.MoSupportWithoutBonus * 12.0))
         << QStringLiteral("Child Support/Mo With Estimated Bonus = %1 (%2/Yr)")
                .arg(F(v.MoSupportWithBonus), F(v.MoSupportWithBonus * 12.0))
         << QString()
         << QStringLiteral("Difference In Support Amounts/Mo = %1 (%2/Yr)")
                .arg(F(v.MoSupportDifference), F(v.MoSupportDifference * 12.0));
  }
  body << QString() << QString() << QString();
  return body;
}

QStringList BonusReportNote() {
  return {
      QStringLiteral("Note: A percentage applied to the gross bonus is the simplest way to handle variable bonus income "),
      QStringLiteral("for child support or alimony, for either or both transfers; it avoids costly look-backs and expert "),
      QStringLiteral("help. The percentage slides a little with the size of the bonus, but unless the bonus varies very "),
      QStringLiteral("widely the slide is nominal, and its cost is outweighed by the cost of the alternatives. Run the "),
      QStringLiteral("calculation with a low and a high estimate drawn from the bonus history and the best evidence: "),
      QStringLiteral("the results show the range of error, usually under half of one percent. The percentages can be "),
      QStringLiteral("evened out so that neither party is favoured in advance. The program's documentation says more "),
      QStringLiteral("about bonus calculations."),
  };
}

void PrintBonusReport(platform::DrawingCursor& printer, BonusKind kind, const BonusValues& values,
                      const BonusReportInputs& inputs) {
  printer.ResetPrinter();
  printer.SetOrientation(platform::PageOrientation::Portrait);
  printer.SetScaleMode(platform::ScaleUnit::Millimetres);
  printer.SetFontName(QStringLiteral("Tahoma"));
  printer.SetFontSize(14);
  printer.SetCurrentY(10);
  printer.SetCurrentX(40);
  printer.PrintLine(kind == BonusKind::Alimony ? QStringLiteral("ALIMONY BONUS CALCULATOR")
                                               : QStringLiteral("CHILD SUPPORT BONUS CALCULATOR"));
  printer.PrintLine();
  printer.PrintLine();

  printer.SetFontSize(12);
  if (results::HasCaseName(inputs.caseName)) {
    printer.SetCurrentX(15);
    printer.PrintText(QStringLiteral("Case Name:  "));
    printer.PrintLine(inputs.caseName);
  } else {
    printer.PrintLine();
  }
  printer.SetFontSize(8);
  for (const results::PreparerLine& line : results::PreparerLines(inputs.today)) {
    printer.SetCurrentX(15);
    printer.PrintText(line.label);
    printer.PrintLine(line.value);
  }
  printer.PrintLine();
  printer.PrintLine();

  printer.SetFontSize(10);
  auto atLeft = [&printer](const QStringList& lines) {
    for (const QString& line : lines) {
      printer.SetCurrentX(17);
      printer.PrintLine(line);
    }
  };
  atLeft(BonusReportBody(kind, values));
  printer.SetFontSize(8);
  atLeft(BonusReportNote());
  printer.EndDocument();
}

}  // namespace tools

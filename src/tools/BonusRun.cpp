#include "tools/BonusRun.h"

#include <cmath>

#include "platform/AmountLimit.h"
#include "platform/NumberText.h"
#include "platform/TextHelpers.h"
#include "tools/WhatIfRun.h"

namespace tools {

namespace {

// The number a field's cleaned text starts with.
double NumberIn(const QString& text) {
  QString cleaned = text;
  platform::RemoveCurrencyChars(cleaned);
  return platform::Val(cleaned);
}

// The same, or 0 when the cleaned text is not numeric.
double NumberOrZero(const QString& text) { return platform::AmountFromText(text); }

// An amount as plain number text, to the cent and with no trailing zeros
// (1000 -> "1000", 1234.5 -> "1234.5"): every digit of any amount the boxes take.
QString Plain(double value) {
  const double cents = std::round(value * 100);
  QString text = QString::number(cents == 0 ? 0.0 : cents / 100, 'f', 2);  // never "-0"
  while (text.endsWith(QLatin1Char('0'))) text.chop(1);
  if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text;
}
QString F(double value) { return platform::Format(value, "$####0"); }

void Call(const std::function<void()>& f) {
  if (f) f();
}

void Call(const std::function<void(bool)>& f, bool argument) {
  if (f) f(argument);
}

}  // namespace

double WagesWithBonus(double payerYrEarned, double bonus) {
  return std::round((payerYrEarned + bonus) * 100) / 100;
}

BonusEntryCheck CheckBonusEntry(const QString& text, double payerYrEarned) {
  const platform::AmountReading r = platform::ReadAmount(text);
  if (r.kind == platform::AmountReading::TooLarge) return {std::nullopt, platform::AmountTooLargeMessage()};
  if (!r.isAmount() || !(r.value > 0)) return {std::nullopt, QString::fromLatin1(kBonusEntryError)};
  if (!platform::WithinAmountLimit(WagesWithBonus(payerYrEarned, r.value)))
    return {std::nullopt, platform::AmountTooLargeMessage()};
  return {r.value, {}};
}

void RunBonus(BonusKind kind, double yrBonus, casevars::CaseVars& vars, const BonusServices& s, BonusValues& v) {
  const bool alimony = kind == BonusKind::Alimony;
  const std::int16_t sequencing = vars.Express.SequencingMode;
  const QString savedSupportText = s.childSupportText();
  v.YrBonus = yrBonus;

  // What the run saves before it changes anything. With the user's award in
  // force the award held is not a suggestion: the one without the bonus is
  // worked out again when the case is put back.
  const bool userAward = alimony && vars.Express.AwardChangedFlag == QLatin1String("Y");
  double suggestionWithoutBonus = vars.Alimony.YrAlimonyAward;
  double supportWithoutBonus = 0;  // with the suggestion, when alimony comes first
  double assumedTransfer = 0;
  if (alimony) {
    v.MoSupportWithoutBonus = sequencing != 0 ? vars.Support.MoChildSupportForAlimony : NumberOrZero(savedSupportText);
  } else {
    v.MoSupportWithoutBonus = NumberIn(savedSupportText);
    v.MoAlimonyAssumed = NumberIn(s.currentMaintText());
    assumedTransfer = s.applyMaintToCS ? v.MoAlimonyAssumed : 0.0;
  }
  v.SavedPayerEarnedText = s.payerEarnedText();

  auto change = [&](casevars::CaseVars& c) {
    if (!alimony) c.Express.MoAlimonyTransfer = assumedTransfer;
    s.setPayerEarnedText(Plain(WagesWithBonus(c.Income.Payer.YrEarned, yrBonus)));
    Call(s.incomeRefresh);
  };
  auto run = [&] {
    if (alimony) {
      s.setCurrentMaintText(QString());
      vars.Express.MoAlimonyTransfer = 0;
      s.computeChildSupport(true);
      vars.Support.MoChildSupportForAlimony = NumberOrZero(s.childSupportText());
      Call(s.computeAlimony, true);
      v.YrAwardWithBonus = vars.Alimony.YrAlimonyAward;
      v.MoSupportWithBonus = vars.Support.MoChildSupportForAlimony;
    } else {
      s.computeChildSupport(true);
      v.MoSupportWithBonus = NumberIn(s.childSupportText());
      v.MoSupportDifference = v.MoSupportWithBonus - v.MoSupportWithoutBonus;
      v.BonusShare = v.MoSupportDifference * 12 / v.YrBonus;
    }
    return 0;
  };
  // Putting back: the saved case, the earned-wages box and the income
  // refresh, then the engines on the case without the bonus.
  auto rerun = [&] {
    s.setPayerEarnedText(v.SavedPayerEarnedText);
    Call(s.incomeRefresh);
    if (alimony) {
      s.setCurrentMaintText(QString());
      vars.Express.MoAlimonyTransfer = 0;
      if (sequencing == 0) {
        // The field keeps the text it held; the driver's own results are
        // worked out again on the case without the bonus.
        s.setChildSupportText(savedSupportText);
        vars.Support.MoChildSupportForAlimony = NumberOrZero(savedSupportText);
        s.computeChildSupport(false);
      } else {
        s.computeChildSupport(true);
      }
      Call(s.computeAlimony, true);
      if (userAward) {
        suggestionWithoutBonus = vars.Alimony.YrAlimonyAward;
        supportWithoutBonus = vars.Support.MoChildSupportForAlimony;
        vars.Express.AwardChangedFlag = QStringLiteral("Y");
        Call(s.computeAlimony, false);
      }
    } else {
      vars.Express.MoAlimonyTransfer = assumedTransfer;
      if (sequencing == 1) s.setCurrentMaintText(Plain(v.MoAlimonyAssumed));
      s.computeChildSupport(true);
    }
  };
  RunWhatIf(vars, change, run, rerun);
  if (alimony) {
    v.YrAwardWithoutBonus = suggestionWithoutBonus;
    if (userAward && sequencing != 0) v.MoSupportWithoutBonus = supportWithoutBonus;
    v.YrAwardDifference = v.YrAwardWithBonus - v.YrAwardWithoutBonus;
    v.BonusShare = v.YrAwardDifference / v.YrBonus;
  }
}

QString BonusShareText(const BonusValues& v) { return platform::Format(v.BonusShare, "##.#0%"); }

QStringList BonusResultLines(BonusKind kind, const BonusValues& v, double moAlimonyTransfer) {
  if (kind == BonusKind::Alimony)
    return {
        QStringLiteral("Alimony/Mo Without Bonus: %1 (%2/Yr)").arg(F(v.YrAwardWithoutBonus / 12), F(v.YrAwardWithoutBonus)),
        QStringLiteral("Alimony/Mo With Bonus: %1 (%2/Yr)").arg(F(v.YrAwardWithBonus / 12), F(v.YrAwardWithBonus)),
        QStringLiteral("Difference In Alimony Recommendations/Mo: %1 (%2/Yr)")
            .arg(F(v.YrAwardDifference / 12), F(v.YrAwardDifference)),
        QString(),
        QStringLiteral("Child Support Amounts Used In The Alimony Calculations"),
        QStringLiteral("Child Support/Mo Without Bonus: ") + platform::Format(v.MoSupportWithoutBonus, "$##0"),
        QStringLiteral("Child Support/Mo With Bonus: ") + F(v.MoSupportWithBonus),
    };
  return {
      QStringLiteral("Child Support/Mo Without Bonus: %1 (%2/Yr)")
          .arg(F(v.MoSupportWithoutBonus), F(v.MoSupportWithoutBonus * 12.0)),
      QStringLiteral("Child Support/Mo With Estimated Bonus: %1 (%2/Yr)")
          .arg(F(v.MoSupportWithBonus), F(v.MoSupportWithBonus * 12.0)),
      QStringLiteral("Difference In Child Support/Mo: %1 (%2/Yr)")
          .arg(F(v.MoSupportDifference), F(v.MoSupportDifference * 12.0)),
      QString(),
      QStringLiteral("Calculations Assume Alimony/Mo Transfer Of: %1 (%2/Yr)")
          .arg(F(moAlimonyTransfer), F(moAlimonyTransfer * 12.0)),
  };
}

}  // namespace tools

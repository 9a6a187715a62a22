#include "casefile/CaseRecord.h"

#include <QLatin1String>

#include <cmath>
#include <span>

#include "case/CaseCodes.h"
#include "case/CaseVars.h"
#include "casefile/Placing.h"
#include "express/CheckSupport.h"
#include "platform/AmountLimit.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/Rounding.h"

namespace casefile {

using platform::SequentialError;
using platform::SequentialValue;

namespace {

ControlRef RefOf(const Position& p) {
  return {QLatin1String(p.window), QLatin1String(p.control), p.index};
}

const ControlRef kClaimStateTaxCombo{QStringLiteral("Form1"), QStringLiteral("ClaimStateTaxCombo")};
const ControlRef kPayerStateTaxCombo{QStringLiteral("Form1"), QStringLiteral("PayerStateTaxCombo")};
const QString kAsRate = QStringLiteral("As Rate");
const QString kAsAmount = QStringLiteral("As Amount");

// The state-tax combo boxes offer "As Rate" and "As Amount" only. Every text
// but "As Rate" is read as an amount, so any other text opens as "As Amount";
// an empty one is left for the "As Rate" default.
QString StateTaxChoice(const QString& text) { return text.isEmpty() || text == kAsRate ? text : kAsAmount; }

// The four windows whose amounts the record holds as yearly amounts.
const char* const kPeriodWindows[] = {"Form13", "Form14", "Form26", "Form27"};

// Switches the windows to yearly entry; the error (message with the path and
// the window) when one of them refuses.
std::optional<SequentialError> BringToYearly(CaseFields& fields, std::span<const char* const> windows,
                                             const QString& path, SequentialError::Kind kind,
                                             const QString& message) {
  for (const char* window : windows) {
    if (fields.Run(QLatin1String(window), method::YearlyClick)) continue;
    SequentialError e;
    e.kind = kind;
    e.path = path;
    e.message = message.arg(path, QLatin1String(window));
    return e;
  }
  return std::nullopt;
}

// ---- conversions on reading ----

// A number as a text box shows it: 0.5, -12, 1E+20.
QString NumberAsText(const SequentialValue& v) {
  const double d = v.toDouble().value_or(0);
  return QString::number(d, 'g', 15).replace(u'e', u'E');
}

QString AsText(const SequentialValue& v) {
  switch (v.kind()) {
    case SequentialValue::Kind::Text: return v.text();
    case SequentialValue::Kind::Number: return NumberAsText(v);
    case SequentialValue::Kind::Boolean: return v.boolean() ? QStringLiteral("True") : QStringLiteral("False");
    default: return QString();
  }
}

// The value as a number, as the program converts it: a number, a Boolean
// (True is -1), a text that reads as a number; no value for anything else.
std::optional<double> AsNumber(const SequentialValue& v) {
  switch (v.kind()) {
    case SequentialValue::Kind::Number: return v.toDouble();
    case SequentialValue::Kind::Boolean: return v.boolean() ? -1.0 : 0.0;
    case SequentialValue::Kind::Empty: return 0.0;
    case SequentialValue::Kind::Text:
      if (platform::IsNumeric(v.text())) return platform::Val(v.text());
      return std::nullopt;
    default: return std::nullopt;
  }
}

std::optional<int> AsChoice(const SequentialValue& v) {
  if (v.kind() == SequentialValue::Kind::Text) {
    const QString t = v.text().trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return 1;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return 0;
  }
  const std::optional<double> n = AsNumber(v);
  if (!n) return std::nullopt;
  return *n != 0 ? 1 : 0;
}

std::optional<int> AsTick(const SequentialValue& v) {
  const std::optional<double> n = AsNumber(v);
  if (!n) return std::nullopt;
  const double whole = platform::RoundToWhole(*n);
  if (whole != 0 && whole != 1 && whole != 2) return std::nullopt;
  return static_cast<int>(whole);
}

// The service boxes: True (or -1) is 1, False, 0 or nothing is 0.
SequentialValue ServiceValue(const SequentialValue& v) {
  const std::optional<double> n =
      v.kind() == SequentialValue::Kind::Text ? std::nullopt : AsNumber(v);
  if (n && *n == -1) return SequentialValue::fromInteger(1);
  if (n && *n == 0) return SequentialValue::fromInteger(0);
  return v;
}

SequentialError Refusal(const QString& path, const Position& p, const SequentialValue& v,
                        const QString& what) {
  SequentialError e;
  e.kind = SequentialError::Kind::WrongKind;
  e.path = path;
  e.slot = p.position;
  const QString control = p.window[0] ? ControlLabel(RefOf(p)) : QStringLiteral("the worksheet font");
  e.message = QStringLiteral("The case file \"%1\" cannot be opened: position %2 (block %3) holds %4, "
                             "which %5 cannot take; %6.")
                  .arg(path)
                  .arg(p.position)
                  .arg(BlockOfPosition(p.position))
                  .arg(v.describe(), control, what);
  return e;
}

// ---- placing ----

const ControlRef kClaimPossession{QStringLiteral("Form1"), QStringLiteral("ClaimantPossession11")};
const ControlRef kOtherPossession{QStringLiteral("Form1"), QStringLiteral("OtherPossession11")};

}  // namespace

// ---- saving ----

QList<SequentialValue> GatherCase(const CaseFields& fields) {
  QList<SequentialValue> values;
  values.reserve(kPositionCount);
  const WorksheetFont font = fields.Font();
  for (const Position& p : CasePositions()) {
    switch (p.written) {
      case Written::Text: values.push_back(SequentialValue::fromText(fields.Text(RefOf(p)))); break;
      case Written::Boolean: values.push_back(SequentialValue::fromBoolean(fields.Value(RefOf(p)) != 0)); break;
      case Written::Check: values.push_back(SequentialValue::fromInteger(fields.Value(RefOf(p)))); break;
      case Written::FontName: values.push_back(SequentialValue::fromText(font.name)); break;
      case Written::FontSize: values.push_back(SequentialValue::fromCurrency(font.size)); break;
      case Written::Nothing: values.push_back(SequentialValue()); break;
      case Written::EmptyText: values.push_back(SequentialValue::fromText(QString())); break;
    }
  }
  return values;
}

QByteArray CaseFileBytes(const CaseFields& fields) {
  platform::SequentialWriter writer;
  writer.writeLine(GatherCase(fields));
  return writer.bytes();
}

std::optional<SequentialError> SaveCase(CaseFields& fields, const QString& path) {
  if (auto error = BringToYearly(fields, kPeriodWindows, path, SequentialError::Kind::NotSaved,
                                 QStringLiteral("The case was not saved to \"%1\": the amounts of %2 "
                                                "could not be brought to yearly entry. The file is as it was.")))
    return error;
  platform::SequentialWriter writer;
  writer.writeLine(GatherCase(fields));
  return writer.save(path);
}

// ---- reading and checking ----

platform::SequentialResult<CheckedCase> CheckCase(const platform::SequentialRecord& record) {
  const auto blocks = record.wholeBlocks(CaseBlockSizes());
  if (!blocks.ok()) return blocks.error();

  CheckedCase loaded;
  loaded.path = record.path();
  loaded.count = std::min(record.count(), kPositionCount);
  for (const Position& p : CasePositions()) {
    const SequentialValue& v = record.at(p.position);
    PlacedValue& out = loaded.values[p.position - 1];
    if (p.onReading == OnReading::Ignored) continue;
    if (v.kind() == SequentialValue::Kind::Null)
      return Refusal(record.path(), p, v, QStringLiteral("no position may hold #NULL#"));
    switch (p.onReading) {
      case OnReading::Text:
      case OnReading::StateTaxText:
        out.text = AsText(v);
        if (HoldsAmount(p) && platform::ReadAmount(out.text).kind == platform::AmountReading::TooLarge)
          return Refusal(record.path(), p, v,
                         QStringLiteral("no amount box takes %1").arg(platform::BeyondTheLimitText()));
        if (p.onReading == OnReading::StateTaxText) out.text = StateTaxChoice(out.text);
        break;
      case OnReading::ServiceTickText: out.text = AsText(ServiceValue(v)); break;
      case OnReading::Choice: {
        const auto choice = AsChoice(v);
        if (!choice)
          return Refusal(record.path(), p, v, QStringLiteral("an option takes True, False or a number"));
        out.value = *choice;
        break;
      }
      case OnReading::Tick:
      case OnReading::ServiceTick: {
        const auto tick = AsTick(p.onReading == OnReading::ServiceTick ? ServiceValue(v) : v);
        if (!tick) return Refusal(record.path(), p, v, QStringLiteral("a check box takes 0, 1 or 2"));
        out.value = *tick;
        break;
      }
      case OnReading::FontName:
        out.text = AsText(v);
        out.keep = out.text.isEmpty();
        break;
      case OnReading::FontSize: {
        const auto size = v.kind() == SequentialValue::Kind::Text ? std::nullopt : AsNumber(v);
        out.size = size.value_or(0);
        // Only a size the font dialog could have given; any other (0, a
        // negative or an enormous number) keeps the font's own size, so that
        // the case can be saved again.
        out.keep = !platform::IsDialogFontSize(out.size);
        break;
      }
      case OnReading::Ignored: break;
    }
  }
  return loaded;
}

platform::SequentialResult<CheckedCase> ReadCase(const QString& path) {
  const auto record = platform::readSequentialFile(path, kPositionCount);
  if (!record.ok()) return record.error();
  return CheckCase(record.value());
}

// ---- placing ----

void PlaceCase(CaseFields& fields, const CheckedCase& loaded) {
  WorksheetFont font = fields.Font();
  bool claimCountChanged = false;
  for (const Position& p : CasePositions()) {
    if (p.position == 280) {
      // The state-tax default, once positions 1 to 279 are placed.
      for (const auto& [position, combo] :
           {std::pair{208, kClaimStateTaxCombo}, std::pair{209, kPayerStateTaxCombo}})
        if (loaded.values[position - 1].text.isEmpty()) PlaceText(fields, combo, kAsRate, false);
    }
    const PlacedValue& v = loaded.values[p.position - 1];
    const ControlRef c = RefOf(p);
    switch (p.onReading) {
      case OnReading::Text:
      case OnReading::ServiceTickText:
        if (p.position == 15) {
          // The split counts are checked against each other once both are placed.
          claimCountChanged = PlaceText(fields, c, v.text, false);
        } else if (p.position == 17) {
          const bool otherChanged = PlaceText(fields, c, v.text, false);
          if (claimCountChanged) fields.React(kClaimPossession);
          if (otherChanged) fields.React(kOtherPossession);
        } else {
          PlaceText(fields, c, v.text);
        }
        break;
      case OnReading::StateTaxText: PlaceText(fields, c, v.text, false); break;
      case OnReading::Choice:
        // Loading asks no question: the worksheet role options are placed quietly.
        PlaceOption(fields, c, v.value, p.position != 376 && p.position != 377);
        break;
      case OnReading::Tick:
      case OnReading::ServiceTick: PlaceTick(fields, c, v.value); break;
      case OnReading::FontName:
        if (!v.keep) font.name = v.text;
        break;
      case OnReading::FontSize:
        if (!v.keep) font.size = v.size;
        fields.SetFont(font);
        break;
      case OnReading::Ignored: break;
    }
  }
  for (const char* box : {"WS11f", "WS11m"})
    PlaceText(fields, {QStringLiteral("Form9"), QLatin1String(box)}, QString());
}

void RecomputeAfterOpening(CaseFields& fields, casevars::CaseVars& vars) {
  // The counts and statuses the windows' methods use, from the loaded case.
  auto text = [&](const char* name) { return fields.Text({QStringLiteral("Form1"), QLatin1String(name)}); };
  const std::int16_t born = express::ReadCount(text("NumChild")).value_or(0);
  const QString minText = express::WithoutCurrency(text("MinChild"));
  const bool whole = platform::IsNumeric(minText) &&
                     platform::Val(minText) == std::floor(platform::Val(minText));
  vars.Express.NumMinorChildren = whole ? express::ReadMinorCount(text("MinChild"), born).value_or(0) : 0;

  const QLatin1String codes[4] = {casevars::filing::Head, casevars::filing::Single,
                                  casevars::filing::MarriedSep, casevars::filing::MFJ};
  for (const auto& [party, prefix] : {std::pair{casevars::Party::Claim, "Claim"},
                                      std::pair{casevars::Party::Payer, "Payer"}}) {
    const char* options[4] = {"HeadHouse", "Single", "Married", "MFJ"};
    QString status;
    for (int i = 0; i < 4 && status.isEmpty(); ++i)
      if (fields.Value({QStringLiteral("Form1"), QLatin1String(prefix) + QLatin1String(options[i])}) != 0)
        status = codes[i];
    vars.Express[party].FilingStatus = status;
  }

  const QString f13 = QStringLiteral("Form13"), f14 = QStringLiteral("Form14"),
                f16 = QStringLiteral("Form16");
  auto businessPass = [&](const QString& window, bool withNewVars) {
    fields.Run(window, method::AssignBusinessVars, 0);
    fields.Run(window, method::AssignBusinessVars, 1);
    fields.Run(window, method::AddBusinessVars, 0);
    fields.Run(window, method::AddBusinessVars, 1);
    if (withNewVars) fields.Run(window, method::AssignNewVars);
  };
  const QString f26 = QStringLiteral("Form26"), f27 = QStringLiteral("Form27");
  businessPass(f26, false);
  businessPass(f27, false);
  fields.Run(f13, method::AssignPopUpVars);
  fields.Run(f14, method::AssignPopUpVars);
  fields.Run(f13, method::AddIncomeVars);
  fields.Run(f13, method::AssignDeductVars);
  fields.Run(f14, method::AddIncomeVars);
  fields.Run(f14, method::AssignDeductVars);
  fields.Run(f16, method::AssignTierVars);
  fields.Run(f16, method::CalculateAvTime);
  fields.Run(f16, method::CalculateTierTotal);
  businessPass(f26, true);
  businessPass(f27, true);
  fields.Run(QStringLiteral("Form9"), method::ApplyWorksheetFont);
}

std::optional<SequentialError> OpenCase(CaseFields& fields, casevars::CaseVars& vars,
                                        const QString& path) {
  const auto loaded = ReadCase(path);
  if (!loaded.ok()) return loaded.error();
  if (auto error = BringToYearly(fields, std::span(kPeriodWindows).first(2), path,
                                 SequentialError::Kind::WrongKind,
                                 QStringLiteral("The case file \"%1\" was not opened: the amounts of %2 "
                                                "could not be brought to yearly entry.")))
    return error;
  PlaceCase(fields, loaded.value());
  RecomputeAfterOpening(fields, vars);
  return std::nullopt;
}

}  // namespace casefile

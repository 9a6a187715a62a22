#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "case/CaseVars.h"

namespace express {
class Prompter;
}

// The dependency and overnights change calculator (FormDepends): its entry
// checks and its what-if run of the child support driver.
namespace tools {

enum class DependsField { ClaimDepend17, PayerDepend17, ClaimNights, PayerNights };

// The texts of the four entry fields.
struct DependsEntries {
  QString ClaimDepend17, PayerDepend17, ClaimNights, PayerNights;
};

// The window-level revised values.
struct DependsRevised {
  float ClaimUnder17 = 0, PayerUnder17 = 0, ClaimNights = 0, PayerNights = 0;
};

struct DependsCheck {
  int step = 0;  // 0: the entries passed; otherwise the failing step
  QString prompt;
  DependsField focus = DependsField::ClaimDepend17;
};

// CheckDependsEntry: the checks stop at the first failure; each value is
// stored in `revised` as soon as its own check passes. A count of children
// must be a whole number that is not negative.
DependsCheck CheckDependsEntry(const DependsEntries& entries, const casevars::CaseVars& vars, DependsRevised& revised);

// A failed check: the beep, then the message ("Entry Error", OK).
void ReportDependsError(const DependsCheck& check, express::Prompter& prompter);

// A key released in one overnights field: its number (0 when none) and the
// other party's 365.00001 less it, with the text the other field shows.
struct NightsKeyUp {
  float typed = 0;
  float other = 0;
  QString otherText;
};
NightsKeyUp OvernightsTyped(const QString& text);

// One line of a party picture: the label at the left edge and the amount
// ending at the right margin.
struct AmountLine {
  QString label;
  QString amount;
};

struct PartyLines {
  QString heading;
  std::vector<AmountLine> lines;  // child support, tax, dashes, net income
};

// What a run prints.
struct DependsFlipReport {
  QStringList notes;     // Picture2
  QStringList transfer;  // Picture4
  PartyLines claimant;   // Pictures(0)
  PartyLines other;      // Pictures(1)
  double originalMoChildSupport = 0;
};

// What the run needs of the program: the child support driver on the case
// (writing the Express screen's ChildSupport field), the text of that field,
// and whether the claimant is the Respondent (MParentOption) at the moment of
// asking (none: the Petitioner).
struct DependsServices {
  std::function<void()> computeChildSupport;
  std::function<QString()> childSupportText;
  std::function<bool()> claimantIsRespondent;

  bool ClaimantIsRespondent() const { return claimantIsRespondent && claimantIsRespondent(); }
};

// CalculateDependsFlip: the revised counts and overnights go into the case,
// the driver runs, the differences are worked out; then the case is put back
// and the driver runs again (also when the run throws). The party headings
// name the court roles as they stand when the run is made.
DependsFlipReport CalculateDependsFlip(casevars::CaseVars& vars, const DependsRevised& revised,
                                       const DependsServices& services);

// The court roles: {claimant's, other party's}.
std::pair<QString, QString> CourtRoles(bool claimantIsRespondent);

}  // namespace tools

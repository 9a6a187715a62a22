#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>

#include "casefile/CaseFields.h"
#include "casefile/CasePositions.h"
#include "platform/SequentialFile.h"

namespace casevars {
struct CaseVars;
}

// Saving and opening the case record (CasePositions.h) over CaseFields.
namespace casefile {

// ---- Saving -----------------------------------------------------------------

// The 399 values of the record, gathered from the controls as they stand:
// texts quoted, options #TRUE# / #FALSE#, check boxes 0 / 1, the font's name
// and size, nothing at 20, 23 and 101, "" at 171 and 185. Changes nothing.
QList<platform::SequentialValue> GatherCase(const CaseFields& fields);

// The bytes of a case file: the record as one line ended by CR LF.
QByteArray CaseFileBytes(const CaseFields& fields);

// Brings both income windows and both business windows to yearly entry (the
// record holds yearly amounts), then writes the record to `path` whole, or
// leaves the file there as it was and returns the error, naming the file.
std::optional<platform::SequentialError> SaveCase(CaseFields& fields, const QString& path);

// ---- Opening ----------------------------------------------------------------

// A position's value as its control takes it.
struct PlacedValue {
  QString text;     // text positions, the font name
  int value = 0;    // options (0, 1) and check boxes (0, 1, 2)
  double size = 0;  // the font size
  bool keep = false;  // the font: an empty name, or a size no font dialog gives, keeps the font's own
};

// A case file read and checked whole, ready to be placed.
struct CheckedCase {
  QString path;
  int count = 0;  // values read (at most 399)
  std::array<PlacedValue, kPositionCount> values;  // position n at element n - 1
};

// How a refusal names a position's control for the user (CaseFields::Caption
// in the program); without one, by its control name.
using PositionNamer = std::function<QString(const Position&)>;

// Checks a record read from a case file: it must hold whole blocks (at least
// the first 185 values), and every placed position a value its control can
// take (no #NULL#; at an option True, False, a number or a text that reads as
// one of them; at a check box 0, 1 or 2 once made a whole number; at an
// amount box an amount the box takes as typed: within the program's limit,
// and not below zero where the box's sign rule forbids it, SignOf). The
// error names the file and the block, or the control and its position.
platform::SequentialResult<CheckedCase> CheckCase(const platform::SequentialRecord& record,
                                                  const PositionNamer& name = {});

// Reads and checks the file at `path` (at most 399 values are read).
platform::SequentialResult<CheckedCase> ReadCase(const QString& path, const PositionNamer& name = {});

// A position's control as messages name it: the window and the caption the
// user sees (CaseFields::Caption); the worksheet font by that name.
QString PositionName(const CaseFields& fields, const Position& p);

// Places a checked case into the controls, positions 1 to 399 in order, each
// control reacting to its change as to the user's own (CaseFields::React);
// after position 279 an empty state-tax method (208, 209) becomes "As Rate".
// While placing, the split counts of positions 15 and 17 react only once both
// are placed, and the Petitioner / Respondent options (376, 377) ask nothing.
// The worksheet's line 11 boxes WS11f and WS11m, which the file does not
// hold, are emptied.
void PlaceCase(CaseFields& fields, const CheckedCase& loaded);

// Derives the case variables from the placed controls: the minor-children
// count and both filing statuses from the Express screen as the entry checks
// read them, then the windows' methods in their order (business windows,
// income windows, parenting time, business windows again), and finally the
// worksheet's controls take the font's name.
void RecomputeAfterOpening(CaseFields& fields, casevars::CaseVars& vars);

// The whole opening: read and check the file, and only then switch both
// income windows to yearly entry, place and recompute. On an error nothing
// has changed and the error, naming the file, is returned.
std::optional<platform::SequentialError> OpenCase(CaseFields& fields, casevars::CaseVars& vars,
                                                  const QString& path);

}  // namespace casefile

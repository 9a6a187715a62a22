#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "platform/document/Document.h"
#include "tools/BonusRun.h"

namespace platform {
class DrawingCursor;
struct PrinterSetup;
}  // namespace platform

// The one-page bonus calculator reports, drawn in millimetres on a printer's
// drawing cursor, from the figures of the last bonus run.
namespace tools {

struct BonusReportInputs {
  QString caseName;  // the Express screen's ClaimantName
  QDate today;
};

// The body lines (an empty text is an empty line).
QStringList BonusReportBody(BonusKind kind, const BonusValues& values);
// The closing note, in its eight printed lines.
QStringList BonusReportNote();

// The heading, case name, preparer lines, body and note; ends the document.
void PrintBonusReport(platform::DrawingCursor& printer, BonusKind kind, const BonusValues& values,
                      const BonusReportInputs& inputs);

}  // namespace tools

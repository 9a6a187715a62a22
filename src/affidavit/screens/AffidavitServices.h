#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

#include "affidavit/screens/PageTables.h"
#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"

// What the affidavit pages use of the affidavit data, totals and printing:
// each is a hook that the subsystem building it fills. An empty hook is a
// command that is not available yet.
namespace affidavit {

// The pages' entries by page, array and index; what the affidavit data file,
// the totals, the transfer and the printers read and write.
class PageFields {
 public:
  virtual ~PageFields() = default;
  virtual bool Has(PageId page, const QString& array, int index) const = 0;
  // Text boxes.
  virtual QString Text(PageId page, const QString& array, int index) const = 0;
  virtual void SetText(PageId page, const QString& array, int index, const QString& text) = 0;
  // Check boxes: 0, 1 or 2 (greyed); option buttons: 1 selected, 0 not.
  virtual int Value(PageId page, const QString& array, int index) const = 0;
  virtual void SetValue(PageId page, const QString& array, int index, int value) = 0;
};

struct AffidavitServices {
  // The affidavit data file (Save / Open Financial Affidavit Data), Clear Form.
  std::function<void(PageFields&)> SaveTheFinDec;
  std::function<void(PageFields&)> OpenTheFinDec;
  std::function<void(PageFields&)> ClearFinDecData;
  // Copies the amounts of the pages of the affidavit mode into AffidavitValues.
  std::function<void(PageFields&, int affidavitMode)> AssignFDVars;
  // Draw pages first to last of the long or short form into a started document.
  std::function<void(platform::DrawingCursor& vs, std::int16_t first, std::int16_t last)> PrintLongFinDec;
  // `blankForm`: the short form's standard lines with empty amounts, from an
  // empty set of values.
  std::function<void(platform::DrawingCursor& vs, std::int16_t first, std::int16_t last, bool blankForm)>
      PrintShortFinDec;
  // Sends a finished document to the chosen printer; false when it cannot start.
  std::function<bool(const platform::Document& document, const platform::PrinterChoice& printer)> SendToPrinter;
  // The printer chosen in Printer Setup: the one later prints use.
  std::optional<platform::PrinterChoice> ChosenPrinter;
  // The transfers, totals and tax estimate of the affidavit bar and menus.
  std::function<void(PageFields&)> Totals;
};

}  // namespace affidavit

#pragma once

#include <functional>
#include <optional>

#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "platform/document/OutputResult.h"

// What the affidavit commands reach outside the program through, so a test
// can put its own in place: the printer a finished document is sent to, and
// the printer chosen in Printer Setup.
namespace affidavit {

struct AffidavitServices {
  // Sends a finished document to the printer; the error sentence when it
  // cannot print. The program's own sends it to the printer chosen.
  std::function<platform::OutputResult(const platform::Document& document, const platform::PrinterChoice& printer)>
      SendToPrinter;
  // The printer chosen in Printer Setup: the one later prints use when their
  // own dialog names none.
  std::optional<platform::PrinterChoice> ChosenPrinter;
};

}  // namespace affidavit

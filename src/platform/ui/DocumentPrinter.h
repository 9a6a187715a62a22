#pragma once

#include <QPrinter>

#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/OutputResult.h"

namespace platform {

// What PrintDocument reports when there is no printer to print on.
inline constexpr char kNoPrinterMessage[] = "No printer is available.";

// True when the system knows at least one printer.
bool PrinterAvailable();

// The printer's resolution and unprintable edges, for a DrawingCursor that
// draws a report straight for this printer (DrawingCursor::ForPrinter).
PrinterSetup PrinterSetupFor(const QPrinter& printer);

// Prints the document on the printer, with the printer's page range when one
// was chosen (in its print dialog) and its number of copies. Each page is
// printed on a letter sheet in the page's own orientation. A printer that is
// not there (no printer installed, or a file printer without a file name) gives
// kNoPrinterMessage; a printer that fails on the way gives its own message.
OutputResult PrintDocument(const Document& document, QPrinter& printer);

}  // namespace platform

#pragma once

#include <QPrinter>

#include "platform/Dialogs.h"
#include "platform/document/Document.h"
#include "platform/document/DrawingCursor.h"
#include "platform/document/OutputResult.h"

namespace platform {

// What PrintDocument reports when there is no printer to print on.
inline constexpr char kNoPrinterMessage[] = "No printer is available.";

// What the print dialog says when the system knows no printer.
inline constexpr char kNoPrinterInstalledNote[] =
    "No printer is installed. Choose \"Print to File (PDF)\" to save the printout as a PDF file, "
    "which can be printed on another machine.";

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

// Points the printer at the choice of a print or set-up dialog: its printer
// ("" keeps the system's default), or the file to print into, the page range
// and the copies.
void UseChosenPrinter(QPrinter& printer, const PrinterChoice& choice);

// The chosen printer's resolution and edges, and the document printed on it,
// at the printer's high resolution.
PrinterSetup PrinterSetupFor(const PrinterChoice& choice);
OutputResult PrintDocument(const Document& document, const PrinterChoice& choice);

}  // namespace platform

#include "platform/ui/DocumentPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinterInfo>

#include <algorithm>

#include "platform/document/PageRenderer.h"

namespace platform {

namespace {

QPageLayout::Orientation QtOrientation(const Page& page) {
  return page.orientation() == PageOrientation::Landscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait;
}

bool PrinterIsThere(const QPrinter& printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat) return !printer.outputFileName().isEmpty();
  return printer.isValid() && PrinterAvailable();
}

QString PrinterFailure(const QPrinter& printer) {
  return QStringLiteral("The document could not be printed on \"%1\".").arg(printer.printerName());
}

}  // namespace

bool PrinterAvailable() { return !QPrinterInfo::availablePrinters().isEmpty(); }

PrinterSetup PrinterSetupFor(const QPrinter& printer) {
  QPageLayout layout = printer.pageLayout();
  layout.setOrientation(QPageLayout::Portrait);
  layout.setUnits(QPageLayout::Point);
  const QMarginsF points = layout.minimumMargins();
  PrinterSetup setup;
  setup.printQuality = printer.resolution();
  setup.unprintable = points * kTwipsPerPoint;
  return setup;
}

OutputResult PrintDocument(const Document& document, QPrinter& printer) {
  if (!PrinterIsThere(printer)) return {QString::fromUtf8(kNoPrinterMessage)};

  int first = 1;
  int last = document.pageCount();
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(first, printer.fromPage());
    if (printer.toPage() > 0) last = std::min(last, printer.toPage());
  }
  if (first > last) return {};

  printer.setFullPage(true);
  printer.setPageSize(QPageSize(QPageSize::Letter));
  printer.setPageOrientation(QtOrientation(document.pages[static_cast<std::size_t>(first - 1)]));
  QPainter painter;
  if (!painter.begin(&printer)) return {PrinterFailure(printer)};
  const double scale = printer.resolution() / kTwipsPerInch;
  bool ok = true;
  for (int p = first; p <= last && ok; ++p) {
    const Page& page = document.pages[static_cast<std::size_t>(p - 1)];
    if (p > first) {
      printer.setPageOrientation(QtOrientation(page));
      ok = printer.newPage();
    }
    if (ok) PaintPage(painter, page, scale);
  }
  ok = painter.end() && ok;
  if (!ok || printer.printerState() == QPrinter::Error) return {PrinterFailure(printer)};
  return {};
}

void UseChosenPrinter(QPrinter& printer, const PrinterChoice& choice) {
  if (!choice.outputFile.isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(choice.outputFile);
  } else if (!choice.printerName.isEmpty()) {
    printer.setPrinterName(choice.printerName);
  }
  if (!choice.allPages) {
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(choice.fromPage, choice.toPage);
  }
  printer.setCopyCount(std::max<int>(1, choice.copies));
}

PrinterSetup PrinterSetupFor(const PrinterChoice& choice) {
  QPrinter printer(QPrinter::HighResolution);
  UseChosenPrinter(printer, choice);
  return PrinterSetupFor(printer);
}

OutputResult PrintDocument(const Document& document, const PrinterChoice& choice) {
  QPrinter printer(QPrinter::HighResolution);
  UseChosenPrinter(printer, choice);
  return PrintDocument(document, printer);
}

}  // namespace platform

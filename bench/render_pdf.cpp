// Building a 13-page court form in the document model and writing it as PDF.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "DocumentBenchmarkMain.h"

#include "platform/document/DrawingCursor.h"
#include "platform/document/PdfWriter.h"

namespace {

constexpr int kPages = 13;
constexpr double kLeft = 1440;
constexpr double kRight = 11210;

// One page like an affidavit page: a title, three shaded table headings, ruled
// rows of label and amount, column lines and a footer.
void DrawFormPage(platform::DrawingCursor& vs, int pageNumber) {
  vs.SetFontSize(12);
  vs.SetFontBold(true);
  const QString title = QStringLiteral("FINANCIAL AFFIDAVIT - SECTION %1").arg(pageNumber);
  vs.SetCurrentX((12240 - vs.TextWidth(title)) / 2);
  vs.SetCurrentY(1440);
  vs.PrintParagraph(title);
  vs.SetFontBold(false);
  vs.SetFontSize(9);
  const double h = vs.TextHeight("N");
  for (int table = 0; table < 3; ++table) {
    const double top = vs.CurrentY() + h / 2;
    vs.TextBox("\r\n  Description of item\r\n", kLeft, top, kRight - kLeft);
    vs.SetCurrentY(top + h);
    vs.SetCurrentX(kLeft + 60);
    vs.SetFontBold(true);
    vs.PrintText("  Description of item");
    vs.SetCurrentX(8000);
    vs.PrintParagraph("Amount");
    vs.SetFontBold(false);
    vs.SetCurrentY(top + 3 * h);
    vs.SetPenWidth(26);
    vs.DrawLine(kLeft, vs.CurrentY(), kRight, vs.CurrentY());
    vs.SetPenWidth(4);
    for (int row = 0; row < 12; ++row) {
      vs.SetCurrentX(kLeft + 360);
      vs.PrintText(QStringLiteral("%1. Monthly item number %2 of this table").arg(row + 1).arg(row));
      vs.SetCurrentX(8000);
      vs.PrintParagraph(QStringLiteral("$ %1.00").arg(1000 + 37 * row));
      vs.DrawLine(kLeft, vs.CurrentY(), kRight, vs.CurrentY());
    }
    vs.DrawLine(kLeft, top, kLeft, vs.CurrentY());
    vs.DrawLine(7800, top, 7800, vs.CurrentY());
    vs.DrawLine(kRight, top, kRight, vs.CurrentY());
  }
  vs.SetFontSize(7);
  vs.SetCurrentY(15048);
  vs.SetCurrentX(kLeft);
  vs.PrintParagraph(QStringLiteral("Financial Affidavit    Page %1 of %2")
                        .arg(pageNumber)
                        .arg(kPages));
}

platform::Document BuildForm() {
  platform::DrawingCursor vs;
  vs.SetPreviewMode(true);
  vs.BeginDocument();
  vs.SetShadeColor(platform::ColorFromRgbValue(14215660));
  for (int page = 1; page <= kPages; ++page) {
    if (page > 1) vs.NewPage();
    DrawFormPage(vs, page);
  }
  vs.EndDocument();
  return vs.TakeDocument();
}

void BM_BuildForm(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BuildForm());
}
BENCHMARK(BM_BuildForm)->Unit(benchmark::kMillisecond);

void BM_RenderFormToPdf(benchmark::State& state) {
  const platform::Document form = BuildForm();
  QTemporaryDir folder;
  const QString path = folder.path() + "/form.pdf";
  for (auto _ : state) {
    const platform::OutputResult result = platform::SaveDocumentAsPdf(form, path);
    if (!result.ok()) {
      state.SkipWithError(result.error.toStdString().c_str());
      break;
    }
  }
  state.counters["pages"] = kPages;
}
BENCHMARK(BM_RenderFormToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

KELVANE_DOCUMENT_BENCHMARK_MAIN()

#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <variant>
#include <vector>

#include "affidavit/print/AffidavitPrinters.h"
#include "affidavit/print/LongFormLines.h"
#include "platform/Fonts.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/TextMetrics.h"

// Draws the long form from fake pages and values and reads the recorded
// items back: text runs by their text, the runs of one line, rules.
namespace longformtest {

using platform::LineItem;
using platform::Page;
using platform::TextRun;

inline affidavit::PageElement E(const char* array, int index = affidavit::kSingle) {
  return {QStringLiteral("Form12"), QLatin1String(array), index};
}

class LongFormFixture : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  platform::Document Draw(int from, int to) {
    platform::DrawingCursor vs;
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, preparerMargin, 0, {}};
    affidavit::PrintLongFinDec(run, from, to);
    vs.EndDocument();
    return vs.TakeDocument();
  }
  // The one page `n` drawn alone.
  Page DrawPage(int n) { return Draw(n, n).pages.at(0); }

  // The nth run (from 0) whose text is `text`.
  static const TextRun* Find(const Page& page, const QString& text, int nth = 0) {
    for (const TextRun* r : page.textRuns())
      if (r->text == text && nth-- == 0) return r;
    return nullptr;
  }
  static bool SameLine(const TextRun* a, const TextRun* b) {
    return std::abs(a->position.y() - b->position.y()) < 0.5;
  }
  // The runs printed on the line of `r`, left to right.
  static std::vector<const TextRun*> LineOf(const Page& page, const TextRun* r) {
    std::vector<const TextRun*> line;
    for (const TextRun* t : page.textRuns())
      if (SameLine(t, r)) line.push_back(t);
    std::sort(line.begin(), line.end(),
              [](const TextRun* a, const TextRun* b) { return a->position.x() < b->position.x(); });
    return line;
  }
  static double End(const TextRun* r) { return r->position.x() + r->size.width(); }

  // The amount printed after a number text: the run on its line right of the
  // number's start and left of 3240 (page 2's 1800 falls on the number's
  // trailing blanks). "" when none is; "<no line>" when the number is not printed.
  static QString AmountOf(const Page& page, const QString& number, int nth = 0) {
    const TextRun* n = Find(page, number, nth);
    if (!n) return QStringLiteral("<no line>");
    for (const TextRun* t : LineOf(page, n))
      if (t != n && t->position.x() > n->position.x() && t->position.x() < 3240) return t->text;
    return QString();
  }
  // The text at the label column on the line of a number text.
  static QString LabelOf(const Page& page, const QString& number) {
    const TextRun* n = Find(page, number);
    if (!n) return QStringLiteral("<no line>");
    for (const TextRun* t : LineOf(page, n))
      if (std::abs(t->position.x() - 3384) < 0.5) return t->text;
    return QString();
  }

  static std::vector<const LineItem*> Rules(const Page& page) {
    std::vector<const LineItem*> rules;
    for (const auto& item : page.items)
      if (const auto* l = std::get_if<LineItem>(&item)) rules.push_back(l);
    return rules;
  }
  // A horizontal rule from x1 to x2 at y.
  static bool HasRule(const Page& page, double x1, double x2, double y) {
    for (const LineItem* l : Rules(page))
      if (std::abs(l->from.x() - x1) < 0.5 && std::abs(l->to.x() - x2) < 0.5 &&
          std::abs(l->from.y() - y) < 0.5 && std::abs(l->to.y() - y) < 0.5)
        return true;
    return false;
  }
  // Y of the line below the line of `r`: where its rules are drawn.
  double Below(const TextRun* r, int spacing) const {
    return r->position.y() + LineUnit() * spacing / 100.0;
  }
  // The print font's line height, at the size the face prints.
  double LineUnit() const {
    return platform::TextMetrics({font.FDFontName, 9.0 * platform::WideFaceScale(font.FDFontName)})
        .height();
  }
  double WidthOf(const QString& text, bool bold = false, double size = 9) const {
    platform::FontSpec face{font.FDFontName, size * platform::WideFaceScale(font.FDFontName)};
    face.bold = bold;
    return platform::TextMetrics(face).width(text);
  }

  // A fixed-pitch face, so that widths are a count of characters.
  void UseFixedPitch() { font.FDFontName = QStringLiteral("DejaVu Sans Mono"); }

  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values{};
  casevars::AffidavitPageVars font;
  QString preparerMargin;
};

}  // namespace longformtest

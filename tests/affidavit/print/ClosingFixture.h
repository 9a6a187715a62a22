#pragma once

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <cmath>
#include <variant>
#include <vector>

#include "affidavit/print/AffidavitPrinters.h"
#include "platform/Fonts.h"
#include "platform/document/TextMetrics.h"

// The closing pages and the notice drawn from fake pages into a document of
// their own, and ways to read the drawn page back.
namespace closingtest {

using affidavit::kLongForm;
using affidavit::kShortForm;
using platform::LineItem;
using platform::Page;
using platform::TextRun;

inline constexpr double kTableRight = 11210;

class ClosingFixture : public ::testing::Test {
 public:
  static void SetUpTestSuite() { platform::RegisterTahomaIfMissing(); }

  platform::Document Draw(affidavit::AffidavitMode form, int from, int to) {
    vs = platform::DrawingCursor();
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, margin, 0, {}};
    if (form == kLongForm)
      affidavit::PrintLongFinDecPart2(run, from, to);
    else
      affidavit::PrintShortFinDecPart2(run, from, to);
    vs.EndDocument();
    return vs.TakeDocument();
  }
  platform::Document DrawNotice(affidavit::AffidavitMode form) {
    vs = platform::DrawingCursor();
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{vs, pages, values, font, margin, 0, {}};
    run.form = form;
    run.resetPrinter = [this] { ++resets; };
    affidavit::PrintFinDecNotice(run);
    vs.EndDocument();
    return vs.TakeDocument();
  }

  // Controls of the pages.
  static QString SecondPage(affidavit::AffidavitMode form) {
    return form == kLongForm ? "Form122" : "Form123";
  }
  void SetText(const QString& page, const QString& array, int index, const QString& text) {
    pages.SetText({page, array, index}, text);
  }
  void SetValue(const QString& page, const QString& array, int index, int value) {
    pages.SetValue({page, array, index}, value);
  }

  // Reading back.
  static const TextRun* Find(const Page& page, const QString& text, int nth = 0) {
    for (const TextRun* r : page.textRuns())
      if (r->text == text && nth-- == 0) return r;
    return nullptr;
  }
  static int Count(const Page& page, const QString& text) {
    int n = 0;
    for (const TextRun* r : page.textRuns()) n += r->text == text;
    return n;
  }
  // The runs on the line of `r` (same Y), left to right.
  static std::vector<const TextRun*> LineOf(const Page& page, const TextRun* r) {
    std::vector<const TextRun*> line;
    for (const TextRun* t : page.textRuns())
      if (std::abs(t->position.y() - r->position.y()) < 0.5) line.push_back(t);
    std::sort(line.begin(), line.end(),
              [](auto* a, auto* b) { return a->position.x() < b->position.x(); });
    return line;
  }
  static QString LineText(const Page& page, const TextRun* r) {
    QString text;
    for (const TextRun* t : LineOf(page, r)) text += t->text;
    return text;
  }
  static std::vector<LineItem> Lines(const Page& page) {
    std::vector<LineItem> lines;
    for (const auto& item : page.items)
      if (const auto* l = std::get_if<LineItem>(&item)) lines.push_back(*l);
    return lines;
  }
  // Horizontal lines from x1 to x2 drawn with the pen `width`, by Y.
  static std::vector<double> Rules(const Page& page, double x1, double x2, double width) {
    std::vector<double> ys;
    for (const LineItem& l : Lines(page))
      if (l.from.y() == l.to.y() && std::abs(l.from.x() - x1) < 0.5 &&
          std::abs(l.to.x() - x2) < 0.5 && l.pen.width == width)
        ys.push_back(l.from.y());
    std::sort(ys.begin(), ys.end());
    return ys;
  }
  // The body lines of each table on the page, top to bottom: the thin rules
  // between a table's heading rule and its bottom rule (each table has three
  // heavy rules across: its top, the heading's foot and its bottom).
  static std::vector<int> TableBodies(const Page& page) {
    const std::vector<double> heavy = Rules(page, 1440, kTableRight, 26);
    const std::vector<double> thin = Rules(page, 1440, kTableRight, 4);
    std::vector<int> bodies;
    for (std::size_t t = 0; t + 2 < heavy.size(); t += 3)
      bodies.push_back(static_cast<int>(std::count_if(thin.begin(), thin.end(), [&](double y) {
        return y > heavy[t + 1] && y <= heavy[t + 2];
      })));
    return bodies;
  }
  static double Advance(double size, int spacing) {
    return platform::TextMetrics({"Tahoma", size}).height() * spacing / 100.0;
  }
  static double Width(const QString& text, double size, bool bold = false, bool italic = false) {
    platform::FontSpec style{"Tahoma", size};
    style.bold = bold;
    style.italic = italic;
    return platform::TextMetrics(style).width(text);
  }
  static double H(double size) { return platform::TextMetrics({"Tahoma", size}).height(); }

  platform::DrawingCursor vs;
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values{};
  casevars::AffidavitPageVars font;
  QString margin;
  int resets = 0;
};

}  // namespace closingtest

#pragma once

#include <QString>
#include <algorithm>
#include <cmath>
#include <variant>
#include <vector>

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/print/AffidavitPrinters.h"
#include "case/AffidavitPageVars.h"
#include "case/AffidavitVars.h"
#include "platform/document/DrawingCursor.h"

// One print of the short form's pages 1 and 2 into a fresh preview document,
// from fake pages and values, and ways to read the drawn page back.
namespace shortformtest {

using casevars::AffidavitValue;

struct ShortFormRun {
  affidavit::FakeAffidavitPages pages;
  casevars::AffidavitValues values;
  casevars::AffidavitPageVars font;
  QString preparerMargin;
  int blankFAPrint = 0;
  int resets = 0;
  platform::DrawingCursor vs;  // left as the print left it

  platform::Document Print(int fromPage, int toPage) {
    vs = platform::DrawingCursor();
    vs.BeginDocument();
    affidavit::AffidavitPrintRun run{
        vs, pages, values, font, preparerMargin, blankFAPrint, [this] { ++resets; }};
    affidavit::PrintShortFinDec(run, fromPage, toPage);
    vs.EndDocument();
    return vs.TakeDocument();
  }

  void SetText(const char* array, int index, const QString& text) {
    pages.SetText({"Form121", array, index}, text);
  }
  void SetValue(const char* array, int index, int value) {
    pages.SetValue({"Form121", array, index}, value);
  }
};

inline const platform::TextRun* Find(const platform::Page& page, const QString& text, int nth = 0) {
  for (const platform::TextRun* r : page.textRuns())
    if (r->text == text && nth-- == 0) return r;
  return nullptr;
}

inline const platform::TextRun* FindStarting(const platform::Page& page, const QString& start) {
  for (const platform::TextRun* r : page.textRuns())
    if (r->text.startsWith(start)) return r;
  return nullptr;
}

// The texts on the line of `r` (same top), left to right.
inline std::vector<const platform::TextRun*> LineOf(const platform::Page& page,
                                                    const platform::TextRun* r) {
  std::vector<const platform::TextRun*> line;
  for (const platform::TextRun* t : page.textRuns())
    if (std::abs(t->position.y() - r->position.y()) < 0.5) line.push_back(t);
  std::sort(line.begin(), line.end(),
            [](auto* a, auto* b) { return a->position.x() < b->position.x(); });
  return line;
}

// The text printed at `x` on the line of `label`: "" when nothing is.
inline QString TextAt(const platform::Page& page, const QString& label, double x, int nth = 0) {
  const platform::TextRun* l = Find(page, label, nth);
  if (!l) return "<no label>";
  for (const platform::TextRun* t : LineOf(page, l))
    if (std::abs(t->position.x() - x) < 0.5) return t->text;
  return "";
}

inline std::vector<platform::LineItem> Lines(const platform::Page& page) {
  std::vector<platform::LineItem> lines;
  for (const platform::PageItem& item : page.items)
    if (const auto* l = std::get_if<platform::LineItem>(&item)) lines.push_back(*l);
  return lines;
}

// The rules drawn at height `y`.
inline std::vector<platform::LineItem> RulesAt(const platform::Page& page, double y) {
  std::vector<platform::LineItem> rules;
  for (const platform::LineItem& l : Lines(page))
    if (std::abs(l.from.y() - y) < 0.5) rules.push_back(l);
  return rules;
}

// The foot of the lowest text of the page that is not the footer.
inline double LowestBodyFoot(const platform::Page& page, double footerY) {
  double lowest = 0;
  for (const platform::TextRun* r : page.textRuns())
    if (r->position.y() < footerY - 0.5) lowest = std::max(lowest, r->rect().bottom());
  for (const platform::LineItem& l : Lines(page))
    if (l.from.y() < footerY - 0.5) lowest = std::max(lowest, l.from.y());
  return lowest;
}

}  // namespace shortformtest

#pragma once

#include <QString>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <variant>
#include <vector>

#include "platform/document/Document.h"
#include "platform/document/DocumentPage.h"
#include "platform/document/TextMetrics.h"

// Walks every text run of a recorded page and names those that leave the
// page's text area: a run that ends past the right edge, one that reaches
// below the top of the footer line, one that crosses a vertical rule drawn on
// the page beside it (the rule at the right of its table cell), one that
// passes the end of the blank it stands on (a rule under the run, from its
// start or before), a line of a shaded text box that passes the box, one that
// runs into the next text on its line (same top or same baseline: a figure
// set smaller to fit keeps the baseline), and one that crosses into the next
// column of a report. Blanks at the end of a run print nothing and are not
// counted, unless the run is underlined.
namespace testenv {

struct TextArea {
  double right = platform::kPageRightEdge;
  // Top of the footer line: a run starting there or lower is the footer, every
  // other run ends above it. 0 when the page has no footer line.
  double footerY = 0;
  // Left edges of the columns of a report laid out without rules: on the
  // lines from `columnsTop` to before `columnsBottom`, a run starting left of
  // an edge ends before it.
  std::vector<double> columns = {};
  double columnsTop = 0;
  double columnsBottom = std::numeric_limits<double>::max();
  double tolerance = 0.5;  // twips
};

// Where the printed part of a run ends.
inline double InkedEnd(const platform::TextRun& r) {
  QString inked = r.text;
  while (!r.font.underline && inked.endsWith(QLatin1Char(' '))) inked.chop(1);
  return r.position.x() + platform::TextMetrics(r.font).width(inked);
}

// One message for each run of page `number` outside its area ("page 2:
// '…' at (x, y) ends at 10926 past 10800"). Empty when every run keeps inside.
inline std::vector<std::string> RunsOutside(const platform::Page& page, const TextArea& area,
                                            int number) {
  std::vector<std::string> found;
  std::vector<const platform::LineItem*> rules;   // vertical rules
  std::vector<const platform::LineItem*> blanks;  // horizontal rules
  for (const platform::PageItem& item : page.items)
    if (const auto* l = std::get_if<platform::LineItem>(&item)) {
      const bool across = std::abs(l->from.x() - l->to.x()) > 0.5;
      const bool down = std::abs(l->from.y() - l->to.y()) > 0.5;
      if (!across && down) rules.push_back(l);
      if (across && !down) blanks.push_back(l);
    }
  const auto check = [&](const platform::TextRun& r, double edge) {
    if (r.text.trimmed().isEmpty() && !r.font.underline) return;  // nothing printed
    const QString where = QStringLiteral("page %1: '%2' at (%3, %4) ")
                              .arg(number)
                              .arg(r.text)
                              .arg(r.position.x())
                              .arg(r.position.y());
    const double x = r.position.x();
    const double y = r.position.y();
    if (y >= area.columnsTop && y < area.columnsBottom)
      for (double column : area.columns)
        if (x < column - area.tolerance) edge = std::min(edge, column);
    const double middle = y + r.size.height() / 2;
    for (const platform::LineItem* l : rules) {
      const double rule = l->from.x() - l->pen.width / 2;  // the rule's left side
      if (x < rule - area.tolerance && middle > std::min(l->from.y(), l->to.y()) &&
          middle < std::max(l->from.y(), l->to.y()))
        edge = std::min(edge, rule);
    }
    // A blank: a rule below the middle of the run and no more than a line and
    // a half below its top (the line's foot at any line spacing the documents
    // use), from the run's start or before.
    const double height = r.size.height();
    for (const platform::LineItem* l : blanks) {
      const double from = std::min(l->from.x(), l->to.x());
      const double to = std::max(l->from.x(), l->to.x());
      const double below = l->from.y() - y;
      if (below > height / 2 && below <= 1.5 * height + area.tolerance &&
          from <= x + area.tolerance && to > x + area.tolerance)
        edge = std::min(edge, to);
    }
    const double end = InkedEnd(r);
    if (end > edge + area.tolerance)
      found.push_back((where + QStringLiteral("ends at %1 past %2").arg(end).arg(edge)).toStdString());
    const bool footer = area.footerY > 0 && y >= area.footerY - area.tolerance;
    if (area.footerY > 0 && !footer && r.rect().bottom() > area.footerY + area.tolerance)
      found.push_back((where + QStringLiteral("reaches %1 below the footer line at %2")
                                   .arg(r.rect().bottom())
                                   .arg(area.footerY))
                          .toStdString());
  };
  // The start of the next text on the same line (same top) right of a run.
  std::vector<const platform::TextRun*> runs;
  for (const platform::PageItem& item : page.items)
    if (const auto* r = std::get_if<platform::TextRun>(&item))
      if (!r->text.trimmed().isEmpty()) runs.push_back(r);
  const auto nextOnLine = [&runs](const platform::TextRun& r) {
    double next = std::numeric_limits<double>::max();
    const auto baseline = [](const platform::TextRun& t) { return t.position.y() + t.ascent; };
    for (const platform::TextRun* t : runs)
      if ((std::abs(t->position.y() - r.position.y()) < 0.5 || std::abs(baseline(*t) - baseline(r)) < 0.5) &&
          t->position.x() > r.position.x() + 0.5)
        next = std::min(next, t->position.x());
    return next;
  };
  for (const platform::PageItem& item : page.items) {
    if (const auto* r = std::get_if<platform::TextRun>(&item))
      check(*r, std::min(area.right, nextOnLine(*r)));
    if (const auto* box = std::get_if<platform::ShadedTextBox>(&item))
      for (const platform::TextRun& line : box->lines)
        check(line, std::min(area.right, box->rect.right()));
  }
  return found;
}

// The same for every page of a document, pages counted from `firstPage`.
inline std::vector<std::string> RunsOutside(const platform::Document& doc, const TextArea& area,
                                            int firstPage = 1) {
  std::vector<std::string> found;
  for (int p = 0; p < doc.pageCount(); ++p) {
    const std::vector<std::string> page = RunsOutside(doc.pages[p], area, p + firstPage);
    found.insert(found.end(), page.begin(), page.end());
  }
  return found;
}

}  // namespace testenv

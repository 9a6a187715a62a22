#pragma once

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "platform/document/Document.h"

#include <ostream>

// QString in test messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Reading a drawn page back as lines of text, for checks of printed results.
namespace reportpage {

// The texts of the runs that start within [left, right), line by line from
// the top, each line's runs joined from left to right.
inline QStringList Band(const platform::Page& page, double left = -1e9, double right = 1e9) {
  std::map<long long, std::vector<const platform::TextRun*>> lines;
  for (const platform::TextRun* run : page.textRuns()) {
    const double x = run->position.x();
    if (x >= left && x < right) lines[std::llround(run->position.y())].push_back(run);
  }
  QStringList out;
  for (auto& [y, runs] : lines) {
    std::stable_sort(runs.begin(), runs.end(), [](auto* a, auto* b) { return a->position.x() < b->position.x(); });
    QString text;
    for (const platform::TextRun* run : runs) text += run->text;
    out << text;
  }
  return out;
}

inline const platform::TextRun* Find(const platform::Page& page, const QString& text, int nth = 0) {
  for (const platform::TextRun* r : page.textRuns())
    if (r->text == text && nth-- == 0) return r;
  return nullptr;
}

}  // namespace reportpage

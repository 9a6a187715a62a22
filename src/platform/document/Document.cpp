#include "platform/document/Document.h"

namespace platform {

QSizeF LetterSize(PageOrientation orientation) {
  return orientation == PageOrientation::Landscape ? QSizeF(kLetterHeight, kLetterWidth)
                                                   : QSizeF(kLetterWidth, kLetterHeight);
}

QColor ColorFromRgbValue(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

Qt::PenStyle PenStyleFromValue(int value) {
  switch (value) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    case 5: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

std::vector<const TextRun*> Page::textRuns() const {
  std::vector<const TextRun*> runs;
  for (const PageItem& item : items) {
    if (const auto* run = std::get_if<TextRun>(&item)) {
      runs.push_back(run);
    } else if (const auto* box = std::get_if<ShadedTextBox>(&item)) {
      for (const TextRun& line : box->lines) runs.push_back(&line);
    }
  }
  return runs;
}

}  // namespace platform

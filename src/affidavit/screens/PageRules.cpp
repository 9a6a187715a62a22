#include "affidavit/screens/PageRules.h"

#include "platform/document/TextMetrics.h"

namespace affidavit {

PageSwitch PageButtonTarget(PageId from, int affidavitMode) {
  const bool firstPage = IsFirstPage(from);
  const bool longForm = affidavitMode == 1;
  PageId shown;
  if (longForm) {
    shown = firstPage ? PageId::Form122 : PageId::Form12;
  } else {
    shown = firstPage ? PageId::Form123 : PageId::Form121;
  }
  return {shown, from != PageId::Form12};
}

WidthRule WidthRuleFor(PageId page, const QString& array) {
  if (IsFirstPage(page)) {
    static const QStringList longArrays = {"S0T", "S1T", "S2N", "S2NNew", "S2T"};
    static const QStringList shortArrays = {"S0T", "S1T", "S2N", "S2T"};
    const QStringList& arrays = page == PageId::Form12 ? longArrays : shortArrays;
    return arrays.contains(array) ? WidthRule::FD : WidthRule::None;
  }
  if (array == "S3T" || array == "S4T") return WidthRule::FD1;
  if (array == "S5T") return WidthRule::FD;
  if (page == PageId::Form122 && (array == "S3O" || array == "S4D" || array == "S4Cr")) return WidthRule::SixPoint;
  return WidthRule::None;
}

double WidthRulePoints(WidthRule rule) { return rule == WidthRule::SixPoint ? 6.0 : 9.0; }

double MeasureEntry(const QString& text, const QString& face, double points) {
  return platform::TextMetrics(platform::FontSpec{face, points}).width(text);
}

WidthGuard::Result WidthGuard::Check(double textWidth, double designWidth, int keyCode) {
  const auto r = guard_.Check(textWidth, designWidth, 1.0, 1.0, keyCode);
  return {r.locked, r.beep};
}

bool HasCaretRule(PageId page, const QString& array) {
  static const QStringList form12 = {"S1", "S2"};
  static const QStringList form122 = {"S3", "S3P", "S3R", "S4", "S4P", "S4R"};
  static const QStringList form123 = {"S3", "S4"};
  switch (page) {
    case PageId::Form12:
    case PageId::Form121: return form12.contains(array);
    case PageId::Form122: return form122.contains(array);
    case PageId::Form123: return form123.contains(array);
  }
  return false;
}

int CaretOnFocus(const QString& text) { return text.isEmpty() ? 0 : 1; }

QChar FilterTyped(QChar typed) { return typed == QChar('"') ? QChar('\'') : typed; }

QString FilterPasted(const QString& pasted) {
  QString out;
  out.reserve(pasted.size());
  for (int i = 0; i < pasted.size(); ++i) {
    const QChar c = pasted.at(i);
    if (c == QChar('\r')) {
      out += QChar(' ');
      if (i + 1 < pasted.size() && pasted.at(i + 1) == QChar('\n')) ++i;  // CR LF is one break
    } else if (c == QChar('\n') || c == QChar(0x2028) || c == QChar(0x2029)) {
      out += QChar(' ');
    } else {
      out += FilterTyped(c);
    }
  }
  return out;
}

double ChooseReduceFactor(double scaleFactorX, double screenWidthPx) {
  return worksheet::ReduceFactor(scaleFactorX, screenWidthPx);
}

SheetFonts ReducedFonts(double fdFontSize, double scaleFactorMin, double f) {
  return {fdFontSize * scaleFactorMin * f * 0.98, 8 * scaleFactorMin * f};
}

SheetFonts FullSizeFonts(double fdFontSize, double scaleFactorMin) {
  return {fdFontSize * scaleFactorMin, 8 * scaleFactorMin};
}

FontCommandSizes FontCommandSizesFor(PageId from, int affidavitMode, bool reduced, double zoomFactor,
                                     double fittedScaleFactorMin, double screenFontSize) {
  FontCommandSizes sizes;
  const double scale = reduced ? zoomFactor : 1.0;
  if (affidavitMode == 1) {
    const double size = IsFirstPage(from) ? screenFontSize : 9.0;
    sizes.fdFontSize = size;
    sizes.controlSize = size * fittedScaleFactorMin * (reduced ? scale * 0.98 : 1.0);
  }
  if (!IsLongForm(from)) sizes.noteSize = 8 * fittedScaleFactorMin * scale;
  return sizes;
}

const std::vector<SectionTwoWidths>& FormLayoutWidths(bool longForm) {
  // S2T: 0-4 lines 22-26, 5 line 38, 6-9 lines 66-69 (children from another
  // relationship, which the short form does not have), 10-11 lines 77-78,
  // 12-15 lines 101-104, 16-28 the creditors.
  static const std::vector<SectionTwoWidths> kLong = {
      {"S2N", 0, 67, 6780},    {"S2NNew", 1, 16, 6780}, {"S2T", 0, 5, 6100},   {"S2T", 6, 9, std::nullopt, true},
      {"S2T", 10, 11, 5920},   {"S2T", 12, 15, 6780},   {"S2T", 16, 28, 6135},
  };
  static const std::vector<SectionTwoWidths> kShort = {
      {"S2N", 0, 67, 3150},  {"S2NNew", 1, 16, 3150}, {"S2T", 0, 5, 3150},
      {"S2T", 6, 9, std::nullopt, false}, {"S2T", 10, 28, 3150},
  };
  return longForm ? kLong : kShort;
}

QStringList PreviewHides(PageId from, bool longForm) {
  QStringList hides = {QStringLiteral("Form9"), QStringLiteral("Form12")};
  if (IsFirstPage(from)) hides << (longForm ? QStringLiteral("Form122") : QStringLiteral("Form123"));
  return hides;
}

}  // namespace affidavit

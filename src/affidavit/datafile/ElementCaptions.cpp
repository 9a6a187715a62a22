#include "affidavit/datafile/ElementCaptions.h"

#include <QRegularExpression>

#include <vector>

#include "affidavit/screens/PageTables.h"
#include "platform/FieldCaption.h"

namespace affidavit {

namespace {

// The boxes whose text names the amounts of their row (an item's name or
// description, the other income's source).
bool NamesItsRow(const PageControl& c) {
  for (const char* array : {"S2N", "S2NNew", "S3T", "S4T"})
    if (c.array == QLatin1String(array)) return true;
  return c.array == QLatin1String("S1T") && c.index == 22;
}

QRectF Rect(const PageControl& c) { return {c.left, c.top, c.width, c.height}; }

const PageDesign* DesignOf(const QString& page) {
  for (PageId id : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123})
    if (PageName(id) == page) return &Design(id);
  return nullptr;
}

QString CaptionOnPage(const AffidavitPages& pages, const PageDesign& design, const PageControl& control) {
  const bool button = control.kind == ControlKind::Check || control.kind == ControlKind::Option;
  if (button && !platform::CleanCaption(control.text).isEmpty()) return platform::CleanCaption(control.text);
  std::vector<platform::CaptionText> texts;
  std::vector<QRectF> entries;
  for (const PageControl& c : design.controls) {
    if (&c == &control || c.hidden) continue;
    switch (c.kind) {
      case ControlKind::Label:
      case ControlKind::Heading:
        // Only the bordered column captions of the tables head a column.
        texts.push_back({Rect(c), c.text, c.framed && c.container == control.container});
        break;
      case ControlKind::Text:
        if (NamesItsRow(c)) texts.push_back({Rect(c), pages.Text({design.name, c.array, c.index}), false, false});
        entries.push_back(Rect(c));
        break;
      case ControlKind::Amount: entries.push_back(Rect(c)); break;
      default: break;
    }
  }
  const QString caption = platform::FieldCaption(Rect(control), texts, entries);
  // A name box is known by the name it holds, after its line's number.
  if (!NamesItsRow(control)) return caption;
  const QString name = platform::CleanCaption(pages.Text({design.name, control.array, control.index}));
  if (name.isEmpty()) return caption;
  static const QRegularExpression number(QStringLiteral("^\\d+[a-z]?\\.$"));
  return number.match(caption).hasMatch() ? caption + u' ' + name : name;
}

}  // namespace

QString PageTitle(const QString& page) {
  if (page == QLatin1String("Form12")) return QStringLiteral("Long form, page 1");
  if (page == QLatin1String("Form122")) return QStringLiteral("Long form, page 2");
  if (page == QLatin1String("Form121")) return QStringLiteral("Short form, page 1");
  if (page == QLatin1String("Form123")) return QStringLiteral("Short form, page 2");
  return page;
}

QString ElementCaption(const AffidavitPages& pages, const PageElement& element) {
  QString caption;
  if (const PageDesign* design = DesignOf(element.page))
    if (const PageControl* control = design->Find(element.array, element.index))
      caption = CaptionOnPage(pages, *design, *control);
  if (caption.isEmpty()) {
    caption = element.array;
    if (element.index != kSingle) caption += QStringLiteral("(%1)").arg(element.index);
  }
  return PageTitle(element.page) + QStringLiteral(", ") + caption;
}

}  // namespace affidavit

#include "affidavit/screens/PageTables.h"

#include "affidavit/datafile/AffidavitPages.h"
#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

const PageControl* PageDesign::Find(const QString& array, int index) const {
  for (const PageControl& c : controls) {
    if (c.index == index && c.array == array) return &c;
  }
  return nullptr;
}

QString PageName(PageId page) {
  switch (page) {
    case PageId::Form12: return QStringLiteral("Form12");
    case PageId::Form122: return QStringLiteral("Form122");
    case PageId::Form121: return QStringLiteral("Form121");
    case PageId::Form123: return QStringLiteral("Form123");
  }
  return {};
}

bool IsLongForm(PageId page) { return page == PageId::Form12 || page == PageId::Form122; }
bool IsFirstPage(PageId page) { return page == PageId::Form12 || page == PageId::Form121; }

const PageDesign& Design(PageId page) {
  static const PageDesign form12 = BuildForm12();
  static const PageDesign form122 = BuildForm122();
  static const PageDesign form121 = BuildForm121();
  static const PageDesign form123 = BuildForm123();
  switch (page) {
    case PageId::Form12: return form12;
    case PageId::Form122: return form122;
    case PageId::Form121: return form121;
    case PageId::Form123: break;
  }
  return form123;
}

void FillDesignState(AffidavitPages& pages) {
  for (PageId page : {PageId::Form12, PageId::Form122, PageId::Form121, PageId::Form123}) {
    for (const PageControl& c : Design(page).controls) {
      const PageElement element{PageName(page), c.array, c.index};
      switch (c.kind) {
        case ControlKind::Text:
        case ControlKind::Amount: pages.SetText(element, c.text); break;
        case ControlKind::Check: pages.SetValue(element, c.checkValue); break;
        case ControlKind::Option: pages.SetValue(element, c.selected ? 1 : 0); break;
        default: break;
      }
    }
  }
}

}  // namespace affidavit

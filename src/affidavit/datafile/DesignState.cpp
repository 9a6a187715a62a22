#include "affidavit/datafile/DesignState.h"

#include "affidavit/screens/PageTables.h"

namespace affidavit {

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

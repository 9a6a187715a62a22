#include "engine/tax/FilingStatus.h"

#include "case/CaseCodes.h"

namespace tax {

Filing FilingOf(const QString& filingStatus) {
  using namespace casevars;
  if (filingStatus == filing::Single) return Filing::Single;
  if (filingStatus == filing::Head) return Filing::Head;
  if (filingStatus == filing::MarriedSep) return Filing::MarriedSep;
  if (filingStatus == filing::MFJ) return Filing::MFJ;
  return Filing::Other;
}

}  // namespace tax

#pragma once

#include <QString>

// The footer line that ends every page of the printed affidavits: the form,
// its number and revision date, in small type at the left margin.
namespace affidavit {

inline const QString kLongFormFooter = QStringLiteral(
    "Dadudav Family Law Rules of Procedure Form 12.902(c), Family Law Financial Affidavit "
    "(Long Form) (06/25)");
inline const QString kShortFormFooter = QStringLiteral(
    "Dadudav Family Law Rules of Procedure Form 12.902(b), Family Law Financial Affidavit "
    "(Short Form) (10/21)");

inline constexpr double kFooterY = 1440 * 10.45;    // 15048
inline constexpr double kLowFooterY = 1440 * 10.5;  // 15120: short page 2, long page 13
inline constexpr double kFooterSize = 8;            // points

}  // namespace affidavit

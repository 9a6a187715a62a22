#pragma once

#include <QLatin1String>

#include <cstdint>

// The short code texts the case variables hold. Codes compare exactly and
// case-sensitively: "mfj" is not a joint return.
namespace casevars {

// Filing status of a party's return (`ClaimFilingStatus`, `PayerFilingStatus`).
namespace filing {
inline constexpr QLatin1String Single{"Single"};
inline constexpr QLatin1String Head{"Head"};  // head of household
inline constexpr QLatin1String MarriedSep{"MarriedSep"};
inline constexpr QLatin1String MFJ{"MFJ"};  // married filing jointly, with a new spouse
}  // namespace filing

// Custody arrangement of the case (`CustodyStatus`).
namespace custody {
inline constexpr QLatin1String Cust{"Cust"};        // the claimant has the children
inline constexpr QLatin1String NonCust{"NonCust"};  // the other party has the children
inline constexpr QLatin1String Shared{"Shared"};
inline constexpr QLatin1String Split{"Split"};
inline constexpr QLatin1String NoMinors{"NoMinors"};
}  // namespace custody

// Split-custody method (`SplitMethod`) and schedule reading (`InterpMethod`).
namespace method {
inline constexpr QLatin1String Winters{"Winters"};  // the Winters v. Katseralis formula
inline constexpr QLatin1String Dual{"Dual"};        // dual worksheets
inline constexpr QLatin1String Closest{"Closest"};
inline constexpr QLatin1String Linear{"Linear"};
}  // namespace method

// Whether a party is 65 or older (`ClaimAge65Status`): not, yes, or both
// spouses of a joint return. Both is its own value: it never counts as Yes.
enum class Age65Status : std::uint8_t { No, Yes, Both };

}  // namespace casevars

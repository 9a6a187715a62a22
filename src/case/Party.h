#pragma once

#include <cstdint>

namespace casevars {

// The two parties of every case. On screens and in variable names the claimant
// carries the prefix Claim, the other party the prefix Payer.
enum class Party : std::uint8_t { Claim, Payer };

inline constexpr Party kParties[] = {Party::Claim, Party::Payer};

// A value held once for each party: the claimant's `ClaimX` is `Claim.X`, the
// other party's `PayerX` is `Payer.X`. Twin windows and the engines pick a
// party's half with `pair[party]`.
template <class T>
struct PartyPair {
  T Claim{};
  T Payer{};

  T& operator[](Party p) { return p == Party::Claim ? Claim : Payer; }
  const T& operator[](Party p) const { return p == Party::Claim ? Claim : Payer; }
};

}  // namespace casevars

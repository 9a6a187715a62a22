#pragma once

// A party's filing-status options on the Express screen, read as the income
// windows read them: each chosen or not; at most one is chosen, and none may be.
namespace income {

struct FilingOptions {
  bool MFJ = false;        // "Married Filing Jointly" (with a new spouse)
  bool Married = false;    // "Married Filing Sep."
  bool HeadHouse = false;  // "Head of Household"
  bool Single = false;     // "Single"

  bool AnyChosen() const { return MFJ || Married || HeadHouse || Single; }
};

}  // namespace income

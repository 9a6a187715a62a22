#pragma once

#include <cstdint>

#include "affidavit/datafile/AffidavitPages.h"
#include "case/AffidavitVars.h"

// The affidavit's read pass and section totals over the pages of the form in
// use (`formType` 1 the long pages, any other the short ones).
namespace affidavit {

// Whether the passes below show "$" in an amount box they read no number
// from (the commands' own passes), or leave every entry as it stands (the
// totals of a data file just opened, which keep the file's own texts).
enum class EntryTexts { Reset, Kept };

// Reads every amount box of the form in use into `values`: a box whose text
// less "$", ",", blanks and "%" is a number gives that number and keeps its
// text; any other gives Empty and shows "$". The long page's newer expense
// lines, nonmarital columns and the boxes S1T(0) (dependents claimed) and
// S1T(24) are read in either form; those two give the empty text for a
// non-number and keep their text whatever it is. Assets and liabilities are
// read for the long (1) and short (0) form only.
void AssignFDVars(AffidavitPages& pages, std::int16_t formType, casevars::AffidavitValues& values,
                  EntryTexts entries = EntryTexts::Reset);

// Works out every total from `values` alone and shows it as "$###,##0" in
// its box on the page in use: the composed income items, gross, deductions
// and net income, the expense subtotals, total, surplus and deficit, and the
// asset, liability, contingent and net-worth totals. In the short form (0) a
// blank member of a group becomes 0 and shows "$".
void CalculateFinDec(AffidavitPages& pages, std::int16_t formType, casevars::AffidavitValues& values,
                     EntryTexts entries = EntryTexts::Reset);

// An amount as a total box shows it: "$1,235", "-$150", "$0".
QString TotalText(double amount);

}  // namespace affidavit

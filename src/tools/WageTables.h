#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The two constant tables behind income imputation (Form23) and their
// lookups: the yearly median gross income by worker group, sex and age band,
// and the hourly minimum wage of each state or locality. Every figure is held
// as its display text; the lookups read the numbers back from those texts.
namespace tools {

enum class WorkerGroup { None, AllWorkers, FullTime };
enum class Sex { None, Male, Female };

struct MedianIncomeRow {
  const char* ageBand;
  const char* allMale;
  const char* allFemale;
  const char* fullMale;
  const char* fullFemale;
};
extern const std::array<MedianIncomeRow, 10> MedianIncomeTable;

struct MinimumWageRow {
  const char* key;
  const char* hourly;
};
extern const std::array<MinimumWageRow, 61> MinimumWageTable;

// The age bands and the state keys in table order (the items of AgeCombo and
// WageCombo).
QStringList AgeBands();
QStringList MinimumWageKeys();

// The two figure boxes of the median section.
struct MedianFigures {
  QString yearly;   // GrossMedianYr
  QString monthly;  // GrossMedian
};

// LookUpMedianIncome: the cell of the group, sex and age band (exact text)
// goes into the yearly box; with no equal band, or no group or sex chosen, the
// yearly box keeps its text. The monthly box then shows
// RoundToWhole(RoundToWhole(yearly) / 12) as "$##,###" when the yearly text is
// a number, and otherwise keeps its text.
MedianFigures LookUpMedianIncome(WorkerGroup group, Sex sex, const QString& ageBand, MedianFigures current);

// The monthly wage of a 40-hour week at an hourly wage: h x 365 / 84 x 40.
double MonthlyMinimumWage(double hourly);

struct MinimumWageFigures {
  QString hourly;   // Hourly
  QString monthly;  // MoMin
  QString yearly;   // YrMin
};

// WageCombo_Click: the wage of the equal key (exact text) goes into the
// hourly box (with no equal key it keeps its text); the month and the year
// follow from the hourly box's number (0 when it is not one), "$###,##0".
MinimumWageFigures LookUpMinimumWage(const QString& key, const QString& currentHourly);

}  // namespace tools

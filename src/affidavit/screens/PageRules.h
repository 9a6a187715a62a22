#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

#include "affidavit/screens/PageTables.h"
#include "worksheet/SheetLayout.h"

// The rules of the affidavit pages that need no window: which page a page
// button shows, the width check of entries, the caret and quote rules, the
// sheet sizes and the font command's sizes.
namespace affidavit {

// ---- Page buttons ----
struct PageSwitch {
  PageId shown;
  bool setsLeft;  // the page button of Form12 leaves the shown page's left as it was
};
// Top and bottom buttons alike: AffidavitMode 1 leads to the long pair, any
// other value (0, 3) to the short pair; the page shown is the other page of
// that pair from the caller's position (first page -> second, second -> first).
PageSwitch PageButtonTarget(PageId from, int affidavitMode);

// ---- Width check ----
enum class WidthRule { None, FD, FD1, SixPoint };
// The check a key in a member of `array` runs on `page`.
WidthRule WidthRuleFor(PageId page, const QString& array);
// The printing size the check measures at: 9 points, 6 for the narrow columns.
double WidthRulePoints(WidthRule rule);
// The width in twips of `text` in `face` at `points` (the document model's metrics).
double MeasureEntry(const QString& text, const QString& face, double points);

// One page's beep flag and the check itself. The limit is the field's design
// width less 200 twips, whatever the screen and sheet size: a text exactly as
// wide as the limit fits; the first refusal beeps once while armed; Backspace
// (8) always unlocks and re-arms.
class WidthGuard {
 public:
  struct Result {
    bool locked = false;
    bool beep = false;
  };
  Result Check(double textWidth, double designWidth, int keyCode);
  bool BeepOnLock() const { return guard_.LimitBeepArmed == 1; }

 private:
  worksheet::LengthGuard guard_;
};

// ---- Caret and quote rules ----
// Amount arrays whose members put the caret after the first character on focus.
bool HasCaretRule(PageId page, const QString& array);
// The caret position on focus: 1 after the "$"; 0 in an empty field.
int CaretOnFocus(const QString& text);
// A typed double quote arrives as an apostrophe.
QChar FilterTyped(QChar typed);
// Pasted text follows the typing rules: double quotes become apostrophes and
// line breaks spaces, so no field holds what the data file cannot carry.
QString FilterPasted(const QString& pasted);

// ---- Sheet sizes ----
using worksheet::ControlGeometry;
using worksheet::LineEnds;
// 0.78 when ScaleFactorX is exactly 1.0, 0.8 or 1.024, else 0.75; 0.86 on a
// screen narrower than 800 pixels.
double ChooseReduceFactor(double scaleFactorX, double screenWidthPx);
// The control font size and the note labels' size of a sheet size.
struct SheetFonts {
  double control = 0;
  double note = 0;
};
// Reduced by f: FDFont's size x ScaleFactorMin x f x 0.98, notes 8 x ScaleFactorMin x f.
SheetFonts ReducedFonts(double fdFontSize, double scaleFactorMin, double f);
// Full size: FDFont's size x ScaleFactorMin, notes 8 x ScaleFactorMin.
SheetFonts FullSizeFonts(double fdFontSize, double scaleFactorMin);
// A control's geometry on the sheet from its fitted geometry: times f while
// reduced, exactly the fitted geometry at full size.
// (The control font size comes from the sheet's fonts above, not from the geometry.)
using worksheet::SheetGeometry;
using worksheet::SheetLine;

// ---- Font command ----
struct FontCommandSizes {
  std::optional<double> fdFontSize;    // new size of FDFont (long form in use only)
  std::optional<double> controlSize;   // every control of both pages of the form
  std::optional<double> noteSize;      // the nine note labels (short-form pages' command)
};
// From the page whose menu was used, the mode, the sheet scale (f while
// reduced, else 1) and the pages' own fitted ScaleFactorMin.
FontCommandSizes FontCommandSizesFor(PageId from, int affidavitMode, bool reduced, double zoomFactor,
                                     double fittedScaleFactorMin, double screenFontSize);

// ---- Form layout ----
// The long page Form12's Section II boxes as the form in use lays them out:
// the members `first` to `last` of `array` take `width` twips of the design
// grid (times the page's ScaleFactorX), or keep their width when it is empty;
// `enabled` says whether they take entries. The long form's widths let the
// names and descriptions run across the page; the short form's are 3150.
struct SectionTwoWidths {
  const char* array;
  int first;
  int last;
  std::optional<double> width;
  bool enabled = true;
};
const std::vector<SectionTwoWidths>& FormLayoutWidths(bool longForm);

// ---- Previews ----
// The windows a preview command hides (in order), by the page it was chosen on.
QStringList PreviewHides(PageId from, bool longForm);

}  // namespace affidavit

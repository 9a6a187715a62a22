#pragma once

#include <QString>

#include <vector>

// The four financial affidavit pages as data: every control of a page with
// its array name and index (the names and indexes other parts of the program
// address), its kind, design text, position and design state. The windows
// build themselves from these tables.
namespace affidavit {

enum class PageId { Form12, Form122, Form121, Form123 };

class AffidavitPages;

enum class ControlKind {
  Text,    // description or name box, left-aligned
  Amount,  // amount box, design text "$", centred
  Check,   // check box, value 0, 1 or 2 (greyed)
  Option,  // option button, grouped by its container
  Label,   // fixed text
  Heading, // fixed text, bold (blue for block headings)
  Container,  // frame or picture box that groups option buttons
  Button,     // page button (ButtonPlus1 at the top, Command2 at the bottom)
  // Furniture, drawn behind the entries and never addressed by the rest of
  // the program:
  Panel,  // shaded rectangle (button-face colour) behind a block of rows
  Rule,   // horizontal rule under a section heading
};

// Panels and rules: drawn by the page, holding no entry.
inline bool IsFurniture(ControlKind kind) { return kind == ControlKind::Panel || kind == ControlKind::Rule; }

// Tints of locked total boxes.
enum class Tint { None, SectionTotal, ContingentTotal };

struct PageControl {
  QString array;   // array or control name ("S2N", "FaAmended")
  int index = -1;  // element of the array; -1 for a single control
  ControlKind kind = ControlKind::Text;
  QString text;    // design text or caption
  double left = 0, top = 0, width = 0, height = 0;  // twips on the page
  bool locked = false;
  bool hidden = false;
  bool selected = false;  // option buttons selected at design
  int checkValue = 0;     // check boxes: 0, 1 or 2
  bool disabled = false;  // sample check boxes
  bool bold = false;
  bool blue = false;  // block headings
  bool red = false;   // party choice, notes
  double fontSize = 9.75;
  bool framed = false;  // fixed text in a bordered caption cell
  bool wrap = false;    // fixed text broken into lines inside its box
  Tint tint = Tint::None;
  QString container;  // name of the frame or picture box that holds it; empty: the page
};

struct PageDesign {
  PageId id;
  QString name;  // "Form12"
  double width = 11880;
  double height = 0;
  std::vector<PageControl> controls;

  const PageControl* Find(const QString& array, int index = -1) const;
  bool Has(const QString& array, int index = -1) const { return Find(array, index) != nullptr; }
};

const PageDesign& Design(PageId page);
QString PageName(PageId page);
bool IsLongForm(PageId page);
bool IsFirstPage(PageId page);

// A fresh affidavit: every text, amount, check box and option of the four
// pages as designed, so the default labels and no amounts.
void FillDesignState(AffidavitPages& pages);

// The captions of the page buttons.
inline const QString kToSectionIII = QStringLiteral("Go To Section III (Assets and Liabilities)");
inline const QString kToSectionsIandII = QStringLiteral("Go To Section I and II  (Income and Expenses)");
inline const QString kNumericNote =
    QStringLiteral("(*only fields with a numerical $ data entry will be printed*)");

// The nine note labels of the short form, in the order the size passes visit them.
inline constexpr const char* kNoteLabels[] = {"Label56", "Label57", "Label58", "Label59", "Label60",
                                              "Label61", "Label62", "Label63", "Label64"};

}  // namespace affidavit

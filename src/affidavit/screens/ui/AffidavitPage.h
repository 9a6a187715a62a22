#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

#include "affidavit/screens/AffidavitServices.h"
#include "affidavit/screens/PageRules.h"
#include "platform/ui/Form.h"
#include "shell/ScreenFactors.h"

class QCheckBox;
class QMenu;

namespace shell {
class Program;
}

namespace affidavit::ui {

// One financial affidavit page (Form12, Form122, Form121 or Form123), built
// from its table: every element is a control named "Array(index)" (a single
// control by its name) on a sheet as large as the page. The page is a window
// of the frame MDIForm1, which scrolls it and shows its menus. The page keeps
// the geometry and font sizes it was fitted with at start-up; the sheet sizes
// are computed from them.
class AffidavitPage : public platform::ui::Form {
  Q_OBJECT
 public:
  AffidavitPage(shell::Program& program, PageId id, std::shared_ptr<AffidavitServices> services,
                QWidget* parent = nullptr);

  PageId Id() const { return id_; }
  AffidavitServices& SharedServices() { return *services_; }
  // The page's menus, shown in the frame's menu bar while the page is in use.
  std::vector<QMenu*> Menus;
  const PageDesign& Design() const { return design_; }
  static QString ElementName(const QString& array, int index);
  QWidget* Element(const QString& array, int index = -1) const;

  // The page's entries (the pages' AffidavitPages by page).
  QString Text(const QString& array, int index) const;
  void SetText(const QString& array, int index, const QString& text);
  int Value(const QString& array, int index) const;  // check 0/1, option 1/0
  void SetValue(const QString& array, int index, int value);
  // A check box's value as written, for the data file (AffidavitPages::StoredValue).
  int StoredValue(const QString& array, int index) const;

  // Check boxes hold 0 or 1: a click ticks, the next clears. Any other value
  // written to one (a 2 that an older data file holds) shows it ticked, and it
  // then reads and prints as 1; the box keeps the value written for the data
  // file until it changes.
  static int CheckValue(const QCheckBox* box);
  static void SetCheckValue(QCheckBox* box, int value);

  QWidget* Sheet = nullptr;

  // The start-up fit has run: keep the fitted geometry, font sizes and factors.
  void RecordFit(const shell::ScreenFactors& fitted);
  const shell::ScreenFactors& FittedFactors() const { return fitted_; }
  // Lays the page out at `scale` of its fitted layout: fonts `fonts` while
  // reduced (scale < 1), the recorded full-size font sizes at full size.
  void ApplySheetScale(double scale, const std::optional<SheetFonts>& fonts);
  // The font command on this page's controls: the face, and, when given, one
  // size for every control (kept as the full-size size when `fullSize`) and
  // the note labels' size.
  void ApplyFont(const QString& face, std::optional<double> size, std::optional<double> noteSize, bool fullSize);

  // A full-size width of an element (twips), kept as its fitted width so that
  // the sheet sizes return to it.
  void SetFullSizeWidth(const QString& array, int index, double twips);

  // The width check of a key going down in a member of a checked array.
  void CheckWidth(QWidget* field, const QString& array, int index, int keyCode);
  WidthGuard& Guard() { return guard_; }

  // Menu and button handlers.
  void ButtonPlus1_Click();
  void Command2_Click();
  void Quit_Click();
  void SaveFinDec_Click();
  void OpenFinDec_Click();
  void ZoomIn_Click();
  void ZoomOut_Click();
  void ZoomOutOK();
  void ChangeFont_Click();
  void PreviewFinDec_Click();
  void ShortFinDec_Click();
  void PrintBlankFA_Click();
  void PrinterSetup_Click();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  struct Fitted {
    ControlGeometry geometry;
    double fontSize = 0;      // full-size font size
  };

  void Build();
  QWidget* BuildControl(const PageControl& c, QWidget* container);
  void BuildMenus();
  // The page is as large as its sheet: the frame scrolls it.
  void SizeToSheet();

  shell::Program& program_;
  PageId id_;
  const PageDesign& design_;
  std::shared_ptr<AffidavitServices> services_;
  QHash<QString, QWidget*> elements_;
  QHash<QWidget*, Fitted> fittedControls_;
  shell::ScreenFactors fitted_;
  bool isFitted_ = false;
  WidthGuard guard_;
};

}  // namespace affidavit::ui

#include "affidavit/screens/ui/AffidavitPage.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>

#include <algorithm>

#include "affidavit/screens/ui/AffidavitCommands.h"
#include "affidavit/screens/ui/AffidavitField.h"
#include "platform/ui/AmountLimitGuard.h"
#include "affidavit/screens/ui/AffidavitPages.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/CaptionFit.h"
#include "shell/ui/Program.h"

namespace affidavit::ui {

namespace {

constexpr platform::OleColor kWhite = 0xFFFFFF;
constexpr platform::OleColor kBlack = 0x000000;
constexpr platform::OleColor kBlue = 0xFF0000;  // RGB(0, 0, 255)
constexpr platform::OleColor kRed = 0x0000FF;   // RGB(255, 0, 0)
constexpr platform::OleColor kSectionTint = 0xFFFFC0;     // RGB(192, 255, 255)
constexpr platform::OleColor kContingentTint = 0xFFFF80;  // RGB(128, 255, 255)

// The value other than 0 and 1 that a check box was given, kept for the data file.
constexpr const char* kWrittenValue = "writtenValue";

bool IsNoteLabel(const QString& name) {
  return std::any_of(std::begin(kNoteLabels), std::end(kNoteLabels),
                     [&](const char* n) { return name == QLatin1String(n); });
}

}  // namespace

AffidavitPage::AffidavitPage(shell::Program& program, PageId id, std::shared_ptr<AffidavitServices> services,
                             QWidget* parent)
    : platform::ui::Form(PageName(id), parent),
      program_(program),
      id_(id),
      design_(affidavit::Design(id)),
      services_(std::move(services)) {
  // The frame shows the page under this title.
  setWindowTitle(IsLongForm(id) ? QStringLiteral("Family Law Financial Affidavit (Long Form)")
                                : QStringLiteral("Family Law Financial Affidavit (Short Form)"));
  BuildMenus();
  Build();
}

QString AffidavitPage::ElementName(const QString& array, int index) {
  return index < 0 ? array : QStringLiteral("%1(%2)").arg(array).arg(index);
}

QWidget* AffidavitPage::Element(const QString& array, int index) const {
  return elements_.value(ElementName(array, index), nullptr);
}

void AffidavitPage::BuildMenus() {
  auto menu = [&](const char* name, const char* caption) {
    auto* m = new QMenu(QString::fromLatin1(caption), this);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    Menus.push_back(m);
    return m;
  };
  QMenu* file = menu("File", "     File");
  connect(addMenuItem("SaveFinDec", "Save Financial Affidavit Data To File", file), &QAction::triggered, this,
          &AffidavitPage::SaveFinDec_Click);
  file->addSeparator()->setObjectName("liner2");
  connect(addMenuItem("OpenFinDec", "Open Financial Affidavit Data From File", file), &QAction::triggered, this,
          &AffidavitPage::OpenFinDec_Click);
  file->addSeparator()->setObjectName("liner3");
  connect(addMenuItem("Quit", "Quit", file), &QAction::triggered, this, &AffidavitPage::Quit_Click);

  QMenu* print = menu("Print", "     Print");
  QAction* preview = addMenuItem("PreviewFinDec", "Preview And Print Long Form Financial Affidavit", print);
  preview->setEnabled(IsLongForm(id_));
  connect(preview, &QAction::triggered, this, &AffidavitPage::PreviewFinDec_Click);
  print->addSeparator()->setObjectName("liner");
  QAction* shortForm = addMenuItem("ShortFinDec", "Preview And Print Short Form Financial Affidavit", print);
  shortForm->setEnabled(!IsLongForm(id_));
  connect(shortForm, &QAction::triggered, this, &AffidavitPage::ShortFinDec_Click);
  print->addSeparator()->setObjectName("justline");
  QAction* blank = addMenuItem("PrintBlankFA", "Print A Blank Short Form", print);
  blank->setVisible(false);
  blank->setEnabled(false);
  connect(blank, &QAction::triggered, this, &AffidavitPage::PrintBlankFA_Click);
  QAction* hiddenLine = print->addSeparator();
  hiddenLine->setObjectName("justanotherl");
  hiddenLine->setVisible(false);
  connect(addMenuItem("PrinterSetup", "Printer Setup", print), &QAction::triggered, this,
          &AffidavitPage::PrinterSetup_Click);

  QMenu* size = menu("Size", "     Size");
  connect(addMenuItem("ZoomIn", "Reduce Sheet Size", size), &QAction::triggered, this, &AffidavitPage::ZoomIn_Click);
  size->addSeparator()->setObjectName("line");
  connect(addMenuItem("ZoomOut", "Full Size", size), &QAction::triggered, this, &AffidavitPage::ZoomOut_Click);

  QMenu* font = menu("Font", "     Font");
  connect(addMenuItem("ChangeFont", "Change Affidavit Font", font), &QAction::triggered, this,
          &AffidavitPage::ChangeFont_Click);
}

void AffidavitPage::Build() {
  Sheet = add<QWidget>(QStringLiteral("Sheet"), nullptr, 0, 0, design_.width, design_.height);
  Sheet->setAutoFillBackground(true);
  platform::ui::SetBackColor(Sheet, kWhite);  // the paper; panels shade blocks of it
  QHash<QString, QWidget*> containers;
  for (const PageControl& c : design_.controls) {
    QWidget* container = c.container.isEmpty() ? Sheet : containers.value(c.container, Sheet);
    QWidget* w = BuildControl(c, container);
    if (c.kind == ControlKind::Container) containers.insert(c.array, w);
  }
  ApplyGeometry();
  SizeToSheet();
}

void AffidavitPage::SizeToSheet() {
  platform::ui::Place(this, 0, 0, platform::ui::Width(Sheet), platform::ui::Height(Sheet));
}

QWidget* AffidavitPage::BuildControl(const PageControl& c, QWidget* container) {
  const QString name = ElementName(c.array, c.index);
  QWidget* w = nullptr;
  switch (c.kind) {
    case ControlKind::Text:
    case ControlKind::Amount: {
      auto* field = add<AffidavitField>(name, container, c.left, c.top, c.width, c.height, c.text);
      field->setFrame(false);
      field->setReadOnly(c.locked);
      field->setAlignment(c.kind == ControlKind::Amount ? Qt::AlignHCenter : Qt::AlignLeft);
      if (c.kind == ControlKind::Text) field->setCursorPosition(0);  // a long design text shows its beginning
      platform::ui::SetBackColor(field, c.tint == Tint::SectionTotal      ? kSectionTint
                                        : c.tint == Tint::ContingentTotal ? kContingentTint
                                                                          : kWhite);
      field->CaretRule = HasCaretRule(id_, c.array);
      const WidthRule rule = WidthRuleFor(id_, c.array);
      // Locked total captions keep their lock: only the other members are checked.
      const bool lockedCaption = c.locked && (c.array == "S3T" || c.array == "S4T");
      if (rule != WidthRule::None && !lockedCaption) {
        const QString array = c.array;
        const int index = c.index;
        field->KeyDown = [this, field, array, index](int key) { CheckWidth(field, array, index, key); };
      }
      if (c.kind == ControlKind::Amount && !c.locked)
        platform::ui::AmountLimitGuard::Attach(field, program_.Dialogs);
      w = field;
      break;
    }
    case ControlKind::Check: {
      auto* box = add<QCheckBox>(name, container, c.left, c.top, c.width, c.height, c.text);
      SetCheckValue(box, c.checkValue);
      // The user's click makes it an ordinary tick or none.
      connect(box, &QAbstractButton::clicked, box, [box] { box->setProperty(kWrittenValue, QVariant()); });
      box->setEnabled(!c.disabled);
      w = box;
      break;
    }
    case ControlKind::Option: {
      auto* option = add<QRadioButton>(name, container, c.left, c.top, c.width, c.height, c.text);
      option->setAutoExclusive(false);  // groups by container, none selected allowed
      option->setChecked(c.selected);
      connect(option, &QRadioButton::toggled, this, [option](bool on) {
        if (!on) return;
        for (QRadioButton* other : option->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
          if (other != option) other->setChecked(false);
      });
      w = option;
      break;
    }
    case ControlKind::Label:
    case ControlKind::Heading: {
      auto* label = add<QLabel>(name, container, c.left, c.top, c.width, c.height, c.text);
      label->setWordWrap(c.wrap);
      if (c.framed) {
        label->setFrameShape(QFrame::Box);
        label->setAlignment(Qt::AlignCenter);
      }
      w = label;
      break;
    }
    case ControlKind::Panel:
    case ControlKind::Rule: {
      auto* furniture = add<QFrame>(name, container, c.left, c.top, c.width, c.height);
      platform::ui::SetBackColor(furniture, c.kind == ControlKind::Panel ? platform::kSysButtonFace : kBlack);
      furniture->setAttribute(Qt::WA_TransparentForMouseEvents);
      if (c.kind == ControlKind::Panel) furniture->lower();  // behind the rules and every entry
      w = furniture;
      break;
    }
    case ControlKind::Container: {
      auto* frame = add<QFrame>(name, container, c.left, c.top, c.width, c.height);
      w = frame;
      break;
    }
    case ControlKind::Button: {
      auto* button = add<platform::ui::ButtonPlus>(name, container, c.left, c.top, c.width, c.height, c.text);
      platform::ui::SetTag(button, QStringLiteral("1000"));
      connect(button, &QPushButton::clicked, this,
              name == QLatin1String("ButtonPlus1") ? &AffidavitPage::ButtonPlus1_Click : &AffidavitPage::Command2_Click);
      w = button;
      break;
    }
  }
  if (c.kind != ControlKind::Container && !IsFurniture(c.kind)) {
    platform::ui::SetFontSize(w, c.fontSize);
    QFont font = w->font();
    font.setBold(c.bold);
    w->setFont(font);
  }
  if (c.blue) platform::ui::SetForeColor(w, kBlue);
  if (c.red) platform::ui::SetForeColor(w, kRed);
  if (c.hidden) w->setVisible(false);
  elements_.insert(name, w);
  return w;
}

int AffidavitPage::CheckValue(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

void AffidavitPage::SetCheckValue(QCheckBox* box, int value) {
  box->setCheckState(value != 0 ? Qt::Checked : Qt::Unchecked);
  box->setProperty(kWrittenValue, value != 0 && value != 1 ? QVariant(value) : QVariant());
}

QString AffidavitPage::Text(const QString& array, int index) const {
  if (auto* field = qobject_cast<QLineEdit*>(Element(array, index))) return field->text();
  return {};
}

void AffidavitPage::SetText(const QString& array, int index, const QString& text) {
  if (auto* field = qobject_cast<QLineEdit*>(Element(array, index))) field->setText(text);
}

int AffidavitPage::Value(const QString& array, int index) const {
  QWidget* w = Element(array, index);
  if (auto* box = qobject_cast<QCheckBox*>(w)) return CheckValue(box);
  if (auto* option = qobject_cast<QRadioButton*>(w)) return option->isChecked() ? 1 : 0;
  return 0;
}

int AffidavitPage::StoredValue(const QString& array, int index) const {
  if (auto* box = qobject_cast<QCheckBox*>(Element(array, index))) {
    const QVariant written = box->property(kWrittenValue);
    if (written.isValid() && box->isChecked()) return written.toInt();
  }
  return Value(array, index);
}

void AffidavitPage::SetValue(const QString& array, int index, int value) {
  QWidget* w = Element(array, index);
  if (auto* box = qobject_cast<QCheckBox*>(w)) SetCheckValue(box, value);
  if (auto* option = qobject_cast<QRadioButton*>(w)) option->setChecked(value != 0);
}

void AffidavitPage::CheckWidth(QWidget* field, const QString& array, int index, int keyCode) {
  auto* box = qobject_cast<QLineEdit*>(field);
  const PageControl* design = design_.Find(array, index);
  if (!box || !design) return;
  const auto& font = program_.Case.AffidavitPages;
  const double width = MeasureEntry(box->text(), font.FDFontName, WidthRulePoints(WidthRuleFor(id_, array)));
  const WidthGuard::Result r = guard_.Check(width, design->width, keyCode);
  box->setReadOnly(r.locked);
  if (r.beep) platform::ui::Beep();
}

void AffidavitPage::RecordFit(const shell::ScreenFactors& fitted) {
  fitted_ = fitted;
  isFitted_ = true;
  fittedControls_.clear();
  for (QWidget* c : Controls()) {
    Fitted f;
    f.geometry = {platform::ui::Left(c), platform::ui::Top(c), platform::ui::Width(c), platform::ui::Height(c),
                  platform::ui::FontSize(c)};
    f.fontSize = platform::ui::FontSize(c);
    fittedControls_.insert(c, f);
  }
  SizeToSheet();
}

void AffidavitPage::ApplySheetScale(double scale, const std::optional<SheetFonts>& fonts) {
  if (!isFitted_) RecordFit(fitted_);
  for (QWidget* c : Controls()) {
    const auto it = fittedControls_.constFind(c);
    if (it == fittedControls_.constEnd()) continue;
    const ControlGeometry g = SheetGeometry(it->geometry, scale);
    platform::ui::Place(c, g.left, g.top, g.width, g.height);
    if (fonts && scale != 1.0) {
      platform::ui::SetFontSize(c, IsNoteLabel(c->objectName()) ? fonts->note : fonts->control);
    } else {
      platform::ui::SetFontSize(c, it->fontSize);
    }
  }
  platform::ui::FitCaptionFonts(Controls());  // one size for all may be too large for a caption's cell
  SizeToSheet();
}

void AffidavitPage::SetFullSizeWidth(const QString& array, int index, double twips) {
  QWidget* c = Element(array, index);
  if (!c) return;
  if (!isFitted_) RecordFit(fitted_);
  platform::ui::SetWidth(c, twips);
  const auto it = fittedControls_.find(c);
  if (it != fittedControls_.end()) it->geometry.width = twips;
}

void AffidavitPage::ApplyFont(const QString& face, std::optional<double> size, std::optional<double> noteSize,
                              bool fullSize) {
  if (!isFitted_) RecordFit(fitted_);
  for (QWidget* c : Controls()) {
    QFont font = c->font();
    font.setFamily(face);
    c->setFont(font);
    const bool note = IsNoteLabel(c->objectName());
    std::optional<double> newSize = note && noteSize ? noteSize : size;
    if (!newSize) {
      // At full size a caption narrowed for an earlier face gets its size back.
      const auto it = fittedControls_.constFind(c);
      if (fullSize && it != fittedControls_.constEnd()) platform::ui::SetFontSize(c, it->fontSize);
      continue;
    }
    platform::ui::SetFontSize(c, *newSize);
    if (fullSize) fittedControls_[c].fontSize = *newSize;
  }
  platform::ui::FitCaptionFonts(Controls());  // a wider face may not fit a caption's cell
}

void AffidavitPage::ButtonPlus1_Click() {
  const PageSwitch s = PageButtonTarget(id_, program_.State.FinDecFormType);
  HideAllPages(program_);
  ShowPage(program_, s.shown, true, s.setsLeft);
}

void AffidavitPage::Command2_Click() { ButtonPlus1_Click(); }

void AffidavitPage::Quit_Click() { program_.QuitProgram(); }

void AffidavitPage::closeEvent(QCloseEvent* event) {
  event->ignore();  // a page never closes on its own
  if (program_.State.QuitConfirmed == 1) return;
  program_.QuitProgram();
}

void AffidavitPage::ZoomIn_Click() {
  if (program_.State.FDZoomState != QLatin1String("Large")) return;
  program_.State.FDZoomState = QStringLiteral("Small");
  ReduceAffidavitSheets(program_, id_);
}

void AffidavitPage::ZoomOut_Click() {
  if (program_.State.FDZoomState != QLatin1String("Small")) return;
  program_.State.FDZoomState = QStringLiteral("Large");
  ZoomOutOK();
}

void AffidavitPage::ZoomOutOK() { RestoreAffidavitSheets(program_, id_); }

void AffidavitPage::ChangeFont_Click() {
  auto& vars = program_.Case.AffidavitPages;
  // Printer faces at 9 points only: no size, style or effect to choose.
  const auto choice = program_.Dialogs.ShowFontDialog(platform::FaceOnlyFontRequest(vars.FDFontName, 9));
  if (!choice) return;  // Cancel changes nothing
  program_.Printer.SetFontSize(9);
  program_.Printer.SetFontName(choice->face);
  vars.FDFontName = choice->face;
  const bool reduced = program_.State.FDZoomState == QLatin1String("Small");
  const int mode = program_.State.FinDecFormType;
  const FontCommandSizes sizes = FontCommandSizesFor(id_, mode, reduced, program_.State.FDZoomFactor,
                                                     fitted_.ScaleFactorMin, vars.FDScreenFontSize);
  if (sizes.fdFontSize) {
    vars.FDFontSizePoints = *sizes.fdFontSize;
    vars.FDFontSize = 9;
  }
  const bool longPair = IsLongForm(id_);
  for (PageId page : {longPair ? PageId::Form12 : PageId::Form121, longPair ? PageId::Form122 : PageId::Form123}) {
    if (AffidavitPage* p = Page(program_, page)) p->ApplyFont(choice->face, sizes.controlSize, sizes.noteSize, !reduced);
  }
}

void AffidavitPage::SaveFinDec_Click() { SaveFinDecCommand(program_); }
void AffidavitPage::OpenFinDec_Click() { OpenFinDecCommand(program_); }
void AffidavitPage::PreviewFinDec_Click() { PreviewAffidavit(program_, id_, true); }
void AffidavitPage::ShortFinDec_Click() { PreviewAffidavit(program_, id_, false); }
void AffidavitPage::PrintBlankFA_Click() { PrintBlankShortForm(program_); }
void AffidavitPage::PrinterSetup_Click() { AffidavitPrinterSetup(program_); }

}  // namespace affidavit::ui

#include "worksheet/ui/Form9.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>

#include <cmath>
#include <set>

#include "platform/ui/AmountLimitGuard.h"
#include "platform/Dialogs.h"
#include "platform/ui/Beep.h"
#include "platform/ui/KeyPreview.h"
#include "shell/ui/Program.h"
#include "worksheet/SheetRows.h"

namespace worksheet::ui {

using platform::ui::Place;

namespace {

constexpr platform::OleColor kComputedBack = platform::Rgb(192, 255, 255);  // &H00FFFFC0
constexpr platform::OleColor kGreyBack = platform::Rgb(128, 128, 128);       // &H00808080
constexpr double kColumnX[3] = {7230, 8610, 9990};
constexpr double kCellWidth = 1380;  // the columns' pitch: neighbouring cells share an edge
constexpr double kCellHeight = 285;
constexpr int kHeadMarginPx = 2;  // each side of a column head's caption
constexpr double kTextLeft = 1005;
constexpr double kTextRight = 7130;
constexpr double kRuleLeft = 990;
constexpr double kRuleRight = 11400;

QFont SheetFont(double points, bool bold = false) {
  QFont f(QStringLiteral("Tahoma"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

// The height in twips a wrapped text takes at its size across `width` twips.
double WrappedHeight(const QString& text, double points, bool bold, double width) {
  const double charWidth = points * 20 * (bold ? 0.56 : 0.5);
  const double lines = std::max(1.0, std::ceil(text.size() * charWidth / width));
  return lines * points * 20 * 1.3;
}

bool IsCaretBox(Box box) {
  switch (box) {
    case Box::WS0f:
    case Box::WS0m:
      return false;
    default:
      return KindOf(box) == BoxKind::Entry;
  }
}

}  // namespace

Form9::Form9(shell::Program& program, QWidget* parent) : Form(QStringLiteral("Form9"), parent), program_(program) {
  setWindowFlags(Qt::Widget);
  setFont(SheetFont(9));
  Place(this, 0, 0, kDesignWidth, kDesignHeight);

  BuildCaption();
  const double end = BuildLines(5940);
  BuildClosing(end + 120);
  BuildMenus();

  // Tab order: the twenty entry amounts first, the gross income boxes near the end.
  QWidget* previous = nullptr;
  auto chain = [&](QWidget* w) {
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  };
  for (QLineEdit* b : caretBoxes_) chain(b);
  for (QWidget* c : Controls())
    if (c->focusPolicy() != Qt::NoFocus && std::find(caretBoxes_.begin(), caretBoxes_.end(), c) == caretBoxes_.end() &&
        c != BoxControl(Box::WS0f) && c != BoxControl(Box::WS0m))
      chain(c);
  chain(BoxControl(Box::WS0f));
  chain(BoxControl(Box::WS0m));

  for (QWidget* c : Controls())
    if (qobject_cast<QLineEdit*>(c)) c->installEventFilter(this);
  for (int i = 0; i < kBoxCount; ++i)
    if (boxes_[size_t(i)] && KindOf(static_cast<Box>(i)) == BoxKind::Entry)
      platform::ui::AmountLimitGuard::Attach(boxes_[size_t(i)], program_.Dialogs);
  SetSheet(WorksheetSheet::AsDesigned());
  RememberFittedLayout();
}

// --- layout -----------------------------------------------------------------

void Form9::BuildCaption() {
  auto label = [&](const QString& name, double left, double top, double width, const QString& text, bool bold = false) {
    auto* l = add<QLabel>(name, nullptr, left, top, width, 255, text);
    l->setFont(SheetFont(9, bold));
    return l;
  };
  auto box = [&](Box b, double left, double top, double width) {
    auto* e = add<QLineEdit>(BoxName(b), nullptr, left, top, width, kCellHeight);
    e->setFont(SheetFont(8.25));
    boxes_[static_cast<int>(b)] = e;
    return e;
  };
  // Shape1(0): the caption block.
  auto* shape = add<QFrame>(QStringLiteral("Shape1(0)"), nullptr, 960, 90, 10440, 5760);
  shape->setFrameShape(QFrame::Box);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);

  label(QStringLiteral("CaptionCourt"), 1005, 180, 2900, QStringLiteral("IN THE CIRCUIT COURT OF THE "), true);
  guarded_.push_back(box(Box::WSCourt, 3960, 165, 1200));
  label(QStringLiteral("CaptionCircuit"), 5220, 180, 2000, QStringLiteral("JUDICIAL CIRCUIT,"), true);
  label(QStringLiteral("CaptionIn"), 1005, 510, 1100, QStringLiteral("IN AND FOR"), true);
  guarded_.push_back(box(Box::WSCounty, 2130, 495, 2800));
  label(QStringLiteral("CaptionCounty"), 5010, 510, 2000, QStringLiteral("COUNTY, DADUDAV"), true);

  guarded_.push_back(box(Box::WSPet, 1005, 900, 5200));
  label(QStringLiteral("CaptionPet"), 1005, 1200, 2000, QStringLiteral("Petitioner"));
  label(QStringLiteral("CaptionAnd"), 1005, 1470, 600, QStringLiteral("and"));
  guarded_.push_back(box(Box::WSRes, 1005, 1740, 5200));
  label(QStringLiteral("CaptionRes"), 1005, 2040, 2000, QStringLiteral("Respondent"));
  label(QStringLiteral("CaptionCase"), 6600, 900, 900, QStringLiteral("Case No:"));
  guarded_.push_back(box(Box::WSCase, 7530, 885, 3000));
  label(QStringLiteral("CaptionDiv"), 6600, 1260, 900, QStringLiteral("Division:"));
  guarded_.push_back(box(Box::WSDiv, 7530, 1245, 3000));

  // The certificate of service.
  auto* service = add<QGroupBox>(QStringLiteral("ServiceFrame"), nullptr, 1020, 2310, 10200, 780);
  add<QLabel>(QStringLiteral("CheckAllUsed"), service, 120, 135, 1500, 255, QStringLiteral("[check all used]"))
      ->setFont(SheetFont(9, true));
  auto check = [&](const QString& name, double left, double width, const QString& caption) {
    auto* c = add<QCheckBox>(name, service, left, 90, width, 300, caption);
    // A click ticks or clears; only a value set by code (a case file's 2)
    // greys the box, and the next click leaves the grey for good.
    connect(c, &QCheckBox::clicked, c, [c] { c->setTristate(false); });
    c->setFont(SheetFont(9));
    return c;
  };
  WSEmailed = check(QStringLiteral("WSEmailed"), 1700, 1550, QStringLiteral("e-mailed"));
  WSMailed = check(QStringLiteral("WSMailed"), 3300, 1350, QStringLiteral("mailed"));
  WSHand = check(QStringLiteral("WSHand"), 4700, 1700, QStringLiteral("hand delivered"));
  WSFaxed = check(QStringLiteral("WSFaxed"), 6600, 1700, QStringLiteral("na"));
  WSFaxed->hide();
  add<QLabel>(QStringLiteral("ServiceTo"), service, 120, 450, 3600, 255,
              QStringLiteral("to the person(s) listed below on date:"))
      ->setFont(SheetFont(9));
  QLineEdit* date = add<QLineEdit>(BoxName(Box::WSDate), service, 3750, 420, 2400, kCellHeight);
  date->setFont(SheetFont(8.25));
  boxes_[static_cast<int>(Box::WSDate)] = date;

  label(QStringLiteral("NoticeLead"), 1005, 3150, 2200, QStringLiteral("PLEASE TAKE NOTICE, that"));
  box(Box::WSFilingparty, 3210, 3135, 3940);
  label(QStringLiteral("NoticeFiling"), 7200, 3150, 1500, QStringLiteral(" is filing his/her"));
  label(QStringLiteral("NoticeText"), 1005, 3420, 7000,
        QStringLiteral("Child Support Guidelines Worksheet attached and labeled Exhibit 1."));

  // The two address blocks.
  label(QStringLiteral("OtherHeading"), 1005, 3720, 4200, QStringLiteral("Other party or his/her attorney "), true);
  label(QStringLiteral("FilingHeading"), 6300, 3720, 4200, QStringLiteral("Filing party or his/her attorney"), true);
  const QString captions[] = {QStringLiteral("Name:"), QStringLiteral("Address:"), QStringLiteral("City, State, Zip:"),
                              QStringLiteral("Telephone:"), QStringLiteral("E-mail address:")};
  const Box other[] = {Box::WSOName, Box::WSOAddress, Box::WSOCity, Box::WSOPhone, Box::WSOEmail};
  const Box filing[] = {Box::WSNAme, Box::WSAddress, Box::WSCity, Box::WSPhone, Box::WSEmail, Box::WSBar};
  for (int i = 0; i < 6; ++i) {
    const double top = 3990 + i * 300;
    if (i < 5) {
      label(QStringLiteral("OtherLabel(%1)").arg(i), 1005, top + 15, 1450, captions[i]);
      box(other[i], 2460, top, 3600);
    }
    label(QStringLiteral("FilingLabel(%1)").arg(i), 6300, top + 15, 1450,
          i == 4 ? QStringLiteral("E-mail Address:") : i == 5 ? QStringLiteral("Bar Number:") : captions[i]);
    box(filing[i], 7755, top, 3500);
  }
  for (Box b : {Box::WSOFax, Box::WSFax}) box(b, 11310, 4890, 60)->hide();
}

double Form9::BuildLines(double top) {
  int lineIndex = 0;
  auto rule = [&](double y) {
    if (lineIndex < kLines) L[size_t(lineIndex++)] = {float(kRuleLeft), float(y), float(kRuleRight), float(y)};
  };
  const QStringList greyNames = GreyCellNames();
  int grey = 0;
  auto text = [&](const QString& name, double left, double y, double width, const QString& t, double points, bool bold) {
    double h = WrappedHeight(t, points, bold, width);
    auto* l = add<QLabel>(name, nullptr, left, y, width, h, t);
    l->setFont(SheetFont(points, bold));
    l->setWordWrap(true);
    // A text whose letters run wider than the estimate takes the lines it needs.
    const QRect needed = l->fontMetrics().boundingRect(QRect(0, 0, l->width(), 1 << 20), Qt::TextWordWrap, t);
    if (const double measured = needed.height() * TwipsPerPixelY(); measured > h) {
      h = measured;
      platform::ui::SetHeight(l, h);
    }
    return h;
  };
  int labelCount = 0;
  auto next = [&] { return QStringLiteral("Label%1").arg(labelCount++); };

  for (const SheetRow& row : SheetRows()) {
    switch (row.kind) {
      case RowKind::Heading:
        top += text(next(), row.x, top, kRuleRight - row.x, row.text, row.bold ? 9.75 : 6.75, row.bold) + 45;
        break;
      case RowKind::WideHeading:
        top += text(next(), 990, top, 10350, row.text, 9.75, true) + 45;
        break;
      case RowKind::ColumnHeads: {
        const char* heads[] = {"A. PETITIONER", "B. RESPONDENT", "TOTAL"};
        for (int c = 0; c < 3; ++c) {
          auto* l = add<QLabel>(next(), nullptr, kColumnX[c], top, kCellWidth, 240, QString::fromLatin1(heads[c]));
          l->setFont(SheetFont(8.25, true));
          l->setAlignment(Qt::AlignCenter);
          // Neighbouring heads share an edge: a margin keeps their words apart.
          l->setContentsMargins(kHeadMarginPx, 0, kHeadMarginPx, 0);
        }
        top += 270;
        rule(top - 15);
        break;
      }
      case RowKind::Line: {
        const double titleWidth = (row.besideX > 0 ? row.besideX - 60 : kTextRight) - row.x;
        double h = text(next(), row.x, top + 20, titleWidth, row.text, 9.75, true);
        if (row.besideX > 0)
          text(next(), row.besideX, top + 40, kTextRight - row.besideX, row.beside, 6.75, false);
        for (int c = 0; c < 3; ++c) {
          const QString& cell = row.cells[size_t(c)];
          // A cell names a box of the sheet, or is a grey cell of its own.
          const std::optional<Box> found = cell.isEmpty() ? std::nullopt : BoxByName(cell);
          const bool known = found.has_value();
          const Box b = found.value_or(Box{});
          const QString name = known ? BoxName(b) : cell.isEmpty() ? greyNames.value(grey++) : cell;
          auto* e = add<QLineEdit>(name, nullptr, kColumnX[c], top, kCellWidth, kCellHeight);
          e->setFont(SheetFont(9.75));
          e->setAlignment(Qt::AlignCenter);
          if (!known || KindOf(b) == BoxKind::Grey) {
            platform::ui::SetBackColor(e, kGreyBack);
            if (known) boxes_[static_cast<int>(b)] = e;
            continue;
          }
          boxes_[static_cast<int>(b)] = e;
          if (KindOf(b) == BoxKind::Computed) {
            e->setReadOnly(true);
            platform::ui::SetBackColor(e, kComputedBack);
          } else if (IsCaretBox(b)) {
            caretBoxes_.push_back(e);
          }
        }
        top += std::max(h + 40, kCellHeight + 30);
        for (const UnderText& under : row.under) {
          const double h2 = text(next(), kTextLeft, top, kTextRight - kTextLeft, under.text, 6.75, false);
          if (under.box) {
            auto* e = add<QLineEdit>(BoxName(*under.box), nullptr, under.boxX, top - 40, under.boxWidth, 255);
            e->setFont(SheetFont(8.25));
            e->setAlignment(Qt::AlignCenter);
            boxes_[static_cast<int>(*under.box)] = e;
          }
          // A box stands 40 twips above its text: the next line keeps clear of it.
          top += std::max(h2, under.box ? 270.0 : 0.0) + (under.box ? 55 : 15);
        }
        rule(top + 15);
        top += 60;
        break;
      }
    }
  }
  return top;
}

void Form9::BuildClosing(double top) {
  auto label = [&](const QString& name, double left, double y, double width, const QString& t, bool bold = false) {
    auto* l = add<QLabel>(name, nullptr, left, y, width, 255, t);
    l->setFont(SheetFont(9, bold));
  };
  label(QStringLiteral("AdjustHeading"), 1005, top, 6000, QStringLiteral("ADJUSTMENTS TO GUIDELINES AMOUNT"), true);
  auto* devFrame = add<QGroupBox>(QStringLiteral("DevFrame"), nullptr, 1005, top + 300, 10200, 720);
  auto option = [&](const QString& name, QWidget* in, double left, double y, double width, const QString& caption) {
    auto* o = add<QRadioButton>(name, in, left, y, width, 285, caption);
    o->setAutoExclusive(false);  // the pair may hold none selected
    o->setFont(SheetFont(9));
    return o;
  };
  WSDev = option(QStringLiteral("WSDev"), devFrame, 150, 90, 8000,
                 QStringLiteral("Deviation from the guidelines amount is requested"));
  WSNoDev = option(QStringLiteral("WSNoDev"), devFrame, 150, 390, 8000,
                   QStringLiteral("Deviation from the guidelines amount is NOT requested"));
  top += 1140;
  auto* shape = add<QFrame>(QStringLiteral("Shape1(2)"), nullptr, 960, top - 60, 10440, 3360);
  shape->setFrameShape(QFrame::Box);
  shape->setAttribute(Qt::WA_TransparentForMouseEvents);
  label(QStringLiteral("NonLawyerHeading"), 1005, top, 10300,
        QStringLiteral("IF A NON LAWYER HELPED YOU FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:"), true);
  label(QStringLiteral("PreparedFor"), 1005, top + 330, 2700, QStringLiteral("This form was prepared for the:"));
  WSOpPet = option(QStringLiteral("WSOpPet"), nullptr, 3800, top + 315, 1500, QStringLiteral("Petitioner"));
  WSOpRes = option(QStringLiteral("WSOpRes"), nullptr, 5400, top + 315, 1500, QStringLiteral("Respondent"));
  label(QStringLiteral("Assisted"), 1005, top + 660, 5000, QStringLiteral("This form was completed with the assistance of:"));
  const std::pair<Box, const char*> fields[] = {
      {Box::WSNonName, "Name:"},       {Box::WSNonbusiness, "Name of Business:"}, {Box::WSNonStreet, "Street Address:"},
      {Box::WSNonCity, "City:"},       {Box::WSNonState, "State:"},               {Box::WSNonZip, "Zip Code:"},
      {Box::WSNonPhone, "Phone Number:"}};
  double y = top + 960;
  for (const auto& [b, caption] : fields) {
    label(QStringLiteral("NonLabel%1").arg(BoxName(b)), 1005, y + 15, 1800, QString::fromLatin1(caption));
    auto* e = add<QLineEdit>(BoxName(b), nullptr, 2850, y, 6000, kCellHeight);
    e->setFont(SheetFont(8.25));
    boxes_[static_cast<int>(b)] = e;
    y += 315;
  }
  // Each option of a pair clears its partner when the user selects it.
  auto pair = [](QRadioButton* a, QRadioButton* b) {
    QObject::connect(a, &QRadioButton::clicked, b, [a, b] {
      a->setChecked(true);
      b->setChecked(false);
    });
    QObject::connect(b, &QRadioButton::clicked, a, [a, b] {
      b->setChecked(true);
      a->setChecked(false);
    });
  };
  pair(WSDev, WSNoDev);
  pair(WSOpPet, WSOpRes);
}

void Form9::BuildMenus() {
  auto menu = [&](const QString& name, const QString& caption) {
    auto* m = new QMenu(caption, this);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    Menus.push_back(m);
    return m;
  };
  QMenu* file = menu(QStringLiteral("FileMenu"), QStringLiteral("     File"));
  SaveWorksheet = addMenuItem(QStringLiteral("SaveWorksheet"), QStringLiteral("Save Worksheet Data To File"), file);
  file->addSeparator();
  OpenWorksheet = addMenuItem(QStringLiteral("OpenWorksheet"), QStringLiteral("Open WorkSheet Data From File"), file);
  file->addSeparator();
  Quit = addMenuItem(QStringLiteral("Quit"), QStringLiteral("Quit"), file);

  QMenu* print = menu(QStringLiteral("PrintMenu"), QStringLiteral("     Print"));
  PreviewPrintWS =
      addMenuItem(QStringLiteral("PreviewPrintWS"), QStringLiteral("Preview And Print This Worksheet"), print);
  print->addSeparator()->setVisible(false);
  QMenu* synopsis = print->addMenu(QStringLiteral("Preview And Print A WorkSheet Synopsis"));
  Preview = synopsis->menuAction();
  Preview->setObjectName(QStringLiteral("Preview"));
  PreviewCustodial = addMenuItem(QStringLiteral("PreviewCustodial"), QStringLiteral("Custodial/Non-Custodial Synopsis"), synopsis);
  PreviewSplit = addMenuItem(QStringLiteral("PreviewSplit"), QStringLiteral("Split Custody Synopsis (Arvey Formula)"), synopsis);
  PreviewSharedSquared = addMenuItem(QStringLiteral("PreviewSharedSquared"),
                                     QStringLiteral("Shared Custody Synopsis (Sum of Days Squared)"), synopsis);
  PreviewSharedSum =
      addMenuItem(QStringLiteral("PreviewSharedSum"), QStringLiteral("Shared Custody Synopsis (Sum of Days)"), synopsis);
  for (QAction* hidden : {Preview, PreviewCustodial, PreviewSplit, PreviewSharedSquared, PreviewSharedSum}) {
    hidden->setVisible(false);
    hidden->setEnabled(false);
  }

  OtherForms = menu(QStringLiteral("OtherForms"), QStringLiteral("     Other Forms"));
  FinAff = addMenuItem(QStringLiteral("FinAff"), QStringLiteral("Financial Affidavit"), OtherForms);
  Order = addMenuItem(QStringLiteral("Order"), QStringLiteral("Support Order Summary Report"), OtherForms);
  for (QAction* hidden : {OtherForms->menuAction(), Order}) {
    hidden->setVisible(false);
    hidden->setEnabled(false);
  }

  QMenu* font = menu(QStringLiteral("FontMenu"), QStringLiteral("      Font"));
  ChangeFont = addMenuItem(QStringLiteral("ChangeFont"), QStringLiteral("Change Worksheet Font"), font);
  QMenu* size = menu(QStringLiteral("SizeMenu"), QStringLiteral("     Size"));
  ZoomIn = addMenuItem(QStringLiteral("ZoomIn"), QStringLiteral("Reduce Sheet Size"), size);
  size->addSeparator();
  ZoomOut = addMenuItem(QStringLiteral("ZoomOut"), QStringLiteral("Full Size"), size);
  QMenu* help = menu(QStringLiteral("HelpMenu"), QStringLiteral("    Help"));
  WSInstructions =
      addMenuItem(QStringLiteral("WSInstructions"), QStringLiteral("DV 61.30 Child Support Guidelines"), help);
  QMenu* preparer = menu(QStringLiteral("PreparerMenu"), QStringLiteral("     Preparer Defaults"));
  ChangeMargin = addMenuItem(QStringLiteral("ChangeMargin"),
                             QStringLiteral("Change Preparer's Default Name, Office, And Top Margin"), preparer);

  connect(SaveWorksheet, &QAction::triggered, this, &Form9::SaveWorksheet_Click);
  connect(OpenWorksheet, &QAction::triggered, this, &Form9::OpenWorksheet_Click);
  connect(Quit, &QAction::triggered, this, &Form9::Quit_Click);
  connect(PreviewPrintWS, &QAction::triggered, this, &Form9::PreviewPrintWS_Click);
  connect(ChangeFont, &QAction::triggered, this, &Form9::ChangeFont_Click);
  connect(ZoomIn, &QAction::triggered, this, &Form9::ZoomIn_Click);
  connect(ZoomOut, &QAction::triggered, this, &Form9::ZoomOut_Click);
  connect(WSInstructions, &QAction::triggered, this, &Form9::WSInstructions_Click);
  connect(ChangeMargin, &QAction::triggered, this, &Form9::ChangeMargin_Click);
}

// --- the sheet --------------------------------------------------------------

namespace {

CheckValue ValueOf(const QCheckBox* c) {
  switch (c->checkState()) {
    case Qt::Checked:
      return 1;
    case Qt::PartiallyChecked:
      return 2;
    default:
      return 0;
  }
}

void SetValue(QCheckBox* c, CheckValue v) {
  c->setCheckState(v == 1 ? Qt::Checked : v == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

}  // namespace

WorksheetSheet Form9::Sheet() const {
  WorksheetSheet sheet;
  for (int i = 0; i < kBoxCount; ++i)
    if (boxes_[size_t(i)]) sheet.text[size_t(i)] = boxes_[size_t(i)]->text();
  sheet.WSDev = WSDev->isChecked();
  sheet.WSNoDev = WSNoDev->isChecked();
  sheet.WSOpPet = WSOpPet->isChecked();
  sheet.WSOpRes = WSOpRes->isChecked();
  sheet.WSEmailed = ValueOf(WSEmailed);
  sheet.WSMailed = ValueOf(WSMailed);
  sheet.WSHand = ValueOf(WSHand);
  sheet.WSFaxed = ValueOf(WSFaxed);
  return sheet;
}

void Form9::SetSheet(const WorksheetSheet& sheet) {
  for (int i = 0; i < kBoxCount; ++i)
    if (QLineEdit* b = boxes_[size_t(i)]; b && b->text() != sheet.text[size_t(i)]) {
      b->setText(sheet.text[size_t(i)]);
      b->setCursorPosition(0);
    }
  WSDev->setChecked(sheet.WSDev);
  WSNoDev->setChecked(sheet.WSNoDev);
  WSOpPet->setChecked(sheet.WSOpPet);
  WSOpRes->setChecked(sheet.WSOpRes);
  SetValue(WSEmailed, sheet.WSEmailed);
  SetValue(WSMailed, sheet.WSMailed);
  SetValue(WSHand, sheet.WSHand);
  SetValue(WSFaxed, sheet.WSFaxed);
}

// --- window behaviour ---------------------------------------------------------

void Form9::LimitLength(QLineEdit* box, int keyCode) {
  const auto& ws = program_.Case.Worksheet;
  const double width = GuardTextWidth(box->text(), ws.WSFontName.isEmpty() ? QStringLiteral("Tahoma") : ws.WSFontName);
  const LengthGuard::Result r =
      Guard.Check(width, platform::ui::Width(box), SheetScale(ws), program_.State.Screen.ScaleFactorX, keyCode);
  box->setReadOnly(r.locked);
  if (r.beep) platform::ui::Beep();
}

bool Form9::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QLineEdit*>(watched);
  if (box && event->type() == QEvent::KeyPress &&
      std::find(guarded_.begin(), guarded_.end(), box) != guarded_.end()) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    LimitLength(box, key == Qt::Key_Backspace ? 8 : key);
  }
  if (platform::ui::ApostropheForDoubleQuote(watched, event)) return true;
  if (box && event->type() == QEvent::FocusIn &&
      std::find(caretBoxes_.begin(), caretBoxes_.end(), box) != caretBoxes_.end()) {
    // The caret stands after the "$" once the box has taken the focus.
    box->event(event);
    box->deselect();
    box->setCursorPosition(1);
    return true;
  }
  return Form::eventFilter(watched, event);
}

void Form9::paintEvent(QPaintEvent* event) {
  Form::paintEvent(event);
  QPainter painter(this);
  painter.setPen(QPen(Qt::black, 1));
  const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
  const QPoint origin = Client()->pos();
  for (const LineEnds& l : L)
    if (l.x1 != l.x2 || l.y1 != l.y2)
      painter.drawLine(QPointF(l.x1 / tx, l.y1 / ty) + origin, QPointF(l.x2 / tx, l.y2 / ty) + origin);
}

void Form9::closeEvent(QCloseEvent* event) {
  event->ignore();
  Form_Unload();
}

}  // namespace worksheet::ui

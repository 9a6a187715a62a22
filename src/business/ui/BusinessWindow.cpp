#include "business/ui/BusinessWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGroupBox>
#include <QHideEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "business/BusinessTotals.h"
#include "platform/ui/EntryBox.h"
#include "business/ui/FormBus.h"
#include "platform/AmountLimit.h"
#include "platform/NumberText.h"
#include "platform/ui/WindowRegistry.h"
#include "shell/ui/Fitting.h"

namespace business {

using casevars::Party;
using platform::Format;
using platform::ui::Place;

namespace {

// Light cyan of the locked totals, light grey of the wage and asset boxes.
constexpr platform::OleColor kLockedBack = 0x00FFFFC0;
constexpr platform::OleColor kLimitBoxBack = 0x00E0E0E0;

// The income window's business income boxes take this pattern on closing.
constexpr const char* kSelfBoxPattern = "$###,##0.00";

constexpr double kClientWidth = 11775;
constexpr double kBoxHeight = 285;
// The band at the top of a frame that its caption takes: the New Spouse frame
// and the column headings start below it, so none covers the caption.
constexpr double kCaptionBand = 225;
// Where the New Spouse frames stand in their business frames.
constexpr double kSpouseFrameLeft = 5940;
constexpr double kSpouseFrameWidth = 5640;
// How much taller the REIT frame is than the caption band, its headings and
// its boxes would need without the band (the window grows by as much).
constexpr double kReitGrowth = 165;

QString ElementName(const QString& name, int column) {
  return QStringLiteral("%1(%2)").arg(name).arg(column);
}

// The texts of one window.
struct Captions {
  QString window, heading, serviceTradeHeading, abFrame, income, share, reitLabel;
  double clientHeight;
};

Captions CaptionsOf(Party party) {
  if (party == Party::Claim)
    return {QStringLiteral("Claimant's Business Income"),
            QStringLiteral("Income and Wages from Business Entities in which Claimant Has Ownership "
                           "(May Qualify for 20% Tax Deduction)"),
            QStringLiteral("Check if Business is in a Service Trade (health, law, consulting, "
                           "athletics, financial, accounting, brokerage, trading) Subject to "
                           "Deduction Phase-out"),
            QStringLiteral("Sole Proprietorship, LLC, or Partnership Where Net Business Income Is "
                           "Subject to SE Taxes Payable by the Individual"),
            QStringLiteral("Claimant's Business Income"),
            QStringLiteral("Claimant's Allocable Share Of"),
            QStringLiteral("Claimant"),
            7455 + kReitGrowth};
  return {QStringLiteral("Other Party's Business Income"),
          QStringLiteral("Income and Wages from Business Entities in which Other Party Has "
                         "Ownership (May Qualify for 20% Tax Deduction)"),
          QStringLiteral("Check if Business is in a Service Trade (health, law, consulting, "
                         "athletics, accounting, financial, brokerage, trading) Subject to "
                         "Deduction Phase-out"),
          QStringLiteral("Sole Proprietorship, LLC, or Partnership Where Net Income Is Treated as "
                         "Earned Wages Subject to SE taxes Payable by the Individual"),
          QStringLiteral("Other's Business Income"),
          QStringLiteral("Other's Allocable Share Of"),
          QStringLiteral("Other Party"),
          7425 + kReitGrowth};
}

// Where one column's controls stand in a frame: the left edges of the four
// box columns, their width, the left edge and width of the label column, and
// how far the column's container lies below the business frame's top.
struct ColumnPlace {
  QWidget* container;
  std::array<double, 4> x;
  double width;
  double labelX, labelWidth;
  double dy;
};

}  // namespace

BusinessWindow::BusinessWindow(casevars::CaseVars& vars, Party party, QWidget* parent)
    : Form(party == Party::Claim ? QStringLiteral("Form26") : QStringLiteral("Form27"), parent),
      vars_(vars),
      party_(party) {
  if (parent) setWindowFlag(Qt::Window);
  build();
}

BusinessWindow::~BusinessWindow() {
  if (help_) delete help_.data();
}

void BusinessWindow::build() {
  const Captions text = CaptionsOf(party_);
  setWindowTitle(text.window);
  buildMenus();
  const double menuTwips = MenuBar()->sizeHint().height() * TwipsPerPixelY();
  SetDesignedByClientArea(true);
  Place(this, 0, 0, kClientWidth, text.clientHeight + menuTwips);

  int labelNumber = 0;
  const auto label = [&](QWidget* container, const QString& caption, double left, double top,
                         double width, double height, const char* name = nullptr) {
    QString n;
    if (name) {
      n = QString::fromLatin1(name);
    } else {
      do n = QStringLiteral("Label%1").arg(++labelNumber);
      while (n == "Label16" || n == "Label17" || n == "Label26" || n == "Label27" || n == "Label38");
    }
    QLabel* l = add<QLabel>(n, container, left, top, width, height);
    l->setText(caption);
    return l;
  };
  const auto centred = [](QLabel* l) {
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    return l;
  };
  const auto frame = [&](const char* name, QWidget* container, const QString& caption, double left,
                         double top, double width, double height) {
    QGroupBox* f = add<QGroupBox>(QString::fromLatin1(name), container, left, top, width, height);
    f->setTitle(caption);
    return f;
  };

  QLabel* heading = label(nullptr, text.heading, 120, 30, 10080, 210);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  label(nullptr, text.serviceTradeHeading, 120, 240, 11535, 210);
  PTimeLabel = label(nullptr, QStringLiteral("YEARLY"), 10260, 30, 1395, 210, "PTimeLabel");
  PTimeLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  PTimeLabel->setFont(bold);

  const QString newSpouse = QStringLiteral("New Spouse");
  const QString spouseShare = QStringLiteral("Spouse's Allocable Share Of");

  // Where a box stands, as a refused entry names it.
  const auto place = [&](AmountBox* box, int column, const QString& row, const QString& heading) {
    QString where = QStringLiteral("%1, %2").arg(text.window, row);
    if (!heading.isEmpty()) where += QStringLiteral(", \"%1\"").arg(QString(heading).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    if (column == 1) where += QStringLiteral(" (New Spouse)");
    places_[box] = where;
  };
  // Creates the boxes of one business row of a column.
  const auto boxRow = [&](const ColumnPlace& p, int column, std::array<Box, 4> boxes, double top,
                          const QString& row, const std::array<QString, 4>& headings) {
    for (std::size_t k = 0; k < 4; ++k) {
      BoxPair& pair = Boxes(boxes[k]);
      pair[column] = add<AmountBox>(ElementName(BoxName(boxes[k], party_), column), p.container,
                                    p.x[k], top - p.dy, p.width, kBoxHeight);
      if (k >= 2) platform::ui::SetBackColor(pair[column], kLimitBoxBack);
      connectBox(boxes[k], column);
      place(pair[column], column, row, headings[k]);
    }
  };
  const auto tradeBox = [&](CheckPair& pair, const char* name, const ColumnPlace& p, int column,
                            double top) {
    pair[column] =
        add<QCheckBox>(ElementName(QString::fromLatin1(name), column), p.container, p.labelX,
                       top - p.dy, p.labelWidth + 300, 240, QStringLiteral("Service Trade"));
  };
  const auto tipsLine = [&](Box box, const ColumnPlace& p, int column, const QString& caption,
                            double top, const QString& row) {
    // The tips caption starts after the Service Trade box that shares its line.
    const double left = p.labelX + p.labelWidth + 330;
    QLabel* l = label(p.container, caption, left, top - p.dy - 60, p.x[3] - left - 60, 420);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Boxes(box)[column] = add<AmountBox>(ElementName(BoxName(box, party_), column), p.container,
                                        p.x[3], top - p.dy, p.width, kBoxHeight);
    connectBox(box, column);
    place(Boxes(box)[column], column, row, QString(caption).remove(QLatin1Char('.')).trimmed());
  };
  const auto captionsOver = [&](const ColumnPlace& p, std::array<QString, 4> captions,
                                std::array<int, 4> lines, double bottom) {
    for (std::size_t k = 0; k < 4; ++k)
      centred(label(p.container, captions[k], p.x[k], bottom - p.dy - 195.0 * lines[k], p.width,
                    195.0 * lines[k]));
  };

  // A business frame with its New Spouse frame, the column headings and the
  // row labels; gives the places of the party's and the new spouse's columns.
  const auto businessFrame = [&](QGroupBox*& outer, const char* outerName, QGroupBox*& inner,
                                 const char* innerName, const QString& caption, double top,
                                 double height, const char* spouseShareName,
                                 const std::array<QString, 4>& captions, std::array<int, 4> lines,
                                 double captionBottom, std::array<const char*, 2> rows,
                                 std::array<double, 2> rowTops) {
    outer = frame(outerName, nullptr, caption, 60, top, 11655, height);
    inner = frame(innerName, outer, newSpouse, kSpouseFrameLeft, kCaptionBand, kSpouseFrameWidth,
                  height - kCaptionBand - 60);
    const std::array<ColumnPlace, 2> places = {
        ColumnPlace{outer, {1320, 2490, 3660, 4830}, 1110, 120, 1140, 0},
        ColumnPlace{inner, {1200, 2280, 3360, 4440}, 1050, 90, 1050, kCaptionBand}};
    // The headings stand on one line with the New Spouse frame's caption.
    centred(label(outer, text.income, 1320, kCaptionBand, 2280, 195));
    centred(label(outer, text.share, 3660, kCaptionBand, 2280, 195));
    centred(label(inner, spouseShare, 3360, 0, 2130, 195, spouseShareName));
    for (const ColumnPlace& p : places) captionsOver(p, captions, lines, captionBottom);
    for (std::size_t k = 0; k < 2; ++k)
      label(outer, QString::fromLatin1(rows[k]), 120, rowTops[k] + 30, 1140, 225);
    return places;
  };

  // Businesses A and B.
  const std::array<QString, 4> abHeadings = {
      QStringLiteral("Net Income\nSubject to SE\nAnd Qualified\nFor Deduction"),
      QStringLiteral("Net Income\nSubject to SE\nNot Qualified\nFor Deduction"),
      QStringLiteral("Employee\nW-2 Wages"), QStringLiteral("Depreciable\nAssets")};
  const std::array<ColumnPlace, 2> ab =
      businessFrame(Frame1, "Frame1", Frame2, "Frame2", text.abFrame, 450, 2835, "Label26", abHeadings,
                    {4, 4, 2, 2}, 1200, {"Business A", "Business B"}, {1215, 2025});
  const QString selfEmployed =
      QStringLiteral("Qualified Tips (not listed above) Received as Self-Employed ..........");
  const QString selfEmployed1 =
      QStringLiteral("Qualified Tips (not above) Received as Self-Employed ..........");
  for (int column = 0; column < kColumns; ++column) {
    const ColumnPlace& p = ab[column];
    const QString& tips = column == 0 ? selfEmployed : selfEmployed1;
    const QString a = QStringLiteral("Business A"), b = QStringLiteral("Business B");
    boxRow(p, column, {Box::AWages, Box::ANot, Box::AW2, Box::ACap}, 1215, a, abHeadings);
    tradeBox(ATrade, "ATrade", p, column, 1530);
    tipsLine(Box::ATips, p, column, tips, 1575, a);
    boxRow(p, column, {Box::BWages, Box::BNot, Box::BW2, Box::BCap}, 2025, b, abHeadings);
    tradeBox(BTrade, "BTrade", p, column, 2340);
    tipsLine(Box::BTips, p, column, tips, 2385, b);
  }

  // S-corporations C and D.
  const std::array<QString, 4> cdHeadings = {
      QStringLiteral("W-2 Wages"), QStringLiteral("Pass-thru\nDistributions"),
      QStringLiteral("Employee\nW-2 Wages"), QStringLiteral("Depreciable\nAssets")};
  const std::array<ColumnPlace, 2> cd = businessFrame(
      Frame4, "Frame4", Frame3, "Frame3",
      QStringLiteral("S-Corp Where Earned Wages Are Subject to FICA Payable at the Corporate "
                     "Level and Profit Is Passed Through to the Individual"),
      3315, 2265, "Label27", cdHeadings, {1, 2, 2, 2}, 810, {"Business C", "Business D"}, {825, 1635});
  for (int column = 0; column < kColumns; ++column) {
    const ColumnPlace& p = cd[column];
    const QString c = QStringLiteral("Business C"), d = QStringLiteral("Business D");
    boxRow(p, column, {Box::CWages, Box::CPass, Box::CW2, Box::CCap}, 825, c, cdHeadings);
    tradeBox(CTrade, "CTrade", p, column, 1140);
    tipsLine(Box::CTips, p, column,
             column == 0
                 ? QStringLiteral("Qualified Tips (not listed above) Received as Employee ..........")
                 : QStringLiteral("Qualified Tips (not above) Received as Employee .........."),
             1185, c);
    boxRow(p, column, {Box::DWages, Box::DPass, Box::DW2, Box::DCap}, 1635, d, cdHeadings);
    tradeBox(DTrade, "DTrade", p, column, 1950);
  }

  // REIT, cooperative and publicly traded partnership income.
  Frame6 = frame("Frame6", nullptr,
                 QStringLiteral("REIT Dividends, Cooperative Dividends, and Publicly Traded "
                                "Partnership Income"),
                 60, 5610, 11655, 840 + kReitGrowth);
  Frame7 = frame("Frame7", Frame6, newSpouse, kSpouseFrameLeft, kCaptionBand, kSpouseFrameWidth, 750);
  const QString passThru = QStringLiteral("Pass-thru\nDistributions");
  centred(label(Frame6, passThru, 2490, kCaptionBand, 1110, 390));
  centred(label(Frame7, passThru, 2280, 0, 1050, 390));
  label(Frame6, text.reitLabel, 1320, kCaptionBand + 435, 1110, 225)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  label(Frame7, QStringLiteral("Spouse"), 1200, 435, 1020, 225, "Label38")
      ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  REIT[0] = add<AmountBox>(ElementName(QStringLiteral("REIT"), 0), Frame6, 2490, kCaptionBand + 405, 1110,
                           kBoxHeight);
  REIT[1] = add<AmountBox>(ElementName(QStringLiteral("REIT"), 1), Frame7, 2280, 405, 1050, kBoxHeight);
  connectBox(Box::REIT, 0);
  connectBox(Box::REIT, 1);
  for (int column = 0; column < kColumns; ++column)
    place(REIT[column], column, QStringLiteral("REIT Dividends, Cooperative Dividends, and Publicly Traded Partnership Income"), passThru);

  // Totals.
  const QString totalWagesCaption = QStringLiteral("Business Income\nSubject to SE\nand/or FICA");
  const std::array<double, 2> wagesX = {1380, 7200};
  const std::array<double, 2> passX = {2880, 8700};
  const double totalsTop = 7080 + kReitGrowth;
  label(nullptr, QStringLiteral("Totals"), 180, totalsTop + 30, 1080, 225);
  centred(label(nullptr, totalWagesCaption, wagesX[0] - 270, totalsTop - 600, 1650, 585));
  centred(label(nullptr, passThru, passX[0] - 120, totalsTop - 405, 1350, 390));
  centred(label(nullptr, totalWagesCaption, wagesX[1] - 270, totalsTop - 600, 1650, 585, "Label16"));
  centred(label(nullptr, passThru, passX[1] - 120, totalsTop - 405, 1350, 390, "Label17"));
  for (int column = 0; column < kColumns; ++column) {
    const double width = column == 0 ? 1110 : 1050;
    TotalWages[column] = add<AmountBox>(ElementName(QStringLiteral("TotalWages"), column), nullptr,
                                        wagesX[column], totalsTop, width, kBoxHeight);
    TotalPass[column] = add<AmountBox>(ElementName(QStringLiteral("TotalPass"), column), nullptr,
                                       passX[column], totalsTop, width, kBoxHeight);
    for (AmountBox* total : {TotalWages[column], TotalPass[column]}) {
      total->SetAmountBox(true);
      total->setReadOnly(true);
      platform::ui::SetBackColor(total, kLockedBack);
    }
  }
}

void BusinessWindow::buildMenus() {
  Time = addMenu(QStringLiteral("Time"), QStringLiteral("Entry Time Period"));
  const auto item = [&](const char* name, const char* caption, bool (BusinessWindow::*handler)()) {
    QAction* a = addMenuItem(QString::fromLatin1(name), QString::fromLatin1(caption), Time);
    a->setCheckable(true);
    if (handler)
      connect(a, &QAction::triggered, this, [this, handler] {
        if (RefuseHeldEntry()) ShowPeriodMarks();  // the item has moved its own mark
        else (this->*handler)();
      });
    return a;
  };
  Yearly = item("Yearly", "Yearly", &BusinessWindow::Yearly_Click);
  Monthly = item("Monthly", "Monthly", &BusinessWindow::Monthly_Click);
  SemiWeekly = item("SemiWeekly", "SemiWeekly", &BusinessWindow::SemiWeekly_Click);
  Weekly = item("Weekly", "Weekly", &BusinessWindow::Weekly_Click);
  Hourly = item("Hourly", "Hourly", nullptr);
  Hourly->setVisible(false);
  Hourly->setEnabled(false);
  ShowPeriodMarks();

  const bool claim = party_ == Party::Claim;
  const QString indent(claim ? 11 : 5, QLatin1Char(' '));
  ExitOut = addMenuItem(QStringLiteral("ExitOut"), indent + QStringLiteral("Exit"));
  HelpBus = addMenuItem(claim ? QStringLiteral("HelpBus") : QStringLiteral("Bus"),
                        indent + QStringLiteral("Help With Business Deduction"));
  connect(ExitOut, &QAction::triggered, this, [this] { ExitOut_Click(); });
  connect(HelpBus, &QAction::triggered, this, [this] { HelpBus_Click(); });
}

void BusinessWindow::connectBox(Box box, int column) {
  AmountBox* b = Boxes(box)[column];
  b->SetAmountBox(true);
  b->TooLarge = [this] { EntryError(platform::AmountTooLargeMessage()); };
  b->SetAmountSign(SignOf(box));
  b->Refused = [this](const QString& message) { EntryError(message); };
  b->GotFocus = [this, box, column] { Box_GotFocus(box, column); };
  b->KeyPress = [this, box, column](std::int16_t& key) { Box_KeyPress(box, column, key); };
  b->KeyUp = [this, box, column](int code, Qt::KeyboardModifiers shift) {
    Box_KeyUp(box, column, code, shift);
  };
  b->LostFocus = [this, box, column] { Box_LostFocus(box, column); };
}

BusinessWindow::BoxPair& BusinessWindow::Boxes(Box box) {
  static constexpr std::array<BoxPair BusinessWindow::*, kBoxCount> kMembers = {
      &BusinessWindow::AWages, &BusinessWindow::BWages, &BusinessWindow::CWages,
      &BusinessWindow::DWages, &BusinessWindow::CPass,  &BusinessWindow::DPass,
      &BusinessWindow::REIT,   &BusinessWindow::AW2,    &BusinessWindow::BW2,
      &BusinessWindow::CW2,    &BusinessWindow::DW2,    &BusinessWindow::ACap,
      &BusinessWindow::BCap,   &BusinessWindow::CCap,   &BusinessWindow::DCap,
      &BusinessWindow::ANot,   &BusinessWindow::BNot,   &BusinessWindow::ATips,
      &BusinessWindow::BTips,  &BusinessWindow::CTips,
  };
  return this->*kMembers[static_cast<std::size_t>(box)];
}

const BusinessWindow::BoxPair& BusinessWindow::Boxes(Box box) const {
  return const_cast<BusinessWindow*>(this)->Boxes(box);
}

// ---------------------------------------------------------------------------
// Showing and closing

void BusinessWindow::SetNewSpouseColumnVisible(bool visible) {
  for (QWidget* w : std::initializer_list<QWidget*>{
           Frame2, Frame3, Frame7, Control("Label16"), Control("Label17"), Control("Label26"),
           Control("Label27"), Control("Label38"), AWages[1], BWages[1], CWages[1], DWages[1],
           CPass[1], DPass[1], TotalWages[1], TotalPass[1]})
    w->setVisible(visible);
}

void BusinessWindow::ShowModal() { Form::ShowModal([this] { Form_Activate(); }); }

void BusinessWindow::Form_Activate() {
  if (Links.MonthlyDataChecked && Links.MonthlyDataChecked()) Monthly_Click();
  else Yearly_Click();
  AddBusinessVars(0);
  AddBusinessVars(1);
}

void BusinessWindow::showEvent(QShowEvent* event) {
  KeepProportions();
  Form::showEvent(event);
}

void BusinessWindow::KeepProportions() {
  using platform::ui::Left;
  using platform::ui::SetWidth;
  using platform::ui::Width;
  const double positions = Left(Frame2) / kSpouseFrameLeft;
  const double widths = Width(Frame2) / kSpouseFrameWidth;
  if (positions <= 0 || widths <= positions * 1.0001) return;
  const double factor = positions / widths;
  for (QWidget* c : Controls())
    if (platform::ui::HasGeometry(c)) SetWidth(c, Width(c) * factor);
  SetWidth(this, Width(this) * factor);
}

void BusinessWindow::closeEvent(QCloseEvent* event) {
  std::int16_t cancel = 0;
  Form_Unload(cancel);
  if (cancel) event->ignore();
  else event->accept();
}

void BusinessWindow::Form_Unload(std::int16_t& cancel) {
  cancel = 1;
  if (isVisible() && RefuseHeldEntry()) return;
  if (!Yearly_Click()) return;
  const bool incomeYearly = !Links.IncomeYearly_Click || Links.IncomeYearly_Click();
  if (!incomeYearly) {
    // The income window keeps its period; yearly amounts are not put into it.
    hide();
    return;
  }
  casevars::PartyIncome& income = vars_.Income[party_];
  income.YrSelf1 = bus().YrBusIncome1;
  income.YrSelf = bus().YrBusIncome;
  if (Links.IncomeYearly_Click) Links.IncomeYearly_Click();
  AddBusinessVars(0);
  AddBusinessVars(1);
  if (Links.SetIncomeSelfBox) {
    Links.SetIncomeSelfBox(0, Format(bus().YrBusIncome, kSelfBoxPattern));
    Links.SetIncomeSelfBox(1, Format(bus().YrBusIncome1, kSelfBoxPattern));
  }
  hide();
}

void BusinessWindow::ExitOut_Click() {
  std::int16_t cancel = 1;
  Form_Unload(cancel);
}

FormBus* BusinessWindow::LoadHelpWindow() {
  if (!Links.Registry) return new FormBus();
  const QString name = QStringLiteral("FormBus");
  Links.Registry->SetFactory(name, [] { return std::make_unique<FormBus>(); });
  return qobject_cast<FormBus*>(Links.Registry->Load(name));
}

void BusinessWindow::HelpBus_Click() {
  if (!help_) {
    help_ = LoadHelpWindow();
    if (!help_) return;
    shell::FitFormToScreen(*help_, Links.Screen ? *Links.Screen : ownScreen_);
  }
  const double scale = (Links.Screen ? *Links.Screen : ownScreen_).ScaleFactorMin;
  help_->SetTextSize(10 * scale);
  help_->setWindowModality(Qt::ApplicationModal);
  help_->show();
  QEventLoop loop;
  connect(help_.data(), &QObject::destroyed, &loop, &QEventLoop::quit);
  loop.exec();
  Form_Activate();
}

FormBus* BusinessWindow::HelpWindow() const { return help_.data(); }

// ---------------------------------------------------------------------------
// Column methods

void BusinessWindow::AssignBusinessVars(int column) {
  const int c = ColumnOf(column);
  for (Box box : kBoxes)
    if (const std::optional<double> v = ReadAmount(Boxes(box)[c]->text(), SignOf(box))) BoxVar(bus(), box, c) = *v;
}

void BusinessWindow::AddBusinessVars(int column) {
  const int c = ColumnOf(column);
  TakeFocusedBox();
  for (Box box : kBoxes) {
    AmountBox* b = Boxes(box)[c];
    double& var = BoxVar(bus(), box, c);
    const platform::AmountReading r = b->Reading();
    if (r.refused()) continue;  // left for the user to correct
    if (r.isAmount()) {
      ShowAmount(b, var);
    } else {
      SetBoxText(b, QString());
      var = 0;
    }
  }
  ComputeBusinessTotals(bus(), vars_.Income[party_]);
  ShowTotals();
}

void BusinessWindow::AssignNewVars() { business::AssignNewVars(bus(), vars_.Income[party_]); }

void BusinessWindow::ShowAmount(AmountBox* box, double amount) {
  SetBoxText(box, Format(amount, kAmountPattern));
}

// Text given to a box from code leaves the caret at its start, so what the
// user types into a box just rewritten stands in front of the amount and is
// read with it as one number.
void BusinessWindow::SetBoxText(AmountBox* box, const QString& text) {
  box->setText(text);
  box->setCursorPosition(0);
}

void BusinessWindow::ShowTotals() {
  const casevars::PartyBusiness& b = bus();
  ShowAmount(TotalWages[0], b.YrBusTotalWages);
  ShowAmount(TotalWages[1], b.YrBusTotalWages1);
  ShowAmount(TotalPass[0], b.YrBusTotalPass);
  ShowAmount(TotalPass[1], b.YrBusTotalPass1);
}

void BusinessWindow::ClearBusinessVars() { business::ClearBusinessVars(vars_, party_); }

// ---------------------------------------------------------------------------
// Deduction

ServiceTradeFlags BusinessWindow::ServiceTrades() const {
  ServiceTradeFlags flags;
  for (int column = 0; column < kColumns; ++column) {
    const std::array<QCheckBox*, 4> boxes = {ATrade[column], BTrade[column], CTrade[column],
                                             DTrade[column]};
    for (std::size_t k = 0; k < 4; ++k)
      flags.Value[column][k] = boxes[k]->checkState() == Qt::Unchecked ? 0 : 1;
  }
  return flags;
}

tax::BusinessDeduction BusinessWindow::ComputeDeduction(double yrAGI) const {
  return ComputeBusinessDeduction(vars_, party_, yrAGI, ServiceTrades());
}

void BusinessWindow::GetBusinessDeduction(double yrAGI) {
  const tax::BusinessDeduction d = ComputeDeduction(yrAGI);
  bus().YrBusDeduction = d.YrBusDeduction;
  bus().YrBusLossCarryover = d.YrBusLossCarryover;
}

tax::BusinessDeductionFn BusinessDeductionService(const BusinessWindow& claimWindow,
                                                  const BusinessWindow& payerWindow) {
  return [&claimWindow, &payerWindow](Party party, double yrAGI) {
    return (party == Party::Claim ? claimWindow : payerWindow).ComputeDeduction(yrAGI);
  };
}

// ---------------------------------------------------------------------------
// Entry period

bool BusinessWindow::Yearly_Click() { return SwitchTo(BusinessPeriod::Yearly); }
bool BusinessWindow::Monthly_Click() { return SwitchTo(BusinessPeriod::Monthly); }
bool BusinessWindow::SemiWeekly_Click() { return SwitchTo(BusinessPeriod::SemiWeekly); }
bool BusinessWindow::Weekly_Click() { return SwitchTo(BusinessPeriod::Weekly); }

bool BusinessWindow::SwitchTo(BusinessPeriod period) {
  AddBusinessVars(0);
  AddBusinessVars(1);
  const double factor = PeriodFactor(period_, period);
  if (!CanScaleBusinessAmounts(bus(), factor)) {
    ShowPeriodMarks();  // a menu click may have moved a check mark
    EntryError(platform::ConversionTooLargeMessage(PeriodName(period)));
    return false;
  }
  if (!RefusedEntry().isEmpty()) {
    // Converting would write over an entry a box refuses: the user corrects
    // it first (told here when the window is shown, else by the run's check).
    ShowPeriodMarks();
    if (isVisible()) RefuseHeldEntry();
    return false;
  }
  vars_.Business.BusinessPeriodFactor = factor;
  if (period != period_) {
    period_ = period;
    PTimeLabel->setText(PeriodCaption(period));
  }
  // A menu item toggles its own mark when chosen; the marks follow the period.
  ShowPeriodMarks();
  BusinessTimeAdjust();
  return true;
}

void BusinessWindow::EntryError(const QString& prompt) {
  if (Links.EntryError) Links.EntryError(prompt);
}

void BusinessWindow::ShowPeriodMarks() {
  Yearly->setChecked(period_ == BusinessPeriod::Yearly);
  Monthly->setChecked(period_ == BusinessPeriod::Monthly);
  SemiWeekly->setChecked(period_ == BusinessPeriod::SemiWeekly);
  Weekly->setChecked(period_ == BusinessPeriod::Weekly);
  Hourly->setChecked(false);
}

void BusinessWindow::BusinessTimeAdjust() {
  ScaleBusinessAmounts(bus(), vars_.Business.BusinessPeriodFactor);
  for (Box box : kBoxes)
    for (int column = 0; column < kColumns; ++column)
      ShowAmount(Boxes(box)[column], BoxVar(bus(), box, column));
  ShowTotals();
}

// ---------------------------------------------------------------------------
// Amount boxes

void BusinessWindow::Box_GotFocus(Box box, int index) {
  Boxes(box)[ColumnOf(index)]->setCursorPosition(1);
}

void BusinessWindow::Box_KeyPress(Box, int, std::int16_t& keyAscii) {
  if (keyAscii == AmountBox::kEnter) keyAscii = 0;
}

void BusinessWindow::Box_KeyUp(Box box, int index, int keyCode, Qt::KeyboardModifiers) {
  const int c = ColumnOf(index);
  if (const std::optional<double> v = ReadAmount(Boxes(box)[c]->text(), SignOf(box))) BoxVar(bus(), box, c) = *v;
  if (keyCode == AmountBox::kEnter) Boxes(EnterMovesTo(box))[c]->setFocus(Qt::TabFocusReason);
}

void BusinessWindow::Box_LostFocus(Box box, int index) {
  TakeBoxText(box, ColumnOf(index));
  AddBusinessVars(index);
}

void BusinessWindow::TakeBoxText(Box box, int column) {
  const AmountBox* b = Boxes(box)[column];
  double& var = BoxVar(bus(), box, column);
  const QString text = b->text();
  if (text == Format(var, kAmountPattern)) return;
  if (const std::optional<double> v = ReadAmount(text, SignOf(box))) var = *v;
}

std::vector<AmountBox*> BusinessWindow::ShownBoxes() const {
  std::vector<AmountBox*> boxes;
  for (Box box : kBoxes)
    for (int column = 0; column < kColumns; ++column)
      if (Boxes(box)[column]->isVisibleTo(this)) boxes.push_back(Boxes(box)[column]);
  return boxes;
}

bool BusinessWindow::RefuseHeldEntry() { return platform::ui::EntryBox::RefuseHeldEntry(ShownBoxes()); }

QString BusinessWindow::RefusedEntry() const {
  for (const AmountBox* box : ShownBoxes())
    if (box->HoldsRefusedEntry()) return platform::RefusalMessage(box->Reading(), places_.at(box));
  return {};
}

void BusinessWindow::TakeFocusedBox() {
  const QWidget* focused = isVisible() ? focusWidget() : nullptr;
  if (!focused) return;
  for (Box box : kBoxes)
    for (int column = 0; column < kColumns; ++column)
      if (Boxes(box)[column] == focused) return TakeBoxText(box, column);
}

// ---------------------------------------------------------------------------

Form26::Form26(casevars::CaseVars& vars, QWidget* parent) : BusinessWindow(vars, Party::Claim, parent) {}

double Form26::BusDeduction(double taxableIncome, double qualifiedIncome, double w2Wages, double property,
                           const QString& filingStatus, std::int16_t serviceTrade) {
  return business::BusDeduction(taxableIncome, qualifiedIncome, w2Wages, property, filingStatus,
                                serviceTrade);
}

Form27::Form27(casevars::CaseVars& vars, QWidget* parent) : BusinessWindow(vars, Party::Payer, parent) {}

}  // namespace business

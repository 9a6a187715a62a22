#include "express/ui/Form16.h"

#include <QAction>
#include <QMenu>

#include "express/ParentingTimeReport.h"
#include "income/ui/IncomeReportCommand.h"
#include "prefs/Preferences.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include <cmath>
#include <tuple>
#include <utility>

#include "express/ui/Form1.h"
#include "express/ParentingTime.h"
#include "express/TierValues.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

constexpr platform::OleColor kLockedBack = platform::Rgb(192, 255, 255);
void SetBold(QWidget* w, bool bold) {
  QFont f = w->font();
  f.setBold(bold);
  w->setFont(f);
}

}  // namespace

Form16::Form16(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("Form16"), parent), program_(program), prompter_(program.Dialogs, [] { platform::ui::Beep(); }) {
  setWindowTitle(QStringLiteral("Parenting Time - Based On Overnight Possession Of Children"));
  QMenu* print = addMenu(QStringLiteral("Print16"), QStringLiteral("Print"));
  QAction* printTime = addMenuItem(QStringLiteral("PrintParentingTime"), QStringLiteral("Print Parenting Time"), print);
  connect(printTime, &QAction::triggered, this, [this] { PrintParentingTime_Click(); });
  SendToPrinter = income::ReportPrinter::ChosenPrinter().print;
  // The design gives the client area below the menu bar, so that the frame
  // and title bar of a window manager never cut the average row.
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, kDesignWidth, kDesignHeight);

  for (int i = 0; i < kRows; ++i) {
    const bool average = i == kRows - 1;
    const double left = average ? 90 : (i % 2 == 0 ? 60 : 4380);
    const double top = average ? 4920 : (i < 2 ? 90 : i < 4 ? 1680 : 3300);
    const QString caption =
        average ? QStringLiteral("All Children - Average") : QStringLiteral("Child %1").arg(i + 1);
    ShareFrame[size_t(i)] = add<QGroupBox>(QStringLiteral("ShareFrame(%1)").arg(i), nullptr, left, top,
                                           average ? 8550 : 4260, 1530, caption);
    if (average) BuildRow(i, ShareFrame[size_t(i)], 3180, 945, 4530, 795);
    else BuildRow(i, ShareFrame[size_t(i)], 2400, 645, 3390, 495);
  }
  CopyTime = add<platform::ui::ButtonPlus>(QStringLiteral("CopyTime"), ShareFrame[6], 5460, 630, 3000, 615,
                                           QStringLiteral("Copy Parenting Time Of Youngest Child\nTo Other Children"));
  platform::ui::SetTag(CopyTime, QStringLiteral("1000"));
  SetBold(CopyTime, false);
  connect(CopyTime, &QPushButton::clicked, this,
          [this] { CopyTime_Click(fields_, ExpressScreen(), program_.Case.Express, prompter_); });
}

void Form16::BuildRow(int row, QWidget* frame, double nightsLeft, double nightsWidth, double sharesLeft,
                      double sharesWidth) {
  const bool average = row == kRows - 1;
  const QString n = QString::number(row);
  auto heading = [&](const QString& name, double left, double width, const QString& text) {
    auto* l = add<QLabel>(name + QStringLiteral("(%1)").arg(n), frame, left, 210, width, 390, text);
    l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  };
  heading(QStringLiteral("NightsHeading"), nightsLeft - 150, nightsWidth + 300, QStringLiteral("As Nights\nPer Year"));
  heading(QStringLiteral("ShareHeading"), sharesLeft - 270, sharesWidth + 540, QStringLiteral("% of Time\nAs a Decimal"));
  const QString claimText = average ? QStringLiteral("Average Time That All Children Are In Claimant's Possession")
                                    : QStringLiteral("Claimant's Average Parenting Time For This Child");
  const QString payerText = average ? QStringLiteral("Average Time That All Children Are In Other's Possession")
                                    : QStringLiteral("Other's Average Parenting Time For This Child");
  for (const auto& [name, top, text] : {std::tuple{QStringLiteral("ClaimLabel"), 600.0, claimText},
                                        std::tuple{QStringLiteral("PayerLabel"), 1050.0, payerText}}) {
    auto* l = add<QLabel>(name + QStringLiteral("(%1)").arg(n), frame, 120, top, nightsLeft - 240, 390, text);
    l->setWordWrap(true);
  }
  auto box = [&](const char* name, double left, double top, double width) {
    auto* b = add<QLineEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(name), n), frame, left, top, width, 300);
    if (average) {
      b->setReadOnly(true);
      platform::ui::SetBackColor(b, kLockedBack);
    }
    return b;
  };
  ClaimDays[size_t(row)] = box("ClaimDays", nightsLeft, 630, nightsWidth);
  PercentOfTimeValue[size_t(row)] = box("PercentOfTimeValue", sharesLeft, 630, sharesWidth);
  PayerDays[size_t(row)] = box("PayerDays", nightsLeft, 1080, nightsWidth);
  PayerPerCent[size_t(row)] = box("PayerPerCent", sharesLeft, 1080, sharesWidth);

  // Frame captions bold; in the average frame its labels and boxes too.
  SetBold(frame, true);
  for (QObject* child : frame->children())
    if (auto* w = qobject_cast<QWidget*>(child)) SetBold(w, average);
  if (average) return;

  for (QLineEdit* b : {ClaimDays[size_t(row)], PayerDays[size_t(row)], PercentOfTimeValue[size_t(row)],
                       PayerPerCent[size_t(row)]})
    b->installEventFilter(this);
  // The claimant's share is checked as it is typed.
  connect(PercentOfTimeValue[size_t(row)], &QLineEdit::textEdited, this,
          [this, row] { PercentOfTimeValue_Change(fields_, prompter_, row); });
}

ExpressFields& Form16::ExpressScreen() {
  auto* express = program_.Find<Form1>(QStringLiteral("Form1"));
  return express ? express->Fields() : static_cast<ExpressFields&>(noExpressScreen_);
}

void Form16::AssignTierVars() { express::AssignTierVars(fields_, program_.Case.Express); }

void Form16::CalculateAvTime() { express::CalculateAvTime(fields_, ExpressScreen(), program_.Case.Express, prompter_); }

void Form16::CalculateTierTotal() {
  express::CalculateTierTotal(fields_, ExpressScreen(), program_.Case.Express, prompter_);
}

bool Form16::eventFilter(QObject* watched, QEvent* event) {
  for (int row = 0; row < kRows - 1; ++row) {
    const std::pair<QLineEdit*, TimeBox> boxes[4] = {{ClaimDays[size_t(row)], TimeBox::ClaimDays},
                                                     {PayerDays[size_t(row)], TimeBox::PayerDays},
                                                     {PercentOfTimeValue[size_t(row)], TimeBox::PercentOfTimeValue},
                                                     {PayerPerCent[size_t(row)], TimeBox::PayerPerCent}};
    for (const auto& [box, kind] : boxes) {
      if (box != watched) continue;
      if (const std::optional<QString> before = keys_.Track(box, event))
        ConvertChildTime(fields_, ExpressScreen(), program_.Case.Express, prompter_, row, kind, *before);
    }
  }
  return Form::eventFilter(watched, event);
}

void Form16::SetFittedWidth() {
  snapping_ = true;
  platform::ui::SetWidth(this, kDesignWidth * program_.State.Screen.ScaleFactorX);
  snapping_ = false;
}

void Form16::showEvent(QShowEvent* event) {
  setWindowState(Qt::WindowNoState);
  SetFittedWidth();
  Form::showEvent(event);
}

void Form16::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  if (snapping_ || !isVisible() || windowState() != Qt::WindowNoState) return;
  const double fitted = kDesignWidth * program_.State.Screen.ScaleFactorX;
  if (std::abs(platform::ui::Width(this) - fitted) >= TwipsPerPixelX()) SetFittedWidth();
}

void Form16::closeEvent(QCloseEvent* event) {
  event->ignore();
  ParentingTimeClose(fields_, ExpressScreen(), program_.Case.Express, prompter_);
  hide();
  setWindowState(Qt::WindowMaximized);
}

void Form16::PrintParentingTime_Click() {
  platform::PrintRequest request;
  request.noSelection = true;
  const std::optional<platform::PrinterChoice> choice = program_.Dialogs.ShowPrintDialog(request);
  if (!choice) return;
  if (program_.PrinterSetupOf) program_.Printer.SetPrinterSetup(program_.PrinterSetupOf(*choice));
  PrintTime();
  if (SendToPrinter) SendToPrinter(program_.Printer.document(), *choice);
}

void Form16::PrintTime() {
  AssignTierVars();
  CalculateAvTime();
  CalculateTierTotal();
  ParentingTimeHeader header;
  header.caseName = ExpressScreen().Text(QStringLiteral("ClaimantName"));
  header.preparerName = prefs::PreparerName.read();
  header.preparerOffice = prefs::PreparerOffice.read();
  header.nameCheck = prefs::NameCheck.read();
  header.officeCheck = prefs::OfficeCheck.read();
  header.dateCheck = prefs::DateCheck.read();
  header.today = QDate::currentDate();
  express::PrintTime(program_.Printer, program_.Case.Express, header);
}

}  // namespace express

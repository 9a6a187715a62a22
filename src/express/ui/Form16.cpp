#include "express/ui/Form16.h"

#include <QCloseEvent>

#include <cmath>
#include <tuple>
#include <utility>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>

#include "express/ui/Form1.h"
#include "platform/Dialogs.h"
#include "platform/NumberText.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace express {

using casevars::Party;

namespace {

constexpr platform::OleColor kLockedBack = platform::Rgb(192, 255, 255);
constexpr const char* kShareMessage =
    "Please ReEnter Percent Of Time That Children Are In Claimant's Possession (As A Decimal)";

void SetBold(QWidget* w, bool bold) {
  QFont f = w->font();
  f.setBold(bold);
  w->setFont(f);
}

// The share check lets these pass untested: nothing typed yet.
bool Unfinished(const QString& text) {
  return text.isEmpty() || text == QLatin1String(".") || text == QString(QChar(27));
}

}  // namespace

Form16::Form16(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("Form16"), parent), program_(program) {
  setWindowTitle(QStringLiteral("Parenting Time - Based On Overnight Possession Of Children"));
  const double menuTwips = MenuBar()->sizeHint().height() * TwipsPerPixelY();
  platform::ui::Place(this, 0, 0, kDesignWidth, 6570 + menuTwips);

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
  connect(CopyTime, &QPushButton::clicked, this, [this] { CopyTime_Click(); });
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

  const TimeBox kinds[4] = {TimeBox::ClaimDays, TimeBox::PayerDays, TimeBox::PayerPerCent,
                            TimeBox::PercentOfTimeValue};
  for (TimeBox kind : kinds) {
    QLineEdit* b = Box(kind, row);
    // Conversions run on the user's edits only; a text the share check
    // replaced meanwhile is not converted.
    connect(b, &QLineEdit::textEdited, this, [this, b, kind, row](const QString& typed) {
      if (b->text() == typed) TimeBox_Edited(kind, row);
    });
  }
  connect(PercentOfTimeValue[size_t(row)], &QLineEdit::textChanged, this,
          [this, row] { PercentOfTimeValue_Change(row); });
}

QLineEdit* Form16::Box(TimeBox kind, int row) const {
  switch (kind) {
    case TimeBox::ClaimDays: return ClaimDays[size_t(row)];
    case TimeBox::PayerDays: return PayerDays[size_t(row)];
    case TimeBox::PayerPerCent: return PayerPerCent[size_t(row)];
    case TimeBox::PercentOfTimeValue: return PercentOfTimeValue[size_t(row)];
  }
  return nullptr;
}

void Form16::AssignTierVars() {
  auto& vars = program_.Case.Express;
  for (int i = 0; i < kRows; ++i) {
    vars[Party::Claim].ChildNights[size_t(i)] = static_cast<float>(platform::AmountFromText(ClaimDays[size_t(i)]->text()));
    vars[Party::Payer].ChildNights[size_t(i)] = static_cast<float>(platform::AmountFromText(PayerDays[size_t(i)]->text()));
  }
}

void Form16::CalculateAvTime() {
  auto& vars = program_.Case.Express;
  express::CalculateAvTime(vars);
  const float payerNights = vars[Party::Payer].ChildNights[6];
  const QString texts[4] = {NightsText(kNightsPerYear - payerNights), NightsText(payerNights),
                            ShareText(vars[Party::Payer].TimeShare[6]), ShareText(vars[Party::Claim].TimeShare[6])};
  ClaimDays[6]->setText(texts[0]);
  PayerDays[6]->setText(texts[1]);
  PayerPerCent[6]->setText(texts[2]);
  PercentOfTimeValue[6]->setText(texts[3]);
  if (auto* express = program_.Find<Form1>(QStringLiteral("Form1"))) {
    express->ClaimDays->setText(texts[0]);
    express->PayerDays->setText(texts[1]);
    express->PayerPerCent->setText(texts[2]);
    express->PercentOfTimeValue->setText(texts[3]);
  }
}

void Form16::RefreshAverage() {
  AssignTierVars();
  auto& vars = program_.Case.Express;
  if (AverageChildNights(vars)) ClaimDays[6]->setText(NightsText(vars[Party::Claim].ChildNights[6]));
  CalculateAvTime();
}

void Form16::CalculateTierTotal() {
  AssignTierVars();
  auto& vars = program_.Case.Express;
  // The tiers; with no counted child the average stays as the window shows it.
  const float shown = vars[Party::Claim].ChildNights[6];
  express::CalculateTierTotal(vars);
  if (CountedChildren(vars.NumMinorChildren) > 0) ClaimDays[6]->setText(NightsText(vars[Party::Claim].ChildNights[6]));
  else vars[Party::Claim].ChildNights[6] = shown;
  CalculateAvTime();
}

void Form16::WriteRow(int row, const TimeSplit& time, const QLineEdit* typed) {
  auto& claim = program_.Case.Express[Party::Claim];
  auto& payer = program_.Case.Express[Party::Payer];
  const size_t i = size_t(row);
  claim.ChildNights[i] = time.claimNights;
  payer.ChildNights[i] = time.payerNights;
  claim.TimeShare[i] = static_cast<float>(time.claimShare);
  payer.TimeShare[i] = static_cast<float>(time.payerShare);
  const std::pair<TimeBox, QString> writes[4] = {
      {TimeBox::ClaimDays, NightsText(claim.ChildNights[i])},
      {TimeBox::PayerDays, NightsText(payer.ChildNights[i])},
      {TimeBox::PayerPerCent, ShareText(payer.TimeShare[i])},
      {TimeBox::PercentOfTimeValue, ShareText(claim.TimeShare[i])},
  };
  for (const auto& [kind, text] : writes)
    if (Box(kind, row) != typed) Box(kind, row)->setText(text);
}

void Form16::TimeBox_Edited(TimeBox typed, int row) {
  WriteRow(row, ConvertTime(typed, platform::AmountFromText(Box(typed, row)->text())), Box(typed, row));
  RefreshAverage();
}

void Form16::PercentOfTimeValue_Change(int row) {
  if (row == kRows - 1) return;
  const QString text = PercentOfTimeValue[size_t(row)]->text();
  if (Unfinished(text)) return;
  const bool numeric = platform::IsNumeric(text);
  const double value = numeric ? platform::Val(text) : 0;
  if (numeric && value >= 0 && value <= 1) return;
  for (QLineEdit* b : {ClaimDays[size_t(row)], PayerDays[size_t(row)], PayerPerCent[size_t(row)],
                       PercentOfTimeValue[size_t(row)]})
    b->setText(QString());
  PercentOfTimeValue[size_t(row)]->setFocus();
  platform::ui::Beep();
  program_.Dialogs.ShowMessageBox(QString::fromLatin1(kShareMessage), platform::kBoxOk, QStringLiteral("Entry Error"));
  // The cleared child counts as 0 nights in the average.
  RefreshAverage();
}

void Form16::CopyTime_Click() {
  auto& vars = program_.Case.Express;
  if (vars.NumMinorChildren == 1) return;
  const int n = CountedChildren(vars.NumMinorChildren);
  const TimeSplit youngest = ConvertTime(TimeBox::ClaimDays, platform::AmountFromText(ClaimDays[0]->text()));
  for (int i = 1; i < n; ++i) WriteRow(i, youngest, nullptr);
  RefreshAverage();
  CalculateTierTotal();
}

void Form16::ShowChildFrames(int children) {
  if (children <= 0) return;
  for (int i = 0; i < kRows - 1; ++i) {
    ShareFrame[size_t(i)]->setTitle(ChildPositionLabel(children, i));
    ShareFrame[size_t(i)]->setVisible(ChildPositionShown(children, i));
  }
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
  AssignTierVars();
  CalculateAvTime();
  CalculateTierTotal();
  hide();
  setWindowState(Qt::WindowMaximized);
}

}  // namespace express

#include "tools/ui/FormDepends.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "case/CaseCodes.h"
#include "express/Prompter.h"
#include "platform/Colors.h"
#include "platform/NumberText.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "screenimage/ui/ScreenImage.h"
#include "shell/ui/Program.h"
#include "tools/ui/TaggedButton.h"
#include "tools/ui/LinesPicture.h"

namespace tools::ui {

using platform::ui::ButtonPlus;

FormDepends::FormDepends(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("FormDepends"), parent), program_(program) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Change In Dependency And/Or Overnights Calculator"));
  platform::ui::Place(this, 0, 0, 9600, 7800);
  SetDesignedByClientArea(true);
  QMenu* print = addMenu(QStringLiteral("Printer"), QStringLiteral("Print"));
  connect(addMenuItem(QStringLiteral("PrintRevised"), QStringLiteral("Print Image Of Calculation"), print),
          &QAction::triggered, this, &FormDepends::PrintRevised_Click);

  auto frame = [this](const char* name, double t, double h, const char* caption) {
    auto* f = add<QGroupBox>(QString::fromLatin1(name), nullptr, 120, t, 9360, h, QString::fromLatin1(caption));
    QFont bold = f->font();
    bold.setBold(true);
    f->setFont(bold);
    return f;
  };
  auto picture = [this](const char* name, QWidget* in, double l, double t, double w, double h) {
    auto* p = add<LinesPicture>(QString::fromLatin1(name), in, l, t, w, h);
    QFont plain = p->font();
    plain.setBold(false);
    plain.setPointSizeF(8.25);
    p->setFont(plain);
    return p;
  };
  auto label = [this](const char* name, QWidget* in, double l, double t, double w, const char* caption) {
    auto* c = add<QLabel>(QString::fromLatin1(name), in, l, t, w, 255, QString::fromLatin1(caption));
    QFont plain = c->font();
    plain.setBold(false);
    c->setFont(plain);
    return c;
  };
  auto box = [this](const char* name, QWidget* in, double l, double t) {
    return add<QLineEdit>(QString::fromLatin1(name), in, l, t, 900, 315);
  };
  auto button = [this](const char* name, QWidget* in, double l, double t, const char* caption) {
    return AddTaggedButton(*this, name, in, l, t, 2160, 420, caption);
  };

  Frame1 = frame("Frame1", 120, 2100, "Initial Overnights and Dependencies");
  Picture1 = picture("Picture1", Frame1, 120, 300, 4500, 1140);
  Picture5 = picture("Picture5", Frame1, 4740, 300, 4500, 1140);
  Calculate = button("Calculate", Frame1, 2400, 1560, "Calculate");
  Reset = button("Reset", Frame1, 4800, 1560, "Reset");

  Frame3 = frame("Frame3", 2340, 1620, "New Overnights and/or Dependencies");
  Label1 = label("Label1", Frame3, 120, 300, 9120,
                 "Note: Fed. Personal Exemption Deductions are suspended, but Fed. Child Tax Credit remains available");
  ClaimDepend17 = box("ClaimDepend17", Frame3, 120, 690);
  Label6 = label("Label6", Frame3, 1140, 720, 3480, "Claimant's Children Under Age 17");
  PayerDepend17 = box("PayerDepend17", Frame3, 4740, 690);
  Label3 = label("Label3", Frame3, 5760, 720, 3480, "Other Party's Children Under Age 17");
  ClaimNights = box("ClaimNights", Frame3, 120, 1110);
  Label4 = label("Label4", Frame3, 1140, 1140, 3480, "Claimant's Av. Overnights");
  PayerNights = box("PayerNights", Frame3, 4740, 1110);
  Label5 = label("Label5", Frame3, 5760, 1140, 3480, "Other Party's Av. Overnights");

  Frame2 = frame("Frame2", 4080, 3600, "Resulting Difference In Child Support And Net Incomes (after taxes)");
  Picture4 = picture("Picture4", Frame2, 120, 300, 9120, 780);
  Pictures[0] = picture("Pictures(0)", Frame2, 120, 1200, 4500, 1140);
  Pictures[1] = picture("Pictures(1)", Frame2, 4740, 1200, 4500, 1140);
  Picture2 = picture("Picture2", Frame2, 120, 2460, 9120, 1020);
  QFont small = Picture2->font();
  small.setPointSizeF(6);
  Picture2->setFont(small);

  connect(Calculate, &ButtonPlus::clicked, this, &FormDepends::Calculate_Click);
  connect(Reset, &ButtonPlus::clicked, this, &FormDepends::Reset_Click);
  connect(ClaimNights, &QLineEdit::textEdited, this, &FormDepends::ClaimNights_KeyUp);
  connect(PayerNights, &QLineEdit::textEdited, this, &FormDepends::PayerNights_KeyUp);
}

void FormDepends::Fill(const casevars::CaseVars& vars, bool claimantIsRespondent) {
  const bool shared = vars.Express.CustodyStatus == casevars::custody::Shared;
  const auto [claimRole, otherRole] = CourtRoles(claimantIsRespondent);
  auto initial = [shared](LinesPicture* p, const QString& heading, std::int16_t under17, float nights) {
    p->Cls();
    p->PrintLine(heading);
    p->PrintLine(QString());
    p->PrintLine(QStringLiteral("   Children Under Age 17 = ") + QString::number(under17));
    if (shared) {
      p->PrintLine(QString());
      p->PrintLine(QStringLiteral("   Av. Overnights = ") + platform::Format(nights, "##0.0"));
    }
  };
  initial(Picture1, QStringLiteral(" %1 (Claimant)").arg(claimRole), vars.Express.Claim.Under17Children,
          vars.Express.Claim.YrOvernights);
  initial(Picture5, QStringLiteral(" %1 (Other Party)").arg(otherRole), vars.Express.Payer.Under17Children,
          vars.Express.Payer.YrOvernights);
  PayerDepend17->setText(QString::number(vars.Express.Payer.Under17Children));
  ClaimDepend17->setText(QString::number(vars.Express.Claim.Under17Children));
  ClaimNights->setText(platform::Format(vars.Express.Claim.YrOvernights, "##0.0"));
  PayerNights->setText(platform::Format(vars.Express.Payer.YrOvernights, "##0.0"));
  for (QWidget* w : std::initializer_list<QWidget*>{Label4, Label5, ClaimNights, PayerNights}) w->setVisible(shared);
  Frame1->setTitle(shared ? QStringLiteral("Initial Overnights and Dependencies") : QStringLiteral("Initial Dependencies"));
  Frame3->setTitle(shared ? QStringLiteral("New Overnights and/or Dependencies") : QStringLiteral("New Dependencies"));
}

void FormDepends::Calculate_Click() {
  const DependsCheck check = CheckDependsEntry({ClaimDepend17->text(), PayerDepend17->text(), ClaimNights->text(),
                                                PayerNights->text()},
                                               program_.Case, Revised);
  if (check.step != 0) {
    QLineEdit* fields[] = {ClaimDepend17, PayerDepend17, ClaimNights, PayerNights};
    fields[static_cast<int>(check.focus)]->setFocus();
    express::Prompter prompter(program_.Dialogs, [] { platform::ui::Beep(); });
    ReportDependsError(check, prompter);
    return;
  }
  if (!services_.childSupportText) return;
  const DependsFlipReport report = CalculateDependsFlip(program_.Case, Revised, services_);
  for (LinesPicture* p : {Pictures[0], Pictures[1], Picture4, Picture2}) p->Cls();
  for (const QString& line : report.notes) Picture2->PrintLine(line);
  for (const QString& line : report.transfer) Picture4->PrintLine(line);
  const int margin = static_cast<int>(100 * program_.State.Screen.ScaleFactorX / TwipsPerPixelX());
  for (int k = 0; k < 2; ++k) {
    const PartyLines& party = k == 0 ? report.claimant : report.other;
    Pictures[k]->SetRightMargin(margin);
    Pictures[k]->PrintLine(party.heading);
    for (const AmountLine& line : party.lines) Pictures[k]->PrintLine(line);
  }
}

void FormDepends::Reset_Click() {
  for (LinesPicture* p : {Picture4, Picture2, Pictures[0], Pictures[1]}) p->Cls();
  const auto& e = program_.Case.Express;
  PayerDepend17->setText(QString::number(e.Payer.Under17Children));
  ClaimDepend17->setText(QString::number(e.Claim.Under17Children));
  ClaimNights->setText(platform::Format(e.Claim.YrOvernights, "##0.0"));
  PayerNights->setText(platform::Format(e.Payer.YrOvernights, "##0.0"));
}

void FormDepends::ClaimNights_KeyUp() {
  const NightsKeyUp k = OvernightsTyped(ClaimNights->text());
  Revised.ClaimNights = k.typed;
  Revised.PayerNights = k.other;
  PayerNights->setText(k.otherText);
}

void FormDepends::PayerNights_KeyUp() {
  const NightsKeyUp k = OvernightsTyped(PayerNights->text());
  Revised.PayerNights = k.typed;
  Revised.ClaimNights = k.other;
  ClaimNights->setText(k.otherText);
}

void FormDepends::SetScheme(platform::OleColor colour) {
  for (QWidget* w : std::initializer_list<QWidget*>{Frame1, Frame2, Frame3, Label1, Label3, Label4, Label5, Label6})
    platform::ui::SetBackColor(w, colour);
}

void FormDepends::MakeFormDependsGrey() { SetScheme(program_.State.SchemeBackColor); }
void FormDepends::MakeFormDependsWhite() { SetScheme(platform::kWhite); }

void FormDepends::HideFormDependsButtons() {
  Calculate->hide();
  Reset->hide();
}

void FormDepends::PrintRevised_Click() {
  screenimage::ui::TakeScreenImage(
      program_, *this, 22,
      [this] {
        HideFormDependsButtons();
        MakeFormDependsWhite();
      },
      {screenimage::ui::ImageWindowState::Unchanged});
}

FormDepends* OpenDependsCalculator(shell::Program& program, DependsServices services) {
  const bool loaded = program.IsFormLoaded(QStringLiteral("FormDepends"));
  auto* w = program.Load<FormDepends>(QStringLiteral("FormDepends"));
  if (!w) return nullptr;
  if (!loaded) program.FitFormToScreen(*w);
  platform::ui::SetTop(w, 200);
  const bool claimantIsRespondent = services.ClaimantIsRespondent();
  w->SetServices(std::move(services));
  w->Fill(program.Case, claimantIsRespondent);
  w->show();
  w->raise();
  return w;
}

}  // namespace tools::ui

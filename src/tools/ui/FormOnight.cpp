#include "tools/ui/FormOnight.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>

#include "express/Prompter.h"
#include "platform/Colors.h"
#include "platform/ui/Beep.h"
#include "platform/ui/ButtonPlus.h"
#include "screenimage/ui/ScreenImage.h"
#include "shell/ui/Program.h"
#include "tools/ui/TaggedButton.h"

namespace tools::ui {

using B = OvernightBox;
using platform::ui::ButtonPlus;

namespace {

void Uncheck(QRadioButton* option) {
  option->setAutoExclusive(false);
  option->setChecked(false);
  option->setAutoExclusive(true);
}

}  // namespace

FormOnight::FormOnight(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("FormOnight"), parent), program_(program) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Overnight Count Organizer/Estimator"));
  platform::ui::Place(this, 0, 0, 11400, 6960);
  SetDesignedByClientArea(true);
  QMenu* print = addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  connect(addMenuItem(QStringLiteral("PrintImage"), QStringLiteral("Print Screen Image"), print), &QAction::triggered,
          this, &FormOnight::PrintImage_Click);

  auto frame = [this](const char* name, double l, double t, double w, double h, const char* caption) {
    auto* f = add<QGroupBox>(QString::fromLatin1(name), nullptr, l, t, w, h, QString::fromLatin1(caption));
    schemeControls_.push_back(f);
    return f;
  };
  auto label = [this](const char* name, QWidget* in, double l, double t, double w, double h, const char* caption) {
    auto* c = add<QLabel>(QString::fromLatin1(name), in, l, t, w, h, QString::fromLatin1(caption));
    c->setWordWrap(true);
    schemeControls_.push_back(c);
    return c;
  };
  auto box = [this](B which, const char* name, QWidget* in, double l, double t, double w) {
    auto* b = add<QLineEdit>(QString::fromLatin1(name), in, l, t, w, 315);
    Boxes[static_cast<std::size_t>(which)] = b;
    return b;
  };
  auto option = [this](const char* name, QWidget* in, double l, double t, double w, const char* caption) {
    auto* o = add<QRadioButton>(QString::fromLatin1(name), in, l, t, w, 255, QString::fromLatin1(caption));
    schemeControls_.push_back(o);
    return o;
  };

  // Left column: school year, breaks, other overnights; right: Christmas, summer, total.
  QGroupBox* school = frame("Frame1", 120, 120, 5520, 1500, "School Year ");
  box(B::SchoolWeeks, "SchoolWeeks", school, 180, 330, 720);
  label("Label1", school, 1020, 330, 4320, 480, " Number of Weeks in School Year (Typically 37 Wks)");
  box(B::SchoolNights, "SchoolNights", school, 180, 930, 720);
  label("Label2", school, 1020, 930, 4320, 480, " Number of Overnights Per Two-Week School Period");

  // A Christmas or break frame: weeks box and label, the three rules, the
  // overnights box beside "Other".
  struct VacationNames {
    const char *frame, *caption, *weeks, *label, *weeksCaption, *con, *half, *other, *nights;
    B weeksBox, nightsBox;
  };
  auto vacation = [&](const VacationNames& n, double left, double top, QRadioButton*& con, QRadioButton*& half,
                      QRadioButton*& otherRule) {
    QGroupBox* f = frame(n.frame, left, top, 5520, 2280, n.caption);
    box(n.weeksBox, n.weeks, f, 180, 330, 720);
    label(n.label, f, 1020, 330, 4380, 480, n.weeksCaption);
    con = option(n.con, f, 180, 930, 4200, "Continuation of School Year Schedule");
    half = option(n.half, f, 180, 1290, 4200, "Vacation Period Is Split Into Halves");
    otherRule = option(n.other, f, 180, 1650, 3600, "Other (Enter Number of Overnights)");
    box(n.nightsBox, n.nights, f, 3900, 1620, 900);
  };
  vacation({"Frame2", "Christmas Vacation", "XMassWeeks", "Label3", "Number of Weeks of XMas Vacation (Typically 2 Wks)",
            "XMassCon", "XMassHalf", "XMassOther", "XMassNights", B::XMassWeeks, B::XMassNights},
           5760, 120, XMassCon, XMassHalf, XMassOther);
  vacation({"Frame3", "Mid-Winter and/or Spring Break", "BreakWeeks", "Label4",
            "Number of Weeks of School Breaks (Typically 2 Wks)", "BreakCon", "BreakHalf", "BreakOther", "BreakNights",
            B::BreakWeeks, B::BreakNights},
           120, 1740, BreakCon, BreakHalf, BreakOther);

  QGroupBox* summer = frame("Frame4", 5760, 2520, 5520, 3000, "Summer Vacation");
  box(B::SummerWeeks, "SummerWeeks", summer, 180, 330, 720);
  label("Label5", summer, 1020, 330, 4380, 480, "Number of Weeks of Summer Vacation (Typically 11 Wks)");
  SummerCon = option("SummerCon", summer, 180, 930, 4200, "Continuation of School Year Schedule");
  SummerConPlus = option("SummerConPlus", summer, 180, 1290, 4200, "Continuation of School Year Schedule But With ");
  box(B::SummerConWeeks, "SummerConWeeks", summer, 480, 1590, 600);
  label("Label6", summer, 1200, 1620, 4200, 255, "Uninterrupted Week(s) With Each Parent   ");
  SummerHalf = option("SummerHalf", summer, 180, 2010, 4200, "Vacation Period Is Split Into Halves");
  SummerOther = option("SummerOther", summer, 180, 2370, 3600, "Other (Enter Number of Overnights)");
  box(B::SummerNights, "SummerNights", summer, 3900, 2340, 900);

  QGroupBox* other = frame("Frame5", 120, 4140, 5520, 1380, "Other Overnights");
  box(B::OtherNights, "OtherNights", other, 180, 330, 720);
  label("Label7", other, 1020, 330, 4320, 480, "Number of Other Overnights Not Indicated Above");

  QGroupBox* total = frame("Frame6", 120, 5640, 5520, 1080, "Total Overnights ");
  TotalNights = add<QLineEdit>(QStringLiteral("TotalNights"), total, 180, 330, 900, 315);
  label("Label8", total, 1200, 330, 4140, 480, "Total Overnights Based on Above Schedule");

  QGroupBox* buttons = frame("Frame7", 5760, 5640, 5520, 1080, "");
  auto button = [this, buttons](const char* name, double l, const char* caption) {
    return AddTaggedButton(*this, name, buttons, l, 300, 2520, 540, caption);
  };
  Clear = button("Clear", 180, "Clear Data");
  OvernightCalc = button("OvernightCalc", 2820, "Calculate Total Overnights");

  // The tab order begins with the entry boxes.
  QWidget* previous = nullptr;
  for (B b : {B::SchoolWeeks, B::SchoolNights, B::XMassWeeks, B::XMassNights, B::BreakWeeks, B::BreakNights,
              B::SummerWeeks, B::SummerNights, B::OtherNights}) {
    if (previous) setTabOrder(previous, Box(b));
    previous = Box(b);
  }

  auto onChoose = [this](QRadioButton* o, std::function<void(OvernightEntries&)> rule) {
    connect(o, &QRadioButton::toggled, this, [this, rule](bool on) {
      if (on) Choose(rule);
    });
  };
  using V = VacationRule;
  using S = SummerRule;
  onChoose(XMassCon, [](OvernightEntries& e) { ChooseXMassRule(e, V::Continuation); });
  onChoose(XMassHalf, [](OvernightEntries& e) { ChooseXMassRule(e, V::Half); });
  onChoose(XMassOther, [](OvernightEntries& e) { ChooseXMassRule(e, V::Other); });
  onChoose(BreakCon, [](OvernightEntries& e) { ChooseBreakRule(e, V::Continuation); });
  onChoose(BreakHalf, [](OvernightEntries& e) { ChooseBreakRule(e, V::Half); });
  onChoose(BreakOther, [](OvernightEntries& e) { ChooseBreakRule(e, V::Other); });
  onChoose(SummerCon, [](OvernightEntries& e) { ChooseSummerRule(e, S::Continuation); });
  onChoose(SummerConPlus, [](OvernightEntries& e) { ChooseSummerRule(e, S::ContinuationPlus); });
  onChoose(SummerHalf, [](OvernightEntries& e) { ChooseSummerRule(e, S::Half); });
  onChoose(SummerOther, [](OvernightEntries& e) { ChooseSummerRule(e, S::Other); });
  connect(Clear, &ButtonPlus::clicked, this, &FormOnight::Clear_Click);
  connect(OvernightCalc, &ButtonPlus::clicked, this, &FormOnight::OvernightCalc_Click);

  Clear_Click();
}

OvernightEntries FormOnight::Entries() const {
  OvernightEntries e;
  for (int i = 0; i < kOvernightBoxCount; ++i) e.text[i] = Boxes[static_cast<std::size_t>(i)]->text();
  e.xmass = XMassCon->isChecked()    ? VacationRule::Continuation
            : XMassHalf->isChecked() ? VacationRule::Half
            : XMassOther->isChecked() ? VacationRule::Other
                                      : VacationRule::None;
  e.breaks = BreakCon->isChecked()    ? VacationRule::Continuation
             : BreakHalf->isChecked() ? VacationRule::Half
             : BreakOther->isChecked() ? VacationRule::Other
                                       : VacationRule::None;
  e.summer = SummerCon->isChecked()       ? SummerRule::Continuation
             : SummerConPlus->isChecked() ? SummerRule::ContinuationPlus
             : SummerHalf->isChecked()    ? SummerRule::Half
             : SummerOther->isChecked()   ? SummerRule::Other
                                          : SummerRule::None;
  return e;
}

void FormOnight::Show(const OvernightEntries& entries) {
  for (int i = 0; i < kOvernightBoxCount; ++i) {
    QLineEdit* b = Boxes[static_cast<std::size_t>(i)];
    if (b->text() != entries.text[i]) b->setText(entries.text[i]);
  }
}

void FormOnight::Choose(const std::function<void(OvernightEntries&)>& rule) {
  OvernightEntries e = Entries();
  rule(e);
  Show(e);
}

void FormOnight::OvernightCalc_Click() {
  OvernightEntries e = Entries();
  const OvernightResult result = CountOvernights(e);
  Show(e);
  if (result.message == 0) {
    TotalNights->setText(result.totalText);
    return;
  }
  if (result.focus) Box(*result.focus)->setFocus();
  express::Prompter prompter(program_.Dialogs, [] { platform::ui::Beep(); });
  ReportOvernightError(result, prompter);
}

void FormOnight::Clear_Click() {
  Show(InitialOvernightEntries());
  TotalNights->clear();
  for (QRadioButton* o : {XMassCon, XMassHalf, XMassOther, BreakCon, BreakHalf, BreakOther, SummerCon, SummerConPlus,
                          SummerHalf, SummerOther})
    Uncheck(o);
}

void FormOnight::SetSchemeColour(platform::OleColor colour) {
  for (QWidget* c : schemeControls_) platform::ui::SetBackColor(c, colour);
}

void FormOnight::MakeFormOnightGrey() {
  Clear->show();
  OvernightCalc->show();
  SetSchemeColour(program_.State.SchemeBackColor);
}

void FormOnight::MakeFormOnightWhite() {
  Clear->hide();
  OvernightCalc->hide();
  SetSchemeColour(platform::kWhite);
}

void FormOnight::PrintImage_Click() {
  screenimage::ui::TakeScreenImage(program_, *this, 17, [this] { MakeFormOnightWhite(); },
                               {screenimage::ui::ImageWindowState::Unchanged, true});
}

FormOnight* OpenOvernightEstimator(shell::Program& program) {
  const bool loaded = program.IsFormLoaded(QStringLiteral("FormOnight"));
  auto* estimator = program.Load<FormOnight>(QStringLiteral("FormOnight"));
  if (!estimator) return nullptr;
  if (!loaded) program.FitFormToScreen(*estimator);
  estimator->show();
  estimator->raise();
  return estimator;
}

}  // namespace tools::ui

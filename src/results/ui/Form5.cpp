#include "results/ui/Form5.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>

#include "platform/Colors.h"
#include "platform/NumberText.h"
#include "platform/ui/AmountLimitGuard.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ResultRows.h"
#include "results/ui/PictureBox.h"
#include "prefs/Preferences.h"

namespace results::ui {

using casevars::Party;
namespace pui = platform::ui;

namespace {

constexpr double kFrameFont = 9.75;
constexpr double kPictureFont = 8.25;
constexpr double kControlFont = 8.25;  // buttons, labels and boxes
const QString kCalculationCaption = QStringLiteral("Child Support Calculation");

}  // namespace

Form5::Form5(casevars::CaseVars& vars, platform::Dialogs& dialogs, Form5Link link, QWidget* parent)
    : Form(QStringLiteral("Form5"), parent), vars_(vars), dialogs_(dialogs), link_(std::move(link)) {
  setWindowTitle(QStringLiteral("Child Support"));
  Build();
}

Form5::~Form5() {
  // The pictures' canvases go before the child widgets do.
  for (PictureBox* p : {Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8})
    if (p) p->Attach(nullptr);
}

void Form5::Build() {
  SetDesignedByClientArea(true);  // 11970 x 8505 is the client area, the frame comes on top
  pui::SetWidth(this, 11970);
  pui::SetHeight(this, 8505);
  const auto frame = [&](const QString& name, double l, double t, double w, double h, const QString& caption) {
    QGroupBox* f = add<QGroupBox>(name, nullptr, l, t, w, h, caption);
    pui::SetFontSize(f, kFrameFont);
    return f;
  };
  const auto picture = [&](const QString& name, QWidget* in, double l, double t, double w, double h,
                           TextCanvas& canvas) {
    PictureBox* p = add<PictureBox>(name, in, l, t, w, h);
    pui::SetFontSize(p, kPictureFont);
    p->Attach(&canvas);
    return p;
  };
  const auto button = [&](const QString& name, QWidget* in, double l, double t, double w, double h,
                          const QString& caption) {
    auto* b = add<pui::ButtonPlus>(name, in, l, t, w, h, caption);
    pui::SetFontSize(b, kControlFont);
    pui::SetTag(b, QStringLiteral("1000"));
    return b;
  };

  // The two party columns, twins at the same places in their frames.
  struct PartyControls {
    QGroupBox*& frame;
    PictureBox*& picture;
    TextCanvas& canvas;
    pui::ButtonPlus*& credits;
    pui::ButtonPlus*& reset;
    pui::ButtonPlus*& change;
    QLineEdit*& box;
    const char *frameName, *frameCaption, *pictureName, *creditsName, *resetName, *changeName, *labelName, *boxName;
    double left;
  };
  PartyControls parties[] = {
      {Frame1, Picture5, pictures_.Picture5, ClaimCreditsButton, ResetClaimant, ChangeClaimant, NewClaimNet, "Frame1", "Claimant",
       "Picture5", "ClaimCreditsButton", "ResetClaimant", "ChangeClaimant", "Label1", "NewClaimNet", 165},
      {Frame2, Picture6, pictures_.Picture6, OtherCreditsButton, ResetOther, ChangeOther, NewOtherNet, "Frame2", "Other Parent",
       "Picture6", "OtherCreditsButton", "ResetOther", "ChangeOther", "Label2", "NewOtherNet", 4315},
  };
  for (PartyControls& p : parties) {
    p.frame = frame(p.frameName, p.left, 60, 4095, 4710, p.frameCaption);
    p.picture = picture(p.pictureName, p.frame, 210, 270, 3675, 3855, p.canvas);
    // On the frame's edge, ending above the picture so that it never covers the first line.
    p.credits = button(p.creditsName, p.frame, 2520, 0, 1575, 255, QStringLiteral("Show Tax Credits"));
    p.reset = button(p.resetName, p.frame, 180, 4170, 945, 465, QStringLiteral("Reset Income"));
    p.change = button(p.changeName, p.frame, 1215, 4170, 1065, 465, QStringLiteral("Adjust Income"));
    QLabel* label = add<QLabel>(p.labelName, p.frame, 2370, 4200, 880, 420, QStringLiteral("New Net Per Month"));
    label->setWordWrap(true);
    pui::SetFontSize(label, kControlFont);
    p.box = add<QLineEdit>(p.boxName, p.frame, 3250, 4215, 725, 345);
    pui::SetFontSize(p.box, kControlFont);
    pui::AmountLimitGuard::Attach(p.box, dialogs_);
  }

  QGroupBox* frame9 = frame(QStringLiteral("Frame9"), 8475, 60, 3375, 735, QStringLiteral("Case Name"));
  ClaimantName = add<QLineEdit>(QStringLiteral("ClaimantName"), frame9, 125, 260, 3135, 360);
  QGroupBox* frame6 = frame(QStringLiteral("Frame6"), 8475, 840, 3375, 2970, QStringLiteral("Case Data"));
  Picture7 = picture(QStringLiteral("Picture7"), frame6, 125, 240, 3135, 2640, pictures_.Picture7);
  QGroupBox* frame7 = frame(QStringLiteral("Frame7"), 8475, 3885, 3375, 1485, QStringLiteral("Basic Support Obligation"));
  Picture2 = picture(QStringLiteral("Picture2"), frame7, 120, 270, 3135, 1155, pictures_.Picture2);
  QGroupBox* frame3 = frame(QStringLiteral("Frame3"), 8490, 5430, 3345, 1005, QString());
  ReturnToDataCommand = button(QStringLiteral("ReturnToDataCommand"), frame3, 120, 30, 3135, 435,
                               QStringLiteral("Return To Data Entry Screen"));
  ButtonPlus1 = button(QStringLiteral("ButtonPlus1"), frame3, 120, 510, 3135, 435, QStringLiteral("Show/Hide Tier"));
  // Where the return button stands: shown only in the window's screen image.
  TradeMark = add<QGroupBox>(QStringLiteral("TradeMark"), frame3, 120, 30, 3135, 435);
  pui::SetBackColor(TradeMark, 0xFFFFFF);
  TradeMark->setAutoFillBackground(true);
  QLabel* product = add<QLabel>(QStringLiteral("lblProductName"), TradeMark, 90, 30, 1350, 375,
                                QStringLiteral("Kelvane 2026"));
  pui::SetFontSize(product, kControlFont);
  QFont italic = product->font();
  italic.setItalic(true);
  product->setFont(italic);
  QLabel* maker = add<QLabel>(QStringLiteral("lblCompany"), TradeMark, 1440, 30, 1650, 375,
                              QStringLiteral("Published By Tovrelle"));
  pui::SetFontSize(maker, kControlFont);
  TradeMark->hide();
  Frame5 = frame(QStringLiteral("Frame5"), 165, 4860, 8250, 1590, kCalculationCaption);
  Picture1 = picture(QStringLiteral("Picture1"), Frame5, 90, 270, 3945, 1230, pictures_.Picture1);
  Picture4 = picture(QStringLiteral("Picture4"), Frame5, 4200, 270, 3945, 1230, pictures_.Picture4);
  Picture8 = picture(QStringLiteral("Picture8"), Frame5, 60, 270, 8085, 1245, pictures_.Picture8);
  Picture8->hide();
  QGroupBox* frame10 = frame(QStringLiteral("Frame10"), 165, 6540, 11700, 1740, QStringLiteral("Child Support Transfer"));
  Picture3 = picture(QStringLiteral("Picture3"), frame10, 90, 240, 11550, 1425, pictures_.Picture3);

  connect(ChangeClaimant, &pui::ButtonPlus::clicked, this, &Form5::ChangeClaimant_Click);
  connect(ChangeOther, &pui::ButtonPlus::clicked, this, &Form5::ChangeOther_Click);
  connect(ResetClaimant, &pui::ButtonPlus::clicked, this, &Form5::ResetClaimant_Click);
  connect(ResetOther, &pui::ButtonPlus::clicked, this, &Form5::ResetOther_Click);
  connect(ButtonPlus1, &pui::ButtonPlus::clicked, this, &Form5::ButtonPlus1_Click);
  for (auto [button, party] : {std::pair{ClaimCreditsButton, Party::Claim}, {OtherCreditsButton, Party::Payer}})
    connect(button, &pui::ButtonPlus::clicked, this, [this, party] {
      if (link_.showTaxCredits) link_.showTaxCredits(party);
    });
  connect(ReturnToDataCommand, &pui::ButtonPlus::clicked, this, &Form5::ReturnToDataCommand_Click);

  // The window's own menu, after the five it shares with the alimony window.
  QMenu* flip = addMenu(QStringLiteral("FlipCalc"), QStringLiteral("     Dependency/Overnights Flip Calculator"));
  connect(addMenuItem(QStringLiteral("RunFlipCalc"), QStringLiteral("Run A Dependency/Overnight Flip Calculation"),
                      flip),
          &QAction::triggered, this, &Form5::FlipCalc_Click);
}

std::function<void(casevars::CaseVars&)> Form5::TextHook(std::function<double()> scaleFactorX) {
  return [this, scaleFactorX = std::move(scaleFactorX)](casevars::CaseVars& vars) {
    for (PictureBox* p : {Picture1, Picture2, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8})
      p->SyncCanvas();
    DrawChildSupportText(vars, pictures_, scaleFactorX ? scaleFactorX() : 1.0);
    pui::SetCaption(Frame1, pictures_.Frame1Caption);
    pui::SetCaption(Frame2, pictures_.Frame2Caption);
  };
}

QLineEdit* Form5::NetBox(Party party) const { return party == Party::Claim ? NewClaimNet : NewOtherNet; }

void Form5::FillRunInputs(childsupport::ChildSupportInputs& inputs) const {
  for (Party party : casevars::kParties) inputs[party].NewNet = platform::AmountFromText(NetBox(party)->text());
}

NetIncomeServices Form5::Services() {
  NetIncomeServices s{dialogs_};
  s.entryChecks = link_.entryChecks;
  s.netBoxText = [this](Party p) { return NetBox(p)->text(); };
  s.clearNetBox = [this](Party p) { NetBox(p)->clear(); };
  s.focusNetBox = [this](Party p) { NetBox(p)->setFocus(); };
  s.computeChildSupport = link_.computeChildSupport;
  return s;
}

void Form5::ChangeClaimant_Click() { AdjustIncome(Party::Claim, vars_.Results, Services()); }
void Form5::ChangeOther_Click() { AdjustIncome(Party::Payer, vars_.Results, Services()); }
void Form5::ResetClaimant_Click() { ResetIncome(Party::Claim, vars_.Results, Services()); }
void Form5::ResetOther_Click() { ResetIncome(Party::Payer, vars_.Results, Services()); }

void Form5::ButtonPlus1_Click() {
  if (Picture8->isVisible()) {
    Picture8->hide();
    pui::SetCaption(Frame5, kCalculationCaption);
    const bool tv = prefs::ScreenDefault.read() == QLatin1String("TV");
    pui::SetForeColor(Frame5, tv ? platform::kSchemeCaption : platform::kSysActiveCaption);
  } else {
    pui::SetForeColor(Frame5, 0xFF);  // red
    Picture8->show();
    Picture8->raise();
    pui::SetCaption(Frame5, "Tier - Without Net Expense Obligation Of " +
                                results::Dollars(vars_.Support.MoTierNetExpense[1]));
  }
}

void Form5::ReturnToDataCommand_Click() {
  NewClaimNet->clear();
  NewOtherNet->clear();
  close();
}

void Form5::FlipCalc_Click() {
  if (link_.openDependsCalculator) link_.openDependsCalculator();
}

void Form5::HideForm5Buttons() {
  for (QWidget* b : std::initializer_list<QWidget*>{ChangeClaimant, ChangeOther, ResetOther, ResetClaimant,
                                                    ReturnToDataCommand, ClaimCreditsButton, OtherCreditsButton})
    b->hide();
  TradeMark->show();
  TradeMark->raise();
}

void Form5::SetSchemeColour(platform::OleColor colour) {
  for (const char* name : {"Frame1", "Frame2", "Frame5", "Frame6", "Frame7", "Frame9", "Frame10", "Label1", "Label2"})
    if (QWidget* c = Control(QString::fromLatin1(name))) {
      pui::SetBackColor(c, colour);
      c->setAutoFillBackground(true);
    }
}

void Form5::MakeForm5White() { SetSchemeColour(0xFFFFFF); }

void Form5::MakeForm5Grey() {
  SetSchemeColour(link_.schemeBackColor ? link_.schemeBackColor() : platform::kSchemeFace);
}

void Form5::closeEvent(QCloseEvent* event) {
  LeaveResultWindow(vars_.Results);
  if (link_.showExpressScreen) link_.showExpressScreen();
  Form::closeEvent(event);
}

}  // namespace results::ui

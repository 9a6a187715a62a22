#include "alimony/ui/Form3.h"

#include <QCloseEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "alimony/AwardCommands.h"
#include "alimony/PresentValue.h"
#include "platform/NumberText.h"
#include "platform/ui/AmountLimitGuard.h"
#include "platform/ui/ButtonPlus.h"
#include "results/ui/PictureBox.h"

namespace alimony::ui {

using casevars::Party;
using results::ui::PictureBox;
namespace pui = platform::ui;

namespace {

constexpr double kFrameFont = 9.75;
constexpr double kPartyFrameFont = 9;
constexpr double kControlFont = 8.25;  // buttons, labels and boxes
const QString kEntryError = QStringLiteral("Entry Error");

const char* const kTaxNote =
    "NOTE: For separation agreements executed after December 31, 2018, alimony/maintenance payments are not tax "
    "deductible for the payer and thus are not taxable income for the payee.\r\n";

void Bold(QWidget* control) {
  QFont f = control->font();
  f.setBold(true);
  control->setFont(f);
}

}  // namespace

Form3::Form3(casevars::CaseVars& vars, platform::Dialogs& dialogs, Form3Link link, QWidget* parent)
    : Form(QStringLiteral("Form3"), parent), vars_(vars), dialogs_(dialogs), link_(std::move(link)) {
  setWindowTitle(QStringLiteral("Recommended Spousal Maintenance"));
  Build();
}

Form3::~Form3() {
  // The pictures' canvases go before the child widgets do.
  for (PictureBox* p : {Picture1, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8, Picture9, Picture10})
    if (p) p->Attach(nullptr);
}

void Form3::Build() {
  SetDesignedByClientArea(true);  // 11850 x 8475 is the client area, the frame comes on top
  pui::SetWidth(this, 11850);
  pui::SetHeight(this, 8475);
  const auto frame = [&](const char* name, double l, double t, double w, double h, const char* caption) {
    QGroupBox* f = add<QGroupBox>(QString::fromLatin1(name), nullptr, l, t, w, h, QString::fromLatin1(caption));
    pui::SetFontSize(f, kFrameFont);
    Bold(f);
    return f;
  };
  const auto picture = [&](const char* name, QWidget* in, double l, double t, double w, double h,
                           results::TextCanvas& canvas) {
    PictureBox* p = add<PictureBox>(QString::fromLatin1(name), in, l, t, w, h);
    pui::SetFontSize(p, canvas.FontSize());
    p->Attach(&canvas);
    return p;
  };
  const auto button = [&](const char* name, QWidget* in, double l, double t, double w, double h,
                          const char* caption) {
    auto* b = add<pui::ButtonPlus>(QString::fromLatin1(name), in, l, t, w, h, QString::fromLatin1(caption));
    pui::SetFontSize(b, kControlFont);
    pui::SetTag(b, QStringLiteral("1000"));
    return b;
  };
  const auto label = [&](const char* name, QWidget* in, double l, double t, double w, double h,
                         const char* caption) {
    QLabel* c = add<QLabel>(QString::fromLatin1(name), in, l, t, w, h, QString::fromLatin1(caption));
    pui::SetFontSize(c, kControlFont);
    return c;
  };
  const auto box = [&](const char* name, QWidget* in, double l, double t, double w, double h) {
    QLineEdit* c = add<QLineEdit>(QString::fromLatin1(name), in, l, t, w, h);
    pui::SetFontSize(c, kControlFont);
    return c;
  };

  QGroupBox* frame5 = frame("Frame5", 150, 60, 8295, 1215, "Case Score Summary");
  QLabel* scoreLabel = label("Label", frame5, 240, 240, 4080, 300, "The Case Score on a Scale of 0 to 100 is:");
  pui::SetFontSize(scoreLabel, kFrameFont);
  Bold(scoreLabel);
  QWidget* picture2 = add<QWidget>(QStringLiteral("Picture2"), frame5, 4380, 210, 1095, 300);
  pui::SetBackColor(picture2, 0xFFFFFF);
  picture2->setAutoFillBackground(true);
  CaseScore = box("CaseScore", picture2, 0, 0, 1095, 300);
  CaseScore->setFocusPolicy(Qt::ClickFocus);  // the window opens with the focus on its commands
  pui::SetFontSize(CaseScore, kFrameFont);
  Bold(CaseScore);
  Picture1 = picture("Picture1", frame5, 240, 630, 7815, 495, pictures_.Picture1);

  QGroupBox* frame4 = frame("Frame4", 150, 1335, 8295, 885, "Alimony Term Recommendations");
  Picture4 = picture("Picture4", frame4, 240, 270, 7815, 525, pictures_.Picture4);

  QGroupBox* frame3 = frame("Frame3", 150, 2280, 8295, 1365, "Suggested Alimony Award");
  Picture3 = picture("Picture3", frame3, 240, 270, 7815, 585, pictures_.Picture3);
  UseSuggested = button("UseSuggested", frame3, 225, 915, 2415, 375, "Use Suggested Award");
  ChangeAward = button("ChangeAward", frame3, 2790, 915, 2775, 375, "Change Alimony Award");
  label("Label2", frame3, 5760, 900, 1395, 405, "New Alimony Award Per Year")->setWordWrap(true);
  NewAward = box("NewAward", frame3, 7200, 960, 855, 305);

  // The parties' frames take their role captions ("Claimant (noncustodial)")
  // a size smaller, so that the longest ends before its "Show Tax Credits".
  Frame1 = frame("Frame1", 150, 3705, 4110, 2835, "Claimant");
  pui::SetFontSize(Frame1, kPartyFrameFont);
  Picture5 = picture("Picture5", Frame1, 180, 270, 3735, 2475, pictures_.Picture5);
  // The credits buttons stand on the frames' edge and end above the pictures.
  // On the frame's top edge, at its right end, clear of the longest role caption.
  ClaimCreditsButton = button("ClaimCreditsButton", Frame1, 2520, 0, 1575, 255, "Show Tax Credits");
  Frame2 = frame("Frame2", 4320, 3705, 4125, 2835, "Other Party");
  pui::SetFontSize(Frame2, kPartyFrameFont);
  Picture6 = picture("Picture6", Frame2, 180, 270, 3735, 2475, pictures_.Picture6);
  OtherCreditsButton = button("OtherCreditsButton", Frame2, 2520, 0, 1575, 255, "Show Tax Credits");

  QGroupBox* frame8 = frame("Frame8", 150, 6600, 11565, 1060, "Additional Comments");
  // As wide as the longest note, "... Award Has Been Modified.", needs at every screen size.
  Picture9 = picture("Picture9", frame8, 120, 240, 8340, 285, pictures_.Picture9);
  Text1 = add<QTextEdit>(QStringLiteral("Text1"), frame8, 120, 510, 8340, 435);
  pui::SetFontSize(Text1, kControlFont);
  Text1->setPlainText(QString::fromLatin1(kTaxNote));
  Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Picture10 = picture("Picture10", frame8, 8520, 240, 2895, 675, pictures_.Picture10);
  // Over Picture10: shown only in the window's screen image.
  TradeMark = add<QGroupBox>(QStringLiteral("TradeMark"), frame8, 8520, 240, 2895, 675);
  pui::SetBackColor(TradeMark, 0xFFFFFF);
  TradeMark->setAutoFillBackground(true);
  QLabel* product = label("lblProductName", TradeMark, 90, 45, 2715, 285, "Kelvane 2026");
  QFont italic = product->font();
  italic.setItalic(true);
  product->setFont(italic);
  label("lblCompany", TradeMark, 90, 345, 2715, 285, "Published By Tovrelle");
  TradeMark->hide();

  QGroupBox* frame9 = frame("Frame9", 8505, 60, 3195, 570, "Case Name");
  ClaimantName = box("ClaimantName", frame9, 120, 225, 2955, 285);

  QGroupBox* frame7 = frame("Frame7", 8505, 690, 3195, 3675, "Case Data");
  Picture7 = picture("Picture7", frame7, 120, 240, 2955, 3405, pictures_.Picture7);
  ReturnToDataCommand = button("ReturnToDataCommand", frame7, 150, 3285, 2895, 375, "Return To Data Entry Screen");

  QGroupBox* frame6 = frame("Frame6", 8505, 4425, 3195, 2115, "Present Value Of Award");
  Picture8 = picture("Picture8", frame6, 300, 270, 1815, 345, pictures_.Picture8);
  PVHelp = button("PVHelp", frame6, 2325, 270, 480, 345, "?");
  // The entries' labels end just before their boxes, a little smaller than
  // the window's other labels so that the longest fits.
  const auto entry = [&](const char* labelName, const char* caption, const char* boxName, double boxLeft,
                         double top) {
    pui::SetFontSize(label(labelName, frame6, 30, top + 15, boxLeft - 45, 255, caption), 7.5);
    return box(boxName, frame6, boxLeft, top, 615, 285);
  };
  PresentValueDuration = entry("PresentVal", "Duration In Years", "PresentValueDuration", 1830, 690);
  PresentValueTax = entry("Label3", "Tax Rate (as a decimal)", "PresentValueTax", 2160, 1020);
  PresentValueDiscount = entry("Label4", "Discount Rate (as a decimal)", "PresentValueDiscount", 2370, 1350);
  PresentValueButton = button("PresentValueButton", frame6, 105, 1680, 2895, 375, "Calculate Present Value");
  pui::AmountLimitGuard::Attach(NewAward, dialogs_);
  // The present-value entries keep their own bounds, with their own messages.
  const std::pair<QLineEdit*, PresentValueBox> entries[] = {{PresentValueDuration, PresentValueBox::Duration},
                                                            {PresentValueTax, PresentValueBox::TaxRate},
                                                            {PresentValueDiscount, PresentValueBox::Discount}};
  for (const auto& [entryBox, kind] : entries)
    pui::AmountLimitGuard::AttachBounds(
        entryBox, [kind](const QString& text) { return RefusedAsTyped(kind, text); }, dialogs_);

  connect(ChangeAward, &pui::ButtonPlus::clicked, this, &Form3::ChangeAward_Click);
  connect(UseSuggested, &pui::ButtonPlus::clicked, this, &Form3::UseSuggested_Click);
  connect(PresentValueButton, &pui::ButtonPlus::clicked, this, &Form3::PresentValueButton_Click);
  connect(PVHelp, &pui::ButtonPlus::clicked, this, &Form3::PVHelp_Click);
  connect(ReturnToDataCommand, &pui::ButtonPlus::clicked, this, &Form3::ReturnToDataCommand_Click);
  for (auto [button, party] : {std::pair{ClaimCreditsButton, Party::Claim}, {OtherCreditsButton, Party::Payer}})
    connect(button, &pui::ButtonPlus::clicked, this, [this, party] {
      if (link_.showTaxCredits) link_.showTaxCredits(party);
    });
}

void Form3::SyncPictures() {
  for (PictureBox* p : {Picture1, Picture3, Picture4, Picture5, Picture6, Picture7, Picture8, Picture9, Picture10})
    p->SyncCanvas();
}

void Form3::ShowCaseScore(const CaseScoreResult& score) {
  SyncPictures();
  CaseScore->setText(score.CaseScore);
  DrawCaseScore(pictures_, score);
}

void Form3::ShowOutcome(const AlimonyOutcome& outcome, double scaleFactorX) {
  SyncPictures();
  DrawAlimonyOutcome(pictures_, outcome, scaleFactorX);
  pui::SetCaption(Frame1, pictures_.Frame1Caption);
  pui::SetCaption(Frame2, pictures_.Frame2Caption);
}

void Form3::EntryError(const QString& message) { dialogs_.ShowMessageBox(message, platform::kBoxOk, kEntryError); }

void Form3::ChangeAward_Click() {
  const NewAwardReading reading = ReadNewAward(NewAward->text());
  if (!reading.Award) {
    if (reading.FocusToBox) NewAward->setFocus();
    EntryError(reading.Message);
    return;
  }
  // An award the calculation refuses (above the cap) leaves the award in
  // force and its results as they were.
  QString& flag = vars_.Express.AwardChangedFlag;
  const QString flagBefore = flag;
  const double awardBefore = awardInForce_;
  flag = QStringLiteral("Y");
  awardInForce_ = *reading.Award;
  if (!link_.computeAlimony || !link_.computeAlimony(true)) {
    flag = flagBefore;
    awardInForce_ = awardBefore;
  }
}

void Form3::UseSuggested_Click() {
  vars_.Express.AwardChangedFlag = QStringLiteral("N");
  awardInForce_ = 0;
  NewAward->clear();
  vars_.Express.MoAlimonyTransfer = 0;
  if (link_.computeChildSupport && !link_.computeChildSupport()) return;
  if (link_.computeAlimony) link_.computeAlimony(true);
}

void Form3::PresentValueButton_Click() {
  const PresentValueOutcome outcome = ComputePresentValue(
      vars_, {PresentValueDuration->text(), PresentValueTax->text(), PresentValueDiscount->text()});
  if (outcome.Error) {
    QLineEdit* boxes[] = {PresentValueDuration, PresentValueTax, PresentValueDiscount};
    boxes[int(outcome.Error->Box)]->setFocus();
    EntryError(outcome.Error->Message);
    return;
  }
  Picture8->SyncCanvas();
  PrintPictureText(pictures_.Picture8, outcome.Picture8);
}

void Form3::PVHelp_Click() {
  if (link_.showPresentValueHelp) link_.showPresentValueHelp();
}

void Form3::ReturnToDataCommand_Click() {
  if (link_.setCurrentMaintTransfer)
    link_.setCurrentMaintTransfer(vars_.Express.SequencingMode == 1
                                      ? platform::Format(vars_.Alimony.YrAlimonyAward / 12.0, "$###,##0")
                                      : QString());
  close();
}

void Form3::HideForm3Buttons() {
  for (QWidget* b : std::initializer_list<QWidget*>{ChangeAward, PresentValueButton, ReturnToDataCommand, UseSuggested,
                                                    PVHelp, ClaimCreditsButton, OtherCreditsButton})
    b->hide();
  TradeMark->show();
  TradeMark->raise();
}

void Form3::SetSchemeColour(platform::OleColor colour) {
  for (const char* name : {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "Frame7", "Frame8", "Frame9",
                           "Label", "Label2", "Label3", "Label4", "PresentVal"})
    if (QWidget* c = Control(QString::fromLatin1(name))) {
      pui::SetBackColor(c, colour);
      c->setAutoFillBackground(true);
    }
}

void Form3::MakeForm3White() { SetSchemeColour(0xFFFFFF); }

void Form3::MakeForm3Grey() {
  SetSchemeColour(link_.schemeBackColor ? link_.schemeBackColor() : platform::kSchemeFace);
}

void Form3::closeEvent(QCloseEvent* event) {
  if (link_.showExpressScreen) link_.showExpressScreen();
  Form::closeEvent(event);
}

}  // namespace alimony::ui

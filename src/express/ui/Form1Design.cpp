// The Express screen's fields as designed: frames, their controls and the
// commands, in twips on the 800 x 600 design grid.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

#include <utility>

#include "express/ui/Form1.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/Version.h"

namespace express {

namespace {

// Boxes that code fills and the user cannot type in.
constexpr platform::OleColor kLockedBack = platform::Rgb(192, 255, 255);
constexpr double kRow = 300;  // a text box's height

}  // namespace

// Small builders shared by the design steps.
struct Form1Builder {
  Form1& w;

  QGroupBox* frame(const char* name, QWidget* in, double left, double top, double width, double height,
                   const char* caption) {
    return w.add<QGroupBox>(QString::fromLatin1(name), in, left, top, width, height, QString::fromLatin1(caption));
  }
  QLabel* label(const char* name, QWidget* in, double left, double top, double width, const char* text,
                double height = 255) {
    auto* l = w.add<QLabel>(QString::fromLatin1(name), in, left, top, width, height, QString::fromLatin1(text));
    l->setWordWrap(height > 255);
    return l;
  }
  QLineEdit* box(const char* name, QWidget* in, double left, double top, double width, int maxLength = 0) {
    auto* b = w.add<QLineEdit>(QString::fromLatin1(name), in, left, top, width, kRow);
    if (maxLength > 0) b->setMaxLength(maxLength);
    return b;
  }
  // A count of children: digits only, typed or pasted.
  QLineEdit* count(const char* name, QWidget* in, double left, double top, double width, int maxLength) {
    QLineEdit* b = box(name, in, left, top, width, maxLength);
    b->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), b));
    return b;
  }
  QLineEdit* locked(const char* name, QWidget* in, double left, double top, double width) {
    QLineEdit* b = box(name, in, left, top, width);
    b->setReadOnly(true);
    platform::ui::SetBackColor(b, kLockedBack);
    return b;
  }
  QRadioButton* option(const char* name, QWidget* in, double left, double top, double width, const char* text) {
    return w.add<QRadioButton>(QString::fromLatin1(name), in, left, top, width, 285, QString::fromLatin1(text));
  }
  platform::ui::ButtonPlus* button(const char* name, QWidget* in, double left, double top, double width,
                                   double height, const char* text) {
    auto* b = w.add<platform::ui::ButtonPlus>(QString::fromLatin1(name), in, left, top, width, height,
                                               QString::fromLatin1(text));
    platform::ui::SetTag(b, QStringLiteral("1000"));
    return b;
  }
};

void Form1::BuildFields() {
  Form1Builder b{*this};

  // Children and the claimant's personal status.
  QGroupBox* ages = b.frame("AgesFrame", nullptr, 120, 60, 4590, 900, "Children");
  b.label("NumChildLabel", ages, 120, 270, 3540, "Number of Children Born during Marriage");
  NumChild = b.count("NumChild", ages, 3780, 240, 690, 2);
  MinChildLabel = b.label("MinChildLabel", ages, 120, 600, 3540, "Number of Minor Children Remaining");
  MinChild = b.count("MinChild", ages, 3780, 570, 690, 2);

  QGroupBox* personal = b.frame("Frame4", nullptr, 120, 1020, 4590, 1620, "Claimant's Personal Status");
  b.label("ParentLabel", personal, 120, 270, 1980, "On Worksheet Claimant is:");
  FParentOption = b.option("FParentOption", personal, 2130, 255, 1140, "Petitioner");
  MParentOption = b.option("MParentOption", personal, 3270, 255, 1260, "Respondent");
  FParentOption->setChecked(true);
  b.label("Label11", personal, 120, 600, 1020, "Case Name");
  ClaimantName = b.box("ClaimantName", personal, 1200, 570, 3270);
  b.label("Label2", personal, 120, 930, 1500, "Years of Marriage");
  YrsMarriage = b.box("YrsMarriage", personal, 1680, 900, 690, 5);
  b.label("Label3", personal, 2520, 930, 1200, "Age of Claimant");
  ClaimAge = b.box("ClaimAge", personal, 3780, 900, 690, 5);
  b.label("Label5", personal, 120, 1260, 3600, "Claimant's Weighted Education And Skills Score");
  EdSkillScore = b.box("EdSkillScore", personal, 3780, 1230, 690, 5);

  BuildCustodyFrame();
  BuildIncomeFrames();
  BuildCostFrames();

  // Caregiver characterization.
  CharacterizationFrame = b.frame("CharacterizationFrame", nullptr, 120, 6360, 7050, 1140, "Caregiver Characterization");
  const char* caregiver[3] = {
      "The Claimant was the Primary Day To Day Caregiver of the Child(ren).",
      "Claimant Provided At Least Half the Daily Care of the Child(ren) for an Appreciable Time.",
      "The Other Parent was the Primary Day To Day Caregiver of the Child(ren)."};
  for (int i = 0; i < 3; ++i)
    CharOption[size_t(i)] = b.option(qPrintable(QStringLiteral("CharOption%1").arg(i + 1)), CharacterizationFrame, 120,
                                     240 + 285 * i, 6870, caregiver[i]);

  // Alimony's tax treatment and the two monthly transfers.
  QGroupBox* alimony = b.frame("Frame7", nullptr, 7230, 6420, 4650, 420, "");
  OptionTaxedToPayer = b.option("OptionTaxedToPayer", alimony, 60, 75, 2250, "Alimony Taxable to Payer");
  OptionTaxedToPayee = b.option("OptionTaxedToPayee", alimony, 2340, 75, 2250, "Alimony Taxable to Payee");
  OptionTaxedToPayer->setChecked(true);  // alimony taxed to the payer, as designed
  b.label("MaintLabel", nullptr, 7230, 6960, 3390, "Alimony Transfer/Mo: Other Party to Claimant");
  CurrentMaintTransfer = b.box("CurrentMaintTransfer", nullptr, 10680, 6930, 1200);
  b.label("CSLabel2", nullptr, 7230, 6960, 3390, "Child Support Transfer/Mo:");
  ChildSupport = b.box("ChildSupport", nullptr, 10680, 6930, 1200);
  for (QLineEdit* transfer : {CurrentMaintTransfer, ChildSupport})
    platform::ui::SetBackColor(transfer, kLockedBack);
  b.label("CSLabel", nullptr, 7230, 7260, 4650,
          "(Will be negative if claimant pays, rather than receives child support)", 390);
  ApplyMaintToCS = add<QCheckBox>(QStringLiteral("ApplyMaintToCS"), nullptr, 6840, 7260, 5040, 255,
                                  QStringLiteral("Alimony Applied As An Income Deduction To Child Support Calc"));
  ApplyMaintToCS->setChecked(true);
  // As designed: alimony first, so the child support entry and the box stay hidden.
  for (QWidget* c : {static_cast<QWidget*>(ChildSupport), Control(QStringLiteral("CSLabel2")),
                     Control(QStringLiteral("CSLabel")), static_cast<QWidget*>(ApplyMaintToCS)})
    c->setVisible(false);

  // Commands, in two rows along the foot of the window, which end within the
  // client area a window manager's frame and title bar leave on a 600-pixel
  // screen.
  constexpr double kCommandHeight = 390;
  auto cell = [](int n) { return std::pair{120 + 2940.0 * (n % 4), 7545 + 405.0 * (n / 4)}; };
  auto command = [&](const char* name, int n, const char* text) {
    return b.button(name, nullptr, cell(n).first, cell(n).second, 2880, kCommandHeight, text);
  };
  ChildSupportButton = command("ChildSupportButton", 0, "Run Child Support Calculation");
  AlimonyButton = command("AlimonyButton", 1, "Alimony Recommendation");
  RunWaWs = command("RunWaWs", 2, "Run A Child Support Worksheet");
  EdSkillsCommand = command("EdSkillsCommand", 3, "View Ed/Skills Score Table");
  RunAffadavit = command("RunAffadavit", 4, "Run A Financial Affidavit (long form)");
  ButtonPlus1 = command("ButtonPlus1", 5, "Run A Financial Affidavit (short form)");
  ClearData = command("ClearData", 6, "Clear Data");
  for (platform::ui::ButtonPlus* run : {ChildSupportButton, RunWaWs})
    platform::ui::SetBackColor(run, 12632319);
  QGroupBox* mark = b.frame("TradeMark", nullptr, cell(7).first, cell(7).second, 2880, kCommandHeight, "");
  mark->setVisible(false);  // shown only on the screen's printed image
  b.label("lblProductName", mark, 60, 0, 1500, "Kelvane 2026", kCommandHeight)->setWordWrap(false);
  b.label("lblVersion", mark, 1560, 0, 1260,
          qPrintable(QStringLiteral("Version ") + QLatin1String(shell::kProgramVersion)), kCommandHeight)
      ->setWordWrap(false);
}

void Form1::BuildCustodyFrame() {
  Form1Builder b{*this};
  Frame1 = b.frame("Frame1", nullptr, 4830, 60, 7050, 2580, "Family Custodial Status");
  const char* names[5] = {"NoMinorOption", "CustodialOption", "NonCustodialOption", "SharedOption", "SplitOption"};
  const char* captions[5] = {"No Minor Children", "Custodial Parent is the Claimant", "Non-Custodial Parent is Claimant",
                             "Children are in Shared Possession", "Children are in Split Possession"};
  QRadioButton** options[5] = {&NoMinorOption, &CustodialOption, &NonCustodialOption, &SharedOption, &SplitOption};
  for (int i = 0; i < 5; ++i) *options[i] = b.option(names[i], Frame1, 120, 270 + 360 * i, 2820, captions[i]);
  CustodialOption->setChecked(true);
  SharedCalc = b.button("SharedCalc", Frame1, 120, 2085, 2820, 390, "Enter Shared Parenting Time");
  SharedCalc->setVisible(false);

  // The split frame and the time-sharing frame share one place.
  Frame10 = b.frame("Frame10", Frame1, 3030, 150, 3900, 2145, "Split Possession");
  for (int i = 0; i < 6; ++i) {
    const QString n = QString::number(i);
    QWidget* row = add<QWidget>(QStringLiteral("ChildFrame(%1)").arg(n), Frame10, 60, 240 + 264 * i, 3800, 235);
    ChildFrame[size_t(i)] = row;
    ChildLabel[size_t(i)] =
        add<QLabel>(QStringLiteral("ChildLabel(%1)").arg(n), row, 30, 0, 1395, 235, QStringLiteral("Youngest Child:"));
    ClaimChild[size_t(i)] =
        add<QRadioButton>(QStringLiteral("ClaimChild(%1)").arg(n), row, 1590, 0, 1110, 235, QStringLiteral("Claimant"));
    OtherChild[size_t(i)] =
        add<QRadioButton>(QStringLiteral("OtherChild(%1)").arg(n), row, 2760, 0, 1000, 235, QStringLiteral("Other"));
  }
  ClaimantPossession11 = b.locked("ClaimantPossession11", Frame10, 1650, 1800, 495);
  OtherPossession11 = b.locked("OtherPossession11", Frame10, 2850, 1800, 495);
  for (QLineEdit* count : {ClaimantPossession11, OtherPossession11}) {
    count->setMaxLength(2);
    count->setVisible(false);
  }

  ShareSplitFrame = b.frame("ShareSplitFrame", Frame1, 3030, 165, 3900, 2115, "Shared/Split Possession");
  ShareSplitFrame->setEnabled(false);
  b.label("PercentOfTime", ShareSplitFrame, 120, 645, 1860, "Time Children Are In Claimant's Possession", 420);
  b.label("Label17", ShareSplitFrame, 120, 1125, 1860, "Time Children Are In Other's Possession", 420);
  b.label("Label18", ShareSplitFrame, 1920, 285, 840, "As Nights Per Year", 420);
  b.label("Label19", ShareSplitFrame, 2760, 285, 1080, "% of Time As a Decimal", 420);
  ClaimDays = b.locked("ClaimDays", ShareSplitFrame, 2010, 735, 645);
  PayerDays = b.locked("PayerDays", ShareSplitFrame, 2010, 1230, 645);
  PercentOfTimeValue = b.locked("PercentOfTimeValue", ShareSplitFrame, 2940, 735, 555);
  PayerPerCent = b.locked("PayerPerCent", ShareSplitFrame, 2940, 1230, 555);
  for (const char* name : {"ClaimDays", "PayerDays", "PercentOfTimeValue", "PayerPerCent", "PercentOfTime", "Label17",
                           "Label18", "Label19"})
    Control(QString::fromLatin1(name))->setVisible(false);
}

void Form1::BuildCostFrames() {
  Form1Builder b{*this};
  // Label and box rows: a one-line label, a two-line label, and so on.
  auto rows = [&](QGroupBox* frame, const char* const (&names)[4][2], const char* const (&texts)[4],
                  QLineEdit** const (&boxes)[4], bool allTwoLines, bool counts) {
    double top = 240;
    for (int i = 0; i < 4; ++i) {
      const bool twoLines = allTwoLines || i % 2 == 1;
      const double height = twoLines ? 390 : 255;
      b.label(names[i][0], frame, 120, top, 2520, texts[i], height);
      // The day care counts (odd rows of the day care frame) are counts.
      const double boxTop = top + (height - kRow) / 2;
      *boxes[i] = counts && i % 2 == 1 ? b.count(names[i][1], frame, 2700, boxTop, 960, 5)
                                       : b.box(names[i][1], frame, 2700, boxTop, 960);
      top += twoLines ? 405 : 315;
    }
  };
  QGroupBox* care = b.frame("Frame9", nullptr, 8160, 2700, 3720, 1710, "Child Day Care And Special Expenses");
  rows(care,
       {{"ClaimDayCareLabel", "ClaimDayCare"},
        {"ClaimNumCareLabel", "ClaimNumCare"},
        {"OtherDayCareLabel", "OtherDayCare"},
        {"PayerNumCareLabel", "OtherNumCare"}},
       {"Claimant's Monthly Day Care", "No. of Children Qualified For Day Care Tax Credit",
        "Other Party's Monthly Day Care", "No. of Children Qualified For Day Care Tax Credit"},
       {&ClaimDayCare, &ClaimNumCare, &OtherDayCare, &OtherNumCare}, false, true);
  QGroupBox* health = b.frame("Frame8", nullptr, 8160, 4455, 3720, 1890, "Child Health Care Expenses");
  rows(health,
       {{"ClaimHealthCareLabel", "ClaimHealthCare"},
        {"OtherHealthCareLabel", "OtherHealthCare"},
        {"ClaimSpecialLabel", "ClaimSpecial"},
        {"OtherSpecialLabel", "OtherSpecial"}},
       {"Claimant's Monthly Health Insurance Paid for Children",
        "Other Party's Monthly Health Insurance Paid for Children", "Claimant's Monthly Non-covered Health Expenses",
        "Other Party's Monthly Non-covered Health Expenses"},
       {&ClaimHealthCare, &OtherHealthCare, &ClaimSpecial, &OtherSpecial}, true, false);
}

void Form1::BuildIncomeFrames() {
  Form1Builder b{*this};
  struct PartyFrame {
    const char* frame;
    double left;
    const char* caption;
    const char* grossLabel;
    const char* grossText;
    const char* gross;
    const char* dependLabel;
    const char* depend;
    const char* options;
    const char* prefix;
    const char* taxLabel;
    const char* taxText;
    const char* tax;
    const char* combo;
    const char* comboLabel;
    const char* dependents;
    const char* noteLabel;
    const char* button;
    const char* buttonText;
  };
  const PartyFrame parties[2] = {
      {"Frame3", 120, "Claimant's Income And Tax Status", "Label7", "Claimant's Total Gross Income/Mo.",
       "ClaimGrossInc", "Label9", "ClaimDepend17", "Frame5", "Claim", "Label13", "State Income Tax ", "ClaimStateTax",
       "ClaimStateTaxCombo", "Label20", "ClaimDependents", "Label6", "EnterClaimIncome",
       "Enter Claimant's Income and Deductions"},
      {"Frame2", 4140, "Other Party's Income And Tax Status", "Label4", "Other Party's Total Gross Income/Mo.",
       "PayGrossInc", "Label10", "PayerDepend17", "Frame6", "Payer", "Label14", "State Income Tax", "PayerStateTax",
       "PayerStateTaxCombo", "Label21", "PayerDependents", "Label1", "EnterPayerIncome",
       "Enter Other Party's Income and Deductions"},
  };
  const char* optionNames[4] = {"HeadHouse", "Single", "Married", "MFJ"};
  const char* optionTexts[4] = {"Head of Household", "Single", "Married Filing Sep.", "Married Filing Jointly"};
  for (int p = 0; p < 2; ++p) {
    const PartyFrame& d = parties[p];
    const bool claim = p == 0;
    QGroupBox* f = b.frame(d.frame, nullptr, d.left, 2700, 3960, 3600, d.caption);
    b.label(d.grossLabel, f, 120, 240, 2700, d.grossText, 420);
    QLineEdit* gross = b.locked(d.gross, f, 2880, 300, 960);
    b.label(d.dependLabel, f, 120, 720, 2460,
            "Number of Children Under Age 17 at Year End Qualified for Fed Tax Credit", 600);
    QLineEdit* depend = b.count(d.depend, f, 2640, 870, 1200, 2);
    QGroupBox* options = b.frame(d.options, f, 120, 1380, 3780, 690, "");
    auto& buttons = claim ? ClaimFiling : PayerFiling;
    for (int i = 0; i < 4; ++i)
      buttons[size_t(i)] = b.option(qPrintable(QString::fromLatin1(d.prefix) + QLatin1String(optionNames[i])), options,
                                    (i % 2 == 0) ? 60 : 1860, 75 + (i / 2) * 300, (i % 2 == 0) ? 1800 : 1900,
                                    optionTexts[i]);
    b.label(d.taxLabel, f, 120, 2190, 1440, d.taxText);
    QLineEdit* tax = b.box(d.tax, f, 1620, 2160, 900);
    tax->setText(QStringLiteral(".00"));
    auto* combo = add<QComboBox>(QString::fromLatin1(d.combo), f, 2580, 2160, 1260, 315);
    combo->addItems({QStringLiteral("As Rate"), QStringLiteral("As Amount")});
    combo->setCurrentIndex(0);
    b.label(d.comboLabel, f, 1620, 2490, 2220, "As Rate or Amount/Yr");
    QLineEdit* dependents = b.box(d.dependents, f, 120, 2160, 600);
    dependents->setText(QStringLiteral("No"));
    dependents->setVisible(false);
    b.label(d.noteLabel, f, 120, 2790, 3720, "Note: Fed Personal Exemptions Repealed");
    auto* enter = b.button(d.button, f, 120, 3090, 3720, 390, d.buttonText);

    (claim ? ClaimGrossInc : PayGrossInc) = gross;
    (claim ? ClaimDepend17 : PayerDepend17) = depend;
    (claim ? ClaimStateTax : PayerStateTax) = tax;
    (claim ? ClaimStateTaxCombo : PayerStateTaxCombo) = combo;
    (claim ? ClaimDependents : PayerDependents) = dependents;
    (claim ? EnterClaimIncome : EnterPayerIncome) = enter;
  }
  // A fresh case: the claimant files as head of household, the other party single.
  ClaimFiling[0]->setChecked(true);
  PayerFiling[1]->setChecked(true);
}

}  // namespace express

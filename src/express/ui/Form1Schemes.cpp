// The Express screen's print scheme (white, for its screen image) and its
// screen scheme (grey), and the "Print Screen Image" command.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "express/ui/Form1.h"
#include "screenimage/ui/Form6.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/CaptureForm.h"
#include "prefs/Preferences.h"
#include "shell/ui/Program.h"

namespace express {

namespace {

constexpr platform::OleColor kWhite = 0xFFFFFF;
constexpr platform::OleColor kTintedBox = 0xFFFFC0;

// The controls whose background the two schemes set, besides the four
// per-child arrays.
constexpr const char* kSchemeSet[] = {
    "FParentOption", "MParentOption", "CharOption1", "CharOption2", "CharOption3", "SharedOption",
    "CustodialOption", "NoMinorOption", "NonCustodialOption", "SplitOption", "ClaimSingle", "ClaimMarried",
    "ClaimHeadHouse", "ClaimMFJ", "PayerSingle", "PayerMarried", "PayerHeadHouse", "PayerMFJ",
    "ParentLabel", "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7", "Label9", "Label10",
    "Label11", "Label13", "Label14", "Label17", "Label18", "Label19", "Label20", "Label21", "NumChildLabel",
    "MinChildLabel", "ClaimNumCareLabel", "PayerNumCareLabel", "ClaimDayCareLabel", "OtherDayCareLabel",
    "ClaimSpecialLabel", "OtherSpecialLabel", "ClaimHealthCareLabel", "OtherHealthCareLabel", "CSLabel",
    "CSLabel2", "MaintLabel", "PercentOfTime", "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6",
    "Frame7", "Frame8", "Frame9", "Frame10", "AgesFrame", "CharacterizationFrame", "ShareSplitFrame",
    "ApplyMaintToCS"};

}  // namespace

void Form1::SchemeColours(bool white) {
  const platform::OleColor back = white ? kWhite : program_.State.SchemeBackColor;
  for (const char* name : kSchemeSet)
    if (QWidget* c = Control(QString::fromLatin1(name))) platform::ui::SetBackColor(c, back);
  for (size_t i = 0; i < ChildFrame.size(); ++i)
    for (QWidget* c : {static_cast<QWidget*>(ChildLabel[i]), ChildFrame[i], static_cast<QWidget*>(ClaimChild[i]),
                       static_cast<QWidget*>(OtherChild[i])})
      if (c) platform::ui::SetBackColor(c, back);
  for (QLineEdit* box : {ClaimGrossInc, PayGrossInc, CurrentMaintTransfer, ChildSupport, ClaimDays, PayerDays,
                         PercentOfTimeValue, PayerPerCent, ClaimantPossession11, OtherPossession11})
    platform::ui::SetBackColor(box, white ? kWhite : kTintedBox);
}

void Form1::MakeScreenWhite() {
  ShowControls({"TradeMark"}, true);
  for (QWidget* c : {AlimonyButton, EdSkillsCommand, ChildSupportButton, RunWaWs, RunAffadavit, ButtonPlus1,
                     SharedCalc, EnterClaimIncome, EnterPayerIncome})
    c->setVisible(false);
  SchemeColours(true);
}

void Form1::MakeScreenGrey() {
  ShowControls({"TradeMark"}, false);
  for (QWidget* c : {AlimonyButton, EdSkillsCommand, ChildSupportButton, RunWaWs, RunAffadavit, ButtonPlus1})
    c->setVisible(true);
  if (SharedOption->isChecked()) SharedCalc->setVisible(true);
  SchemeColours(false);
  EnterClaimIncome->setVisible(true);
  EnterPayerIncome->setVisible(true);
}

void Form1::PrintScreenImage_Click() {
  auto* form6 = program_.Load<screenimage::ui::Form6>(QStringLiteral("Form6"));
  if (!form6) {
    NotAvailableYet(QStringLiteral("Print Screen Image"));
    return;
  }
  showMaximized();
  MakeScreenWhite();
  // A quarter of a second for the screen to repaint in the print scheme.
  QElapsedTimer wait;
  wait.start();
  while (wait.elapsed() < 250) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  program_.FitFormToScreen(*form6);
  if (prefs::MonAdj.read().toDouble() != 1) showNormal();
  screenImage_ = platform::ui::CaptureForm(*this);
  form6->SetCapture(screenImage_, program_.State.Screen.ScaleFactorX, program_.State.Screen.ScaleFactorY);
  form6->show();
  hide();
  program_.State.PrintImageCaller = 1;
  setWindowState(windowState() | Qt::WindowMaximized);
}

}  // namespace express

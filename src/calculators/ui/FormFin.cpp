#include "calculators/ui/FormFin.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include "calculators/AmountEntry.h"
#include "calculators/FinancialCalculator.h"
#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/WrapCaption.h"
#include "platform/ui/EntryBox.h"
#include "shell/ui/Program.h"

namespace calculators::ui {

using platform::ui::ButtonPlus;
using platform::ui::EntryBox;

namespace {

constexpr double kOptionWidth = 5880;
constexpr double kOptionStep = 1020;

void SetUnderline(QWidget* w, bool on) {
  QFont f = w->font();
  f.setUnderline(on);
  w->setFont(f);
}

}  // namespace

FormFin::FormFin(shell::Program& program, QWidget* parent)
    : CalculatorWindow(QStringLiteral("FormFin"), program, parent) {
  setWindowTitle(QStringLiteral("Financial Calculations"));
  // The client area below the menu bar holds the frames; the window's frame comes on top.
  platform::ui::Place(this, 0, 0, 11040, 7740);
  SetDesignedByClientArea(true);
  AddCommandMenus({"File", "File", "Quit", "PrintScreen", "anotherline"});

  Frame3 = add<QGroupBox>("Frame3", nullptr, 120, 120, 6240, 7500, QStringLiteral("Calculation Options"));
  for (std::int16_t mode = 1; mode <= kFinModes; ++mode) {
    auto* option = add<QRadioButton>(QStringLiteral("Option%1").arg(mode), Frame3, 180,
                                     300 + (mode - 1) * kOptionStep, kOptionWidth, kOptionStep - 60);
    option->setText(platform::ui::WrapCaption(FinModeCaption(mode), option->font(), static_cast<int>(kOptionWidth / 15) - 28));
    connect(option, &QRadioButton::clicked, this, [this, mode] { Option_Click(mode); });
    Option[static_cast<std::size_t>(mode - 1)] = option;
  }

  Frame1 = add<QGroupBox>("Frame1", nullptr, 6480, 120, 4440, 3960, QStringLiteral("Data"));
  for (int k = 0; k < 4; ++k) {
    const double top = 360 + k * 660;
    Label[static_cast<std::size_t>(k)] = add<QLabel>(QStringLiteral("Label%1").arg(k + 1), Frame1, 120, top, 2520, 480);
    Label[static_cast<std::size_t>(k)]->setWordWrap(true);
    auto* box = add<EntryBox>(QStringLiteral("Text%1").arg(k + 1), Frame1, 2760, top, 1560, 315);
    box->KeyPress = [](std::int16_t& key) { FilterAmountKey(key); };
    box->SetAmountBox(true);
    box->TooLarge = [this] {
      program_.Dialogs.ShowMessageBox(platform::AmountTooLargeMessage(), platform::kBoxOk,
                                      QString::fromLatin1(platform::kEntryErrorTitle));
    };
    Text[static_cast<std::size_t>(k)] = box;
  }
  CmdAnswer = AddButton("CmdAnswer", Frame1, 240, 3120, 1920, 480, "Calculate Result");
  CmdClear = AddButton("CmdClear", Frame1, 2280, 3120, 1920, 480, "Clear Data");

  Frame2 = add<QGroupBox>("Frame2", nullptr, 6480, 4200, 4440, 3420, QStringLiteral("Answer"));
  lblAnswer = add<QLabel>("lblAnswer", Frame2, 120, 300, 2520, 480);
  lblAnswer->setWordWrap(true);
  txtAnswer = add<EntryBox>("txtAnswer", Frame2, 2760, 330, 1560, 315);
  txtAnswer->KeyPress = [](std::int16_t& key) { FilterAmountKey(key); };
  lblAnswerNote = add<QLabel>("lblAnswerNote", Frame2, 120, 960, 4200, 1320);
  lblAnswerNote->setWordWrap(true);
  lblAnswerNote->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  cmdReturn = AddButton("cmdReturn", Frame2, 1260, 2640, 1920, 480, "Return");

  std::vector<QWidget*> scheme{Frame1, Frame2, Frame3};
  scheme.insert(scheme.end(), Label.begin(), Label.end());
  scheme.push_back(lblAnswer);
  scheme.push_back(lblAnswerNote);
  scheme.insert(scheme.end(), Option.begin(), Option.end());
  SetSchemeControls(std::move(scheme));
  SetScreenImageParts({9, {CmdAnswer, CmdClear, cmdReturn}, nullptr, screenimage::ui::ImageWindowState::AsCaptured});

  connect(CmdAnswer, &ButtonPlus::clicked, this, &FormFin::CmdAnswer_Click);
  connect(CmdClear, &ButtonPlus::clicked, this, &FormFin::CmdClear_Click);
  connect(cmdReturn, &ButtonPlus::clicked, this, &FormFin::cmdReturn_Click);
  Form_Load();
}

void FormFin::Form_Load() { ClearFormFinEntries(); }

void FormFin::Option_Click(std::int16_t mode) {
  FinCalcMode = mode;
  if (!Option[static_cast<std::size_t>(mode - 1)]->isChecked()) Option[static_cast<std::size_t>(mode - 1)]->setChecked(true);
  ClearFormFinEntries();
  ShowFinModeEntries();
}

void FormFin::CmdClear_Click() {
  ClearFormFinEntries();
  ShowFinModeEntries();
}

void FormFin::ClearFormFinEntries() {
  for (int k = 0; k < 4; ++k) {
    Label[static_cast<std::size_t>(k)]->clear();
    Text[static_cast<std::size_t>(k)]->clear();
    Text[static_cast<std::size_t>(k)]->hide();
  }
  for (QRadioButton* option : Option) SetUnderline(option, false);
  lblAnswerNote->clear();
  lblAnswerNote->hide();
  lblAnswer->clear();
  lblAnswer->hide();
  txtAnswer->clear();
  txtAnswer->hide();
}

void FormFin::ShowFinModeEntries() {
  if (FinCalcMode < 1 || FinCalcMode > kFinModes) return;
  const FinModeLayout& layout = FinModeEntries(FinCalcMode);
  for (int k = 0; k < 4; ++k) Label[static_cast<std::size_t>(k)]->setText(QString::fromLatin1(layout.labels[static_cast<std::size_t>(k)]));
  for (int k = 0; k < layout.boxes; ++k) Text[static_cast<std::size_t>(k)]->show();
  lblAnswer->setText(QString::fromLatin1(layout.answerLabel));
  Text[0]->setFocus();
  SetUnderline(Option[static_cast<std::size_t>(FinCalcMode - 1)], true);
}

void FormFin::CmdAnswer_Click() {
  std::array<QString, 4> texts;
  for (std::size_t k = 0; k < 4; ++k) texts[k] = Text[k]->isVisibleTo(this) ? Text[k]->text() : QString();
  const FinAnswer a = ComputeFinancialAnswer(FinCalcMode, texts);
  if (!a.Answered()) {
    program_.Dialogs.ShowMessageBox(a.message, platform::kBoxOk, QStringLiteral("Entry Error"));
    if (a.focusBox >= 0) Text[static_cast<std::size_t>(a.focusBox)]->setFocus();
    return;
  }
  if (FinCalcMode == 3) {
    lblAnswerNote->setText(a.note);
    lblAnswerNote->show();
  }
  txtAnswer->setText(a.answer);
  lblAnswer->show();
  txtAnswer->show();
}

}  // namespace calculators::ui

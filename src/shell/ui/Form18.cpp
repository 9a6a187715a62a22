#include "shell/ui/Form18.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "platform/ui/TypedQuote.h"
#include "prefs/Preferences.h"

namespace shell {

using platform::ui::Place;

Form18::Form18(QWidget* parent) : Form(QStringLiteral("Form18"), parent) {
  setWindowTitle(QStringLiteral("Preparer's Name and Office"));
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  Place(this, 0, 0, 6480, 5160);

  Frame1 = add<QGroupBox>("Frame1", nullptr, 120, 120, 6240, 2400);
  Label1 = add<QLabel>("Label1", Frame1, 120, 180, 3000, 255, QStringLiteral("Name of Preparer"));
  PreparerName = add<QLineEdit>("PreparerName", Frame1, 120, 435, 6000, 315);
  Label2 = add<QLabel>("Label2", Frame1, 120, 885, 3000, 255, QStringLiteral("Office of Preparer"));
  PreparerOffice = add<QLineEdit>("PreparerOffice", Frame1, 120, 1140, 6000, 315);
  Label4 = add<QLabel>(
      "Label4", Frame1, 120, 1620, 6000, 600,
      QStringLiteral("This Name And Office Will Be Saved As The Program Default Until Changed"));
  Label4->setWordWrap(true);
  Label4->setAlignment(Qt::AlignCenter);

  Frame2 = add<QGroupBox>("Frame2", nullptr, 120, 2640, 6240, 2280);
  PrintNameCheck = add<QCheckBox>("PrintNameCheck", Frame2, 240, 180, 5400, 285,
                                  QStringLiteral("Show This Name On Printed  Reports"));
  PrintOfficeCheck = add<QCheckBox>("PrintOfficeCheck", Frame2, 240, 525, 5400, 285,
                                    QStringLiteral("Show This Office Name On Printed Reports"));
  PrintDateCheck = add<QCheckBox>("PrintDateCheck", Frame2, 240, 870, 5400, 285,
                                  QStringLiteral("Show Date On Printed Reports"));
  Label5 = add<QLabel>("Label5", Frame2, 240, 1335, 4800, 255,
                       QStringLiteral("Top Margin Width On All Pages"));
  OptionOneHalf =
      add<QRadioButton>("OptionOneHalf", Frame2, 240, 1710, 1560, 285, QStringLiteral("1/2 inch"));
  OptionOne =
      add<QRadioButton>("OptionOne", Frame2, 2040, 1710, 1560, 285, QStringLiteral("1 inch"));
  OptionOneOneHalf = add<QRadioButton>("OptionOneOneHalf", Frame2, 3840, 1710, 1800, 285,
                                       QStringLiteral("1 1/2 inch"));

  for (QLineEdit* field : {PreparerName, PreparerOffice}) field->installEventFilter(this);
}

void Form18::FillFromSettings() {
  PreparerName->setText(prefs::PreparerName.read());
  PreparerOffice->setText(prefs::PreparerOffice.read());
  const QString margin = prefs::PreparerMargin.read();
  if (margin == QLatin1String("OneHalf")) OptionOneHalf->setChecked(true);
  else if (margin == QLatin1String("OneOneHalf")) OptionOneOneHalf->setChecked(true);
  else OptionOne->setChecked(true);
  PrintNameCheck->setChecked(prefs::NameCheck.read() != QLatin1String("No"));
  PrintOfficeCheck->setChecked(prefs::OfficeCheck.read() != QLatin1String("No"));
  PrintDateCheck->setChecked(prefs::DateCheck.read() != QLatin1String("No"));
}

void Form18::Form_Unload() {
  const auto yesNo = [](const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked ? QStringLiteral("Yes") : QStringLiteral("No");
  };
  QString margin = QStringLiteral("One");
  if (OptionOneHalf->isChecked()) margin = QStringLiteral("OneHalf");
  else if (OptionOne->isChecked()) margin = QStringLiteral("One");
  else if (OptionOneOneHalf->isChecked()) margin = QStringLiteral("OneOneHalf");

  prefs::PreparerName.write(PreparerName->text());
  prefs::PreparerOffice.write(PreparerOffice->text());
  prefs::NameCheck.write(yesNo(PrintNameCheck));
  prefs::OfficeCheck.write(yesNo(PrintOfficeCheck));
  prefs::DateCheck.write(yesNo(PrintDateCheck));
  prefs::PreparerMargin.write(margin);
}

void Form18::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

bool Form18::eventFilter(QObject* watched, QEvent* event) {
  if (platform::ui::SendApostropheForQuote(watched, event)) return true;
  return Form::eventFilter(watched, event);
}

}  // namespace shell

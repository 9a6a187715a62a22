#include "shell/ui/FormScaling.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/ui/ButtonPlus.h"
#include "shell/MonitorAdjustmentEntry.h"
#include "prefs/Preferences.h"

namespace shell {

using platform::ui::ButtonPlus;

FormScaling::FormScaling(QWidget* parent) : Form(QStringLiteral("FormScaling"), parent) {
  setWindowTitle(QStringLiteral("Program Display Scaling"));
  setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::Place(this, 0, 0, 7320, 5280);

  Scale = add<QPlainTextEdit>("Scale", nullptr, 240, 180, 6840, 1680);
  Scale->setReadOnly(true);
  Scale->setPlainText(QStringLiteral(
      "This tool is primarily provided for those running the program on wide-screen "
      "high-resolution monitors where you want the program to use less monitor real estate. "
      "With this tool, you can scale down the height and width of the program display. "
      "Scaling will not occur on all program forms until you exit and restart the program. "
      "Scaling will be saved and remain in place until changed.\n"));

  Scaling = add<QGroupBox>("Scaling", nullptr, 240, 1980, 6840, 1740,
                           QStringLiteral("Scaling Adjustment"));
  Adjustment = add<QLineEdit>("Adjustment", Scaling, 240, 360, 1080, 315, QStringLiteral("1"));
  Label1 = add<QLabel>("Label1", Scaling, 1500, 300, 5160, 1320);
  Label1->setWordWrap(true);
  Label1->setText(QStringLiteral(
      "To change the scaling factor, enter a decimal value between .5 and 1.  An entry of 1 "
      "results in no scaling. An entry of .5 will reduce the area of your monitor used by 50%."));

  Scaling2 = add<QGroupBox>("Scaling2", nullptr, 240, 3840, 6840, 1200);
  ApplyScaling = add<ButtonPlus>("ApplyScaling", Scaling2, 240, 300, 3960, 600,
                                 QStringLiteral("Apply Scaling at Next Start-up of This Program"));
  platform::ui::SetTag(ApplyScaling, QStringLiteral("1000"));
  ReSetScaling = add<ButtonPlus>("ReSetScaling", Scaling2, 4380, 300, 2220, 600,
                                 QStringLiteral(" Reset Scaling to Default"));
  platform::ui::SetTag(ReSetScaling, QStringLiteral("1000"));

  connect(ApplyScaling, &ButtonPlus::clicked, this, &FormScaling::ApplyScaling_Click);
  connect(ReSetScaling, &ButtonPlus::clicked, this, &FormScaling::ReSetScaling_Click);
}

void FormScaling::ApplyScaling_Click() {
  Adjustment->setText(MonitorAdjustmentText(Adjustment->text()));
  prefs::MonAdj.write(Adjustment->text());
}

void FormScaling::ReSetScaling_Click() {
  prefs::MonAdj.write(QStringLiteral("1"));
  Adjustment->setText(QStringLiteral("1"));
}

}  // namespace shell

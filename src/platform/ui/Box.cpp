#include "platform/ui/Box.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPalette>
#include <QStringList>

#include <algorithm>

#include "platform/BoxLayout.h"
#include "platform/Dialogs.h"
#include "platform/Twips.h"
#include "platform/ui/Beep.h"

namespace platform::ui {

namespace {

QFont tahoma(double points, bool bold = false) {
  QFont f(QStringLiteral("Tahoma"));
  f.setPointSizeF(points);
  f.setBold(bold);
  return f;
}

void placeTwips(QWidget& w, double left, double top, double width, double height) {
  w.setGeometry(PixelsFromTwips(left), PixelsFromTwips(top), PixelsFromTwips(width),
                PixelsFromTwips(height));
}

// Prompts come with "\r\n" line ends; any of the three ends a line.
QStringList promptLines(const QString& prompt) {
  QString text = prompt;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  return text.split('\n');
}

}  // namespace

Box::Box(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("Box"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFont(tahoma(9.75));
  resize(PixelsFromTwips(5340), PixelsFromTwips(3090));

  Text1.setObjectName(QStringLiteral("Text1"));
  placeTwips(Text1, 180, 180, 4965, 675);
  Text1.setFont(tahoma(8.25));
  Text1.setReadOnly(true);
  Text1.setFrameShape(QFrame::NoFrame);
  Text1.setFocusPolicy(Qt::NoFocus);
  Text1.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Text1.document()->setDocumentMargin(1);
  QPalette textColors = Text1.palette();
  textColors.setColor(QPalette::Base, textColors.color(QPalette::Button));
  textColors.setColor(QPalette::Text, textColors.color(QPalette::ButtonText));
  Text1.setPalette(textColors);

  Picture1.setObjectName(QStringLiteral("Picture1"));
  placeTwips(Picture1, 240, 270, 4935, 525);
  Picture1.setFont(tahoma(8.25));
  Picture1.hide();

  Command1.setObjectName(QStringLiteral("Command1"));
  placeTwips(Command1, 1500, 1710, 1050, 420);
  Command2.setObjectName(QStringLiteral("Command2"));
  placeTwips(Command2, 2790, 1710, 1050, 420);
  for (QPushButton* b : {&Command1, &Command2}) {
    b->setFont(tahoma(8.25, true));
    b->setProperty("Tag", QStringLiteral("1000"));
    b->setAutoDefault(false);
    b->setDefault(false);
  }
  connect(&Command1, &QPushButton::clicked, this, &Box::Box_Command1_Click);
  connect(&Command2, &QPushButton::clicked, this, &Box::Box_Command2_Click);
}

void Box::Prepare(const QString& prompt, int16_t buttons, const QString& title) {
  setWindowTitle(title);
  const bool yesNo = buttons == kBoxYesNo;
  Command1.setText(yesNo ? QStringLiteral("Yes") : QStringLiteral("OK"));
  Command2.setText(yesNo ? QStringLiteral("No") : QStringLiteral("OK"));
  Command1.setVisible(true);
  Command2.setVisible(yesNo);

  const QFontMetricsF measure(Picture1.font());
  const QStringList lines = promptLines(prompt);
  double widest = 0;
  for (const QString& line : lines) widest = std::max(widest, measure.horizontalAdvance(line));

  BoxMeasures m;
  m.buttons = buttons;
  m.promptWidth = TwipsFromPixels(widest);
  m.promptHeight = TwipsFromPixels(measure.lineSpacing() * lines.size());
  m.titleWidth = TwipsFromPixels(QFontMetricsF(font()).horizontalAdvance(title));
  m.windowWidth = TwipsFromPixels(width());
  m.measureWidth = TwipsFromPixels(Picture1.width());
  m.textLeft = TwipsFromPixels(Text1.x());
  m.textTop = TwipsFromPixels(Text1.y());
  m.command1Left = TwipsFromPixels(Command1.x());
  m.command1Width = TwipsFromPixels(Command1.width());
  m.command1Height = TwipsFromPixels(Command1.height());
  m.command2Width = TwipsFromPixels(Command2.width());
  const BoxLayout l = ComputeBoxLayout(m);

  PromptLineCount = l.PromptLineCount;
  setFixedSize(PixelsFromTwips(l.windowWidth), PixelsFromTwips(l.windowHeight));
  Text1.resize(Text1.width(), PixelsFromTwips(l.textHeight));
  const int buttonTop = PixelsFromTwips(l.buttonTop);
  Command1.move(PixelsFromTwips(l.command1Left), buttonTop);
  Command2.move(yesNo ? PixelsFromTwips(l.command2Left) : Command2.x(), buttonTop);

  Text1.setPlainText(lines.join('\n'));
}

void Box::Box_Command1_Click() { answerBy(Command1, QLatin1String("Yes"), kAnswerYes); }

void Box::Box_Command2_Click() { answerBy(Command2, QLatin1String("No"), kAnswerNo); }

void Box::answerBy(const QPushButton& button, QLatin1String caption, int16_t answer) {
  if (button.text() == caption) {
    BoxResult = answer;
    accept();
    return;
  }
  BoxResult = kAnswerOk;
  if (button.text() == QLatin1String("OK")) accept();
}

void Box::reject() {
  // Closed without a button: a question counts as answered No, so that a
  // caller that acts unless the answer is No never acts on a closed box.
  BoxResult = Command1.text() == QLatin1String("Yes") ? kAnswerNo : kAnswerOk;
  QDialog::reject();
}

int16_t ShowBox(const QString& prompt, int16_t buttons, const QString& title,
                const WindowFitter& fitter) {
  Box box;
  if (fitter) fitter(box);
  box.Prepare(prompt, buttons, title);
  Beep();
  box.exec();
  return box.BoxResult;
}

}  // namespace platform::ui

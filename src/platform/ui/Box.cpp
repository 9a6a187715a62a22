#include "platform/ui/Box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "platform/BoxLayout.h"
#include "platform/Dialogs.h"
#include "platform/ui/Beep.h"

namespace platform::ui {

namespace {

void SetTahoma(QWidget& w, double points, bool bold = false) {
  QFont f(QStringLiteral("Tahoma"));
  f.setPointSizeF(points);
  f.setBold(bold);
  w.setFont(f);
}

// Prompts come with "\r\n" line ends; any of the three ends a line.
QStringList promptLines(const QString& prompt) {
  QString text = prompt;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace('\r', '\n');
  return text.split('\n');
}

// The title as a title bar shows it: window managers set it in bold, in
// the desktop's title font where Qt knows it, at least as large as the box's.
double TitleWidth(const QString& title, const QFont& boxFont) {
  QFont bar = QApplication::font("QMdiSubWindowTitleBar");
  bar.setPointSizeF(std::max(bar.pointSizeF(), boxFont.pointSizeF()));
  bar.setBold(true);
  QFont bold = boxFont;
  bold.setBold(true);
  return std::max(QFontMetricsF(bar).horizontalAdvance(title), QFontMetricsF(bold).horizontalAdvance(title));
}

}  // namespace

Box::Box(QWidget* parent)
    : Form(QStringLiteral("Box"), parent),
      Text1(*add<QPlainTextEdit>(QStringLiteral("Text1"), nullptr, 180, 180, 4965, 675)),
      Picture1(*add<QWidget>(QStringLiteral("Picture1"), nullptr, 240, 270, 4935, 525)),
      Command1(*add<ButtonPlus>(QStringLiteral("Command1"), nullptr, 1500, 1710, 1050, 420)),
      Command2(*add<ButtonPlus>(QStringLiteral("Command2"), nullptr, 2790, 1710, 1050, 420)) {
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  SetTahoma(*this, 9.75);
  Place(this, 0, 0, 5340, 3090);

  SetTahoma(Text1, 8.25);
  Text1.setReadOnly(true);
  Text1.setFrameShape(QFrame::NoFrame);
  Text1.setFocusPolicy(Qt::NoFocus);
  Text1.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Text1.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  Text1.document()->setDocumentMargin(1);
  SetBackColor(&Text1, kSysButtonFace);
  SetForeColor(&Text1, kSysButtonText);

  SetTahoma(Picture1, 8.25);
  Picture1.hide();

  for (ButtonPlus* b : {&Command1, &Command2}) {
    SetTahoma(*b, 8.25, true);
    SetTag(b, QStringLiteral("1000"));
  }
  // "Yes" or "OK" is the default button.
  Command1.setDefault(true);
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

  // The prompt is measured on the screen and taken into twips.
  const double tx = TwipsPerPixelX();
  const double ty = TwipsPerPixelY();
  const QFontMetricsF measure(Picture1.font());
  const QStringList lines = promptLines(prompt);
  double widest = 0;
  BoxMeasures m;
  for (const QString& line : lines) {
    const double width = measure.horizontalAdvance(line);
    widest = std::max(widest, width);
    m.lineWidths.push_back(width * tx);
  }

  m.buttons = buttons;
  m.promptWidth = widest * tx;
  m.promptHeight = measure.lineSpacing() * lines.size() * ty;
  m.titleWidth = TitleWidth(title, font()) * tx;
  m.windowWidth = Width(this);
  m.measureWidth = Width(&Picture1);
  m.textLeft = Left(&Text1);
  m.textTop = Top(&Text1);
  m.command1Left = Left(&Command1);
  m.command1Width = Width(&Command1);
  m.command1Height = Height(&Command1);
  m.command2Width = Width(&Command2);
  const QMargins frame = FrameMargins();
  m.frameWidth = (frame.left() + frame.right()) * tx;
  const BoxLayout l = ComputeBoxLayout(m);

  PromptLineCount = l.PromptLineCount;
  SetWidth(this, l.windowWidth);
  SetHeight(this, l.windowHeight);
  setFixedSize(size());
  SetHeight(&Text1, l.textHeight);
  SetTop(&Command1, l.buttonTop);
  SetTop(&Command2, l.buttonTop);
  SetLeft(&Command1, l.command1Left);
  if (yesNo) SetLeft(&Command2, l.command2Left);

  Text1.setPlainText(lines.join('\n'));
  Command1.setFocus();  // the default button has the focus when the box opens
}

void Box::CentreOn(const QWidget* over) {
  const QScreen* screen = over && over->screen() ? over->screen() : QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->availableGeometry() : QRect();
  const QSize outer(static_cast<int>(std::lround(Width(this) / TwipsPerPixelX())),
                    static_cast<int>(std::lround(Height(this) / TwipsPerPixelY())));
  const QPoint place = CentredBoxPlace(outer, over ? over->frameGeometry() : QRect(), area);
  SetLeft(this, place.x() * TwipsPerPixelX());
  SetTop(this, place.y() * TwipsPerPixelY());
}

void Box::Box_Command1_Click() { answerBy(Command1, QLatin1String("Yes"), kAnswerYes); }

void Box::Box_Command2_Click() { answerBy(Command2, QLatin1String("No"), kAnswerNo); }

void Box::answerBy(const QPushButton& button, QLatin1String caption, int16_t answer) {
  if (button.text() == caption) {
    BoxResult = answer;
    answered_ = true;
    close();
    return;
  }
  BoxResult = kAnswerOk;
  if (button.text() == QLatin1String("OK")) {
    answered_ = true;
    close();
  }
}

void Box::closeEvent(QCloseEvent* event) {
  // Closed without a button: a question counts as answered No, so that a
  // caller that acts unless the answer is No never acts on a closed box.
  if (!answered_) BoxResult = Command1.text() == QLatin1String("Yes") ? kAnswerNo : kAnswerOk;
  answered_ = false;
  Form::closeEvent(event);
}

void Box::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (Command2.isVisible() && focusWidget() == &Command2) Command2.click();
    else Command1.click();
    return;
  }
  Form::keyPressEvent(event);
}

int16_t ShowBox(const QString& prompt, int16_t buttons, const QString& title,
                const WindowFitter& fitter) {
  QWidget* over = QApplication::activeWindow();
  if (!over) over = QApplication::activeModalWidget();
  Box box;
  if (fitter) fitter(box);
  box.Prepare(prompt, buttons, title);
  box.CentreOn(over);
  Beep();
  box.ShowModal();
  return box.BoxResult;
}

}  // namespace platform::ui

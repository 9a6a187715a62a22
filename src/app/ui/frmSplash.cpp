#include "app/ui/frmSplash.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "express/ui/Form1.h"
#include "platform/ui/ButtonPlus.h"
#include "prefs/Preferences.h"
#include "shell/Version.h"
#include "shell/ui/Program.h"

namespace app {

using platform::ui::ButtonPlus;

namespace {

// The program's emblem: a balance over a blue tile.
QPixmap Emblem(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 100.0, size / 100.0);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 192));
  p.drawRoundedRect(QRectF(2, 2, 96, 96), 14, 14);
  const QColor gold(236, 200, 90);
  p.setPen(QPen(gold, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(50, 18), QPointF(50, 80));   // post
  p.drawLine(QPointF(22, 30), QPointF(78, 30));   // beam
  p.drawLine(QPointF(34, 82), QPointF(66, 82));   // foot
  p.setPen(QPen(gold, 2));
  for (const double x : {22.0, 78.0}) {
    p.drawLine(QPointF(x, 30), QPointF(x - 12, 56));
    p.drawLine(QPointF(x, 30), QPointF(x + 12, 56));
    QPainterPath pan;
    pan.moveTo(x - 14, 56);
    pan.arcTo(QRectF(x - 14, 46, 28, 20), 180, 180);
    pan.closeSubpath();
    p.setBrush(gold);
    p.drawPath(pan);
  }
  p.setBrush(gold);
  p.drawEllipse(QPointF(50, 16), 4, 4);
  return pixmap;
}

void Style(QLabel* label, const QString& text, double points, bool bold,
           Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
  label->setText(text);
  QFont f = label->font();
  f.setPointSizeF(points);
  f.setBold(bold);
  label->setFont(f);
  label->setAlignment(align);
}

}  // namespace

frmSplash::frmSplash(Program& program, QWidget* parent)
    : Form(QStringLiteral("frmSplash"), parent), program_(program) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setWindowTitle(QStringLiteral("Child Support and Alimony Calculations"));
  setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::Place(this, 0, 0, 8160, 4440);

  Image1 = add<QLabel>("Image1", nullptr, 480, 300, 1440, 1440);
  Image1->setPixmap(Emblem(96));
  Image1->setScaledContents(true);
  Label3 = add<QLabel>("Label3", nullptr, 2280, 300, 5640, 540);
  Style(Label3, QStringLiteral("Child Support "), 18, true);
  Label4 = add<QLabel>("Label4", nullptr, 2280, 840, 5640, 540);
  Style(Label4, QStringLiteral(" and Alimony Calculations"), 18, true);
  Label5 = add<QLabel>("Label5", nullptr, 2400, 1440, 3000, 300);
  Style(Label5, QStringLiteral("Version ") + QString::fromLatin1(shell::kProgramVersion), 9.75, false);
  Label6 = add<QLabel>("Label6", nullptr, 240, 1980, 7680, 480);
  Style(Label6, QStringLiteral("Kelvane 2026"), 14, true, Qt::AlignCenter);
  Label7 = add<QLabel>("Label7", nullptr, 240, 2460, 7680, 300);
  Style(Label7, QStringLiteral("For Dadudav Family Law Cases"), 9.75, false, Qt::AlignCenter);
  Label8 = add<QLabel>("Label8", nullptr, 240, 2760, 7680, 300);
  Style(Label8, QStringLiteral("Published By Tovrelle"), 8.25, false, Qt::AlignCenter);

  Label2 = add<QLabel>("Label2", nullptr, 240, 3480, 7680, 480);
  Style(Label2, QStringLiteral("LOADING.........."), 12, true, Qt::AlignCenter);
  platform::ui::SetForeColor(Label2, platform::kSysActiveCaption);

  Command3 =
      add<ButtonPlus>("Command3", nullptr, 240, 3420, 2280, 600, QStringLiteral("Enter Case Data"));
  ChkVer =
      add<ButtonPlus>("ChkVer", nullptr, 2640, 3420, 2280, 600, QStringLiteral("Check For Update"));
  Command1 = add<ButtonPlus>("Command1", nullptr, 5040, 3420, 2880, 600,
                             QStringLiteral("Exit Without Loading Program"));
  for (ButtonPlus* b : {Command3, ChkVer, Command1}) {
    platform::ui::SetTag(b, QStringLiteral("1000"));
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
  }
  connect(Command3, &ButtonPlus::clicked, this, &frmSplash::Command3_Click);
  connect(ChkVer, &ButtonPlus::clicked, this, &frmSplash::ChkVer_Click);
  connect(Command1, &ButtonPlus::clicked, this, &frmSplash::Command1_Click);
  ShowLoading();
}

void frmSplash::ShowLoading() {
  for (ButtonPlus* b : {Command3, ChkVer, Command1}) b->setVisible(false);
  Label2->setVisible(true);
}

void frmSplash::ShowButtons() {
  for (ButtonPlus* b : {Command1, Command3, ChkVer}) b->setVisible(true);
  Label2->setVisible(false);
}

void frmSplash::CenterOnScreen(const shell::ScreenInfo& screen) {
  platform::ui::SetLeft(this, (screen.widthPx * screen.twipsPerPixelX - platform::ui::Width(this)) / 2);
  platform::ui::SetTop(this, (screen.heightPx * screen.twipsPerPixelY - platform::ui::Height(this)) / 2);
}

void frmSplash::Command3_Click() {
  auto* express = program_.Load<express::Form1>(QStringLiteral("Form1"));
  if (express) express->show();
  close();
  if (!express) return;
  if (prefs::MaintMode.read() == QLatin1String("MaintFirst")) express->SetMaintFirst();
  if (prefs::MaintMode.read() == QLatin1String("CSFirst")) express->SetCSFirst();
  if (prefs::SplitDefault.read() == QLatin1String("Winters")) express->Winters_Click();
  else express->Dual_Click();
  if (prefs::InterpDefault.read() == QLatin1String("Closest")) express->Closest_Click();
  else express->Linear_Click();
}

void frmSplash::ChkVer_Click() {
  program_.OpenWebPage(shell::VersionCheckUrl());
  program_.EndProgram();
}

void frmSplash::Command1_Click() {
  close();
  program_.EndProgram();
}

void frmSplash::paintEvent(QPaintEvent* event) {
  Form::paintEvent(event);
  // A frameless window: a thin frame marks its edge.
  QPainter p(this);
  p.setPen(QPen(QColor(0, 0, 128), 2));
  p.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace app

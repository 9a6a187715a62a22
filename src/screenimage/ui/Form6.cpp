#include "screenimage/ui/Form6.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMetaObject>
#include <QPainter>

#include <array>

#include "platform/Dialogs.h"
#include "platform/document/DrawingCursor.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Program.h"

namespace screenimage::ui {

namespace pui = platform::ui;

namespace {

constexpr platform::OleColor kWindowColour = 0x404040;
constexpr platform::OleColor kWhite = 0xFFFFFF;
constexpr platform::OleColor kRed = 0x0000FF;

// What the return gives a calling window back: the buttons it hid, its
// trade-mark frame hidden again (where it has one to hide), then its grey
// method, found by name.
struct CallerRestore {
  std::int16_t code;
  const char* window;
  std::array<const char*, 7> buttons;
  bool hidesTradeMark;
  const char* greyMethod;
};

constexpr CallerRestore kCallers[] = {
    {1, "Form1", {}, false, "MakeScreenGrey"},
    {3, "Form3",
     {"ChangeAward", "PresentValueButton", "ReturnToDataCommand", "UseSuggested", "PVHelp", "ClaimCreditsButton",
      "OtherCreditsButton"},
     true, "MakeForm3Grey"},
    {5, "Form5",
     {"ChangeClaimant", "ChangeOther", "ResetOther", "ResetClaimant", "ReturnToDataCommand", "ClaimCreditsButton",
      "OtherCreditsButton"},
     true, "MakeForm5Grey"},
    {7, "Form7", {"About", "RunDBReport", "Return"}, true, "MakeForm7Grey"},
    {9, "FormFin", {"CmdAnswer", "CmdClear", "cmdReturn"}, false, "MakeFormFinGrey"},
    {17, "FormOnight", {}, false, "MakeFormOnightGrey"},
    {22, "FormDepends", {"Reset", "Calculate"}, false, "MakeFormDependsGrey"},
    {72, "Form72t", {"About", "AboutInterest"}, true, "MakeForm72Grey"},
};

// A white preview box with the picture stretched into the given twips.
void DrawPreview(QLabel* box, const QImage& picture, const pui::Form& form, double left, double top,
                 double width, double height) {
  QPixmap canvas(box->size());
  canvas.fill(Qt::white);
  if (!picture.isNull()) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double tx = form.TwipsPerPixelX(), ty = form.TwipsPerPixelY();
    painter.drawImage(QRectF(left / tx, top / ty, width / tx, height / ty), picture);
  }
  box->setPixmap(canvas);
}

// The product panel's logo: a red badge with the program's initial.
QPixmap Logo() {
  QPixmap logo(160, 84);
  logo.fill(Qt::transparent);
  QPainter painter(&logo);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(QColor(190, 20, 20));
  painter.setPen(Qt::NoPen);
  painter.drawRoundedRect(QRectF(4, 4, 152, 76), 14, 14);
  painter.setPen(Qt::white);
  QFont font(QStringLiteral("Tahoma"), 36, QFont::Bold);
  painter.setFont(font);
  painter.drawText(logo.rect(), Qt::AlignCenter, QStringLiteral("K"));
  return logo;
}

}  // namespace

Form6::Form6(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("Form6"), parent), program_(program) {
  setWindowTitle(QStringLiteral("Print Screen Images"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowState(Qt::WindowMaximized);  // whoever shows it
  SetDesignedByClientArea(true);
  pui::SetWidth(this, 11910);
  pui::SetHeight(this, 8415);
  pui::SetFontSize(this, 8.25);
  pui::SetBackColor(this, kWindowColour);
  setAutoFillBackground(true);

  const auto panel = [&](const char* name, double l, double t, double w, double h) {
    return add<QGroupBox>(QString::fromLatin1(name), nullptr, l, t, w, h);
  };
  const auto preview = [&](const char* name, QWidget* in, double l, double t, double w, double h) {
    auto* box = add<QLabel>(QString::fromLatin1(name), in, l, t, w, h);
    pui::SetBackColor(box, kWhite);
    box->setAutoFillBackground(true);
    return box;
  };
  const auto command = [&](const char* name, QWidget* in, double l, double t, const char* caption) {
    auto* b = add<pui::ButtonPlus>(QString::fromLatin1(name), in, l, t, 1815, 975, QString::fromLatin1(caption));
    pui::SetTag(b, QStringLiteral("1000"));
    pui::SetFontSize(b, 9.75);
    QFont f = b->font();
    f.setBold(true);
    b->setFont(f);
    return b;
  };
  const auto label = [&](const char* name, double l, double t, double w, double h, const char* caption,
                         double size) {
    auto* text = add<QLabel>(QString::fromLatin1(name), Frame3, l, t, w, h, QString::fromLatin1(caption));
    pui::SetFontSize(text, size);
    QFont f = text->font();
    f.setBold(true);
    text->setFont(f);
    return text;
  };

  Frame1 = panel("Frame1", 360, 120, 7695, 3615);
  Picture1 = preview("Picture1", Frame1, 3480, 360, 3880, 3040);
  Command1 = command("Command1", Frame1, 810, 1335, "Print Report LANDSCAPE");
  Frame2 = panel("Frame2", 360, 3840, 7695, 4335);
  Picture2 = preview("Picture2", Frame2, 3960, 240, 3040, 3880);
  Command3 = command("Command3", Frame2, 810, 1665, "Print Report PORTRAIT");
  Frame5 = panel("Frame5", 8160, 120, 3495, 3615);
  Command4 = command("Command4", Frame5, 885, 1785, "Cancel Print And Return");
  Frame3 = panel("Frame3", 8160, 3840, 3495, 4335);
  pui::SetForeColor(label("lblCompanyProduct", 960, 690, 1545, 330, "Tovrelle", 13.5), kRed);
  auto* logo = add<QLabel>(QStringLiteral("imgLogo"), Frame3, 540, 1020, 2385, 1245);
  logo->setScaledContents(true);
  logo->setPixmap(Logo());
  label("lblVersion", 540, 2640, 2745, 480, "Kelvane 2026", 18);

  connect(Command1, &pui::ButtonPlus::clicked, this, &Form6::Command1_Click);
  connect(Command3, &pui::ButtonPlus::clicked, this, &Form6::Command3_Click);
  connect(Command4, &pui::ButtonPlus::clicked, this, &Form6::Command4_Click);
}

void Form6::SetCapture(const QImage& picture, double scaleFactorX, double scaleFactorY) {
  capture_ = picture;
  const double left = 100 * scaleFactorX, top = 100 * scaleFactorY;
  DrawPreview(Picture1, capture_, *this, left, top, 3680 * scaleFactorX, 2840 * scaleFactorY);
  DrawPreview(Picture2, capture_, *this, left, top, 2840 * scaleFactorX, 3680 * scaleFactorY);
}

void Form6::DrawImagePage(platform::DrawingCursor& printer, const QImage& picture,
                          platform::PageOrientation orientation) {
  printer.SetOrientation(orientation);
  printer.DrawPicture(picture, 0, 0, printer.ScaleWidth(), printer.ScaleHeight());
  printer.EndDocument();
}

bool Form6::PrintImage(platform::PageOrientation orientation) {
  platform::PrintRequest request;  // page 1 of 1
  request.noSelection = true;
  const std::optional<platform::PrinterChoice> choice = program_.Dialogs.ShowPrintDialog(request);
  bool printed = false;
  if (choice) {
    const platform::OutputResult result = Printer.PrintOn(
        program_.Printer, *choice,
        [&](platform::DrawingCursor& printer) { DrawImagePage(printer, capture_, orientation); });
    printed = result.ok();
    if (!printed)
      program_.Dialogs.ShowMessageBox(result.error, platform::kBoxOk, QStringLiteral("Print Screen Images"));
  }
  ReturnToCaller();
  close();
  return printed;
}

bool Form6::Command1_Click() { return PrintImage(platform::PageOrientation::Landscape); }
bool Form6::Command3_Click() { return PrintImage(platform::PageOrientation::Portrait); }

void Form6::Command4_Click() {
  ReturnToCaller();
  close();
}

void Form6::ReturnToCaller() {
  if (program_.State.QuitConfirmed == 1) return;  // the program is ending: no window comes back
  const std::int16_t code = program_.State.PrintImageCaller;
  for (const CallerRestore& caller : kCallers) {
    if (caller.code != code) continue;
    auto* window = program_.Find<pui::Form>(QString::fromLatin1(caller.window));
    if (!window) return;
    for (const char* name : caller.buttons)
      if (name)
        if (QWidget* button = window->Control(QString::fromLatin1(name))) button->show();
    if (caller.hidesTradeMark)
      if (QWidget* mark = window->Control(QStringLiteral("TradeMark"))) mark->hide();
    const QByteArray grey = QByteArray(caller.greyMethod) + "()";
    if (window->metaObject()->indexOfMethod(grey.constData()) >= 0)
      QMetaObject::invokeMethod(window, caller.greyMethod);
    window->show();
    return;
  }
}

void Form6::closeEvent(QCloseEvent* event) {
  ReturnToCaller();  // the unload is never cancelled
  event->accept();
}

}  // namespace screenimage::ui

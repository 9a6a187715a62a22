#include "shell/ui/Form20.h"

#include <algorithm>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"
#include "shell/ui/Program.h"

namespace shell {

using platform::OleColor;
using platform::ui::ButtonPlus;

namespace {

constexpr OleColor kStartTheme = 8421504;    // &H808080
constexpr OleColor kStartBack = 12632319;    // &HC0C0FF
constexpr OleColor kStartFore = 0;

// The windows that take the look on "use", and those that take a scheme.
constexpr const char* kLookWindows[] = {"Form1",  "Form16", "Form17",  "MDIForm1", "Form13",
                                        "Form14", "Form12", "Form122", "Form121",  "Form123"};
constexpr const char* kSchemeWindows[] = {"Form1", "Form12",   "Form13", "Form14", "Form16",
                                          "Form9", "MDIForm1", "Form20", "Form26", "Form27"};

OleColor Swatch(const QLabel* picture) {
  return platform::ui::BackColor(picture).value_or(0);
}

OleColor StoredColour(const prefs::Preference& pref, OleColor fallback) {
  OleColor c = fallback;
  return platform::ParseOleColor(pref.read(), &c) ? c : fallback;
}

// A stored Boolean: "True" in any letter case, or a number other than 0.
bool ReadsTrue(const QString& text) {
  const QString t = text.trimmed();
  if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
  bool ok = false;
  const double n = t.toDouble(&ok);
  return ok && n != 0;
}

QString ColourText(OleColor c) { return QString::number(c); }

// A window's controls: a program window's in design order, any other's all.
std::vector<QWidget*> ControlsOf(QWidget& window) {
  if (auto* form = qobject_cast<platform::ui::Form*>(&window)) return form->Controls();
  const QList<QWidget*> all = window.findChildren<QWidget*>();
  return {all.begin(), all.end()};
}

}  // namespace

Form20::Form20(Program& program, QWidget* parent)
    : Form(QStringLiteral("Form20"), parent), program_(program) {
  setWindowTitle(QStringLiteral("Button Color Picker"));
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, 9120, 5640);

  Frame6 = add<QGroupBox>("Frame6", nullptr, 120, 120, 4560, 1680,
                          QStringLiteral("Form Background Color"));
  FormDefault = add<QRadioButton>("FormDefault", Frame6, 240, 420, 2880, 285,
                                  QStringLiteral("Tovrelle Default"));
  Picture4 = add<QLabel>("Picture4", Frame6, 3240, 390, 1080, 345);
  FormWin = add<QRadioButton>("FormWin", Frame6, 240, 1020, 2880, 285,
                              QStringLiteral("Your Windows System Default"));
  Picture5 = add<QLabel>("Picture5", Frame6, 3240, 990, 1080, 345);

  Frame1 = add<QGroupBox>("Frame1", nullptr, 4800, 120, 4200, 1680,
                          QStringLiteral("Select Button Style"));
  Option1 = add<QRadioButton>("Option1", Frame1, 240, 360, 1320, 285, QStringLiteral("Themed"));
  Option2 = add<QRadioButton>("Option2", Frame1, 240, 780, 1320, 285, QStringLiteral("Standard"));
  Option3 = add<QRadioButton>("Option3", Frame1, 240, 1200, 1320, 285, QStringLiteral("Solid"));
  Button = add<ButtonPlus>("Button", Frame1, 1680, 300, 2280, 375, QStringLiteral("Themed"));
  Button->SetUseVisualStyles(QStringLiteral("False"));
  Button->SetBorderStyle(QStringLiteral("5"));
  Button2 = add<ButtonPlus>("Button2", Frame1, 1680, 720, 2280, 375, QStringLiteral("Standard"));
  Button2->SetUseVisualStyles(QStringLiteral("True"));
  Button2->SetBorderStyle(QStringLiteral("3"));
  Button3 = add<ButtonPlus>("Button3", Frame1, 1680, 1140, 2280, 375, QStringLiteral("Solid"));
  Button3->SetUseVisualStyles(QStringLiteral("False"));
  Button3->SetBorderStyle(QStringLiteral("3"));

  Frame5 = add<QGroupBox>("Frame5", nullptr, 120, 1920, 8880, 2520,
                          QStringLiteral("Select Button Colors"));
  ButtonPlus1 =
      add<ButtonPlus>("ButtonPlus1", Frame5, 240, 360, 2160, 420, QStringLiteral("Theme Color"));
  Picture1 = add<QLabel>("Picture1", Frame5, 2580, 390, 840, 360);
  ButtonPlus2 =
      add<ButtonPlus>("ButtonPlus2", Frame5, 240, 1020, 2160, 420, QStringLiteral("Back Color"));
  Picture2 = add<QLabel>("Picture2", Frame5, 2580, 1050, 840, 360);
  ButtonPlus3 =
      add<ButtonPlus>("ButtonPlus3", Frame5, 240, 1680, 2160, 420, QStringLiteral("Font Color"));
  Picture3 = add<QLabel>("Picture3", Frame5, 2580, 1710, 840, 360);
  for (QLabel* swatch : {Picture1, Picture2, Picture3, Picture4, Picture5})
    swatch->setFrameShape(QFrame::Box);
  // The colour dialogs' frames: nothing to show on screen.
  Frame2 = add<QGroupBox>("Frame2", Frame5, 3600, 360, 480, 420);
  Frame3 = add<QGroupBox>("Frame3", Frame5, 3600, 1020, 480, 420);
  Frame4 = add<QGroupBox>("Frame4", Frame5, 3600, 1680, 480, 420);
  for (QGroupBox* f : {Frame2, Frame3, Frame4}) f->setVisible(false);
  SetDefault =
      add<QPushButton>("SetDefault", Frame5, 4320, 840, 4320, 720,
                       QStringLiteral("Click To ReSet To The Original Button Colors And Style"));

  Button4 =
      add<ButtonPlus>("Button4", nullptr, 120, 4680, 8880, 600,
                      QStringLiteral("Click To Use This Button Style and Button Color In Program"));
  platform::ui::SetTag(Button4, QStringLiteral("1000"));

  connect(ButtonPlus1, &ButtonPlus::clicked, this, &Form20::ButtonPlus1_Click);
  connect(ButtonPlus2, &ButtonPlus::clicked, this, &Form20::ButtonPlus2_Click);
  connect(ButtonPlus3, &ButtonPlus::clicked, this, &Form20::ButtonPlus3_Click);
  connect(Option1, &QRadioButton::clicked, this, &Form20::Option1_Click);
  connect(Option2, &QRadioButton::clicked, this, &Form20::Option2_Click);
  connect(Option3, &QRadioButton::clicked, this, &Form20::Option3_Click);
  connect(Button, &ButtonPlus::clicked, this, &Form20::Button_Click);
  connect(Button2, &ButtonPlus::clicked, this, &Form20::Button2_Click);
  connect(Button3, &ButtonPlus::clicked, this, &Form20::Button3_Click);
  connect(Button4, &ButtonPlus::clicked, this, &Form20::Button4_Click);
  connect(SetDefault, &QPushButton::clicked, this, &Form20::SetDefault_Click);
  connect(FormDefault, &QRadioButton::toggled, this, [this](bool on) {
    if (on) FormDefault_Click();
  });
  connect(FormWin, &QRadioButton::toggled, this, [this](bool on) {
    if (on) FormWin_Click();
  });
}

void Form20::Form_Load() {
  platform::ui::SetBackColor(Picture1, StoredColour(prefs::ThemeColor, kStartTheme));
  platform::ui::SetBackColor(Picture2, StoredColour(prefs::BackColor, kStartBack));
  platform::ui::SetBackColor(Picture3, StoredColour(prefs::ForeColor, kStartFore));
  GiveSampleColours();

  bool borderThree = false;
  const int border = prefs::BorderStyle.read().trimmed().toInt(&borderThree);
  borderThree = borderThree && border == 3;
  if (ReadsTrue(prefs::VisualStyle.read())) ChooseStyle(Style::Standard);
  else if (borderThree) ChooseStyle(Style::Solid);
  else ChooseStyle(Style::Themed);

  // Neither scheme option is selected yet: selecting one applies it.
  if (prefs::ScreenDefault.read() == QLatin1String("TV")) FormDefault->setChecked(true);
  else FormWin->setChecked(true);
}

Form20::Style Form20::SelectedStyle() const {
  if (Option2->isChecked()) return Style::Standard;
  if (Option3->isChecked()) return Style::Solid;
  return Style::Themed;
}

ButtonScheme Form20::ChosenLook() const {
  const Style style = SelectedStyle();
  return {ColourText(Swatch(Picture1)), ColourText(Swatch(Picture2)), ColourText(Swatch(Picture3)),
          style == Style::Standard ? QStringLiteral("True") : QStringLiteral("False"),
          style == Style::Themed ? QStringLiteral("5") : QStringLiteral("3")};
}

void Form20::GiveSampleColours() {
  for (ButtonPlus* b : {Button, Button2, Button3, Button4}) {
    b->SetThemeColor(ColourText(Swatch(Picture1)));
    b->SetBackColorText(ColourText(Swatch(Picture2)));
    b->SetForeColorText(ColourText(Swatch(Picture3)));
  }
}

void Form20::ChooseStyle(Style style) {
  Option1->setChecked(style == Style::Themed);
  Option2->setChecked(style == Style::Standard);
  Option3->setChecked(style == Style::Solid);
  const bool themed = style == Style::Themed;
  ButtonPlus1->setEnabled(themed);
  Picture1->setVisible(themed);
  ButtonPlus2->setEnabled(true);
  Picture2->setVisible(true);
  ButtonPlus3->setEnabled(!themed);
  Picture3->setVisible(!themed);

  const ButtonScheme look = ChosenLook();
  Button4->SetThemeColor(look.theme);
  Button4->SetBackColorText(look.back);
  Button4->SetForeColorText(look.fore);
  Button4->SetBorderStyle(look.borderStyle);
  Button4->SetUseVisualStyles(look.visualStyle);
}

void Form20::PickColour(int dialog, QLabel* swatch) {
  const std::optional<uint32_t> chosen = program_.Dialogs.ShowColorDialog(dialogColour_[dialog]);
  if (!chosen) return;
  dialogColour_[dialog] = *chosen;
  platform::ui::SetBackColor(swatch, *chosen);
  GiveSampleColours();
}

void Form20::ButtonPlus1_Click() { PickColour(0, Picture1); }
void Form20::ButtonPlus2_Click() { PickColour(1, Picture2); }
void Form20::ButtonPlus3_Click() { PickColour(2, Picture3); }
void Form20::Option1_Click() { ChooseStyle(Style::Themed); }
void Form20::Option2_Click() { ChooseStyle(Style::Standard); }
void Form20::Option3_Click() { ChooseStyle(Style::Solid); }
void Form20::Button_Click() { ChooseStyle(Style::Themed); }
void Form20::Button2_Click() { ChooseStyle(Style::Standard); }
void Form20::Button3_Click() { ChooseStyle(Style::Solid); }
void Form20::Frame4_DragDrop() { ChooseStyle(Style::Solid); }

QWidget* Form20::WindowNamed(const char* name) {
  // This dialog is among the windows it recolours; it may not be registered
  // yet while it loads.
  if (objectName() == QLatin1String(name)) return this;
  return program_.Load(QString::fromLatin1(name));
}

void Form20::Button4_Click() {
  for (const char* name : kLookWindows)
    if (QWidget* w = WindowNamed(name)) ApplyButtonStyle(*w);
  const ButtonScheme look = ChosenLook();
  prefs::ThemeColor.write(look.theme);
  prefs::BackColor.write(look.back);
  prefs::ForeColor.write(look.fore);
  prefs::VisualStyle.write(look.visualStyle);
  prefs::BorderStyle.write(look.borderStyle);
  close();
}

void Form20::ApplyButtonStyle(QWidget& window) {
  const ButtonScheme look = ChosenLook();
  for (QWidget* c : ControlsOf(window)) HandOverButtonScheme(c, look);
}

void Form20::SetDefault_Click() {
  platform::ui::SetBackColor(Picture1, kStartTheme);
  platform::ui::SetBackColor(Picture2, kStartBack);
  platform::ui::SetBackColor(Picture3, kStartFore);
  GiveSampleColours();
  ChooseStyle(Style::Themed);
}

void Form20::ApplySchemeOn(QWidget& window, ScreenScheme scheme) {
  const OleColor face = SchemeFaceColour(scheme);
  for (QWidget* c : ControlsOf(window)) RecolourControl(c, scheme);
  if (window.objectName() == QLatin1String("Form16")) platform::ui::SetBackColor(&window, face);
  // The income windows' tab controls paint in the scheme's face colour.
  for (const char* name : {"Form13", "Form14"})
    if (QWidget* w = program_.Find(QString::fromLatin1(name)))
      if (auto* tabs = w->findChild<platform::ui::TabControl*>(QStringLiteral("SSTab1"))) {
        platform::ui::SetBackColor(tabs, face);
        platform::ui::SetTabPaintStyle(*tabs, 0);
        platform::ui::SetTabSolidColor(*tabs, face);
        platform::ui::HookTabControl(*tabs);
      }
  prefs::ScreenDefault.write(scheme == ScreenScheme::Program ? QStringLiteral("TV") : QStringLiteral("Sys"));
}

void Form20::ApplyProgramScheme(QWidget& window) { ApplySchemeOn(window, ScreenScheme::Program); }
void Form20::ApplySystemScheme(QWidget& window) { ApplySchemeOn(window, ScreenScheme::System); }

void Form20::ChooseScheme(ScreenScheme scheme) {
  for (const char* name : kSchemeWindows)
    if (QWidget* window = WindowNamed(name)) ApplySchemeOn(*window, scheme);
  // Every other loaded window takes the scheme at once too.
  for (QWidget* window : program_.Windows().LoadedWindows()) {
    const QByteArray name = window->objectName().toLatin1();
    if (std::find_if(std::begin(kSchemeWindows), std::end(kSchemeWindows),
                     [&name](const char* n) { return name.compare(n, Qt::CaseInsensitive) == 0; }) ==
        std::end(kSchemeWindows))
      ApplySchemeOn(*window, scheme);
  }
  platform::ui::SetBackColor(Picture4, platform::kSchemeFace);
  platform::ui::SetBackColor(Picture5, platform::kSysButtonFace);
  program_.State.SchemeBackColor = SchemeFaceColour(scheme);
}

void Form20::FormDefault_Click() { ChooseScheme(ScreenScheme::Program); }
void Form20::FormWin_Click() { ChooseScheme(ScreenScheme::System); }

}  // namespace shell

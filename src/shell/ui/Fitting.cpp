#include "shell/ui/Fitting.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include "platform/Colors.h"
#include "platform/ui/ButtonPlus.h"
#include "platform/ui/TabControl.h"
#include "prefs/Preferences.h"

namespace shell {

using namespace platform;
using namespace platform::ui;

namespace {

bool TaggedForScheme(const QWidget* control) {
  bool ok = false;
  const double tag = Tag(control).trimmed().toDouble(&ok);
  return ok && tag == 1000;
}

bool NamedWithOwnBackground(const Form& window) {
  const QString n = window.Name();
  return n == "Box" || n == "Form16" || n == "frmSplash";
}

// Recolours one control under the stored screen scheme; with `window` set, a
// window of its own background takes the scheme's face colour too.
void Recolour(QWidget* control, Form* window) {
  const std::optional<ScreenScheme> scheme = StoredScreenScheme();
  if (!scheme) return;
  RecolourControl(control, *scheme);
  if (window && NamedWithOwnBackground(*window)) SetBackColor(window, SchemeFaceColour(*scheme));
}

void ScaleFontBefore(QWidget* c, double min) {
  if (min <= 1 && HasFont(c)) SetFontSize(c, min * FontSize(c));
}
void ScaleFontAfter(QWidget* c, double min) {
  if (min > 1 && HasFont(c)) SetFontSize(c, min * FontSize(c));
}

void ScaleWindow(Form& window, const ScreenFactors& f, const ScreenInfo& screen) {
  window.SetTwipsPerPixel(screen.twipsPerPixelX, screen.twipsPerPixelY);
  SetWidth(&window, static_cast<float>(Width(&window) * f.ScaleFactorX));
  SetHeight(&window, static_cast<float>(Height(&window) * f.ScaleFactorY));
  SetTop(&window, static_cast<float>(Top(&window) * f.ScaleFactorY));
}

void CapResultPanelFont(Form& window, const ScreenFactors& f) {
  QWidget* panel = window.Control("Picture5");
  if (!panel) return;
  double s = FontSize(panel);
  for (int k = 1; s > 8.4 * f.ScaleFactorY && k < 100000; ++k) {
    SetFontSize(panel, s - 0.01 * k);
    s = FontSize(panel);
  }
  for (const char* name : {"Picture6", "Picture7", "Picture1", "Picture2", "Picture3", "Picture4", "Picture8"})
    if (QWidget* other = window.Control(name)) SetFontSize(other, s);
}

}  // namespace

ButtonScheme ButtonScheme::Read() {
  return {prefs::ThemeColor.read(), prefs::BackColor.read(), prefs::ForeColor.read(),
          prefs::VisualStyle.read(), prefs::BorderStyle.read()};
}

void HandOverButtonScheme(QWidget* control, const ButtonScheme& scheme) {
  if (!TaggedForScheme(control)) return;
  if (auto* button = qobject_cast<ButtonPlus*>(control)) {
    button->SetBackColorText(scheme.back);
    button->SetForeColorText(scheme.fore);
    button->SetThemeColor(scheme.theme);
    button->SetUseVisualStyles(scheme.visualStyle);
    button->SetBorderStyle(scheme.borderStyle);
    return;
  }
  OleColor c = 0;
  if (ParseOleColor(scheme.back, &c)) SetBackColor(control, c);
  if (ParseOleColor(scheme.fore, &c)) SetForeColor(control, c);
}

std::optional<ScreenScheme> StoredScreenScheme() {
  const QString stored = prefs::ScreenDefault.read();
  if (stored == QLatin1String("TV")) return ScreenScheme::Program;
  if (stored == QLatin1String("Sys")) return ScreenScheme::System;
  return std::nullopt;
}

OleColor SchemeFaceColour(ScreenScheme scheme) {
  return scheme == ScreenScheme::Program ? kSchemeFace : kSysButtonFace;
}

void RecolourControl(QWidget* control, ScreenScheme scheme) {
  const bool program = scheme == ScreenScheme::Program;
  const OleColor caption[2] = {kSysActiveCaption, kSchemeCaption};
  const OleColor face[2] = {kSysButtonFace, kSchemeFace};
  const OleColor text[2] = {kSysButtonText, kSchemeText};
  const int from = program ? 0 : 1, to = program ? 1 : 0;
  if (ForeColor(control) == caption[from]) SetForeColor(control, caption[to]);
  if (BackColor(control) == face[from]) SetBackColor(control, face[to]);
  if (ForeColor(control) == text[from]) SetForeColor(control, text[to]);
}

ScreenInfo CurrentScreenInfo(const QWidget* window) {
  QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  ScreenInfo info;
  if (!screen) return info;
  const QRect g = screen->geometry();
  info.widthPx = g.width();
  info.heightPx = g.height();
  const double dpiX = screen->logicalDotsPerInchX();
  const double dpiY = screen->logicalDotsPerInchY();
  info.twipsPerPixelX = dpiX > 0 ? 1440.0 / dpiX : 15.0;
  info.twipsPerPixelY = dpiY > 0 ? 1440.0 / dpiY : 15.0;
  return info;
}

void FitOwnFont(QWidget& window, const QString& face, const ScreenFactors& factors) {
  QFont own = window.font();
  own.setFamily(face);
  own.setPointSizeF(own.pointSizeF() * factors.ScaleFactorMin);
  window.setFont(own);
}

void ApplyButtonScheme(QWidget* control) { HandOverButtonScheme(control, ButtonScheme::Read()); }
void ApplyScreenScheme(QWidget* control) { Recolour(control, nullptr); }

void FitFormToScreen(Form& window, ScreenFactors& factors, const ScreenInfo& screen) {
  factors = ComputeScreenFactors(screen);
  const double savedMin = factors.ScaleFactorMin;
  const QString name = window.Name();
  if (name == "Form5" && factors.ScreenWidthPx == 1280 && factors.ScreenHeightPx == 960) {
    if (factors.TwipsPerPixelX == 12) factors.ScaleFactorMin = 1.24;
    else if (factors.TwipsPerPixelX == 15) factors.ScaleFactorMin = 1.58;
  }
  if (name != "FormVS") ApplyMonitorAdjustment(factors, MonitorAdjustment(prefs::MonAdj.read()));

  ScaleWindow(window, factors, screen);
  const ButtonScheme scheme = ButtonScheme::Read();
  for (QWidget* c : window.Controls()) {
    ScaleFontBefore(c, factors.ScaleFactorMin);
    if (HasGeometry(c)) {
      SetLeft(c, factors.ScaleFactorX * Left(c));
      SetTop(c, factors.ScaleFactorY * Top(c));
      SetWidth(c, factors.ScaleFactorX * Width(c));
      SetHeight(c, factors.ScaleFactorY * Height(c));
    }
    ScaleFontAfter(c, factors.ScaleFactorMin);
    HandOverButtonScheme(c, scheme);
    Recolour(c, &window);
  }

  if (name == "Form20") {
    if (QWidget* p = window.Control("Picture4")) SetBackColor(p, kSchemeFace);
    if (QWidget* p = window.Control("Picture5")) SetBackColor(p, kSysButtonFace);
  }
  if (name == "Form5") {
    factors.ScaleFactorMin = savedMin;
    CapResultPanelFont(window, factors);
  }
  if (name == "FormVS")
    if (QWidget* vs = window.Control("VS")) SetBackColor(vs, kWhite);
  if (name == "Form16") window.setWindowState(Qt::WindowMaximized);
  window.ApplyGeometry();
}

void FitFormToScreen(Form& window, ScreenFactors& factors) {
  FitFormToScreen(window, factors, CurrentScreenInfo(&window));
}

void FitTabFormToScreen(Form& window, ScreenFactors& factors, const ScreenInfo& screen) {
  const ButtonScheme scheme = ButtonScheme::Read();
  factors = ComputeScreenFactors(screen);
  ApplyMonitorAdjustment(factors, MonitorAdjustment(prefs::MonAdj.read()));
  ScaleWindow(window, factors, screen);

  // Our tab control keeps the controls of every page in place, so a control
  // whose Left is zero or more scales by the common factor, and one designed
  // at a negative Left keeps it.
  for (QWidget* c : window.Controls()) {
    ScaleFontBefore(c, factors.ScaleFactorMin);
    if (HasGeometry(c)) {
      SetTop(c, factors.ScaleFactorY * Top(c));
      SetWidth(c, factors.ScaleFactorX * Width(c));
      SetHeight(c, factors.ScaleFactorY * Height(c));
    }
    ScaleFontAfter(c, factors.ScaleFactorMin);
    if (HasGeometry(c) && Left(c) >= 0) SetLeft(c, factors.ScaleFactorMin * Left(c));
    HandOverButtonScheme(c, scheme);
    Recolour(c, nullptr);
  }

  // The tab control is one of the controls, so its captions' font has been
  // scaled once above, like every other font.
  if (auto* tabs = qobject_cast<TabControl*>(window.Control("SSTab1"))) {
    tabs->SetTabMaxWidth(factors.ScaleFactorX * tabs->TabMaxWidth());
    tabs->SetTabHeight(factors.ScaleFactorY * tabs->TabHeight());
    if (factors.ScaleFactorX == 0.8) SetWidth(tabs, 0.8 * Width(tabs));
    if (factors.ScaleFactorX == 0.64) SetWidth(tabs, 0.64 * Width(tabs));
    if (window.Name() == "Form13" || window.Name() == "Form14")
      window.setWindowState(Qt::WindowMaximized);
  }
  window.ApplyGeometry();
}

void FitTabFormToScreen(Form& window, ScreenFactors& factors) {
  FitTabFormToScreen(window, factors, CurrentScreenInfo(&window));
}

}  // namespace shell

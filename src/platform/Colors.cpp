#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {

namespace {

QColor SystemColour(unsigned index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case 2: return palette.color(QPalette::Active, QPalette::Highlight);   // active caption
    case 5: return palette.color(QPalette::Base);                         // window
    case 8: return palette.color(QPalette::Text);                         // window text
    case 15: return palette.color(QPalette::Button);                      // button face
    case 18: return palette.color(QPalette::ButtonText);                  // button text
    default: return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor ToQColor(OleColor colour) {
  if (colour & kSystemColourFlag) return SystemColour(colour & 0xFFu);
  return QColor(static_cast<int>(colour & 0xFFu), static_cast<int>((colour >> 8) & 0xFFu),
                static_cast<int>((colour >> 16) & 0xFFu));
}

OleColor FromQColor(const QColor& colour) {
  return Rgb(colour.red(), colour.green(), colour.blue());
}

bool ParseOleColor(const QString& text, OleColor* colour) {
  bool ok = false;
  const qlonglong value = text.trimmed().toLongLong(&ok);
  if (!ok || value < -2147483648LL || value > 4294967295LL) return false;
  *colour = static_cast<OleColor>(static_cast<std::uint32_t>(value & 0xFFFFFFFFLL));
  return true;
}

}  // namespace platform

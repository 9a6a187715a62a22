#pragma once

#include "platform/ui/ButtonPlus.h"
#include "platform/ui/Form.h"

namespace tools::ui {

// A command button of the tools' windows: tagged "1000", so it takes the
// user's button style when the window is fitted.
inline platform::ui::ButtonPlus* AddTaggedButton(platform::ui::Form& form, const char* name, QWidget* in, double left,
                                                 double top, double width, double height, const char* caption) {
  auto* b = form.add<platform::ui::ButtonPlus>(QString::fromLatin1(name), in, left, top, width, height,
                                               QString::fromLatin1(caption));
  platform::ui::SetTag(b, QStringLiteral("1000"));
  return b;
}

}  // namespace tools::ui

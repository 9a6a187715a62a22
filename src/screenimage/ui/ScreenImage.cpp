#include "screenimage/ui/ScreenImage.h"

#include "platform/NumberText.h"
#include "platform/Waits.h"
#include "platform/ui/CaptureForm.h"
#include "prefs/Preferences.h"
#include "screenimage/ui/Form6.h"
#include "shell/ui/Program.h"

namespace screenimage::ui {

double ScreenImageMonitorAdjustment(const QString& stored) {
  const QString text = stored.trimmed();
  return platform::IsNumeric(text) ? platform::Val(text) : 1.0;
}

Form6* TakeScreenImage(shell::Program& program, platform::ui::Form& window, std::int16_t callerCode,
                       const std::function<void()>& printAppearance, ScreenImageSteps steps) {
  static bool underWay = false;
  if (underWay) return nullptr;
  underWay = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{underWay};

  const bool maximise = steps.state != ImageWindowState::Unchanged;
  if (maximise) window.setWindowState(Qt::WindowMaximized);
  if (printAppearance) printAppearance();
  platform::WaitWithoutUserInput(kScreenImageWaitSeconds);

  auto* form6 = program.Load<Form6>(QStringLiteral("Form6"));
  if (!form6) return nullptr;
  program.FitFormToScreen(*form6);
  if (maximise && ScreenImageMonitorAdjustment(prefs::MonAdj.read()) != 1) window.setWindowState(Qt::WindowNoState);
  form6->SetCapture(platform::ui::CaptureForm(window), program.State.Screen.ScaleFactorX,
                    program.State.Screen.ScaleFactorY);
  if (steps.hideBeforeShowing) window.hide();
  form6->show();
  window.hide();
  program.State.PrintImageCaller = callerCode;
  if (steps.state == ImageWindowState::MaximisedOnReturn) window.setWindowState(Qt::WindowMaximized);
  return form6;
}

}  // namespace screenimage::ui

#include "casefile/ui/CaseFileMenus.h"

#include <QObject>

#include "casefile/CaseFileCommands.h"
#include "casefile/NewCase.h"
#include "casefile/ui/WindowCaseFields.h"
#include "platform/ui/Form.h"
#include "shell/ui/Program.h"

namespace casefile::ui {

namespace {

const QString kHolderName = QStringLiteral("CaseFileSession");

// The session and the fields it works on, a child of the Express screen so
// that it lasts as long as the program's windows and goes with them.
class SessionHolder final : public QObject {
 public:
  SessionHolder(shell::Program& program, QObject* parent)
      : QObject(parent),
        fields(program),
        session{fields, program.Case, program.Dialogs, program.State.DataFolder, program.State.CaseFolder} {
    setObjectName(kHolderName);
  }

  WindowCaseFields fields;
  CaseFileSession session;
};

}  // namespace

CaseFileSession* Session(shell::Program& program) {
  auto* form1 = program.Load<platform::ui::Form>(QStringLiteral("Form1"));
  if (!form1) return nullptr;
  auto* holder = static_cast<SessionHolder*>(form1->findChild<QObject*>(kHolderName, Qt::FindDirectChildrenOnly));
  if (!holder) holder = new SessionHolder(program, form1);
  return &holder->session;
}

bool SaveCase(shell::Program& program) {
  CaseFileSession* session = Session(program);
  return session && SaveCaseCommand(*session);
}

bool OpenCase(shell::Program& program, bool showExpressScreen) {
  CaseFileSession* session = Session(program);
  if (!session || !OpenCaseCommand(*session)) return false;
  program.CaseReplaced();
  if (!showExpressScreen) return true;
  if (auto* form1 = program.Load<platform::ui::Form>(QStringLiteral("Form1"))) {
    form1->show();
    form1->raise();
    form1->activateWindow();
  }
  return true;
}

bool ClearData(shell::Program& program) {
  CaseFileSession* session = Session(program);
  if (!session || !casefile::ClearData(session->fields, session->dialogs)) return false;
  session->caseFolder.clear();  // the new case has no file yet
  program.CaseReplaced();
  return true;
}

}  // namespace casefile::ui

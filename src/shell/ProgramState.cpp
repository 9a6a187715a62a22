#include "shell/ProgramState.h"

namespace shell {

void SetStartValues(ProgramState& state, casevars::CaseVars& caseVars) {
  caseVars.Express.SequencingMode = 1;
  caseVars.Express.MaintAppliedToCS = 1;
  state.FinDecFormType = 1;
  state.BlankFAPrint = 0;
}

}  // namespace shell

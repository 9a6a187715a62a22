#include "shell/ProgramState.h"

namespace shell {

void SetStartValues(ProgramState& state) {
  state.SequencingMode = 1;
  state.MaintAppliedToCS = 1;
  state.FinDecFormType = 1;
  state.BlankFAPrint = 0;
}

}  // namespace shell

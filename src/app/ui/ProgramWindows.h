#pragma once

namespace shell {
class Program;
}

namespace app {

using shell::Program;

// Tells the program's window registry how to create each window of the
// program by its name. Every window the program opens by name is listed
// here, once.
void RegisterProgramWindows(Program& program);

}  // namespace app

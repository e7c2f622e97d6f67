#pragma once

// How the program tells its caller how a run from the command line went.
namespace ExitCode {
constexpr int Success = 0;
// The script ran, and a command failed, the run was aborted or the script had no command.
constexpr int CommandFailed = 1;
// A file named on the command line does not exist or is not a script that parses; or several
// scripts were named where nobody can choose one (no desktop session).
constexpr int ScriptNotTaken = 2;
// Another copy of the program runs: the script named on the command line was not run.
constexpr int AlreadyRunning = 3;
} // namespace ExitCode

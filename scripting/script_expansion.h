#pragma once

#include "script_command.h"

// Replaces each FOREACHPORT block by, for every address of its range in increasing order, a
// SETPORT to that address followed by a copy of the block's commands. A block without commands
// leaves its ENDFOREACHPORT, one without an end is dropped, and a range whose start lies above
// its end yields nothing. The caller's list is not changed.
ScriptCommandList expandScriptLoops(ScriptCommandList commands);

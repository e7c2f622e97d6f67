#pragma once

// Whether standard error goes to a terminal that a person reads, rather than to a file or a
// pipe: only a terminal is given a progress line that is rewritten in place.
bool standardErrorIsTerminal();

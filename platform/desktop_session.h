#pragma once

// Whether windows can be shown here: false on a machine without a desktop (a server, a
// scheduled job), where a program that shows nothing has to use an offscreen platform.
bool hasDesktopSession();

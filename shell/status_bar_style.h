#pragma once

// The status bar's look while it shows an error: red bold text.
inline constexpr char kErrorStatusStyle[] =
    "QStatusBar{padding-left:8px;background:rgba(0,0,0,0);color:red;font-weight:bold;}";

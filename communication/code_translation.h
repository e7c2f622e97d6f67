#pragma once

// Video input and schedule codes as the different display generations number them. Each maps
// a code to its counterpart; a code without one maps to the table's fallback.

// Op code 0x0060: common numbering to an older display's and back; 0 means not available.
int input_to_legacy_code(int code);
int input_from_legacy_code(int code);

// The input byte of a schedule entry in an older display's numbering.
int schedule_input_from_legacy(int code);
int schedule_input_to_legacy(int code);

// The input and picture-mode bytes of a schedule entry in the plain schedule dialect.
int schedule_input_to_plain(int code);
int schedule_input_from_plain(int code);
int schedule_field_to_plain(int code);
int schedule_field_from_plain(int code);

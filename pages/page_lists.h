#pragma once

class QWidget;

// Fills the combo boxes of the pages below form with their items and value data, and styles
// the six-axis colour sliders.
void fill_page_lists(QWidget* form);
// Couples each slider of the adjustment pages with its spin box, both ways.
void pair_page_controls(QWidget* form);
// Keys that the form cannot give: Return presses the IR keypad's Enter key, as the keypad's
// Enter does.
void add_page_keys(QWidget* form);

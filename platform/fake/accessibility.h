#pragma once
// What assistive technology (a screen reader, voice control) reads from a window or control,
// and what it does with one, through the interfaces Qt gives it.
#include <string>

class CWnd;

// The name it announces.
std::string AccessibleName(CWnd& wnd);
// The kind it announces, in AT-SPI's words: "push button", "check box", "radio button",
// "label", "text", "spin button", "combo box", "progress bar", "dialog"...
std::string AccessibleRole(CWnd& wnd);
// The value it reads out with the name, as a number (a bar's or an up-down's position); NaN
// where there is none.
double AccessibleValue(CWnd& wnd);
// Toggles a check box or radio button through its accessible "toggle" action, as AT-SPI clients
// do. Refused, like every user verb, where no such action is offered: a hidden or disabled
// control, or one that cannot be toggled.
void ToggleThroughAccessibility(CWnd& control);

#pragma once
// Real keyboard and mouse input on real windows, as a user gives it.
#include "platform/types.h"

#include <string>

class CWnd;

enum class Key { Return, Escape, Up, Down, Tab };

// Presses a key in a window, delivered to the control that has the focus (or the given one).
void PressKey(CWnd& window, Key key);
void PressKeyIn(CWnd& control, Key key);
// Types text into a control, key by key, as the keyboard would.
void TypeText(CWnd& control, const std::string& text);
// Selects all of a control's text and types the new text over it.
void ReplaceText(CWnd& control, const std::string& text);
// Pastes text into a control, as the clipboard would.
void PasteText(CWnd& control, const std::string& text);
// Clicks a button with the mouse.
void ClickButton(CWnd& button);
// Clicks the right mouse button at a point of a window's client area.
void RightClick(CWnd& window, CPoint clientPoint);
// Clicks a tab of a tab control with the mouse.
void ClickTab(CWnd& tabControl, int index);
// Picks an item in a drop-down list's open list, which then closes.
void ChooseListItem(CWnd& list, int index);
// Closes a window by its caption's close box.
void CloseBox(CWnd& window);

#pragma once
// Real keyboard and mouse input on real windows, as a user gives it. Like the real desktop,
// every verb refuses a hidden or disabled control and a window that an open modal dialog
// blocks; a refusal fails the test (it is recorded with the modal service's failures).
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
// Moves the mouse pointer over a point of a window's client area: the window, or the control
// there, gets the move as the real desktop delivers it.
void MovePointer(CWnd& window, CPoint clientPoint);
// The user drags a window by its caption so that its top-left corner (frame included) is at
// (x, y) in screen pixels: the window manager moves it and reports the move.
void DragWindow(CWnd& window, int x, int y);
// The user drops a window dragged by its caption: the pair of capture changes the layer
// reports when a move the user made has stopped.
void EndUserDrag(CWnd& window);
// A command of the window's system menu.
void SystemCommand(CWnd& window, UINT id);

#pragma once
// Text put into a control the way assistive technology puts it (a screen reader, an on-screen
// keyboard, a dictation tool): through the control's accessible text interface, past its
// keyboard and clipboard handling. Each returns false when the control offers no such interface.
#include <string>

class CWnd;

bool SetTextAccessibly(CWnd& control, const std::string& text);
bool InsertTextAccessibly(CWnd& control, int offset, const std::string& text);
bool ReplaceTextAccessibly(CWnd& control, int start, int end, const std::string& text);

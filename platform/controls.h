#pragma once
// The controls the templates use, as thin objects over their windows.
#include "platform/wnd.h"

#include <string>
#include <vector>

class CButton : public CWnd {};

class CEdit : public CWnd {
public:
    void LimitText(int chars);
};

class CStatic : public CWnd {};

class CProgressCtrl : public CWnd {
public:
    void SetRange32(int lower, int upper);
    void SetPos(int pos);
};

class CSpinButtonCtrl : public CWnd {
public:
    void SetRange(int lower, int upper);
};

class CComboBox : public CWnd {};

class CTabCtrl : public CWnd {
public:
    void InsertItem(int index, const std::string& text);
    int GetCurSel() const;
};

class CStatusBarCtrl : public CWnd {
public:
    // A visible child at the bottom of the parent's client area.
    BOOL Create(CWnd& parent, UINT id);
    void SetParts(const std::vector<int>& rightEdges); // -1: to the window's right end
    void SetSimple(bool simple);
    void SetText(const std::string& text, int part);
};

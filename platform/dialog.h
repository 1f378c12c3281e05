#pragma once
// Dialogs built from templates, their controls and their data exchange.
#include "platform/dialog_template.h"
#include "platform/message_map.h"
#include "platform/wnd.h"

#include <map>
#include <memory>
#include <string>

class CDialog;

struct CDataExchange {
    CDialog* m_pDlgWnd = nullptr;
    bool m_bSaveAndValidate = false; // true: controls -> members
};

class CDialog : public CWnd {
public:
    // A top-level dialog of the application.
    CDialog(int templateId, CWinApp& app);
    // A dialog that belongs to its parent's application: a page inside the parent, or a
    // dialog the parent opens.
    CDialog(int templateId, CWnd& parent);
    ~CDialog() override;

    // Creates the window modeless; a child template goes into the parent given at construction.
    BOOL Create();
    INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    CWnd* GetDlgItem(int id);
    // 1 when the check box or radio button is checked, else 0.
    UINT IsDlgButtonChecked(int id);
    int TemplateId() const { return m_templateId; }
    const DialogTemplate& Template() const;
    BOOL DestroyWindow() override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    void OnClose() override;
    bool OnCmdMsg(UINT id) override;
    bool OnNotify(int controlId, UINT code) override;
    LRESULT OnRegisteredMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    int m_templateId;
    CWnd* m_pParent = nullptr;
    bool m_modal = false;
    std::map<int, std::unique_ptr<CWnd>> m_items;
};

// Data exchange between members and controls, by control id.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
void DDX_Check(CDataExchange* pDX, int id, int& value);
// The radio group that starts at id: the index of the checked button, -1 for none.
void DDX_Radio(CDataExchange* pDX, int id, int& value);
void DDX_CBString(CDataExchange* pDX, int id, std::string& value);

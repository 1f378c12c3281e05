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
    CDialog(int templateId, CWnd* parent);
    ~CDialog() override;

    // Creates the window modeless; parent null for a top-level window.
    BOOL Create(CWnd* parent = nullptr);
    INT_PTR DoModal();
    void EndDialog(int result);
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    CWnd* GetDlgItem(int id);
    // 1 when the check box or radio button is checked, else 0.
    UINT IsDlgButtonChecked(int id);
    bool IsModal() const { return m_modal; }
    int TemplateId() const { return m_templateId; }
    const DialogTemplate& Template() const;
    BOOL DestroyWindow() override;

    bool DispatchCommand(UINT id) override;
    bool DispatchNotify(int controlId, UINT code) override;
    LRESULT DispatchMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual const MessageMap& GetMessageMap() const;
    void OnClose() override;

private:
    int m_templateId;
    CWnd* m_parentAtConstruction;
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

#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "ui/CFont.h"
#include "ui/CWnd.h"
#include "ui/DialogTemplate.h"

class CDataExchange;

// A window built from a dialog template: modeless with Create, modal with DoModal, which runs
// a nested message loop until EndDialog (or a quit message) ends it.
class CDialog : public CWnd {
  public:
    CDialog() = default;
    explicit CDialog(UINT template_id, CWnd* parent = nullptr);

    // Uses this template instead of loading one by number.
    void InitFromTemplate(const DialogTemplate& dialog_template, CWnd* parent = nullptr);

    BOOL Create(UINT template_id, CWnd* parent = nullptr);
    BOOL Create(CWnd* parent = nullptr);
    virtual INT_PTR DoModal();
    void EndDialog(int result);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL UpdateData(BOOL save = TRUE);

    BOOL PreTranslateMessage(MSG* msg) override;

    // The base units the template's font gives.
    const DialogUnits& Units() const { return units_; }

  protected:
    virtual void DoDataExchange(CDataExchange* dx);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;
    int m_nModalResult = -1;

    DECLARE_MESSAGE_MAP()

  private:
    BOOL CreateFromTemplate(CWnd* parent);
    void CreateItems();
    CRect PlaceOnScreen(CWnd* parent) const;
    BOOL HandleDialogKey(const MSG& msg);
    void MoveFocus(bool forward);

    std::optional<DialogTemplate> template_;
    DialogUnits units_;
    CFont font_;
    // Controls made for template items no member took over.
    std::vector<std::unique_ptr<CWnd>> items_;
    bool modal_ = false;
    bool continue_modal_ = false;
};

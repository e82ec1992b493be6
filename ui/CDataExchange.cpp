#include "ui/CDataExchange.h"

#include "ui/CWnd.h"

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (dx == nullptr || control.m_hWnd != nullptr) {
        return;
    }
    control.SubclassDlgItem(static_cast<UINT>(id), dx->m_pDlgWnd);
}

#include "ui/CDialog.h"

#include <algorithm>

#include "platform/Backend.h"
#include "ui/Bitmap.h"
#include "ui/CBrush.h"
#include "ui/CButton.h"
#include "ui/CDataExchange.h"
#include "ui/ControlFactory.h"
#include "ui/Desktop.h"
#include "ui/Graphics.h"
#include "ui/WinApi.h"
#include "ui/WindowTree.h"

namespace {

constexpr std::u16string_view kBaseUnitSample =
    u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

// The average character width and the height of the dialog font, as GDI measures them.
DialogUnits BaseUnitsOf(const ui::Font& font) {
    auto scratch = ui::Bitmap::Create(1, 1);
    auto g = ui::Graphics::FromBitmap(*scratch);
    const ui::SizeF sample = g->MeasureString(kBaseUnitSample, font);
    const int width = static_cast<int>(sample.width + 0.5f);
    return {(width / 26 + 1) / 2, static_cast<int>(sample.height + 0.5f)};
}

bool IsKeyMessage(UINT message) {
    return message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
}

}  // namespace

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT template_id, CWnd* parent) : m_nIDHelp(template_id), m_pParentWnd(parent) {}

void CDialog::InitFromTemplate(const DialogTemplate& dialog_template, CWnd* parent) {
    template_ = dialog_template;
    m_pParentWnd = parent;
}

BOOL CDialog::Create(UINT template_id, CWnd* parent) {
    m_nIDHelp = template_id;
    return Create(parent);
}

BOOL CDialog::Create(CWnd* parent) {
    modal_ = false;
    return CreateFromTemplate(parent != nullptr ? parent : m_pParentWnd);
}

BOOL CDialog::CreateFromTemplate(CWnd* parent) {
    if (!template_) {
        template_ = DialogTemplate::Load(m_nIDHelp);
    }
    if (!template_) {
        return FALSE;
    }
    const DialogTemplate& t = *template_;
    LOGFONTW lf;
    lf.lfHeight = -(t.font_points * 96 + 36) / 72;
    lf.lfWeight = FW_NORMAL;
    std::copy_n(t.font_face.begin(), std::min<std::size_t>(t.font_face.size(), 31), lf.lfFaceName);
    font_.CreateFontIndirect(&lf);
    units_ = BaseUnitsOf(font_.GetSafeHandle()->font);
    if (!CreateEx(t.ex_style, t.caption, t.style & ~WS_VISIBLE, PlaceOnScreen(parent), parent, 0)) {
        return FALSE;
    }
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetSafeHandle()), FALSE);
    CreateItems();
    SendMessage(WM_INITDIALOG);
    if (m_hWnd != nullptr && (t.style & WS_VISIBLE) != 0) {
        ShowWindow(SW_SHOW);
    }
    return m_hWnd != nullptr ? TRUE : FALSE;
}

CRect CDialog::PlaceOnScreen(CWnd* parent) const {
    const DialogTemplate& t = *template_;
    const CRect size = units_.ToPixels(t.x, t.y, t.cx, t.cy);
    // Dialogs open centred on their owner, or on the work area when they have none.
    CRect around;
    if (parent != nullptr && parent->GetSafeHwnd() != nullptr) {
        parent->GetTopLevelParent()->GetWindowRect(&around);
    } else {
        around = ui::Desktop::Get().Backend().WorkArea();
    }
    return CRect::FromXywh(around.left + (around.Width() - size.Width()) / 2,
                           around.top + (around.Height() - size.Height()) / 2, size.Width(),
                           size.Height());
}

void CDialog::CreateItems() {
    for (const DialogItem& item : template_->items) {
        std::unique_ptr<CWnd> control = ControlFactory::Make(item.class_name);
        const CRect rect = units_.ToPixels(item.x, item.y, item.cx, item.cy);
        if (control->CreateEx(item.ex_style, item.text, item.style | WS_CHILD, rect, this,
                              item.id)) {
            control->SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font_.GetSafeHandle()),
                                 FALSE);
            items_.push_back(std::move(control));
        }
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    const BOOL focus_default = OnInitDialog();
    if (focus_default && m_hWnd != nullptr && CWnd::GetFocus() == nullptr) {
        for (HWND child : m_hWnd->children) {
            if ((child->style & WS_TABSTOP) != 0 && child->IsVisible() && child->IsEnabled()) {
                child->wnd->SetFocus();
                break;
            }
        }
    }
    return focus_default;
}

INT_PTR CDialog::DoModal() {
    CWnd* owner = m_pParentWnd != nullptr ? m_pParentWnd->GetTopLevelParent() : nullptr;
    const bool disable_owner = owner != nullptr && owner->IsWindowEnabled();
    if (disable_owner) {
        owner->EnableWindow(FALSE);
    }
    modal_ = true;
    continue_modal_ = true;
    m_nModalResult = -1;
    if (CreateFromTemplate(m_pParentWnd)) {
        if (m_hWnd != nullptr && continue_modal_) {
            ShowWindow(SW_SHOW);
            ui::Desktop::Get().Queue().RunModalLoop(
                [this] { return continue_modal_ && m_hWnd != nullptr; });
        }
    }
    if (disable_owner && owner->GetSafeHwnd() != nullptr) {
        owner->EnableWindow(TRUE);
    }
    if (m_hWnd != nullptr) {
        ShowWindow(SW_HIDE);
        DestroyWindow();
    }
    modal_ = false;
    return m_nModalResult;
}

void CDialog::EndDialog(int result) {
    m_nModalResult = result;
    if (modal_) {
        continue_modal_ = false;
        // Wakes the modal loop if it is waiting, so it sees that it is done.
        PostMessage(WM_NULL);
    } else {
        ShowWindow(SW_HIDE);
    }
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

BOOL CDialog::UpdateData(BOOL save) {
    CDataExchange dx(this, save);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* msg) {
    if (msg == nullptr || m_hWnd == nullptr || !IsKeyMessage(msg->message) ||
        !ui::tree::IsDescendant(msg->hwnd, m_hWnd)) {
        return FALSE;
    }
    return HandleDialogKey(*msg);
}

BOOL CDialog::HandleDialogKey(const MSG& msg) {
    switch (msg.wParam) {
        case VK_ESCAPE:
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            return TRUE;
        case VK_RETURN: {
            // Enter clicks the focused push button, or else the default one.
            CWnd* focus = CWnd::GetFocus();
            const bool focus_is_button = focus != nullptr && dynamic_cast<CButton*>(focus) &&
                                         ui::tree::IsDescendant(focus->m_hWnd, m_hWnd) &&
                                         (focus->GetStyle() & BS_TYPEMASK) <= BS_DEFPUSHBUTTON;
            int id = IDOK;
            if (focus_is_button) {
                id = focus->GetDlgCtrlID();
            } else {
                for (HWND child : m_hWnd->children) {
                    if (dynamic_cast<CButton*>(child->wnd) != nullptr &&
                        (child->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
                        id = static_cast<int>(child->id);
                        break;
                    }
                }
            }
            SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED));
            return TRUE;
        }
        case VK_TAB:
            MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) == 0);
            return TRUE;
        default:
            return FALSE;
    }
}

void CDialog::MoveFocus(bool forward) {
    std::vector<HWND> stops;
    for (HWND child : m_hWnd->children) {
        if ((child->style & WS_TABSTOP) != 0 && child->IsVisible() && child->IsEnabled()) {
            stops.push_back(child);
        }
    }
    if (stops.empty()) {
        return;
    }
    CWnd* focus = CWnd::GetFocus();
    auto it = std::find(stops.begin(), stops.end(), focus != nullptr ? focus->m_hWnd : nullptr);
    std::size_t index = 0;
    if (it != stops.end()) {
        const auto at = static_cast<std::size_t>(it - stops.begin());
        index = forward ? (at + 1) % stops.size() : (at + stops.size() - 1) % stops.size();
    }
    stops[index]->wnd->SetFocus();
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            auto brush = reinterpret_cast<HBRUSH>(
                SendMessage(WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(m_hWnd)));
            CRect client;
            GetClientRect(&client);
            if (dc != nullptr) {
                dc->FillRect(&client, brush != nullptr ? brush : GetDialogFaceBrush());
            }
            return TRUE;
        }
        case WM_CLOSE:
            SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            return 0;
        default:
            return CWnd::DefWindowProc(message, wParam, lParam);
    }
}

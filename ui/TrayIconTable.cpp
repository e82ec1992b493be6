#include "ui/TrayIconTable.h"

#include <iterator>
#include <string_view>

#include "platform/Backend.h"
#include "ui/Desktop.h"
#include "ui/Icon.h"
#include "ui/MouseMessages.h"

namespace ui {
namespace {

UINT MouseMessage(platform::MouseEvent::Kind kind, platform::MouseButton button) {
    using Kind = platform::MouseEvent::Kind;
    const UINT down = ButtonDownMessage(button);
    return kind == Kind::Release ? down + 1 : kind == Kind::DoubleClick ? down + 2 : down;
}

std::u16string_view TipOf(const NOTIFYICONDATAW& data) {
    if ((data.uFlags & NIF_TIP) == 0) {
        return {};
    }
    const std::u16string_view whole(data.szTip, std::size(data.szTip));
    return whole.substr(0, whole.find(u'\0'));
}

}  // namespace

class TrayIconTable::Entry final : public platform::TrayIconSink {
  public:
    Entry(HWND hwnd, UINT id, UINT callback) : hwnd_(hwnd), id_(id), callback_(callback) {}

    void OnTrayMouse(platform::MouseEvent::Kind kind, platform::MouseButton button) override {
        if (callback_ != 0) {
            ::PostMessage(hwnd_, callback_, id_, static_cast<LPARAM>(MouseMessage(kind, button)));
        }
    }

    std::unique_ptr<platform::TrayIcon> icon;

  private:
    HWND hwnd_;
    UINT id_;
    UINT callback_;
};

TrayIconTable::TrayIconTable() = default;
TrayIconTable::~TrayIconTable() = default;
TrayIconTable::TrayIconTable(TrayIconTable&&) noexcept = default;
TrayIconTable& TrayIconTable::operator=(TrayIconTable&&) noexcept = default;

BOOL TrayIconTable::Add(const NOTIFYICONDATAW& data) {
    const auto key = std::make_pair(data.hWnd, data.uID);
    if (!Desktop::Get().IsLive(data.hWnd) || icons_.contains(key)) {
        return FALSE;
    }
    const UINT callback = (data.uFlags & NIF_MESSAGE) != 0 ? data.uCallbackMessage : 0;
    auto entry = std::make_unique<Entry>(data.hWnd, data.uID, callback);
    std::span<const std::uint8_t> png;
    if ((data.uFlags & NIF_ICON) != 0 && data.hIcon != nullptr) {
        png = data.hIcon->png;
    }
    entry->icon = Desktop::Get().Backend().CreateTrayIcon(*entry, png, TipOf(data));
    if (entry->icon == nullptr) {
        return FALSE;
    }
    icons_[key] = std::move(entry);
    return TRUE;
}

BOOL TrayIconTable::Modify(const NOTIFYICONDATAW& data) {
    const auto it = icons_.find({data.hWnd, data.uID});
    if (it == icons_.end()) {
        return FALSE;
    }
    if ((data.uFlags & NIF_TIP) != 0) {
        it->second->icon->SetTip(TipOf(data));
    }
    return TRUE;
}

BOOL TrayIconTable::Delete(const NOTIFYICONDATAW& data) {
    return icons_.erase({data.hWnd, data.uID}) != 0 ? TRUE : FALSE;
}

void TrayIconTable::ForgetWindow(HWND hwnd) {
    std::erase_if(icons_, [hwnd](const auto& entry) { return entry.first.first == hwnd; });
}

}  // namespace ui

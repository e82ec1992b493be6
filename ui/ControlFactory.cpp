#include "ui/ControlFactory.h"

#include <map>
#include <string>

#include "ui/CButton.h"
#include "ui/CHotKeyCtrl.h"
#include "ui/CStatic.h"

namespace {

std::u16string Lower(std::u16string_view text) {
    std::u16string lower(text);
    for (char16_t& c : lower) {
        if (c >= u'A' && c <= u'Z') {
            c = static_cast<char16_t>(c + 32);
        }
    }
    return lower;
}

// Window class names compare without regard to case.
std::map<std::u16string, ControlFactory::Maker>& Makers() {
    static std::map<std::u16string, ControlFactory::Maker> makers = {
        {u"button", [] { return std::make_unique<CButton>(); }},
        {u"static", [] { return std::make_unique<CStatic>(); }},
        {u"msctls_hotkey32", [] { return std::make_unique<CHotKeyCtrl>(); }},
    };
    return makers;
}

}  // namespace

void ControlFactory::Register(std::u16string_view class_name, Maker maker) {
    Makers()[Lower(class_name)] = std::move(maker);
}

std::unique_ptr<CWnd> ControlFactory::Make(std::u16string_view class_name) {
    const auto it = Makers().find(Lower(class_name));
    return it != Makers().end() ? it->second() : std::make_unique<CWnd>();
}

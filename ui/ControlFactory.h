#pragma once

#include <functional>
#include <memory>
#include <string_view>

class CWnd;

// Makes the C++ object for a dialog item by its window class name ("Button", "Static",
// "msctls_hotkey32", ...). Modules with controls of their own register them.
class ControlFactory {
  public:
    using Maker = std::function<std::unique_ptr<CWnd>()>;

    static void Register(std::u16string_view class_name, Maker maker);
    // A plain window for a class nobody registered.
    static std::unique_ptr<CWnd> Make(std::u16string_view class_name);
};

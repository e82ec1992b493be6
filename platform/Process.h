#pragma once

#include <string>

namespace platform {

// The running process as the operating system sees it.
class Process {
  public:
    // The executable's full path; empty when it cannot be read.
    static std::u16string ExecutablePath();
};

}  // namespace platform

#include "platform/Process.h"

#include <filesystem>
#include <system_error>

#include "ui/TextEncoding.h"

namespace platform {

std::u16string Process::ExecutablePath() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::u16string() : ui::FromUtf8(path.string());
}

}  // namespace platform

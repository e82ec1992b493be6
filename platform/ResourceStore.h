#pragma once

#include <cstdint>
#include <span>

namespace platform {

enum class ResourceType { Png, Icon, Dialog };

// The resources built into the executable, found by type and number.
class ResourceStore {
  public:
    // The resource's bytes, valid until the process ends; empty when there is no such resource.
    static std::span<const std::uint8_t> Find(ResourceType type, std::uint16_t number);
};

}  // namespace platform

#include "platform/ResourceStore.h"

#include <gio/gio.h>

#include <map>
#include <string>
#include <utility>

extern "C" {
void micro_client_register_resource();
GResource* micro_client_get_resource();
}

namespace platform {
namespace {

std::string PathOf(ResourceType type, std::uint16_t number) {
    switch (type) {
        case ResourceType::Png:
            return "/res/png/" + std::to_string(number) + ".png";
        case ResourceType::Icon:
            return "/res/icon/" + std::to_string(number) + ".png";
        case ResourceType::Dialog:
            break;
    }
    return "/res/dialogs/" + std::to_string(number) + ".dlg";
}

// Looked-up resources stay referenced for the life of the process, so the spans handed out
// never dangle.
class Lookups {
  public:
    Lookups() { micro_client_register_resource(); }
    ~Lookups() {
        for (auto& [path, bytes] : bytes_) {
            g_bytes_unref(bytes);
        }
    }

    std::span<const std::uint8_t> Find(const std::string& path) {
        auto it = bytes_.find(path);
        if (it == bytes_.end()) {
            GBytes* bytes = g_resource_lookup_data(micro_client_get_resource(), path.c_str(),
                                                   G_RESOURCE_LOOKUP_FLAGS_NONE, nullptr);
            if (bytes == nullptr) {
                return {};
            }
            it = bytes_.emplace(path, bytes).first;
        }
        gsize size = 0;
        const auto* data = static_cast<const std::uint8_t*>(g_bytes_get_data(it->second, &size));
        return {data, size};
    }

  private:
    std::map<std::string, GBytes*> bytes_;
};

}  // namespace

std::span<const std::uint8_t> ResourceStore::Find(ResourceType type, std::uint16_t number) {
    static Lookups lookups;
    return lookups.Find(PathOf(type, number));
}

}  // namespace platform

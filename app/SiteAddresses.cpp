#include "app/SiteAddresses.h"

#include <cstdlib>
#include <string_view>

#include "ui/TextEncoding.h"

namespace {

// An address from the environment if set there, else the built-in one; without a trailing
// slash, so paths can be appended.
std::u16string Site(const char* variable, std::string_view built_in) {
    const char* value = std::getenv(variable);
    std::string_view site = value != nullptr && *value != '\0' ? value : built_in;
    while (!site.empty() && site.back() == '/') {
        site.remove_suffix(1);
    }
    return ui::FromUtf8(site);
}

}  // namespace

std::u16string SiteAddresses::GameSite() {
    return Site("MICRO_CLIENT_GAME_SITE", MICRO_CLIENT_GAME_SITE);
}

std::u16string SiteAddresses::PlatformSite() {
    return Site("MICRO_CLIENT_PLATFORM_SITE", MICRO_CLIENT_PLATFORM_SITE);
}

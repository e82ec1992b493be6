#pragma once

#include <string>

// The web addresses the program opens. The game site (client entry page, official site) and
// the platform site (pay and service pages) are set when the program is built and can be
// overridden with MICRO_CLIENT_GAME_SITE and MICRO_CLIENT_PLATFORM_SITE.
struct SiteAddresses {
    static std::u16string GameSite();
    static std::u16string PlatformSite();

    static std::u16string ClientEntryPage() { return GameSite() + u"/client"; }
    static std::u16string OfficialSite() { return GameSite() + u"/"; }
    static std::u16string PayPage() { return PlatformSite() + u"/pay"; }
    static std::u16string ServicePage() { return PlatformSite() + u"/service/"; }
};

#include "platform/platform.h"

#include "platform/desktopplatform.h"

namespace vantrel {

namespace {
Platform* g_override = nullptr;
}

Platform& platform() {
    static DesktopPlatform desktop;
    return g_override ? *g_override : desktop;
}

void setPlatform(Platform* replacement) { g_override = replacement; }

} // namespace vantrel

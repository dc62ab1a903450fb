#include "platform/platform.h"

#include "platform/desktopplatform.h"

namespace vantrel {

namespace {
TPlatform* g_override = nullptr;
}

TPlatform& platform() {
    static TDesktopPlatform desktop;
    return g_override ? *g_override : desktop;
}

void setPlatform(TPlatform* replacement) {
    g_override = replacement;
}

} // namespace vantrel

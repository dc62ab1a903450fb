#include "tests/support/fakeplatform.h"

namespace vantrel::test {

FakePlatform::FakePlatform() { setPlatform(this); }
FakePlatform::~FakePlatform() { setPlatform(nullptr); }

bool FakePlatform::openUrl(const QString& url) {
    openedUrls << url;
    return true;
}

} // namespace vantrel::test

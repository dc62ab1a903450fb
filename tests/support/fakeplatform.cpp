#include "tests/support/fakeplatform.h"

#include "core/numbers.h"

#include <QLocale>

namespace vantrel::test {

FakePlatform::FakePlatform() : separator(decimalSeparatorOf(QLocale())) {}

bool FakePlatform::openUrl(const QString& url) {
    openedUrls << url;
    return true;
}

} // namespace vantrel::test

#include "shell/DesktopServices.h"

#include <QDesktopServices>
#include <utility>

namespace tarabead {

namespace {
UrlOpener& CustomOpener() {
    static UrlOpener opener;
    return opener;
}
}  // namespace

bool OpenExternalUrl(const QUrl& url) {
    if (CustomOpener()) return CustomOpener()(url);
    return QDesktopServices::openUrl(url);
}

UrlOpener SetUrlOpener(UrlOpener opener) {
    return std::exchange(CustomOpener(), std::move(opener));
}

}  // namespace tarabead

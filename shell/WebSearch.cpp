#include "shell/WebSearch.h"

#include "shell/DesktopServices.h"

namespace tarabead {

QUrl WebSearchAddress(const QString& searchText) {
    QUrl address(QStringLiteral("https://duckduckgo.com/"));
    // Every character but the unreserved ones is percent-encoded, so "&", "#", "+" or "=" in a
    // place name stay part of the one query value.
    address.setQuery(
        QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
        QUrl::StrictMode);
    return address;
}

void WebSearch(const QString& searchText, const QString& homePage) {
    Q_UNUSED(homePage);
    OpenExternalUrl(WebSearchAddress(searchText));
}

}  // namespace tarabead

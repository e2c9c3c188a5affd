// Opening a web page in the user's browser goes through OpenExternalUrl, which tests replace so
// that no test run ever starts a browser.
#pragma once

#include <QUrl>
#include <functional>

namespace tarabead {

using UrlOpener = std::function<bool(const QUrl&)>;

/// Hands the address to the desktop's default handler (QDesktopServices, or the opener a test
/// put in place). Returns whether the desktop accepted the request; the page may still fail to
/// load later.
bool OpenExternalUrl(const QUrl& url);

/// Replaces the opener; an empty function restores the desktop one. Returns the previous opener
/// (empty for the desktop one).
UrlOpener SetUrlOpener(UrlOpener opener);

}  // namespace tarabead

// The four web pages the program opens in the user's browser, kept in one place.
//
// Each address has a built-in default, and the settings store (help/UserSettings.h) may hold one
// in its place, in the group "Links":
//
//   [Links]
//   HomePage=https://tarabead.org/
//   Help=file:///usr/share/tarabead/guide/index.html
//   Download=https://tarabead.org/download/
//   Donate=https://tarabead.org/donate/
//
// A user sets them in ~/.config/Tarabead/tarabead.conf, a packager for every user in
// /etc/xdg/Tarabead/tarabead.conf; a blank value or one that is no address counts as not set.
// Without a Help setting the online help is the user guide that ships with the program (see
// FindUserGuide), and without a guide the home page.
#pragma once

#include <QString>
#include <QUrl>

class QSettings;

namespace tarabead::help {

enum class WebPage { Home, Help, Download, Donate };

/// Group of the settings store that holds the addresses set in place of the defaults.
inline constexpr char LinksGroup[] = "Links";

/// The key of a page's address in the settings store, group included ("Links/HomePage").
QString WebPageSettingsKey(WebPage page);

/// The built-in address of the home, download and donation pages; empty for the help page, whose
/// default is the user guide.
QUrl BuiltInWebPageAddress(WebPage page);

/// The address to open for page: the store's setting, else the default. For the help page the
/// default is the guide file userGuidePath, or the home page when that is empty.
QUrl WebPageAddress(WebPage page, const QSettings& store, const QString& userGuidePath);

/// WebPageAddress with the user's settings store and the installed user guide.
QUrl WebPageAddress(WebPage page);

/// The user guide's index.html, looked for (first found wins) next to the program's install
/// prefix (BIN/../share/tarabead/guide/), in the data folders of the desktop (XDG_DATA_HOME and
/// XDG_DATA_DIRS, such as /usr/share/tarabead/guide/), and in the build tree it was built in.
/// Empty when there is none.
QString FindUserGuide();

}  // namespace tarabead::help

#include "help/WebPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "help/UserSettings.h"

namespace tarabead::help {

namespace {

// Where the guide lies below a data folder ("share" of the install prefix, or an XDG data folder).
constexpr char GuideInDataFolder[] = "tarabead/guide/index.html";

// An address the user or a packager wrote: a full address with its scheme ("https://...",
// "file:///..."), or an absolute file path. Anything else is ignored.
QUrl AddressFromSetting(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) return {};
    if (QDir::isAbsolutePath(trimmed)) return QUrl::fromLocalFile(trimmed);
    const QUrl url(trimmed, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) return {};
    if (!url.isLocalFile() && url.host().isEmpty()) return {};
    return url;
}

}  // namespace

QString WebPageSettingsKey(WebPage page) {
    const char* name = "";
    switch (page) {
        case WebPage::Home:
            name = "HomePage";
            break;
        case WebPage::Help:
            name = "Help";
            break;
        case WebPage::Download:
            name = "Download";
            break;
        case WebPage::Donate:
            name = "Donate";
            break;
    }
    return QString::fromLatin1(LinksGroup) + QLatin1Char('/') + QString::fromLatin1(name);
}

QUrl BuiltInWebPageAddress(WebPage page) {
    switch (page) {
        case WebPage::Home:
            return QUrl(QStringLiteral("https://tarabead.org/"));
        case WebPage::Download:
            return QUrl(QStringLiteral("https://tarabead.org/download/"));
        case WebPage::Donate:
            return QUrl(QStringLiteral("https://tarabead.org/donate/"));
        case WebPage::Help:
            break;
    }
    return {};
}

QUrl WebPageAddress(WebPage page, const QSettings& store, const QString& userGuidePath) {
    const QUrl set = AddressFromSetting(store.value(WebPageSettingsKey(page)).toString());
    if (!set.isEmpty()) return set;
    if (page != WebPage::Help) return BuiltInWebPageAddress(page);
    if (!userGuidePath.isEmpty()) return QUrl::fromLocalFile(userGuidePath);
    return WebPageAddress(WebPage::Home, store, userGuidePath);
}

QUrl WebPageAddress(WebPage page) {
    const auto store = OpenUserSettings();
    return WebPageAddress(page, *store, page == WebPage::Help ? FindUserGuide() : QString());
}

QString FindUserGuide() {
    QStringList candidates;
    candidates << QDir(QCoreApplication::applicationDirPath())
                      .filePath(QStringLiteral("../share/") + QLatin1String(GuideInDataFolder));
    const QString inDataFolders = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                         QLatin1String(GuideInDataFolder));
    if (!inDataFolders.isEmpty()) candidates << inDataFolders;
#ifdef TARABEAD_BUILD_GUIDE_DIR
    candidates
        << QDir(QStringLiteral(TARABEAD_BUILD_GUIDE_DIR)).filePath(QStringLiteral("index.html"));
#endif
    for (const QString& candidate : candidates) {
        const QFileInfo file(candidate);
        if (file.isFile() && file.isReadable()) return file.canonicalFilePath();
    }
    return {};
}

}  // namespace tarabead::help

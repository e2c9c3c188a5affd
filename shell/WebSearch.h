// The latitude/longitude search: hands a place's search text to the user's web browser.
#pragma once

#include <QString>
#include <QUrl>

namespace tarabead {

/// The address of a web search for text, the text carried as one properly encoded query value
/// so that nothing typed can change the address itself.
QUrl WebSearchAddress(const QString& searchText);

/// Opens the user's browser on a web search for searchText. homePage is the maker's home page,
/// which the search component is handed along with the text; the browser's search does not need
/// it. A browser that cannot be started is ignored: the search is a convenience.
void WebSearch(const QString& searchText, const QString& homePage);

}  // namespace tarabead

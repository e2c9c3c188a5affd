// For tests: records every web page the program asks to open, instead of starting a browser.
#pragma once

#include <QList>
#include <QUrl>
#include <utility>

#include "shell/DesktopServices.h"

namespace tarabead::testing {

class RecordingUrlOpener {
  public:
    QList<QUrl> Opened;

    RecordingUrlOpener()
        : previous_(SetUrlOpener([this](const QUrl& url) {
              Opened << url;
              return true;
          })) {}
    ~RecordingUrlOpener() { SetUrlOpener(std::move(previous_)); }
    RecordingUrlOpener(const RecordingUrlOpener&) = delete;
    RecordingUrlOpener& operator=(const RecordingUrlOpener&) = delete;

  private:
    UrlOpener previous_;
};

}  // namespace tarabead::testing

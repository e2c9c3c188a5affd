// Help, web links, the update question and the end of the program.
#pragma once

#include <functional>

class QDate;
class QSettings;

namespace tarabead::modHelp {

/// The single way the program ends: closes every window, one after the other (each runs its own
/// close handler), then ends the process. Close handlers may call it again; such a nested call,
/// and any later one, does nothing, so each window is closed once and the process ends once.
void EndApplication();

/// True from the first call of EndApplication on.
bool ApplicationEnding();

/// Open one of the program's web pages in the user's browser (addresses: help/WebPages.h). Whether
/// the browser could be started is not looked at; the program works the same without a network.
void OpenHomePage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenDonatePage();

/// The update question, asked at start-up at most once every 14 days. The settings store keeps
/// the date of the last question (or of the first start) in the group "Settings", under the key
/// EncodeText("Duration"), as EncodeText of the date written yyyy-MM-dd; the plain word and the
/// plain date never reach the store.
///
/// With no date stored (the first start) it stores today and asks nothing. With a stored date
/// 14 days or less before or after today it asks nothing. Otherwise it asks whether to check for
/// an update, stores today whatever the answer, and on Yes opens the download page. A stored value
/// that is no date, or a store that cannot be read, ends the check without a question and without
/// writing.
void CheckForUpdate(QSettings& store, QDate today);

/// CheckForUpdate with the user's settings store and the computer's date.
void CheckForUpdate();

/// For tests: replaces the last step of EndApplication (by default leaving the event loop with
/// exit code 0, after which main() returns) and re-arms EndApplication, both until the guard
/// goes out of scope.
class ScopedEndProcess {
  public:
    explicit ScopedEndProcess(std::function<void()> endProcess);
    ~ScopedEndProcess();
    ScopedEndProcess(const ScopedEndProcess&) = delete;
    ScopedEndProcess& operator=(const ScopedEndProcess&) = delete;

  private:
    std::function<void()> previousStep_;
    bool previousEnding_;
};

}  // namespace tarabead::modHelp

// Help, web links and the end of the program.
#pragma once

#include <functional>

namespace tarabead::modHelp {

/// The single way the program ends: closes every window, one after the other (each runs its own
/// close handler), then ends the process. Close handlers may call it again; such a nested call,
/// and any later one, does nothing, so each window is closed once and the process ends once.
void EndApplication();

/// True from the first call of EndApplication on.
bool ApplicationEnding();

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

#include "help/modHelp.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace tarabead::modHelp {

namespace {

struct EndState {
    bool ending = false;
    std::function<void()> endProcess = [] { QCoreApplication::exit(0); };
};

EndState& State() {
    static EndState state;
    return state;
}

// Windows the user knows as windows; menus, tool tips and similar popups are not unloaded.
bool IsProgramWindow(const QWidget* widget) {
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

}  // namespace

void EndApplication() {
    EndState& state = State();
    if (state.ending) return;
    state.ending = true;

    // A close handler may delete other windows, so each one is looked at through a guard.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (IsProgramWindow(widget)) windows.append(widget);
    }
    for (const QPointer<QWidget>& window : windows) {
        if (window) window->close();
    }
    state.endProcess();
}

bool ApplicationEnding() { return State().ending; }

ScopedEndProcess::ScopedEndProcess(std::function<void()> endProcess)
    : previousStep_(std::exchange(State().endProcess, std::move(endProcess))),
      previousEnding_(std::exchange(State().ending, false)) {}

ScopedEndProcess::~ScopedEndProcess() {
    State().endProcess = std::move(previousStep_);
    State().ending = previousEnding_;
}

}  // namespace tarabead::modHelp

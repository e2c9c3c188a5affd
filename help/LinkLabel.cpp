#include "help/LinkLabel.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>

namespace tarabead::help {

namespace {

class LinkOnTabFocus final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason) return false;

        // Let the label take the focus first, then give it the Tab press that selects a link: a
        // label moves among its links before it lets the focus go.
        static_cast<QObject*>(watched)->event(event);
        const bool forward = reason == Qt::TabFocusReason;
        QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                      forward ? Qt::NoModifier : Qt::ShiftModifier);
        QCoreApplication::sendEvent(watched, &tab);
        return true;
    }
};

}  // namespace

void SelectLinkOnTabFocus(QLabel* label) { label->installEventFilter(new LinkOnTabFocus(label)); }

}  // namespace tarabead::help

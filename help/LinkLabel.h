// Link labels that work from the keyboard in one step.
#pragma once

class QLabel;

namespace tarabead::help {

/// Qt's link labels take two Tab presses: the first gives the label the focus, the second selects
/// its link, and Enter in between goes to the window's default button instead. After this call,
/// Tab onto the label selects its first link at once (Shift+Tab its last), so that Enter follows
/// it. For labels that hold at least one link.
void SelectLinkOnTabFocus(QLabel* label);

}  // namespace tarabead::help

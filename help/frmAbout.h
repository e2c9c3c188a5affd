// The About box: the program's name, version, icon, what it does and a link to its home page.
#pragma once

#include <QDialog>
#include <functional>

#include "ui_frmAbout.h"

namespace tarabead {

/// The controls are public members named as in the form: lblIcon, lblTitle, lblDescription,
/// lblPrivacy, lblHomePage and cmdOK.
class frmAbout : public QDialog, public Ui::frmAbout {
    Q_OBJECT

  public:
    explicit frmAbout(QWidget* parent = nullptr);

  public slots:
    /// Closes the box.
    void cmdOK_Click();
    /// Opens the home page; the box stays open.
    void lblHomePage_Click();

  protected:
    void changeEvent(QEvent* event) override;

  private:
    /// Sizes that follow the font: the title and the width of the text.
    void ApplyFontDependentSizes();
};

/// Shows the About box modally over parent and returns once it is closed.
void ShowAbout(QWidget* parent);

/// What ShowAbout does with the box it made and set up: by default exec(), which returns when the
/// user closes it.
using AboutBoxRunner = std::function<void(frmAbout&)>;

/// For tests: puts runner in place of exec(), so that a test can look at and close the very box
/// ShowAbout made without blocking; an empty function restores exec(). Returns the previous one.
AboutBoxRunner SetAboutBoxRunner(AboutBoxRunner runner);

}  // namespace tarabead

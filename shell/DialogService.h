// Every modal box of the program (messages, questions, file dialogs) is shown through one
// DialogService, so that tests can put a recorder in its place and never block on a real box.
#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace tarabead {

/// Title of every message box of the program.
inline constexpr char ApplicationTitle[] = "Tarabead";

enum class MessageIcon { Critical, Information };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString Title = QString::fromLatin1(ApplicationTitle);
    QString Text;
    MessageIcon Icon = MessageIcon::Information;
    MessageButtons Buttons = MessageButtons::Ok;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    QString Title;
    QString NameFilter;     ///< Qt form, e.g. "Tarabead (*.tbx)"
    QString DefaultSuffix;  ///< added to a typed name without an extension, e.g. "tbx"
    QString Directory;      ///< where the dialog starts; empty for the dialog's own choice
};

class DialogService {
  public:
    virtual ~DialogService() = default;

    /// Shows a modal message box over parent (may be null) and returns the button pressed.
    /// Closing the box without a button counts as Ok, or as No for a question.
    virtual MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request) = 0;

    /// Asks for a file: for Open an existing one, for Save any name in an existing folder, with
    /// a question before an existing file is replaced. Returns the absolute path, or an empty
    /// text when the user cancels.
    virtual QString ChooseFile(QWidget* parent, FileDialogKind kind,
                               const FileDialogRequest& request) = 0;

    /// Lets the user choose and set up a printer for printer. Returns false when the user
    /// cancels.
    virtual bool SetUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

/// The service in use: the one of the innermost ScopedDialogService, else the QMessageBox and
/// QFileDialog one.
DialogService& Dialogs();

/// Shorthand for a message box titled with the application title.
MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons = MessageButtons::Ok);

/// Puts a service in place of the current one for the guard's lifetime.
class ScopedDialogService {
  public:
    explicit ScopedDialogService(DialogService& service);
    ~ScopedDialogService();
    ScopedDialogService(const ScopedDialogService&) = delete;
    ScopedDialogService& operator=(const ScopedDialogService&) = delete;

  private:
    DialogService* previous_;
};

}  // namespace tarabead

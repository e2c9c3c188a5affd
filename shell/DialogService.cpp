#include "shell/DialogService.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace tarabead {

namespace {

class QtDialogService final : public DialogService {
  public:
    MessageAnswer ShowMessage(QWidget* parent, const MessageRequest& request) override {
        const bool question = request.Buttons == MessageButtons::YesNo;
        QMessageBox box(request.Icon == MessageIcon::Critical ? QMessageBox::Critical
                                                              : QMessageBox::Information,
                        request.Title, request.Text,
                        question ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok, parent);
        if (question) {
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
        }
        const int pressed = box.exec();
        if (!question) return MessageAnswer::Ok;
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }

    QString ChooseFile(QWidget* parent, FileDialogKind kind,
                       const FileDialogRequest& request) override {
        QFileDialog dialog(parent, request.Title, request.Directory, request.NameFilter);
        if (kind == FileDialogKind::Open) {
            dialog.setAcceptMode(QFileDialog::AcceptOpen);
            dialog.setFileMode(QFileDialog::ExistingFile);
        } else {
            // Qt asks before replacing an existing file unless told otherwise.
            dialog.setAcceptMode(QFileDialog::AcceptSave);
            dialog.setFileMode(QFileDialog::AnyFile);
        }
        dialog.setDefaultSuffix(request.DefaultSuffix);
        if (dialog.exec() != QDialog::Accepted) return {};
        return dialog.selectedFiles().value(0);
    }

    bool SetUpPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

DialogService*& CurrentService() {
    static QtDialogService qtService;
    static DialogService* current = &qtService;
    return current;
}

}  // namespace

DialogService& Dialogs() { return *CurrentService(); }

MessageAnswer ShowMessage(QWidget* parent, const QString& text, MessageIcon icon,
                          MessageButtons buttons) {
    MessageRequest request;
    request.Text = text;
    request.Icon = icon;
    request.Buttons = buttons;
    return Dialogs().ShowMessage(parent, request);
}

ScopedDialogService::ScopedDialogService(DialogService& service) : previous_(CurrentService()) {
    CurrentService() = &service;
}

ScopedDialogService::~ScopedDialogService() { CurrentService() = previous_; }

}  // namespace tarabead

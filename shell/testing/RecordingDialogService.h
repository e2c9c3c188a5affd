// A DialogService for tests: records every box the program would show and answers from a script,
// so no test ever waits for a person.
#pragma once

#include <deque>
#include <vector>

#include "shell/DialogService.h"

namespace tarabead::testing {

struct RecordedMessage {
    QString Title;
    QString Text;
    MessageIcon Icon;
    MessageButtons Buttons;
};

struct RecordedFileDialog {
    FileDialogKind Kind;
    FileDialogRequest Request;
};

class RecordingDialogService final : public DialogService {
  public:
    std::vector<RecordedMessage> Messages;
    std::vector<RecordedFileDialog> FileDialogs;

    /// Answers given to the next questions, first to last. An Ok box is always answered Ok; a
    /// question with no scripted answer left is answered No, the answer that changes nothing.
    std::deque<MessageAnswer> Answers;
    /// Paths returned by the next file dialogs; an empty text (or none left) is a cancel.
    std::deque<QString> ChosenFiles;

    MessageAnswer ShowMessage(QWidget*, const MessageRequest& request) override {
        Messages.push_back({request.Title, request.Text, request.Icon, request.Buttons});
        if (request.Buttons == MessageButtons::Ok) return MessageAnswer::Ok;
        if (Answers.empty()) return MessageAnswer::No;
        const MessageAnswer answer = Answers.front();
        Answers.pop_front();
        return answer;
    }

    QString ChooseFile(QWidget*, FileDialogKind kind, const FileDialogRequest& request) override {
        FileDialogs.push_back({kind, request});
        if (ChosenFiles.empty()) return {};
        QString path = ChosenFiles.front();
        ChosenFiles.pop_front();
        return path;
    }

    /// Printer set-ups asked for, and the answers to give: true prints, false (or none left)
    /// cancels.
    int PrinterSetUps = 0;
    std::deque<bool> PrinterAnswers;

    bool SetUpPrinter(QWidget*, QPrinter&) override {
        ++PrinterSetUps;
        if (PrinterAnswers.empty()) return false;
        const bool answer = PrinterAnswers.front();
        PrinterAnswers.pop_front();
        return answer;
    }

    /// Texts of the recorded messages, in order; handy for comparing whole sequences.
    QStringList MessageTexts() const {
        QStringList texts;
        for (const RecordedMessage& message : Messages) texts << message.Text;
        return texts;
    }

    void Clear() {
        Messages.clear();
        FileDialogs.clear();
    }
};

}  // namespace tarabead::testing

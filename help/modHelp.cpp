#include "help/modHelp.h"

#include <QApplication>
#include <QDate>
#include <QPointer>
#include <QSettings>
#include <QWidget>
#include <string>
#include <utility>

#include "help/UserSettings.h"
#include "help/WebPages.h"
#include "result/modRTB.h"
#include "shell/DesktopServices.h"
#include "shell/DialogService.h"

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

// The update question's place in the settings store. The key is stored encoded, like the value.
constexpr char UpdateSettingsGroup[] = "Settings";
constexpr char LastQuestionWord[] = "Duration";
// How far the stored date may lie from today, in days either way, before the question comes.
constexpr qint64 DaysBetweenQuestions = 14;

QString Encoded(const QString& text) {
    const std::string latin1 = modRTB::EncodeText(text.toLatin1().toStdString());
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

QString Decoded(const QString& text) {
    const std::string latin1 = modRTB::DecodeText(text.toLatin1().toStdString());
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

QString LastQuestionKey() {
    return QString::fromLatin1(UpdateSettingsGroup) + QLatin1Char('/') +
           Encoded(QString::fromLatin1(LastQuestionWord));
}

// The stored date, read strictly: exactly yyyy-MM-dd of a real day.
QDate DateFromStoredText(const QString& text) {
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || date.toString(Qt::ISODate) != text) return {};
    return date;
}

void StoreQuestionDate(QSettings& store, QDate today) {
    store.setValue(LastQuestionKey(), Encoded(today.toString(Qt::ISODate)));
    store.sync();
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

void OpenHomePage() { OpenExternalUrl(help::WebPageAddress(help::WebPage::Home)); }
void OpenHelpPage() { OpenExternalUrl(help::WebPageAddress(help::WebPage::Help)); }
void OpenDownloadPage() { OpenExternalUrl(help::WebPageAddress(help::WebPage::Download)); }
void OpenDonatePage() { OpenExternalUrl(help::WebPageAddress(help::WebPage::Donate)); }

void CheckForUpdate(QSettings& store, QDate today) {
    const QString stored = Decoded(store.value(LastQuestionKey()).toString());
    if (store.status() != QSettings::NoError) return;
    if (stored.isEmpty()) {
        StoreQuestionDate(store, today);
        return;
    }
    const QDate last = DateFromStoredText(stored);
    if (!last.isValid()) return;
    const qint64 days = today.daysTo(last);
    if (days >= -DaysBetweenQuestions && days <= DaysBetweenQuestions) return;

    const MessageAnswer answer =
        ShowMessage(nullptr,
                    QStringLiteral("There maybe an update to this software available\n"
                                   "Do you want to check for an update?"),
                    MessageIcon::Information, MessageButtons::YesNo);
    StoreQuestionDate(store, today);
    if (answer == MessageAnswer::Yes) OpenDownloadPage();
}

void CheckForUpdate() {
    const auto store = help::OpenUserSettings();
    CheckForUpdate(*store, QDate::currentDate());
}

}  // namespace tarabead::modHelp

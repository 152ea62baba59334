#include "platform/desktop/desktop_window_system.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <utility>

namespace ruvo::desktop {

namespace {

QMessageBox::Icon ToQtIcon(platform::MessageIcon icon) {
    switch (icon) {
        case platform::MessageIcon::None:
            return QMessageBox::NoIcon;
        case platform::MessageIcon::Information:
            return QMessageBox::Information;
        case platform::MessageIcon::Warning:
            return QMessageBox::Warning;
        case platform::MessageIcon::Question:
            return QMessageBox::Question;
        case platform::MessageIcon::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// The program's window the box belongs to: the modal window open, else the window in front, when
// it is one of the program's. A box with nothing to belong to stands alone.
QWidget* OwningWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = QApplication::activeWindow();
    }
    return owner != nullptr && owner->isVisible() ? owner->window() : nullptr;
}

}  // namespace

DesktopWindowSystem::DesktopWindowSystem(std::string errorCaption)
    : errorCaption_(std::move(errorCaption)) {}

platform::MessageAnswer DesktopWindowSystem::messageBox(const platform::MessageBox& box) {
    // Attached to the window it belongs to: no task-bar entry of its own, kept above that window.
    QMessageBox dialog(OwningWindow());
    // In front of the start-up window, which stays on top; the text as it is, never as markup.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    dialog.setWindowTitle(QString::fromStdString(box.caption));
    dialog.setTextFormat(Qt::PlainText);
    dialog.setText(QString::fromStdString(box.text));
    dialog.setIcon(ToQtIcon(box.icon));
    if (box.buttons == platform::MessageButtons::Ok) {
        QPushButton* ok = dialog.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        dialog.setDefaultButton(ok);
        dialog.setEscapeButton(ok);
        dialog.exec();
        return platform::MessageAnswer::Ok;
    }
    QPushButton* yes = dialog.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
    QPushButton* no = dialog.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
    dialog.setDefaultButton(box.buttons == platform::MessageButtons::YesNoDefaultNo ? no : yes);
    dialog.setEscapeButton(no);
    dialog.exec();
    return dialog.clickedButton() == yes ? platform::MessageAnswer::Yes
                                         : platform::MessageAnswer::No;
}

void DesktopWindowSystem::errorBox(const std::string& text) {
    platform::MessageBox box;
    box.caption = errorCaption_;
    box.text = text;
    box.icon = platform::MessageIcon::Error;
    box.buttons = platform::MessageButtons::Ok;
    (void)messageBox(box);
}

void DesktopWindowSystem::runModal(platform::ModalWindow& window) {
    if (!window.isOpen() || quitRequested_) {
        return;
    }
    QEventLoop loop;
    const auto checkClosed = [&window, &loop] {
        if (!window.isOpen()) {
            loop.exit(0);
        }
    };
    // Before every sleep of the loop; the timer is a safety net for an event dispatcher that
    // does not sleep while events keep coming.
    QAbstractEventDispatcher* dispatcher =
        QAbstractEventDispatcher::instance(QThread::currentThread());
    const QMetaObject::Connection beforeSleep =
        QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, &loop, checkClosed);
    QTimer safetyNet;
    safetyNet.setInterval(50);
    QObject::connect(&safetyNet, &QTimer::timeout, &loop, checkClosed);
    safetyNet.start();
    loop.exec();
    QObject::disconnect(beforeSleep);
}

void DesktopWindowSystem::quit(int exitCode) {
    quitRequested_ = true;
    exitCode_ = exitCode;
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(exitCode);  // every running loop, nested ones included
    } else {
        // No loop runs yet: end the main loop as soon as it starts.
        QTimer::singleShot(0, qApp, [exitCode] { QCoreApplication::exit(exitCode); });
    }
}

std::optional<std::string> DesktopWindowSystem::chooseFileToOpen(const std::string& caption,
                                                                 const std::string& folder,
                                                                 const std::string& suggestedName,
                                                                 const std::string& filter) {
    if (quitRequested_) {
        return std::nullopt;
    }
    QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(caption),
                       QString::fromStdString(folder));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QString::fromStdString(filter), QStringLiteral("Alle Dateien (*)")});
    dialog.selectFile(QString::fromStdString(suggestedName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst().toStdString();
}

}  // namespace ruvo::desktop

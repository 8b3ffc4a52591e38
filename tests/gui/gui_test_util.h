#pragma once
// Helpers for driving the real widgets: finding them by object name,
// answering modal dialogs, and files in a folder per test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>
#include <ostream>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace amortix::gui::test {

// The child of `root` with that object name and type; fails the test when missing.
template <class T>
T* Find(const QObject* root, const char* name) {
    T* found = root ? root->findChild<T*>(name) : nullptr;
    EXPECT_NE(found, nullptr) << "no " << name;
    return found;
}

// Runs `act` on the next modal dialog as soon as it is up. `act` must close
// it; if it does not, the dialog is rejected after a few seconds so a failing
// test cannot hang.
inline void WhenModal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(5);
    auto waited = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, waited] {
        QWidget* modal = QApplication::activeModalWidget();
        // Keys and focus need the dialog to be the active window, which can
        // take a few turns of the event loop on a busy machine.
        const bool ready = modal && modal->isActiveWindow();
        if (!ready) {
            if (modal) modal->activateWindow();
            if (++*waited > 1000) {
                timer->stop();
                timer->deleteLater();
                ADD_FAILURE() << "no active modal dialog appeared";
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            }
            return;
        }
        timer->stop();
        timer->deleteLater();
        act(modal);
        if (QApplication::activeModalWidget() == modal) {
            QTimer::singleShot(3000, modal, [modal] {
                ADD_FAILURE() << "the dialog was left open";
                if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            });
        }
    });
    timer->start();
}

// What amortix-cli prints for `arguments` (a command and its options); the
// run must succeed.
inline QByteArray CliOutput(const QStringList& arguments) {
    QProcess cli;
    cli.start(AMORTIX_CLI_PATH, arguments);
    EXPECT_TRUE(cli.waitForFinished(20000));
    EXPECT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    return cli.readAllStandardOutput();
}
// The same as JSON, for the commands that take --format.
inline QJsonObject CliJson(const QStringList& arguments) {
    return QJsonDocument::fromJson(CliOutput(arguments + QStringList{"--format", "json"})).object();
}

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    return file.write(bytes) == bytes.size();
}

// Shows a top-level widget and makes it the active window, so focus moves
// as it does for a user.
inline void ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
}

}  // namespace amortix::gui::test

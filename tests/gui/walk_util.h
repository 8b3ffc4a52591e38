#pragma once
// Walks the whole window program as a user can reach it: the menu, every
// screen its buttons open, and every modal dialog those screens' buttons open.
// New screens and dialogs are covered as soon as the menu reaches them.

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "shell/application.h"
#include "shell/main_frame.h"
#include "shell/main_menu.h"

namespace amortix::gui::test {

using VisitForm = std::function<void(QWidget* form)>;

// Clicks a button; a modal dialog it opens is visited and closed.
inline void ClickVisitingDialogs(QPushButton* button, const VisitForm& visit) {
    QTimer watch;
    watch.setInterval(10);
    QObject::connect(&watch, &QTimer::timeout, [&visit] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        visit(dialog);
        dialog->reject();
        if (dialog->isVisible()) dialog->accept();
    });
    watch.start();
    QTest::mouseClick(button, Qt::LeftButton);
    watch.stop();
    QApplication::processEvents();
}

// Visits the menu, each screen, each window a screen's button opens in its
// place, and each dialog.
inline void WalkEveryForm(Application& app, const VisitForm& visit) {
    MainMenu& menu = app.Menu();
    MainFrame& frame = app.Frame();
    visit(&menu);
    for (QPushButton* opener : menu.findChildren<QPushButton*>()) {
        ClickVisitingDialogs(opener, visit);
        QWidget* screen = frame.ActiveForm();
        if (!screen || screen == &menu) continue;
        visit(screen);
        QStringList buttons;
        for (const QPushButton* button : screen->findChildren<QPushButton*>())
            buttons << button->objectName();
        for (const QString& name : buttons) {
            auto* button = screen->findChild<QPushButton*>(name);
            if (!button || !button->isVisible() || !button->isEnabled()) continue;
            ClickVisitingDialogs(button, visit);
            if (QWidget* now = frame.ActiveForm(); now != screen) {
                // Left the screen (its exit, a graph window): back to it anew.
                if (now && now != &menu) {
                    visit(now);
                    frame.ReturnToMenu(now);
                }
                if (frame.ActiveForm() != &menu) frame.ReturnToMenu(frame.ActiveForm());
                ClickVisitingDialogs(opener, visit);
                screen = frame.ActiveForm();
            }
        }
        frame.ReturnToMenu(screen);
    }
}

}  // namespace amortix::gui::test

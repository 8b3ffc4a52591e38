#pragma once
// What every picture maker shares: it runs only when AMORTIX_SCREENSHOTS
// names a folder, lets the frame settle, and saves under the name given and
// the run's AMORTIX_SCREENSHOT_SUFFIX (the scripts' DPI and language runs),
// in the language the run's locale asks for.

#include <QDir>
#include <QImage>

#include "gui_test_util.h"
#include "shell/language.h"

namespace amortix::gui::test {

template <class Program>
class Screenshots : public Program {
  protected:
    void SetUp() override {
        folder_ = qEnvironmentVariable("AMORTIX_SCREENSHOTS");
        if (folder_.isEmpty()) GTEST_SKIP() << "AMORTIX_SCREENSHOTS names no folder";
        QDir().mkpath(folder_);
        InstallLanguage(ResolveLanguage(amortix::Language::Automatic));
        Program::SetUp();
    }
    void TearDown() override {
        Program::TearDown();
        InstallLanguage(amortix::Language::English);
    }

    // Pending layouts and paints done, so the picture shows the final frame.
    static void Settle() {
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            QTest::qWait(20);
        }
    }
    QString FileFor(const QString& name) const {
        return QDir(folder_).filePath(name + qEnvironmentVariable("AMORTIX_SCREENSHOT_SUFFIX") + ".png");
    }
    // The frame as it is on the screen.
    void Save(const QString& name) {
        Settle();
        EXPECT_TRUE(this->app->Frame().grab().save(FileFor(name)));
    }

    QString folder_;
};

}  // namespace amortix::gui::test

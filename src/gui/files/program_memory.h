#pragma once
// What the program keeps between runs, in the user's state folder
// ($XDG_STATE_HOME/amortix, usually ~/.local/state/amortix): the inputs each
// calculator screen had when it was left or the program ended (the tables
// screen's as a table file of each kind, the comparison with its rows as a
// comparison file, the affordability figures), the frame's place and size,
// and the files opened or saved last. Every file is replaced whole through a
// temporary one; a file that cannot be read is passed over without a word,
// so the screen opens as new and nothing ever stops the program starting.

#include <QObject>
#include <QString>
#include <QStringList>

#include "core/files/state_file.h"

namespace amortix::gui {

class AffordScreen;
class Application;
class ComparisonScreen;
class FileCommands;
class TablesScreen;

// $XDG_STATE_HOME/amortix, or ~/.local/state/amortix without it.
QString DefaultStateFolder();

class ProgramMemory : public QObject {
    Q_OBJECT
  public:
    // Hooks itself into `application` (its start, its screens, the frame's
    // closing and drops) and `files` (the files used); a child of the frame.
    ProgramMemory(Application& application, FileCommands& files);

    // The frame where it stood; each screen with what it had.
    void RestoreFrame();
    void RestoreScreen(QWidget* form);
    // As a screen is left, and for every open screen as the program ends.
    void Remember(const TablesScreen& screen);
    void Remember(const ComparisonScreen& screen);
    void Remember(const AffordScreen& screen);
    void RememberEverything();

    void NoteFile(const QString& path);
    QStringList RecentFiles() const;
    // A file dropped on the frame opens as Open File would open it there.
    void OpenDropped(const QString& path);

    QString PathOf(const QString& name) const;

  private:
    void WriteState() const;

    Application& application_;
    FileCommands& files_;
    QString folder_;
    amortix::ProgramState state_;
};

}  // namespace amortix::gui

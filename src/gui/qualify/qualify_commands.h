#pragma once
// What the qualifying screen's buttons do beyond the screen: Save File and
// Open File (.qqd, through the program's file dialog), Print (the text
// report) and Use in Tables (the tables screen with the largest mortgage).

#include <QString>

#include <memory>

#include "qualify/qualify_screen.h"

namespace amortix::gui {

class Application;
class FileCommands;

// `lastName` is the name of the qualifying file opened or saved last, the
// dialog's initial name; it lives as long as the screen's registration.
QualifyScreen::Commands QualifyCommands(Application& application, FileCommands* files,
                                        const std::shared_ptr<QString>& lastName);

// Writes the screen's inputs to `path`; false with `why` when they cannot be
// saved (out of range) or written.
bool WriteQualify(const QString& path, const QualifyScreen& screen, QString* why = nullptr);

}  // namespace amortix::gui

#pragma once
// What a screen reader announces for each control: its caption. Buttons and
// option buttons carry theirs; boxes, lists and grids take the text of the
// label that names them (the label's buddy), read without its padding.

#include <QString>

class QWidget;

namespace amortix::gui {

// A caption as it is read aloud: no access-key "&", runs of blanks folded,
// no blanks at the ends.
QString SpokenCaption(const QString& caption);

// True for the controls a user reads or types into: boxes, lists, grids and
// text areas.
bool NeedsSpokenName(const QWidget* widget);

// Gives every such control below `root` (and `root` itself) that has no
// accessible name the caption of its label.
void NameFromCaptions(QWidget* root);

}  // namespace amortix::gui

#pragma once
// A chart taken out of the program: saved as a picture file or copied to the
// clipboard as an image.

#include <QString>

class QWidget;

namespace amortix::gui {

// Writes what `chart` shows to `path`: an SVG drawing when the name ends in
// ".svg" (any case), else a PNG image. The file appears whole or not at all;
// false, with `error` saying why, when it could not be written.
bool SaveChartPicture(QWidget& chart, const QString& path, QString* error);

// Puts what `chart` shows on the clipboard as an image.
void CopyChartPicture(QWidget& chart);

}  // namespace amortix::gui

#include "shell/result_copy.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace amortix::gui {

void CopyResultLines(const std::vector<amortix::ResultLine>& lines) {
    auto* copied = new QMimeData;
    copied->setText(QString::fromStdString(amortix::ResultLinesText(lines)));
    copied->setHtml(QString::fromStdString(amortix::ResultLinesHtml(lines)));
    QGuiApplication::clipboard()->setMimeData(copied);
}

}  // namespace amortix::gui

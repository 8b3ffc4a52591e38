#include "graphs/chart_picture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

namespace amortix::gui {
namespace {

bool WriteSvg(QWidget& chart, QSaveFile& file) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(chart.size());
    svg.setViewBox(QRect(QPoint(0, 0), chart.size()));
    svg.setTitle(chart.window()->windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    chart.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return painter.end();
}

}  // namespace

bool SaveChartPicture(QWidget& chart, const QString& path, QString* error) {
    // Written beside the target and renamed over it only when complete, so a
    // full disk or a vanished folder leaves no half picture behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) *error = file.errorString();
        return false;
    }
    const bool svg = path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive);
    const bool drawn = svg ? WriteSvg(chart, file) : chart.grab().toImage().save(&file, "PNG");
    if (!drawn) {
        file.cancelWriting();
        if (error) *error = file.errorString();
        return false;
    }
    if (!file.commit()) {
        if (error) *error = file.errorString();
        return false;
    }
    return true;
}

void CopyChartPicture(QWidget& chart) {
    QGuiApplication::clipboard()->setImage(chart.grab().toImage());
}

}  // namespace amortix::gui

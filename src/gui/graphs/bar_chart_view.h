#pragma once
// A bar chart on Qt Charts: flat bars, or bars with depth (a front face, a
// lighter top and a darker side) laid on the same axes through the chart's
// own coordinate mapping, so both render without OpenGL: offscreen, under X
// and on a printer alike.

#include <QChartView>
#include <QList>

#include "core/forms/graph_form.h"

class QAbstractBarSeries;
class QBarCategoryAxis;
class QCategoryAxis;
class QBarSet;
class QGraphicsItem;

namespace amortix::gui {

class BarChartView : public QChartView {
    Q_OBJECT
  public:
    explicit BarChartView(QWidget* parent = nullptr);

    // Writes the data and draws; `depth` adds the top and side faces;
    // `colour` false draws in distinguishable shades of grey.
    void Draw(const amortix::ChartData& content, bool depth, bool colour);

    bool Depth() const { return depth_; }
    // The bars as drawn: one value a bar, in order.
    QList<qreal> BarValues() const;
    QStringList CategoryLabels() const;
    QStringList LegendTexts() const;
    QString ValueAxisTitle() const;
    QStringList ValueAxisLabels() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Lays the depth faces (and the labels drawn under crowded bars) over
    // the chart, through its mapping of values to positions.
    void PlaceDepthFaces();
    QColor BarColour(int bar) const;

    amortix::ChartData data_;
    bool depth_ = false;
    bool colour_ = true;
    QAbstractBarSeries* series_ = nullptr;
    QBarCategoryAxis* xAxis_ = nullptr;
    QCategoryAxis* yAxis_ = nullptr;
    QList<QBarSet*> sets_;
    bool ownLabels_ = false;
    QList<QGraphicsItem*> faces_;  // depth faces and own labels, over the chart
};

}  // namespace amortix::gui

#include "graphs/bar_chart_view.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QCursor>
#include <QGraphicsPolygonItem>
#include <QGraphicsSimpleTextItem>
#include <QLegendMarker>
#include <QStackedBarSeries>
#include <QToolTip>

#include <algorithm>

#include "shell/language.h"

namespace amortix::gui {

namespace {

constexpr qreal kBarWidth = 0.6;

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

}  // namespace

BarChartView::BarChartView(QWidget* parent) : QChartView(parent) {
    setRenderHint(QPainter::Antialiasing);
    chart()->setAnimationOptions(QChart::NoAnimation);
    connect(chart(), &QChart::plotAreaChanged, this, [this] { PlaceDepthFaces(); });
    // The axes live as long as the view: an axis removed from a chart leaves
    // its labels in the scene until the event loop deletes them.
    xAxis_ = new QBarCategoryAxis;
    yAxis_ = new QCategoryAxis;
    yAxis_->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    chart()->addAxis(xAxis_, Qt::AlignBottom);
    chart()->addAxis(yAxis_, Qt::AlignLeft);
}

QColor BarChartView::BarColour(int bar) const {
    const int count = std::max<int>(static_cast<int>(sets_.size()), 1);
    if (!colour_) {
        // Greys from dark to light, far enough apart to tell apart on paper.
        const int span = count == 1 ? 0 : 150 / (count - 1);
        return QColor::fromHsv(0, 0, 60 + span * bar);
    }
    if (count == 1) return QColor(0x2f, 0x6d, 0xb5);
    return QColor::fromHsv((bar * 360 / count + 210) % 360, 170, 200);
}

void BarChartView::Draw(const amortix::ChartData& content, bool depth, bool colour) {
    data_ = content;
    depth_ = depth;
    colour_ = colour;
    QChart* c = chart();
    for (QGraphicsItem* face : faces_) delete face;
    faces_.clear();
    c->removeAllSeries();
    sets_.clear();

    c->setTitle(Text(content.title));
    const qsizetype bars = static_cast<qsizetype>(content.values.size());
    QStringList categories;
    for (qsizetype i = 0; i < bars; ++i) categories << Text(content.labels[static_cast<std::size_t>(i)]);

    if (content.labelsInLegend) {
        // One set a bar, stacked on zeros elsewhere: each bar has its own
        // legend entry and colour.
        auto* series = new QStackedBarSeries;
        for (qsizetype i = 0; i < bars; ++i) {
            auto* set = new QBarSet(categories[i]);
            for (qsizetype j = 0; j < bars; ++j)
                *set << (i == j ? content.values[static_cast<std::size_t>(i)] : 0.0);
            series->append(set);
            sets_ << set;
        }
        series_ = series;
    } else {
        auto* series = new QBarSeries;
        auto* set = new QBarSet(QString());
        for (double v : content.values) *set << v;
        series->append(set);
        sets_ << set;
        series_ = series;
    }
    series_->setBarWidth(kBarWidth);
    for (qsizetype i = 0; i < sets_.size(); ++i) {
        const QColor fill = BarColour(static_cast<int>(i));
        sets_[i]->setColor(fill);
        sets_[i]->setBorderColor(fill.darker(150));
        QBarSet* set = sets_[i];
        connect(set, &QBarSet::hovered, this, [this, set](bool on, int index) {
            if (!on) return QToolTip::hideText();
            const int bar = data_.labelsInLegend ? static_cast<int>(sets_.indexOf(set)) : index;
            QToolTip::showText(QCursor::pos(), Text(amortix::BarToolTip(data_, bar, WindowCatalogue())),
                               this);
        });
    }
    c->addSeries(series_);

    QBarCategoryAxis* xAxis = xAxis_;
    xAxis->clear();
    // Category labels must be unique; a blank second bar keeps a blank label.
    QStringList unique;
    for (qsizetype i = 0; i < categories.size(); ++i)
        unique << (unique.contains(categories[i]) ? QString(i + 1, QChar(' ')) : categories[i]);
    xAxis->append(unique);
    // The axis cuts labels wider than a bar's share to "..."; many years get
    // their numbers drawn under the bars instead, in a smaller font.
    ownLabels_ = bars > 20;
    xAxis->setLabelsVisible(!ownLabels_);
    series_->attachAxis(xAxis);

    const double largest =
        content.values.empty() ? 0.0 : *std::max_element(content.values.begin(), content.values.end());
    const amortix::ValueAxisTicks ticks = amortix::MoneyAxis(largest, content.currencySymbol);
    QCategoryAxis* yAxis = yAxis_;
    for (const QString& label : yAxis->categoriesLabels()) yAxis->remove(label);
    for (std::size_t i = 0; i < ticks.values.size(); ++i)
        yAxis->append(Text(ticks.labels[i]), ticks.values[i]);
    yAxis->setRange(0, ticks.max);
    yAxis->setTitleText(Text(content.valueAxisTitle));
    series_->attachAxis(yAxis);

    c->legend()->setVisible(content.labelsInLegend);
    if (content.labelsInLegend) {
        c->legend()->setAlignment(Qt::AlignRight);
        const QList<QLegendMarker*> markers = c->legend()->markers(series_);
        for (QLegendMarker* marker : markers)
            if (marker->label().isEmpty()) marker->setVisible(false);
    }
    PlaceDepthFaces();
}

void BarChartView::PlaceDepthFaces() {
    for (QGraphicsItem* face : faces_) delete face;
    faces_.clear();
    if (series_ == nullptr || chart()->plotArea().isEmpty()) return;
    const qsizetype bars = static_cast<qsizetype>(data_.values.size());
    if (ownLabels_) {
        QFont font = chart()->font();
        font.setPointSizeF(font.pointSizeF() * 0.7);
        for (qsizetype i = 0; i < bars; ++i) {
            auto* label = new QGraphicsSimpleTextItem(Text(data_.labels[static_cast<std::size_t>(i)]));
            label->setFont(font);
            const QPointF at = chart()->mapToPosition(QPointF(static_cast<qreal>(i), 0), series_);
            label->setPos(at.x() - label->boundingRect().width() / 2, at.y() + 4);
            chart()->scene()->addItem(label);
            faces_ << label;
        }
    }
    if (!depth_) return;
    const QPointF origin = chart()->mapToPosition(QPointF(0, 0), series_);
    const QPointF oneBar = chart()->mapToPosition(QPointF(kBarWidth, 0), series_);
    const qreal depth = std::clamp((oneBar.x() - origin.x()) * 0.4, 3.0, 18.0);
    for (qsizetype i = 0; i < bars; ++i) {
        const double value = data_.values[static_cast<std::size_t>(i)];
        if (value <= 0) continue;
        const QColor fill = BarColour(data_.labelsInLegend ? static_cast<int>(i) : 0);
        const QPointF topLeft =
            chart()->mapToPosition(QPointF(static_cast<qreal>(i) - kBarWidth / 2, value), series_);
        const QPointF bottomRight =
            chart()->mapToPosition(QPointF(static_cast<qreal>(i) + kBarWidth / 2, 0), series_);
        const QPointF shift(depth, -depth);
        const QPointF topRight(bottomRight.x(), topLeft.y());
        const QPolygonF top{topLeft, topRight, topRight + shift, topLeft + shift};
        const QPolygonF side{topRight, bottomRight, bottomRight + shift, topRight + shift};
        for (const auto& [polygon, shade] :
             {std::pair{top, fill.lighter(135)}, std::pair{side, fill.darker(145)}}) {
            auto* face = new QGraphicsPolygonItem(polygon);
            face->setBrush(shade);
            face->setPen(QPen(fill.darker(170), 0.8));
            face->setZValue(100);
            chart()->scene()->addItem(face);
            faces_ << face;
        }
    }
}

void BarChartView::resizeEvent(QResizeEvent* event) {
    QChartView::resizeEvent(event);
    PlaceDepthFaces();
}

QList<qreal> BarChartView::BarValues() const {
    // Read back from the series: each bar is its own set in the legend mode.
    QList<qreal> values;
    if (data_.labelsInLegend) {
        for (int i = 0; i < static_cast<int>(sets_.size()); ++i) values << sets_[i]->at(i);
    } else if (!sets_.isEmpty()) {
        for (int i = 0; i < sets_[0]->count(); ++i) values << sets_[0]->at(i);
    }
    return values;
}

QStringList BarChartView::CategoryLabels() const {
    for (QAbstractAxis* axis : chart()->axes(Qt::Horizontal))
        if (auto* categories = qobject_cast<QBarCategoryAxis*>(axis)) return categories->categories();
    return {};
}

QStringList BarChartView::LegendTexts() const {
    QStringList texts;
    if (!chart()->legend()->isVisible()) return texts;
    for (QLegendMarker* marker : chart()->legend()->markers())
        if (marker->isVisible()) texts << marker->label();
    return texts;
}

QString BarChartView::ValueAxisTitle() const {
    const QList<QAbstractAxis*> axes = chart()->axes(Qt::Vertical);
    return axes.isEmpty() ? QString() : axes.front()->titleText();
}

QStringList BarChartView::ValueAxisLabels() const {
    for (QAbstractAxis* axis : chart()->axes(Qt::Vertical))
        if (auto* values = qobject_cast<QCategoryAxis*>(axis)) return values->categoriesLabels();
    return {};
}

}  // namespace amortix::gui

#include "shell/grid_copy.h"

#include "shell/grid_widget.h"

namespace amortix::gui {
namespace {

QString Cell(const GridModel& model, int row, int column) {
    QString text = model.Text(row, column).trimmed();
    // A cell holds one line; tabs and line breaks would split it.
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

}  // namespace

QString CellsAsTabText(const GridModel& model, const CellRange& range) {
    QString out;
    for (int r = range.row1; r <= range.row2; ++r) {
        for (int c = range.col1; c <= range.col2; ++c) {
            if (c > range.col1) out += QLatin1Char('\t');
            out += Cell(model, r, c);
        }
        out += QLatin1Char('\n');
    }
    return out;
}

QString CellsAsHtml(const GridModel& model, const CellRange& range) {
    QString out = QStringLiteral("<table>\n");
    for (int r = range.row1; r <= range.row2; ++r) {
        out += QStringLiteral("<tr>");
        const QString tag = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        for (int c = range.col1; c <= range.col2; ++c)
            out += QStringLiteral("<%1>%2</%1>").arg(tag, Cell(model, r, c).toHtmlEscaped());
        out += QStringLiteral("</tr>\n");
    }
    out += QStringLiteral("</table>\n");
    return out;
}

}  // namespace amortix::gui

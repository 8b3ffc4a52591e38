#pragma once
// The graph window: bars of the engine's chart data, flat or with depth, that
// prints its own image and returns to the screen that opened it (hidden while
// the window is open). The tables graph and the comparison graph differ only
// in their data (kinds, labels in the legend or under the bars, axis title).

#include <QWidget>

#include <functional>

#include "core/forms/graph_form.h"
#include "shell/screen_context.h"

class QPushButton;

namespace amortix::gui {

class BarChartView;

class GraphWindow : public QWidget {
    Q_OBJECT
  public:
    struct Commands {
        // Prints the image of the window's contents (its size already set so
        // the button row falls outside), drawn in the printout's colours.
        std::function<void(GraphWindow& window)> printWindow;
        // Asks for a file name and saves the chart there as a picture.
        std::function<void(GraphWindow& window)> savePicture;
    };

    // `formName` is GraphsAll or MCGraph; `caller` is shown again on exit.
    GraphWindow(ScreenContext& context, const QString& formName, amortix::ChartData chart, QWidget* caller,
                Commands commands = {});

    // Hides the caller and shows the window as the frame's active form.
    static GraphWindow* Open(ScreenContext& context, const QString& formName, amortix::ChartData chart,
                             QWidget* caller, Commands commands = {});

    int GraphKind() const { return graphKind_; }
    bool PrintInColour() const { return printInColour_; }
    const amortix::ChartData& Data() const { return data_; }
    QSize sizeHint() const override;

    BarChartView* Graph1 = nullptr;
    QPushButton* Sav2D = nullptr;
    QPushButton* ThreeDee = nullptr;
    QPushButton* Ptr = nullptr;
    QPushButton* SavePic = nullptr;
    QPushButton* CopyPic = nullptr;
    QPushButton* ExitBut = nullptr;

  private:
    void DrawGraph2D();
    void ShowGraph3D();
    void Redraw();
    void PrintGraph();
    void Exit();
    QWidget* Host();

    ScreenContext context_;
    amortix::ChartData data_;
    QWidget* caller_;
    Commands commands_;
    int graphKind_ = 0;
    bool printInColour_ = false;
    bool printing_ = false;  // the drawing is for the printout
};

}  // namespace amortix::gui

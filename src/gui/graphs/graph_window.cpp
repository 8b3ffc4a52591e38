#include "graphs/graph_window.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/format/messages.h"
#include "graphs/bar_chart_view.h"
#include "graphs/chart_picture.h"
#include "shell/app_state.h"
#include "shell/interaction.h"
#include "shell/language.h"
#include "shell/main_frame.h"
#include "shell/twips.h"
#include "shell/wait_cursor.h"

namespace amortix::gui {

namespace {

// The window's size on screen, and its width while printing: the button row
// starts 6000 twips down, and the printed image ends above it. A window less
// tall than that would squeeze the buttons into the chart and cut its foot.
constexpr int kWidthTwips = 9550;
constexpr int kHeightTwips = 6450;
constexpr int kPrintWidthTwips = 9530;
constexpr int kButtonRowTwips = 6000;

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
    // Announced by its current caption (it has no fixed accessible name).
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

GraphWindow::GraphWindow(ScreenContext& context, const QString& formName, amortix::ChartData chart,
                         QWidget* caller, Commands commands)
    : context_(context), data_(std::move(chart)), caller_(caller), commands_(std::move(commands)) {
    setObjectName(formName);
    setWindowTitle(QString::fromStdString(data_.title).trimmed());

    Graph1 = new BarChartView(this);
    Graph1->setObjectName("Graph1");
    Graph1->setAccessibleName(Tr("Graph"));
    Sav2D = Button(Tr("Show Graph in &2D"), "Sav2D", this);
    ThreeDee = Button(Tr("Show Graph in &3D"), "ThreeDee", this);
    Ptr = Button(Tr(data_.printCaption), "Ptr", this);
    SavePic = Button(Tr("Sa&ve Picture"), "SavePic", this);
    CopyPic = Button(Tr("&Copy Picture"), "CopyPic", this);
    ExitBut = Button(Tr("E&xit to Menu"), "ExitBut", this);
    Sav2D->hide();
    SavePic->setToolTip(Tr("Save the chart as a PNG image or an SVG drawing"));
    CopyPic->setToolTip(Tr("Copy the chart to the clipboard as an image"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {Sav2D, ThreeDee, Ptr, SavePic, CopyPic, ExitBut}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    // Placed at (-60, -30) twips in the small layout: keep the edges in view.
    layout->setContentsMargins(TwipsToPixelsX(this, 120), TwipsToPixelsY(this, 60), TwipsToPixelsX(this, 60),
                               0);
    layout->addWidget(Graph1, 1);
    layout->addLayout(buttons);
    // The chart ends where the button row starts, so the printing height
    // leaves the buttons out of the image.
    Graph1->setFixedHeight(TwipsToPixelsY(this, kButtonRowTwips) - layout->spacing());

    connect(Sav2D, &QPushButton::clicked, this, [this] {
        graphKind_ = data_.kinds.flat;
        DrawGraph2D();
    });
    connect(ThreeDee, &QPushButton::clicked, this, [this] {
        graphKind_ = data_.kinds.depth;
        ShowGraph3D();
    });
    connect(Ptr, &QPushButton::clicked, this, &GraphWindow::PrintGraph);
    connect(ExitBut, &QPushButton::clicked, this, &GraphWindow::Exit);
    connect(SavePic, &QPushButton::clicked, this, [this] {
        if (commands_.savePicture) commands_.savePicture(*this);
    });
    connect(CopyPic, &QPushButton::clicked, this, [this] { CopyChartPicture(*Graph1); });

    graphKind_ = data_.kinds.flat;
    DrawGraph2D();
}

GraphWindow* GraphWindow::Open(ScreenContext& context, const QString& formName, amortix::ChartData chart,
                               QWidget* caller, Commands commands) {
    auto* window = new GraphWindow(context, formName, std::move(chart), caller, std::move(commands));
    if (caller != nullptr) context.frame.HideForm(caller);
    context.frame.ShowForm(window);
    if (window->ThreeDee->isEnabled()) window->ThreeDee->setFocus();
    return window;
}

QSize GraphWindow::sizeHint() const {
    // Wider than the design where the button row's captions need it (French).
    const QSize design = TwipsToPixels(this, QSize(kWidthTwips, kHeightTwips));
    return layout() != nullptr ? design.expandedTo(layout()->minimumSize()) : design;
}

QWidget* GraphWindow::Host() {
    // Inside the frame the form fills its frameless child window.
    QWidget* parent = parentWidget();
    return parent != nullptr && qobject_cast<QMdiSubWindow*>(parent) != nullptr ? parent : this;
}

void GraphWindow::DrawGraph2D() {
    if (!ThreeDee->isEnabled()) {
        ThreeDee->setEnabled(true);
        ThreeDee->setFocus();
    }
    Sav2D->show();
    if (Sav2D->isEnabled()) Sav2D->setEnabled(false);
    Graph1->Draw(data_, false, printInColour_ || !printing_);
}

void GraphWindow::ShowGraph3D() {
    Sav2D->show();
    if (!Sav2D->isEnabled()) {
        Sav2D->setEnabled(true);
        ThreeDee->setEnabled(false);
    }
    Sav2D->setFocus();
    Graph1->Draw(data_, true, printInColour_ || !printing_);
}

void GraphWindow::Redraw() {
    if (graphKind_ == data_.kinds.depth)
        ShowGraph3D();
    else
        DrawGraph2D();
}

void GraphWindow::PrintGraph() {
    Interaction& ask = context_.interaction;
    if (ask.AskQuestion(amortix::Question::ContinuePrintout) != amortix::kAnswerYes) return;
    printInColour_ = ask.AskQuestion(amortix::Question::PrintInColor) == amortix::kAnswerYes;
    printing_ = true;
    Redraw();
    {
        WaitCursor wait;
        QWidget* host = Host();
        const QSize onScreen = host->size();
        host->resize(TwipsToPixels(this, QSize(kPrintWidthTwips, kHeightTwips)));
        // The chart lays itself out again for the new size on its next turn of
        // the event loop; print that layout, not the screen's one under it.
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        if (commands_.printWindow) commands_.printWindow(*this);
        context_.frame.PlaceForm(this);
        host->resize(onScreen);
    }
    printing_ = false;
    printInColour_ = false;
    // Back to the screen's colours once the image is printed.
    Redraw();
}

void GraphWindow::Exit() {
    QWidget* caller = caller_;
    MainFrame& frame = context_.frame;
    frame.UnloadForm(this);
    if (caller != nullptr) frame.ShowForm(caller);
}

}  // namespace amortix::gui

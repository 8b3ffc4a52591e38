#pragma once
// What every form is handed when it is created: the shared state, the one
// way to ask the user, and the frame it lives in.

#include <QString>

#include <functional>

class QWidget;

namespace amortix::gui {

struct AppState;
class Interaction;
class MainFrame;

struct ScreenContext {
    AppState& state;
    Interaction& interaction;
    MainFrame& frame;
};

// Creates a calculator screen (a full-size child form of the frame). The
// screen's exit button calls frame.ReturnToMenu(itself).
using ScreenFactory = std::function<QWidget*(ScreenContext& context)>;

// The calculator screens the main menu opens, by form name.
inline constexpr const char* kTablesScreen = "MortgageCalc";
inline constexpr const char* kComparisonScreen = "MortComp";
inline constexpr const char* kAffordabilityScreen = "MortFindFactor";
inline constexpr const char* kQualifyScreen = "MortQualify";

}  // namespace amortix::gui

// The plot window: the chart of the last reduction's lines of position, the
// fix and its error ellipse (reduction/lop_plot.h), the latitude and
// longitude under the pointer, and the buttons to print and hide it.
#pragma once

#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"
#include "reduction/lop_plot.h"

namespace app {
class App;
}

namespace reduction {

inline constexpr const char* kForm2Caption = "PLOT OF LOPS";

class Form2 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form2(app::App& app);
    ~Form2() override;

    // Places the window below and right of the main window and records the
    // gaps that Form_Resize keeps.
    void Form_Load() override;
    // Fits the picture to the window, keeps the labels and buttons at their
    // distance from the bottom edge, then redraws the chart.
    void Form_Resize() override;

    // Handlers.
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    // The pointer left the chart: its read-out is emptied.
    void Picture1_MouseLeave();
    void Command3_Click();  // "GLOBE"
    void Command1_Click();  // "Print"
    void Command2_Click();  // "Hide Form"

    // Draws the chart into Picture1 (does not show the window).
    void draw(const LopPlot& plot);

    platform::ui::Picture Picture1;        // the chart
    platform::ui::CommandButton Command3;  // "GLOBE"
    platform::ui::CommandButton Command1;  // "Print"
    platform::ui::Label Label1;            // "Black tic marks are 1 and 10 n.miles"
    platform::ui::CommandButton Command2;  // "Hide Form"
    platform::ui::Label Label4;            // "Latitude and Longitude of cursor:"
    platform::ui::Label Label2;            // latitude under the pointer
    platform::ui::Label Label3;            // longitude under the pointer
    platform::ui::Label Label5;            // how to resize the window

  private:
    app::App& app_;
    // Recorded by Form_Load, twips, single precision.
    float widthGap_ = 0;
    float heightGap_ = 0;
    float label1Gap_ = 0, label2Gap_ = 0, label3Gap_ = 0, label4Gap_ = 0, label5Gap_ = 0;
    float command1Gap_ = 0, command2Gap_ = 0, command3Gap_ = 0;
    // Whether the picture holds a chart (and not the plotting-scale message).
    bool chartShown_ = false;
};

// The plot's input from the application: the last reduction's results, the
// sight log's include flags, the assumed position, the size of Form2's
// picture and the program's generator (creates Form2 if needed).
LopPlotInput plotInputFromApp(app::App& app);

// Clears and redraws Form2's chart from the last reduction, then shows Form2
// modeless (creating it on first use).
void PlotLOPs(app::App& app);

// After a file has been opened or all data cleared: the last reduction's
// results no longer belong to the sights. The plot and the globe are hidden,
// the detailed output is withdrawn, and none of them comes back (the plot's
// resize and "GLOBE" included) until the next reduction.
void WithdrawResults(app::App& app);

}  // namespace reduction

#include "reduction/plot_window.h"

#include <cmath>

#include "app/app.h"
#include "app/main_window.h"
#include "globe/globe_window.h"
#include "reduction/report_window.h"

namespace reduction {

namespace {

using platform::ui::Color;
using platform::ui::rgb;

// The window's client area, twips.
constexpr double kWidth = 6510;
constexpr double kHeight = 6585;
// The least picture size: one pixel each way (a twip is less than a pixel).
constexpr double kLeastPictureTwips = platform::ui::kTwipsPerPixel;

const Color kBackground = rgb(240, 240, 255);
const Color kAxes = rgb(0, 0, 0);
const Color kLop = rgb(255, 0, 0);
const Color kFixMark = rgb(10, 255, 10);
const Color kEllipse = rgb(0, 0, 255);

}  // namespace

Form2::Form2(app::App& app)
    : Form(app, kForm2Caption),
      Picture1{*this, {120, 120, 6252, 5415}},
      Command3{*this, {120, 5610, 885, 285}, "GLOBE"},
      Command1{*this, {1050, 5610, 825, 285}, "Print"},
      Label1{*this, {1980, 5610, 2775, 255}, "Black tic marks are 1 and 10 n.miles"},
      Command2{*this, {4860, 5610, 1512, 315}, "Hide Form"},
      Label4{*this, {30, 6000, 2535, 195}, "Latitude and Longitude of cursor:"},
      Label2{*this, {2610, 5970, 1890, 270}},
      Label3{*this, {4530, 5970, 1890, 270}},
      Label5{*this,
             {60, 6330, 6345, 255},
             "Grab corner with mouse cursor and left click and drag to resize  ------>"},
      app_(app) {
    resizeTwips(kWidth, kHeight);

    // The two guiding texts are longer than their places at the standard
    // font; a smaller size keeps them whole.
    Label1.setFontSize(6.5);
    Label4.setFontSize(6.5);

    Picture1.onMouseMove([this](int Button, int Shift, double X, double Y) {
        Picture1_MouseMove(Button, Shift, X, Y);
    });
    Picture1.onMouseLeave([this] { Picture1_MouseLeave(); });
    Command3.onClick([this] { Command3_Click(); });
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
}

Form2::~Form2() = default;

void Form2::Form_Load() {
    app::Form1& main = app_.form1();
    const double offset = std::floor(0.05 * main.widthTwips());
    moveTwips(offset + main.leftTwips(), offset + main.topTwips());

    const float width = static_cast<float>(widthTwips());
    const float height = static_cast<float>(heightTwips());
    widthGap_ = width - static_cast<float>(Picture1.width());
    heightGap_ = height - static_cast<float>(Picture1.height());
    label1Gap_ = height - static_cast<float>(Label1.top());
    label2Gap_ = height - static_cast<float>(Label2.top());
    label3Gap_ = height - static_cast<float>(Label3.top());
    label4Gap_ = height - static_cast<float>(Label4.top());
    label5Gap_ = height - static_cast<float>(Label5.top());
    command1Gap_ = height - static_cast<float>(Command1.top());
    command2Gap_ = height - static_cast<float>(Command2.top());
    command3Gap_ = height - static_cast<float>(Command3.top());
}

void Form2::Form_Resize() {
    const double width = widthTwips();
    const double height = heightTwips();
    const double w = width - widthGap_;
    const double h = height - heightGap_;
    Picture1.setWidth(w > kLeastPictureTwips ? w : kLeastPictureTwips);
    Picture1.setHeight(h > kLeastPictureTwips ? h : kLeastPictureTwips);
    Label1.setTop(height - label1Gap_);
    Label2.setTop(height - label2Gap_);
    Label3.setTop(height - label3Gap_);
    Label4.setTop(height - label4Gap_);
    Label5.setTop(height - label5Gap_);
    Command1.setTop(height - command1Gap_);
    Command2.setTop(height - command2Gap_);
    Command3.setTop(height - command3Gap_);
    // The new sights over an earlier leg's results would be no chart at all.
    if (!app_.ResultsOutdated) {
        PlotLOPs(app_);
    }
}

void Form2::Picture1_MouseMove(int /*Button*/, int /*Shift*/, double X, double Y) {
    if (!chartShown_) {
        return;  // no chart scale to read
    }
    const PointerReadout readout = pointerReadout(app_.AssumedLat, app_.AssumedLon, X, Y);
    Label2.setCaption(readout.Label2);
    Label3.setCaption(readout.Label3);
}

void Form2::Picture1_MouseLeave() {
    Label2.setCaption("");
    Label3.setCaption("");
}

void Form2::Command3_Click() {
    if (app_.ResultsOutdated) {
        return;
    }
    app_.form16().showModeless();
}

void Form2::Command1_Click() {
    printForm();
}

void Form2::Command2_Click() {
    hide();
}

void Form2::draw(const LopPlot& plot) {
    platform::ui::Picture& p = Picture1;
    p.setScale(plot.scaleLeft, plot.scaleTop, plot.scaleWidth, plot.scaleHeight);
    p.setBackColor(kBackground);  // clears the picture to the colour
    chartShown_ = plot.chart;
    // The read-out belonged to the picture just cleared.
    Label2.setCaption("");
    Label3.setCaption("");
    if (plot.chart) {
        auto segment = [&p](const PlotSegment& s, const Color& color) {
            p.line(s.from.x, s.from.y, s.to.x, s.to.y, color);
        };
        segment(plot.verticalAxis, kAxes);
        segment(plot.horizontalAxis, kAxes);
        for (const PlotSegment& s : plot.tenMileTicks) {
            segment(s, kAxes);
        }
        for (const PlotSegment& s : plot.oneMileTicks) {
            segment(s, kAxes);
        }
        for (const LopLine& lop : plot.lops) {
            segment(lop.segment, kLop);
            p.setCurrentX(lop.label.at.x);
            p.setCurrentY(lop.label.at.y);
            p.print(lop.label.line);
        }
        if (plot.fixRadius > 0) {
            p.circle(plot.fixCentre.x, plot.fixCentre.y, plot.fixRadius, kFixMark);
        }
        if (!plot.apMark.empty()) {
            p.setDrawWidth(kApMarkPixels);
            for (const PlotSegment& s : plot.apMark) {
                segment(s, kAxes);
            }
            p.setDrawWidth(1);
            p.setCurrentX(plot.apLabel.at.x);
            p.setCurrentY(plot.apLabel.at.y);
            p.print(plot.apLabel.line);
        }
        for (std::size_t k = 0; k < plot.ellipse.size(); ++k) {
            const PlotPoint& at = plot.ellipse[k];
            if (k == 0) {
                p.point(at.x, at.y, kEllipse);
            } else {
                const PlotPoint& from = plot.ellipse[k - 1];
                p.line(from.x, from.y, at.x, at.y, kEllipse);
            }
        }
    }
    for (const PlotText& text : plot.texts) {
        p.setCurrentX(text.at.x);
        p.setCurrentY(text.at.y);
        p.print(text.line);
    }
}

LopPlotInput plotInputFromApp(app::App& app) {
    Form2& form = app.form2();
    const ReductionResult& r = app.Reduction;
    LopPlotInput in;
    in.Fix = r.Fix;
    in.Status = r.Status;
    in.SightCount = app.Log.SightCount;
    for (int i = 0; i < kSightLogSize; ++i) {
        in.Included[i] = app.Log.SightData[i][kFieldIncluded];
    }
    in.LopIntercept = r.LopIntercept;
    in.LopAzimuth = r.LopAzimuth;
    in.LopRun = r.LopRun;
    in.AssumedLat = app.AssumedLat;
    in.AssumedLon = app.AssumedLon;
    in.PictureWidth = form.Picture1.width();
    in.PictureHeight = form.Picture1.height();
    in.nextRandom = [&app] { return app.random().next(); };
    const platform::ui::Picture& picture = form.Picture1;
    in.TextHeight = picture.textHeightTwips();
    in.TextWidth = [&picture](const std::string& text) { return picture.textWidthTwips(text); };
    return in;
}

void PlotLOPs(app::App& app) {
    Form2& form = app.form2();
    form.draw(lopPlotGeometry(plotInputFromApp(app)));
    form.showModeless();
}

void WithdrawResults(app::App& app) {
    app.ResultsOutdated = true;
    if (Form2* plot = app.existingWindow<Form2>()) {
        plot->hide();
    }
    if (globe::Form16* globeWindow = app.existingWindow<globe::Form16>()) {
        globeWindow->hide();
    }
    WithdrawDetailedOutput(app);
}

}  // namespace reduction

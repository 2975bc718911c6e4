// The globe window: the circles of position of the last reduction on an
// orthographic globe (globe/globe.h), turned with a left drag, zoomed with a
// right drag, with the latitude and longitude under the pointer.
#pragma once

#include "globe/globe.h"
#include "platform/ui/controls.h"
#include "platform/ui/form.h"
#include "platform/ui/picture.h"

namespace app {
class App;
}

namespace globe {

inline constexpr const char* kForm16Caption = "Orthographic Globe Projection  Circles Of Position";

class Form16 : public platform::ui::Form {
    Q_OBJECT

  public:
    explicit Form16(app::App& app);
    ~Form16() override;

    // Margins, zoom 1, the view centred on the sights, redraw.
    void Form_Load() override;
    // Fits the picture to the window (at least one pixel each way), redraw.
    void Form_Resize() override;

    // Redraws the whole picture from the view (skipped while the picture
    // has no area).
    void DrawGlobe();

    // Handlers.
    void Picture1_MouseDown(int Button, int Shift, double X, double Y);
    void Picture1_MouseUp(int Button, int Shift, double X, double Y);
    void Picture1_MouseMove(int Button, int Shift, double X, double Y);
    // The pointer left the picture: its read-out is emptied.
    void Picture1_MouseLeave();
    void Command1_Click();  // "Reset Zoom = 1"
    void Command2_Click();  // "Print"
    void Command4_Click();  // "CLOSE "

    const GlobeView& view() const { return view_; }
    const GlobeDrag& drag() const { return drag_; }
    const GlobeFrame& frame() const { return frame_; }

    platform::ui::Label Label13;           // "Rotate view with left click and drag"
    platform::ui::Label Label2;            // " Zoom with right click and drag"
    platform::ui::Label Label1;            // "Zoom Factor"
    platform::ui::TextBox Text1;           // the zoom, not editable
    platform::ui::Label Label10;           // latitude under the pointer
    platform::ui::Label Label11;           // longitude under the pointer
    platform::ui::CommandButton Command1;  // "Reset Zoom = 1"
    platform::ui::CommandButton Command2;  // "Print"
    platform::ui::CommandButton Command4;  // "CLOSE "
    platform::ui::Picture Picture1;        // the globe
    platform::ui::Label Label8;            // "grab corner to resize  ----->"

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    // Ends a drag: no button held, the default pointer.
    void endDrag();
    // Empties the latitude and longitude read-out.
    void clearReadout();

    app::App& app_;
    GlobeView view_;
    GlobeDrag drag_;
    GlobeFrame frame_;
    GlobeScene scene_;
    // Twips between the picture's right (bottom) edge and the window's, and
    // between the hint's top (left) and the window's bottom (right) edge.
    double RightMargin = 0;
    double BottomMargin = 0;
    double hintBottomGap_ = 0;
    double hintRightGap_ = 0;
};

}  // namespace globe

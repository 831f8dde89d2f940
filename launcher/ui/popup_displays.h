// The two pictures the popup shows: the trail of the last mouse action and
// the test display of the minimum movement.
#pragma once

#include <span>

#include "common/geometry.h"
#include "launcher/core/stroke_recognizer.h"
#include "launcher/ui/trail_popup.h"
#include "platform/ports.h"

namespace fesk {

// The squared box of the movement with its quadrants in their letters'
// colours, the neutral square in white, and the samples joined by lines with
// a small circle on each.  The popup lies over the movement, in screen
// pixels; the picture is as large as the monitor the movement was made on,
// and the circles are drawn for its DPI.
void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples, const Monitor& monitor);
// The same on a desktop of one monitor at 96 DPI.
void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples, Size screen);

// A red square of the minimum movement's size (screen pixels, as the sensor
// measures) in the middle of the monitor; the popup and its texts are laid
// out for the monitor's DPI.
void ShowSensorTest(TrailPopup& popup, const Monitor& monitor, int minimum_move);
void ShowSensorTest(TrailPopup& popup, Size screen, int minimum_move);

inline constexpr char kSensorTestText1[] = "赤色の領域以上のマウス移動を行った場合、センサーが働きます.";
inline constexpr char kSensorTestText2[] = "このフォーム内を左マウス・クリックすると戻ります。";

}  // namespace fesk

// The two pictures the popup shows: the trail of the last mouse action and
// the test display of the minimum movement.
#pragma once

#include <span>

#include "common/geometry.h"
#include "launcher/core/stroke_recognizer.h"
#include "launcher/ui/trail_popup.h"

namespace fesk {

// The squared box of the movement with its quadrants in their letters'
// colours, the neutral square in white, and the samples joined by lines with
// a small circle on each.
void ShowTrail(TrailPopup& popup, const StrokeGeometry& stroke, std::span<const Point> samples,
               Size screen);

// A red square of the minimum movement's size in the middle of the screen.
void ShowSensorTest(TrailPopup& popup, Size screen, int minimum_move);

inline constexpr char kSensorTestText1[] =
    "赤色の領域以上のマウス移動を行った場合、センサーが働きます.";
inline constexpr char kSensorTestText2[] = "このフォーム内を左マウス・クリックすると戻ります。";

}  // namespace fesk

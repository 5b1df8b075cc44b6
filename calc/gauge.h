#pragma once

#include "sheet.h"

namespace mx {

// The state and rules of a vertical bar gauge with minimum 0: it refuses a maximum below
// its minimum, keeps its progress within 0..maximum and shows a truncated percentage.
class GaugeModel {
public:
    int maximum() const { return maximum_; }
    int progress() const { return progress_; }
    GaugeColor color() const { return color_; }

    bool setMaximum(int maximum);
    void setProgress(int progress);
    void setColor(GaugeColor color) { color_ = color; }

    // progress × 100 ÷ maximum, truncated; 0 when the maximum is 0.
    int percent() const;

private:
    int maximum_ = 100;
    int progress_ = 0;
    GaugeColor color_ = GaugeColor::Red;
};

} // namespace mx

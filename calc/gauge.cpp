#include "gauge.h"

#include <cstdint>

namespace mx {

bool GaugeModel::setMaximum(int maximum) {
    if (maximum < 0) {
        return false;
    }
    maximum_ = maximum;
    if (progress_ > maximum_) {
        progress_ = maximum_;
    }
    return true;
}

void GaugeModel::setProgress(int progress) {
    progress_ = progress < 0 ? 0 : (progress > maximum_ ? maximum_ : progress);
}

int GaugeModel::percent() const {
    if (maximum_ == 0) {
        return 0;
    }
    return static_cast<int>(std::int64_t{progress_} * 100 / maximum_);
}

} // namespace mx

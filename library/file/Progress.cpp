#include "library/file/Progress.h"

#include <algorithm>

namespace vantor {

namespace {
constexpr int64_t kWhole = 100;
}

void CProgress::Report(int64_t percent) {
    if (!callback_) return;
    callback_(static_cast<int32_t>(std::clamp<int64_t>(percent, 0, kWhole)), context_);
}

void CProgress::ReportShare(int64_t position, int64_t size) {
    if (size <= 0 || position < 0) return;
    // A file that grows while it is read must not report more than the whole.
    const int64_t share = std::min(position, size) * kWhole / size;
    if (share == lastShare_) return;
    lastShare_ = share;
    Report(share);
}

}  // namespace vantor

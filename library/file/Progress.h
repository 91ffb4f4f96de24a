// Progress reports of an import or export to the caller's callback.
#pragma once

#include <cstdint>

#include "vantor/vantor.h"

namespace vantor {

class CProgress {
public:
    CProgress(EdsProgressProc callback, intptr_t context) : callback_(callback), context_(context) {}

    // Reports percent, held to 0..100; nothing without a callback.
    void Report(int64_t percent);
    // Reports position as a share of size when it differs from the last
    // value reported this way. A size of 0 (a pipe) reports nothing.
    void ReportShare(int64_t position, int64_t size);

private:
    EdsProgressProc callback_;
    intptr_t context_;
    int64_t lastShare_ = -1;
};

}  // namespace vantor

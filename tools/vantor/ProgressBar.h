// A progress bar on standard error for imports and exports, fed by the
// library's progress callback; it draws nothing when standard error is not a
// terminal.
#pragma once

#include <cstdint>
#include <string>

#include "vantor/vantor.h"

namespace vantor::cli {

class ProgressBar {
public:
    explicit ProgressBar(std::string label);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    // The callback and context to hand to eds_ImportEDS or eds_ExportEDS;
    // a null callback when nothing is drawn.
    EdsProgressProc callback() const;
    intptr_t context() const { return reinterpret_cast<intptr_t>(this); }

private:
    static void VANTOR_CALL Report(int32_t percent, intptr_t context);
    void Draw(int32_t percent);
    void Clear();

    std::string label_;
    bool enabled_;
    bool drawn_ = false;
    int32_t lastPercent_ = -1;
};

}  // namespace vantor::cli

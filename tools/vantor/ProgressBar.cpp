#include "tools/vantor/ProgressBar.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace vantor::cli {
namespace {

constexpr int kBarWidth = 30;

bool StandardErrorIsTerminal() {
    const char* term = std::getenv("TERM");
    return isatty(STDERR_FILENO) == 1 && !(term && std::strcmp(term, "dumb") == 0);
}

}  // namespace

ProgressBar::ProgressBar(std::string label)
    : label_(std::move(label)), enabled_(StandardErrorIsTerminal()) {}

ProgressBar::~ProgressBar() { Clear(); }

EdsProgressProc ProgressBar::callback() const { return enabled_ ? &ProgressBar::Report : nullptr; }

void ProgressBar::Report(int32_t percent, intptr_t context) {
    reinterpret_cast<ProgressBar*>(context)->Draw(std::clamp(percent, 0, 100));
}

void ProgressBar::Draw(int32_t percent) {
    if (percent == lastPercent_) return;
    lastPercent_ = percent;
    const int filled = percent * kBarWidth / 100;
    std::fprintf(stderr, "\r%s [%.*s%*s] %3d%%", label_.c_str(), filled, "##############################",
                 kBarWidth - filled, "", static_cast<int>(percent));
    std::fflush(stderr);
    drawn_ = true;
}

void ProgressBar::Clear() {
    if (!drawn_) return;
    std::fputs("\r\033[K", stderr);
    std::fflush(stderr);
    drawn_ = false;
}

}  // namespace vantor::cli

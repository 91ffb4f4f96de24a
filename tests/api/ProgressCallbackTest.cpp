#include <gtest/gtest.h>

#include "library/api/ProgressCallback.h"

namespace {

void Relay(int32_t, intptr_t) {}

int dataWord = 0;

TEST(ProgressCallback, OnlyAnExecutableAddressIsKept) {
    using vantor::api::ExecutableOrNull;
    EXPECT_EQ(ExecutableOrNull(Relay), &Relay);
    EXPECT_EQ(ExecutableOrNull(nullptr), nullptr);
    EXPECT_EQ(ExecutableOrNull(reinterpret_cast<EdsProgressProc>(&dataWord)), nullptr);
}

}  // namespace

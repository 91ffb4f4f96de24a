#include <gtest/gtest.h>

#include <memory>

#include "vantor/platform.h"

namespace {

int gData = 42;
const char kText[] = "not code";

int Callback(int x) { return x + 1; }

TEST(Executable, CodeAddressesAreExecutable) {
    EXPECT_TRUE(IsExecutableAddress(reinterpret_cast<const void*>(&Callback)));
    EXPECT_TRUE(IsExecutableAddress(reinterpret_cast<const void*>(&GetACP)));  // in the shared library
    int (*lambda)(int) = [](int x) { return x * 2; };
    EXPECT_TRUE(IsExecutableAddress(reinterpret_cast<const void*>(lambda)));
}

TEST(Executable, DataAddressesAreNot) {
    int onStack = 0;
    const auto onHeap = std::make_unique<int>(0);
    EXPECT_FALSE(IsExecutableAddress(nullptr));
    EXPECT_FALSE(IsExecutableAddress(&onStack));
    EXPECT_FALSE(IsExecutableAddress(onHeap.get()));
    EXPECT_FALSE(IsExecutableAddress(&gData));
    EXPECT_FALSE(IsExecutableAddress(kText));
    EXPECT_FALSE(IsExecutableAddress(reinterpret_cast<const void*>(uintptr_t{16})));
}

}  // namespace

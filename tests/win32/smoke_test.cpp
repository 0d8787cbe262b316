#include <gtest/gtest.h>
TEST(Win32Smoke, Builds) { SUCCEED(); }

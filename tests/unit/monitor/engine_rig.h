// The engine's wiring (engine_wiring.h) as a test fixture.
#pragma once

#include <gtest/gtest.h>

#include "engine_wiring.h"

namespace enginetest {

class EngineRig : public ::testing::Test, public EngineWiring {};

} // namespace enginetest

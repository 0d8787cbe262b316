// The start-up sound: a short rising two-tone chirp as a PCM wave file.
#pragma once

#include <string>

namespace resgen {

std::string ChirpWave();

} // namespace resgen

// A message box of Blinkery's own, captioned "Blinkery", with ModalActive
// set while it shows so ticks beneath it do not stack a second one. A box
// of an outer tick may already have set the flag: it is put back as it was.
#pragma once

#include <string>

#include "settings/settings.h"
#include "platform/message_box.h"

inline constexpr char UnableToWriteText[] = "Unable to write to ";

platform::MbResult ShowModalBox(TGVar& g, platform::MessageBoxes& boxes, const std::string& text,
                                platform::MbButtons buttons, platform::MbIcon icon);

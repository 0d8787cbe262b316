#include "settings/modal_box.h"

platform::MbResult ShowModalBox(TGVar& g, platform::MessageBoxes& boxes, const std::string& text,
                                platform::MbButtons buttons, platform::MbIcon icon)
{
    const int32_t wasModal = g.ModalActive;
    g.ModalActive = 1;
    const platform::MbResult answer = boxes.Show(text, "Blinkery", buttons, icon);
    g.ModalActive = wasModal;
    return answer;
}

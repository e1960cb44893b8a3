#pragma once
// The language dialog's own text; its other captions are shared texts and language names.
#include <string>

namespace text {

// The caption of the apply-to-voice-prompt check box (English where no translation exists).
std::string GetApplyToVoicePromptText(int language);

}  // namespace text

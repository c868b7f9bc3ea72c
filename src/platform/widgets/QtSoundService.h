#pragma once

#include "platform/SoundService.h"

namespace lexmint {

/// The alert sound as the desktop's own beep.
class QtSoundService final : public SoundService {
public:
    void playAlert() override;
};

} // namespace lexmint

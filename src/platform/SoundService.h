#pragma once

namespace lexmint {

/// Plays the desktop's alert sound without waiting for it.
class SoundService {
public:
    virtual ~SoundService() = default;
    virtual void playAlert() = 0;
};

} // namespace lexmint

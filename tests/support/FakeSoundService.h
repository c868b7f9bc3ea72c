#pragma once

#include "platform/SoundService.h"

namespace lexmint::test {

/// Counts the alerts instead of sounding them.
class FakeSoundService final : public SoundService {
public:
    void playAlert() override { ++m_alerts; }
    int alerts() const { return m_alerts; }

private:
    int m_alerts = 0;
};

} // namespace lexmint::test

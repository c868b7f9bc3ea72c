#pragma once

#include "platform/SoundService.h"

namespace lexmint::test {

/// Keeps the tests silent.
class FakeSoundService final : public SoundService {
public:
    void playAlert() override {}
};

} // namespace lexmint::test

#include "CompositorProbe.h"

#include "KdeProbe.h"
#include "SwayProbe.h"

namespace lexmint::test {

std::unique_ptr<CompositorProbe> CompositorProbe::forSession()
{
    if (qEnvironmentVariableIsSet("SWAYSOCK"))
        return std::make_unique<SwayProbe>();
    return std::make_unique<KdeProbe>();
}

} // namespace lexmint::test

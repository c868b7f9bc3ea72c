#include "StartupPlan.h"

#include "app/SettingsStore.h"

namespace lexmint {

StartupPlan StartupPlan::make(const SettingsStore& settings, const CommandLineRequest& request)
{
    StartupPlan plan;
    plan.openMode = settings.number16(SettingsKey::StartUpOpen);
    if (plan.openMode != qint16(OpenMode::Nothing))
        plan.path = settings.text(SettingsKey::StartupDB);
    // A fixed start-up vocabulary that was never chosen behaves like "the last one open", so
    // that the path open at exit is kept.
    if (plan.path.isEmpty() && plan.openMode == qint16(OpenMode::Fixed))
        plan.openMode = qint16(OpenMode::LastOpen);
    plan.startForm = settings.number16(SettingsKey::StartupForm);

    if (!request.valid) {
        plan.showUsage = true;
        return plan;
    }
    if (request.add)
        plan.startForm = qint16(Form::EntryForm);
    else if (request.test)
        plan.startForm = qint16(Form::Test);
    if (request.file)
        plan.path = *request.file;
    return plan;
}

} // namespace lexmint

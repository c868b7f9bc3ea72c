#include "StartupPlan.h"

#include "shell/SettingsStore.h"

namespace lexmint {

StartupPlan StartupPlan::make(const SettingsStore& settings, const CommandLineRequest& request)
{
    StartupPlan plan;
    const qint16 openMode = settings.number16(SettingsKey::StartUpOpen);
    if (openMode != qint16(OpenMode::Nothing))
        plan.path = settings.text(SettingsKey::StartupDB);
    plan.setOpenMode(openMode, plan.path);
    plan.startForm = settings.number16(SettingsKey::StartupForm);

    if (!request.valid) {
        plan.showUsage = true;
        return plan;
    }
    if (request.add)
        plan.startForm = qint16(Form::EntryForm);
    else if (request.test)
        plan.startForm = qint16(Form::Test);
    if (request.file) {
        plan.path = *request.file;
        plan.pathUnreadable = request.fileNameUnreadable;
    }
    return plan;
}

void StartupPlan::setOpenMode(qint16 stored, const QString& startupPath)
{
    // A fixed start-up vocabulary that was never chosen behaves like "the last one open", so
    // that the path open at exit is kept.
    openMode = stored == qint16(OpenMode::Fixed) && startupPath.isEmpty()
        ? qint16(OpenMode::LastOpen)
        : stored;
}

} // namespace lexmint

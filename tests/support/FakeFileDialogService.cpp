#include "FakeFileDialogService.h"

namespace lexmint::test {

std::optional<QString> FakeFileDialogService::openFile(const FileDialogRequest& request)
{
    m_openRequests.append(request);
    return next();
}

std::optional<QString> FakeFileDialogService::saveFile(const FileDialogRequest& request)
{
    m_saveRequests.append(request);
    return next();
}

std::optional<QString> FakeFileDialogService::next()
{
    return m_results.isEmpty() ? std::nullopt : m_results.dequeue();
}

} // namespace lexmint::test

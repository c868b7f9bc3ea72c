#pragma once

#include "platform/FileDialogService.h"

#include <QList>
#include <QQueue>

namespace lexmint::test {

/// Answers file dialogs from a queue of scripted results (a path, or nothing for Cancel)
/// and records every save request. A dialog with no scripted result left is cancelled.
class FakeFileDialogService final : public FileDialogService {
public:
    std::optional<QString> openFile(const FileDialogRequest&) override { return next(); }
    std::optional<QString> saveFile(const FileDialogRequest& request) override
    {
        m_saveRequests.append(request);
        return next();
    }

    void expect(std::optional<QString> result) { m_results.enqueue(std::move(result)); }

    const QList<FileDialogRequest>& saveRequests() const { return m_saveRequests; }
    bool allResultsUsed() const { return m_results.isEmpty(); }

private:
    std::optional<QString> next()
    {
        return m_results.isEmpty() ? std::nullopt : m_results.dequeue();
    }

    QQueue<std::optional<QString>> m_results;
    QList<FileDialogRequest> m_saveRequests;
};

} // namespace lexmint::test

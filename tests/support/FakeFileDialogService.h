#pragma once

#include "platform/FileDialogService.h"

#include <QQueue>

namespace lexmint::test {

/// Answers file dialogs from a queue of scripted results: a path, or nothing for Cancel.
/// A dialog with no scripted result left is cancelled.
class FakeFileDialogService final : public FileDialogService {
public:
    std::optional<QString> openFile(const FileDialogRequest&) override { return next(); }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return next(); }

    void expect(std::optional<QString> result) { m_results.enqueue(std::move(result)); }

    bool allResultsUsed() const { return m_results.isEmpty(); }

private:
    std::optional<QString> next()
    {
        return m_results.isEmpty() ? std::nullopt : m_results.dequeue();
    }

    QQueue<std::optional<QString>> m_results;
};

} // namespace lexmint::test

#pragma once

#include <QByteArray>
#include <QLocalSocket>
#include <QString>

#include <optional>

namespace lexmint {

/// A connection to a compositor that speaks the i3 IPC protocol, as sway does, over the Unix
/// socket it names in $SWAYSOCK. Each request waits for its reply.
class SwayIpc {
public:
    enum class Request : quint32 { RunCommand = 0, GetInputs = 100 };

    explicit SwayIpc(QString socketPath);

    /// Sends `request` with `payload` and returns the reply's payload (JSON); nothing when the
    /// compositor cannot be reached or does not answer in time. Connects anew when the
    /// connection was lost, for instance because the compositor restarted.
    std::optional<QByteArray> send(Request request, const QByteArray& payload = {});

private:
    bool connected();
    std::optional<QByteArray> exchange(quint32 type, const QByteArray& payload);
    bool readFully(qsizetype size, QByteArray& into);

    QString m_socketPath;
    QLocalSocket m_socket;
};

} // namespace lexmint

#include "keyboards/sway/SwayIpc.h"

#include <cstring>
#include <utility>

namespace lexmint {

namespace {

// Each message is the magic text, the payload's length and the message type (both 32-bit, in
// the machine's own byte order), then the payload.
constexpr char Magic[] = "i3-ipc";
constexpr qsizetype MagicSize = sizeof(Magic) - 1;
constexpr qsizetype HeaderSize = MagicSize + 2 * sizeof(quint32);
// The compositor answers in microseconds; a stuck one must not freeze the program.
constexpr int TimeoutMs = 2000;
// Replies about inputs are a few kilobytes; anything near this is not a reply.
constexpr quint32 MaximumPayload = 16 * 1024 * 1024;

QByteArray frame(quint32 type, const QByteArray& payload)
{
    QByteArray message(Magic, MagicSize);
    const auto append = [&message](quint32 value) {
        message.append(reinterpret_cast<const char*>(&value), sizeof value);
    };
    append(quint32(payload.size()));
    append(type);
    return message + payload;
}

quint32 fieldAt(const QByteArray& header, qsizetype offset)
{
    quint32 value = 0;
    std::memcpy(&value, header.constData() + offset, sizeof value);
    return value;
}

} // namespace

SwayIpc::SwayIpc(QString socketPath) : m_socketPath(std::move(socketPath)) {}

bool SwayIpc::connected()
{
    if (m_socket.state() == QLocalSocket::ConnectedState)
        return true;
    m_socket.abort();
    m_socket.connectToServer(m_socketPath);
    return m_socket.waitForConnected(TimeoutMs);
}

bool SwayIpc::readFully(qsizetype size, QByteArray& into)
{
    into.clear();
    while (into.size() < size) {
        if (m_socket.bytesAvailable() == 0 && !m_socket.waitForReadyRead(TimeoutMs))
            return false;
        into += m_socket.read(size - into.size());
    }
    return true;
}

std::optional<QByteArray> SwayIpc::exchange(quint32 type, const QByteArray& payload)
{
    m_socket.write(frame(type, payload));
    QByteArray header;
    if (!m_socket.waitForBytesWritten(TimeoutMs) || !readFully(HeaderSize, header))
        return std::nullopt;
    const quint32 size = fieldAt(header, MagicSize);
    QByteArray reply;
    if (!header.startsWith(QByteArrayView(Magic, MagicSize)) || size > MaximumPayload
        || fieldAt(header, MagicSize + sizeof(quint32)) != type
        || !readFully(qsizetype(size), reply))
        return std::nullopt;
    return reply;
}

std::optional<QByteArray> SwayIpc::send(Request request, const QByteArray& payload)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const bool wasConnected = m_socket.state() == QLocalSocket::ConnectedState;
        if (!connected())
            return std::nullopt;
        if (std::optional<QByteArray> reply = exchange(quint32(request), payload))
            return reply;
        const bool lost = m_socket.state() != QLocalSocket::ConnectedState;
        m_socket.abort();
        // Only a connection that broke while unused (the compositor restarted) is worth
        // another try: a request that timed out might have been carried out already.
        if (!wasConnected || !lost)
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace lexmint

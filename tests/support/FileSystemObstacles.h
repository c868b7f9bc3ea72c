#pragma once

#include <QString>
#include <QTemporaryDir>

namespace lexmint::test {

/// A small disk of its own (a tmpfs in a private mount namespace of the test process), to
/// fill up. It needs the right to mount; where that is missing, isValid() is false and the
/// test skips. Make it before the test starts any thread.
class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isValid() const { return m_mounted; }
    QString path() const { return m_dir.path(); }
    /// Takes up every byte left, so that the next write fails for want of space.
    bool fill();

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};

} // namespace lexmint::test

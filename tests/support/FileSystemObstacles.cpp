#include "support/FileSystemObstacles.h"

#include <QFile>

#include <sched.h>
#include <sys/mount.h>

namespace lexmint::test {

namespace {

bool privateMountNamespace()
{
    static const bool entered = unshare(CLONE_NEWNS) == 0
        && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return entered;
}

} // namespace

SmallDisk::SmallDisk(qint64 bytes)
{
    const QByteArray options = "size=" + QByteArray::number(bytes);
    m_mounted = m_dir.isValid() && privateMountNamespace()
        && mount("tmpfs", QFile::encodeName(m_dir.path()).constData(), "tmpfs", 0,
                 options.constData())
            == 0;
}

SmallDisk::~SmallDisk()
{
    if (m_mounted)
        umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
}

bool SmallDisk::fill()
{
    QFile filler(m_dir.filePath(QStringLiteral("filler")));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const QByteArray block(4096, '\0');
    while (filler.write(block) == block.size()) {
    }
    // The last bytes of a block that did not fit.
    while (filler.write(block.constData(), 1) == 1) {
    }
    return true;
}

} // namespace lexmint::test

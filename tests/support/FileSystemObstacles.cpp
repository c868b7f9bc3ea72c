#include "support/FileSystemObstacles.h"

#include <QFile>

#include <linux/capability.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace lexmint::test {

namespace {

bool privateMountNamespace()
{
    static const bool entered = unshare(CLONE_NEWNS) == 0
        && mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    return entered;
}

// The capabilities that let root write where file permissions say no.
constexpr quint32 OverrideCapabilities =
    (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER);

bool setEffective(bool withOverride)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    if (withOverride)
        data[0].effective |= OverrideCapabilities & data[0].permitted;
    else
        data[0].effective &= ~OverrideCapabilities;
    return syscall(SYS_capset, &header, data) == 0;
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

ObeyFilePermissions::ObeyFilePermissions()
{
    // Without root's rights there is nothing to give up.
    m_dropped = geteuid() == 0 && setEffective(false);
    m_valid = geteuid() != 0 || m_dropped;
}

ObeyFilePermissions::~ObeyFilePermissions()
{
    if (m_dropped)
        setEffective(true);
}

} // namespace lexmint::test

#include "support/processmemory.h"

#include <QFile>

#include <malloc.h>

namespace norvel::test {

namespace {

qint64 statusKiB(const QByteArray &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

} // namespace

qint64 residentKiB()
{
    return statusKiB("VmRSS");
}

qint64 peakResidentKiB()
{
    return statusKiB("VmHWM");
}

qint64 heapInUseBytes()
{
    return qint64(mallinfo2().uordblks);
}

} // namespace norvel::test

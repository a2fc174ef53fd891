#include "support/FailDevice.h"

namespace tavolin::test {

FailDevice::FailDevice(qint64 failAfter, QObject* parent)
    : QIODevice(parent), m_failAfter(failAfter)
{
}

qint64 FailDevice::writeData(const char* data, qint64 len)
{
    const qint64 room = m_failAfter - m_written.size();
    if (room <= 0)
        return -1;
    const qint64 n = qMin(room, len);
    m_written.append(data, n);
    return n;
}

} // namespace tavolin::test

#pragma once

#include <QIODevice>

namespace tavolin::test {

// A write-only device that accepts a given number of bytes and then fails every write,
// like a full disk. Every writer of the program is tested against it.
class FailDevice : public QIODevice
{
public:
    explicit FailDevice(qint64 failAfter, QObject* parent = nullptr) : QIODevice(parent), m_failAfter(failAfter) {}

    QByteArray written() const { return m_written; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override
    {
        const qint64 room = m_failAfter - m_written.size();
        if (room <= 0)
            return -1;
        const qint64 n = qMin(room, len);
        m_written.append(data, n);
        return n;
    }

private:
    qint64 m_failAfter;
    QByteArray m_written;
};

} // namespace tavolin::test

#pragma once

// What the server benchmarks share: percentiles of timings and the process's own figures.

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

struct Percentiles
{
    size_t n = 0;
    double p50 = 0, p90 = 0, p99 = 0, max = 0;
};

inline Percentiles PercentilesOf(std::vector<double> values)
{
    Percentiles p;
    p.n = values.size();
    if (values.empty())
        return p;
    std::sort(values.begin(), values.end());
    // Nearest rank below, as bench_call does, so the figures compare.
    const auto at = [&](double q) { return values[size_t(q * double(values.size() - 1))]; };
    p.p50 = at(0.5);
    p.p90 = at(0.9);
    p.p99 = at(0.99);
    p.max = values.back();
    return p;
}

// A field of /proc/self/status ("VmRSS", "Threads"), as the number before its unit; -1 when absent.
inline long long ProcStatus(const char *name)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

} // namespace bench

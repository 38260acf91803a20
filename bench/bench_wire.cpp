// Wire codec figures: encode and decode of a 100,000-row, 45-column stock table, against
// QJsonDocument parsing of the same bytes. Prints medians of several runs.
#include "stocktable.h"

#include "platform/dataset.h"
#include "platform/jsonwriter.h"
#include "platform/wirereply.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <simdjson.h>
#include <vector>

using platform::DataSet;
using platform::FieldType;

using bench::MakeStockTable;

namespace {

double MedianMs(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? atoi(argv[1]) : 100000;
    const int runs = 5;
    const auto table = MakeStockTable(rows);

    QByteArray json;
    const double encodeMs = MedianMs(runs, [&] {
        json.clear();
        platform::JsonWriter(json).Table(*table);
    });
    const double mb = json.size() / 1e6;
    std::printf("table: %d rows x %d columns, %.1f MB\n", rows, table->FieldCount(), mb);
    std::printf("encode (JsonWriter):            %8.1f ms  %7.0f MB/s\n", encodeMs,
                mb / encodeMs * 1000);

    // Answers arrive in a buffer of their own with spare room for the parser's padding, as the
    // connection leaves them; make those copies outside the timing.
    std::vector<QByteArray> answers;
    for (int i = 0; i < runs; ++i) {
        QByteArray copy;
        copy.reserve(json.size() + 64);
        copy.append(json);
        answers.push_back(std::move(copy));
    }
    int loaded = 0;
    int next = 0;
    const double decodeMs = MedianMs(runs, [&] {
        loaded = platform::DecodeTable(std::move(answers[size_t(next++)]))->RecordCount();
    });
    std::printf("decode + DataSet load (simdjson): %6.1f ms  %7.0f MB/s  (%d rows)\n", decodeMs,
                mb / decodeMs * 1000, loaded);

    simdjson::dom::parser parser;
    const double parseMs = MedianMs(runs, [&] {
        simdjson::dom::element doc;
        if (parser.parse(json.constData(), size_t(json.size())).get(doc))
            std::abort();
    });
    std::printf("  of which simdjson parse alone:  %6.1f ms  %7.0f MB/s (%s)\n", parseMs,
                mb / parseMs * 1000, simdjson::get_active_implementation()->name().c_str());

    const double qjsonMs = MedianMs(3, [&] {
        const QJsonDocument doc = QJsonDocument::fromJson(json);
        Q_UNUSED(doc);
    });
    std::printf("baseline QJsonDocument parse:     %6.1f ms  %7.0f MB/s\n", qjsonMs,
                mb / qjsonMs * 1000);
    std::printf("speed-up over baseline: %.1fx\n", qjsonMs / decodeMs);
    return 0;
}

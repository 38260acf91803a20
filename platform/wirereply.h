#pragma once

#include <QByteArray>
#include <QJsonValue>
#include <QString>
#include <memory>

namespace platform {

class DataSet;

// The results of one server call, parsed once: {"result":[v0, v1, ...]}. Each value is read
// as the type the method declares; a value of another type raises ConversionError.
// Tables are decoded straight from the parsed document into a DataSet. The body is kept and
// parsed in place when it has spare capacity for the parser's padding (Connection leaves it).
class WireReply
{
public:
    explicit WireReply(QByteArray body); // raises ProtocolError when not a result frame
    ~WireReply();
    WireReply(const WireReply &) = delete;
    WireReply &operator=(const WireReply &) = delete;

    int Count() const;
    bool IsNull(int index) const;
    QString String(int index) const;
    qint64 Int(int index) const;
    qint32 Int32(int index) const;
    double Double(int index) const;
    bool Bool(int index) const;
    QByteArray Stream(int index) const; // base64 on the wire
    QJsonValue Json(int index) const;   // objects and arrays (small values)
    std::unique_ptr<DataSet>
    Table(int index) const; // null on the wire gives an empty, open dataset

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Decodes a table document {"columns":[...],"rows":[...]} on its own (benchmarks, tools).
std::unique_ptr<DataSet> DecodeTable(QByteArray json);

} // namespace platform

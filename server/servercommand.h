#pragma once

#include "methodtable.h"
#include "platform/marshal.h"

#include <QByteArray>
#include <QJsonArray>
#include <memory>
#include <vector>

namespace platform {
class Callback;
class Connection;
class DataSet;
class MemoryStream;
class WireReply;
} // namespace platform

namespace server {

// One prepared server method on one connection. Parameters are set by position, Execute
// sends them and keeps the answer; every object, table, stream or array read from the answer
// stays owned by the command until its next Execute or its destruction.
class ServerCommand
{
public:
    ServerCommand(platform::Connection &connection, const MethodInfo &method);
    ~ServerCommand();
    ServerCommand(const ServerCommand &) = delete;
    ServerCommand &operator=(const ServerCommand &) = delete;

    const MethodInfo &Method() const { return m_method; }

    void SetString(int index, const QString &value);
    void SetInt(int index, qint64 value);
    void SetDouble(int index, double value);
    void SetBool(int index, bool value);
    void SetNull(int index);
    void SetCallback(int index, const platform::Callback *callback);
    // The argument is consumed: marshalled here and freed when the unique_ptr goes.
    template <class T> void SetObject(int index, std::unique_ptr<T> object)
    {
        if (!object) {
            SetNull(index);
            return;
        }
        m_params[size_t(index)] = platform::marshal::Writer().Text(*object);
    }
    // An object already in its marshalled form.
    void SetMarshalled(int index, const QJsonObject &object);

    void Execute();

    // Answer values by position: the output parameters in order, then the result.
    QString String(int position) const;
    qint32 Int32(int position) const;
    qint64 Int64(int position) const;
    double Double(int position) const;
    bool Bool(int position) const;
    platform::DataSet *Table(int position);
    platform::MemoryStream *Stream(int position);
    QJsonArray *JsonArray(int position);
    template <class T> T *Object(int position) { return Keep(m_unmarshal.Read<T>(Json(position))); }

    // How many results the command holds for the caller right now.
    int OwnedCount() const { return int(m_owned.size()); }

    // Hands a result this command holds over to the caller (a large table then need not be
    // copied); nothing when the command does not hold it.
    template <class T> std::unique_ptr<T> Take(T *result)
    {
        for (auto it = m_owned.begin(); it != m_owned.end(); ++it) {
            if (it->ptr == result) {
                m_owned.erase(it);
                return std::unique_ptr<T>(result);
            }
        }
        return nullptr;
    }

private:
    QJsonValue Json(int position) const;
    template <class T> T *Keep(std::unique_ptr<T> owned)
    {
        T *raw = owned.release();
        if (raw)
            m_owned.push_back({raw, [](void *p) { delete static_cast<T *>(p); }});
        return raw;
    }
    void ReleaseResults();

    struct OwnedResult
    {
        void *ptr;
        void (*destroy)(void *);
    };

    platform::Connection &m_connection;
    const MethodInfo &m_method;
    std::vector<QByteArray> m_params; // each parameter's encoded JSON, "null" until set
    std::unique_ptr<platform::WireReply> m_reply;
    platform::marshal::Reader m_unmarshal;
    std::vector<OwnedResult> m_owned;
};

} // namespace server

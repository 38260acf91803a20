#pragma once

#include "error.h"
#include "jsonwriter.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QSet>
#include <QString>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

// Marshalled objects on the wire: {"type":"unit.TClass","id":N,"fields":{"FName":value,...}}
// and, for a later occurrence of the same object in one result, {"type":...,"ref":N}.
//
// A marshallable class names itself in `static constexpr const char *TypeName` and lists its
// fields in declaration order in `template <class V> void MarshalFields(V &v)`, calling
// v("FName", FName) per field; an owning list calls v.List(FItems) instead.
namespace platform::marshal {

template <class T> using Owned = std::vector<std::unique_ptr<T>>;

class Writer
{
public:
    // The marshalled text, with "type", "id", "fields" and the fields in declaration order,
    // as the other side expects them (the list encoding needs FListHelper right before FItems).
    template <class T> QByteArray Text(const T &object)
    {
        QByteArray out;
        JsonWriter json(out);
        WriteInto(json, object);
        return out;
    }

    template <class T> void WriteInto(JsonWriter &json, const T &object)
    {
        json.BeginObject();
        json.Key("type");
        json.String(std::string_view(T::TypeName));
        json.Key("id");
        json.Int(m_nextId++);
        json.Key("fields");
        json.BeginObject();
        TextWriter v{*this, json};
        const_cast<T &>(object).MarshalFields(v); // the writer only reads the fields
        json.EndObject();
        json.EndObject();
    }

    // The same as a QJsonObject, for code that builds answers from JSON values (its keys
    // come out sorted: use Text where the order matters).
    template <class T> QJsonObject Write(const T &object)
    {
        QJsonObject fields;
        FieldWriter v{*this, fields};
        const_cast<T &>(object).MarshalFields(v); // the writer only reads the fields
        return QJsonObject{{QStringLiteral("type"), QLatin1String(T::TypeName)},
                           {QStringLiteral("id"), m_nextId++},
                           {QStringLiteral("fields"), fields}};
    }

private:
    struct FieldWriter
    {
        Writer &w;
        QJsonObject &fields;
        void operator()(const char *name, const qint32 &v)
        {
            fields.insert(QLatin1String(name), v);
        }
        void operator()(const char *name, const double &v)
        {
            fields.insert(QLatin1String(name), v);
        }
        void operator()(const char *name, const bool &v) { fields.insert(QLatin1String(name), v); }
        // An empty string is written as "", never as null.
        void operator()(const char *name, const QString &v)
        {
            fields.insert(QLatin1String(name), v.isNull() ? QStringLiteral("") : v);
        }
        template <class E> void operator()(const char *name, const Owned<E> &items)
        {
            fields.insert(QLatin1String(name), Array(items));
        }
        template <class E> void List(const Owned<E> &items)
        {
            // The list encoding: a helper value (the count) immediately followed by the items.
            fields.insert(QStringLiteral("FListHelper"), QJsonArray{qint64(items.size())});
            fields.insert(QStringLiteral("FItems"), Array(items));
        }
        template <class E> QJsonArray Array(const Owned<E> &items)
        {
            QJsonArray a;
            for (const auto &item : items)
                a.append(item ? QJsonValue(w.Write(*item)) : QJsonValue(QJsonValue::Null));
            return a;
        }
    };

    struct TextWriter
    {
        Writer &w;
        JsonWriter &json;
        void operator()(const char *name, const qint32 &v)
        {
            json.Key(name);
            json.Int(v);
        }
        void operator()(const char *name, const double &v)
        {
            json.Key(name);
            json.Double(v);
        }
        void operator()(const char *name, const bool &v)
        {
            json.Key(name);
            json.Bool(v);
        }
        void operator()(const char *name, const QString &v)
        {
            json.Key(name);
            json.String(v);
        }
        template <class E> void operator()(const char *name, const Owned<E> &items)
        {
            json.Key(name);
            Array(items);
        }
        template <class E> void List(const Owned<E> &items)
        {
            json.Key("FListHelper");
            json.BeginArray();
            json.Int(qint64(items.size()));
            json.EndArray();
            json.Key("FItems");
            Array(items);
        }
        template <class E> void Array(const Owned<E> &items)
        {
            json.BeginArray();
            for (const auto &item : items) {
                if (item)
                    w.WriteInto(json, *item);
                else
                    json.Null();
            }
            json.EndArray();
        }
    };

    int m_nextId = 1;
};

// Reads one result: remembers every object by its id so that a "ref" can be resolved.
// A ref yields an object of its own with the same field values (ownership stays simple).
class Reader
{
public:
    // A JSON null gives no object (nullptr); anything that is not an object of class T fails.
    template <class T> std::unique_ptr<T> Read(const QJsonValue &value)
    {
        if (value.isNull() || value.isUndefined())
            return nullptr;
        if (!value.isObject())
            throw ConversionError(QStringLiteral("Conversion error: %1 expected an object")
                                      .arg(QLatin1String(T::TypeName)));
        QJsonObject object = value.toObject();
        const QString type = object.value(QStringLiteral("type")).toString();
        if (type != QLatin1String(T::TypeName))
            throw ConversionError(QStringLiteral("Conversion error: expected %1, got '%2'")
                                      .arg(QLatin1String(T::TypeName), type));
        if (object.contains(QStringLiteral("ref"))) {
            const int ref = object.value(QStringLiteral("ref")).toInt(-1);
            const auto seen = m_seen.find(ref);
            if (seen == m_seen.end())
                throw ConversionError(
                    QStringLiteral("Conversion error: ref %1 names no earlier object").arg(ref));
            object = seen->second;
            if (object.value(QStringLiteral("type")).toString() != type)
                throw ConversionError(
                    QStringLiteral("Conversion error: ref %1 is of another class").arg(ref));
        } else if (object.contains(QStringLiteral("id"))) {
            m_seen[object.value(QStringLiteral("id")).toInt()] = object;
        }
        const QJsonValue fieldsValue = object.value(QStringLiteral("fields"));
        if (!fieldsValue.isObject())
            throw ConversionError(QStringLiteral("Conversion error: %1 has no fields").arg(type));
        auto result = std::make_unique<T>();
        FieldReader v{*this, fieldsValue.toObject(), type};
        result->MarshalFields(v);
        v.CheckAllUsed();
        return result;
    }

private:
    struct FieldReader
    {
        Reader &r;
        QJsonObject fields;
        QString type;
        QSet<QString> used{};

        [[noreturn]] void Fail(const QString &name, const QJsonValue &value, const char *wanted)
        {
            throw ConversionError(QStringLiteral("Conversion error: %1.%2 cannot take %3 as %4")
                                      .arg(type, name, Describe(value), QLatin1String(wanted)));
        }
        static QString Describe(const QJsonValue &value)
        {
            switch (value.type()) {
            case QJsonValue::String:
                return QLatin1Char('"') + value.toString() + QLatin1Char('"');
            case QJsonValue::Double:
                return QString::number(value.toDouble());
            case QJsonValue::Bool:
                return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
            case QJsonValue::Array:
                return QStringLiteral("an array");
            case QJsonValue::Object:
                return QStringLiteral("an object");
            default:
                return QStringLiteral("null");
            }
        }
        // The value under `name`, or nothing when the pair is missing (the default stays).
        bool Take(const char *name, QJsonValue &value)
        {
            const QString key = QLatin1String(name);
            used.insert(key);
            const auto it = fields.constFind(key);
            if (it == fields.constEnd())
                return false;
            value = *it;
            return true;
        }
        void operator()(const char *name, qint32 &out)
        {
            QJsonValue v;
            if (!Take(name, v))
                return;
            if (v.isNull()) {
                out = 0;
            } else if (v.isDouble()) {
                const double d = v.toDouble();
                if (d != std::trunc(d) || d < -2147483648.0 || d > 2147483647.0)
                    Fail(QLatin1String(name), v, "an Integer");
                out = qint32(d);
            } else if (v.isString()) {
                bool ok = false;
                const int i = v.toString().trimmed().toInt(&ok);
                if (!ok)
                    Fail(QLatin1String(name), v, "an Integer");
                out = i;
            } else {
                Fail(QLatin1String(name), v, "an Integer");
            }
        }
        void operator()(const char *name, double &out)
        {
            QJsonValue v;
            if (!Take(name, v))
                return;
            if (v.isNull()) {
                out = 0;
            } else if (v.isDouble()) {
                out = v.toDouble();
            } else if (v.isString()) {
                bool ok = false;
                const double d = v.toString().trimmed().toDouble(&ok);
                if (!ok)
                    Fail(QLatin1String(name), v, "a Double");
                out = d;
            } else {
                Fail(QLatin1String(name), v, "a Double");
            }
        }
        void operator()(const char *name, bool &out)
        {
            QJsonValue v;
            if (!Take(name, v))
                return;
            if (v.isNull())
                out = false;
            else if (v.isBool())
                out = v.toBool();
            else
                Fail(QLatin1String(name), v, "a Boolean");
        }
        void operator()(const char *name, QString &out)
        {
            QJsonValue v;
            if (!Take(name, v))
                return;
            if (v.isNull())
                out = QString();
            else if (v.isString())
                out = v.toString();
            else if (v.isDouble())
                out = QString::number(v.toDouble(), 'g', 17);
            else
                Fail(QLatin1String(name), v, "a string");
        }
        template <class E> void operator()(const char *name, Owned<E> &out)
        {
            QJsonValue v;
            if (!Take(name, v))
                return;
            out.clear();
            if (v.isNull())
                return;
            if (!v.isArray())
                Fail(QLatin1String(name), v, "an array");
            for (const QJsonValue &item : v.toArray())
                out.push_back(r.Read<E>(item));
        }
        template <class E> void List(Owned<E> &out)
        {
            QJsonValue helper;
            Take("FListHelper", helper); // its contents are the sender's business
            (*this)("FItems", out);
        }
        void CheckAllUsed()
        {
            for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
                if (!used.contains(it.key()))
                    throw ConversionError(
                        QStringLiteral("Conversion error: %1 has no field %2").arg(type, it.key()));
        }
    };

    std::map<int, QJsonObject> m_seen;
};

} // namespace platform::marshal

#pragma once

#include "platform/marshal.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <memory>

// Helpers for the tests of marshalled records and transfer objects: they look at an object
// only through its MarshalFields, the same door the marshaller uses.
namespace marshaltest {

// Lists every field as "FName:Type" in the order the class hands it to the marshaller.
class LayoutRecorder
{
public:
    void operator()(const char *name, qint32 &) { Add(name, QStringLiteral("Integer")); }
    void operator()(const char *name, double &) { Add(name, QStringLiteral("Double")); }
    void operator()(const char *name, bool &) { Add(name, QStringLiteral("Boolean")); }
    void operator()(const char *name, QString &) { Add(name, QStringLiteral("string")); }
    template <class E> void operator()(const char *name, platform::marshal::Owned<E> &)
    {
        Add(name, QStringLiteral("array<%1>").arg(QLatin1String(E::TypeName)));
    }
    template <class E> void List(platform::marshal::Owned<E> &items)
    {
        m_names << QStringLiteral("FListHelper");
        (*this)("FItems", items);
    }

    QString Joined() const { return m_names.join(QLatin1Char(' ')); }

private:
    void Add(const char *name, const QString &type)
    {
        m_names << QLatin1String(name) + QLatin1Char(':') + type;
    }

    QStringList m_names;
};

template <class T> QString Layout()
{
    T object;
    LayoutRecorder recorder;
    object.MarshalFields(recorder);
    return recorder.Joined();
}

// Gives every field a value made of a seed and the field's position, so that two objects
// filled with different seeds differ in every field and no field keeps its default. Arrays
// and lists get two filled elements.
class Filler
{
public:
    explicit Filler(int seed) : m_seed(seed) {}

    void operator()(const char *, qint32 &out) { out = m_seed * 1000 + Next(); }
    // A third has no short decimal form: it survives only when written in full.
    void operator()(const char *, double &out) { out = m_seed * 1000 + Next() + 1.0 / 3; }
    // Odd seeds give true, so an odd and an even seed differ here too.
    void operator()(const char *, bool &out)
    {
        Next();
        out = m_seed % 2 == 1;
    }
    void operator()(const char *, QString &out)
    {
        out = QStringLiteral("Ğüşİ \"%1\\%2\"").arg(m_seed).arg(Next());
    }
    template <class E> void operator()(const char *, platform::marshal::Owned<E> &out)
    {
        out.clear();
        for (int k = 0; k < 2; ++k) {
            auto item = std::make_unique<E>();
            Filler inner(m_seed * 10 + k);
            item->MarshalFields(inner);
            out.push_back(std::move(item));
        }
        Next();
    }
    template <class E> void List(platform::marshal::Owned<E> &items) { (*this)("FItems", items); }

private:
    int Next() { return ++m_index; }

    int m_seed;
    int m_index = 0;
};

template <class T> std::unique_ptr<T> Filled(int seed)
{
    auto object = std::make_unique<T>();
    Filler filler(seed);
    object->MarshalFields(filler);
    return object;
}

template <class T> QJsonObject Written(const T &object)
{
    platform::marshal::Writer writer;
    return writer.Write(object);
}

inline QByteArray Compact(const QJsonValue &value)
{
    if (value.isArray())
        return QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact);
    if (value.isObject())
        return QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact);
    // A scalar: wrapped, since a document holds only objects and arrays.
    return QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
}

// The field values of a marshalled object, without "type" and "id", nested objects likewise.
inline QJsonValue Plain(const QJsonValue &value)
{
    if (value.isArray()) {
        QJsonArray out;
        for (const QJsonValue &item : value.toArray())
            out.append(Plain(item));
        return out;
    }
    if (value.isObject() && value.toObject().contains(QStringLiteral("fields"))) {
        QJsonObject out;
        const QJsonObject fields = value.toObject().value(QStringLiteral("fields")).toObject();
        for (auto it = fields.begin(); it != fields.end(); ++it)
            out.insert(it.key(), Plain(it.value()));
        return out;
    }
    return value;
}

// The part of `actual` that `pattern` names: the pattern's keys of an object, element by
// element in an array. Elements beyond the pattern are kept whole, so they show in a compare.
inline QJsonValue Select(const QJsonValue &actual, const QJsonValue &pattern)
{
    if (pattern.isObject() && actual.isObject()) {
        QJsonObject out;
        const QJsonObject p = pattern.toObject();
        const QJsonObject a = actual.toObject();
        for (auto it = p.begin(); it != p.end(); ++it)
            out.insert(it.key(), a.contains(it.key()) ? Select(a.value(it.key()), it.value())
                                                      : QJsonValue(QStringLiteral("<missing>")));
        return out;
    }
    if (pattern.isArray() && actual.isArray()) {
        QJsonArray out;
        const QJsonArray p = pattern.toArray();
        const QJsonArray a = actual.toArray();
        for (qsizetype i = 0; i < a.size(); ++i)
            out.append(i < p.size() ? Select(a.at(i), p.at(i)) : a.at(i));
        return out;
    }
    return actual;
}

// Writes the object, sends it through JSON text as the wire would, and reads it back.
template <class T> std::unique_ptr<T> ThroughTheWire(const T &object)
{
    const QByteArray text = Compact(Written(object));
    platform::marshal::Reader reader;
    return reader.Read<T>(QJsonDocument::fromJson(text).object());
}

} // namespace marshaltest

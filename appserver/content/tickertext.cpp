#include "tickertext.h"

#include <QStringList>

namespace appserver::content {
namespace {

bool IsSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

// Reads the checks of one pass over the text; `m_problem` holds the first fault.
class TickerChecker
{
public:
    explicit TickerChecker(const QString &text) : m_text(text) {}

    QString Run()
    {
        while (m_problem.isEmpty() && m_pos < m_text.size()) {
            if (m_text.at(m_pos) != u'<') {
                ++m_pos;
                continue;
            }
            if (m_text.mid(m_pos, 4) == QLatin1String("<!--"))
                Comment();
            else if (m_text.mid(m_pos, 2) == QLatin1String("</"))
                Close();
            else
                Open();
        }
        if (m_problem.isEmpty() && !m_open.isEmpty())
            m_problem = QStringLiteral("<%1> is never closed").arg(m_open.last());
        return m_problem;
    }

private:
    QString Name()
    {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos).isLetterOrNumber())
            ++m_pos;
        return m_text.mid(start, m_pos - start).toUpper();
    }
    void SkipSpaces()
    {
        while (m_pos < m_text.size() && IsSpace(m_text.at(m_pos)))
            ++m_pos;
    }
    void Fail(const QString &what)
    {
        m_problem = QStringLiteral("%1 at character %2").arg(what).arg(m_pos + 1);
    }

    void Comment()
    {
        const qsizetype end = m_text.indexOf(QLatin1String("-->"), m_pos + 4);
        if (end < 0)
            return Fail(QStringLiteral("A comment without its end \"-->\""));
        m_pos = end + 3;
    }

    void Close()
    {
        m_pos += 2;
        const QString name = Name();
        if (m_open.isEmpty() || name != m_open.last() || m_pos >= m_text.size() ||
            m_text.at(m_pos) != u'>')
            return Fail(m_open.isEmpty()
                            ? QStringLiteral("</%1> closes nothing").arg(name)
                            : QStringLiteral("</%1> where </%2> belongs").arg(name, m_open.last()));
        m_open.removeLast();
        ++m_pos;
    }

    void Open()
    {
        ++m_pos;
        const QString name = Name();
        if (name.isEmpty())
            return Fail(QStringLiteral("\"<\" that opens no tag (write &lt;)"));
        for (;;) {
            SkipSpaces();
            if (m_pos >= m_text.size())
                return Fail(QStringLiteral("<%1 is not finished").arg(name));
            const QChar c = m_text.at(m_pos);
            if (c == u'>') {
                m_open.append(name);
                ++m_pos;
                return;
            }
            if (c == u'/') {
                if (m_text.mid(m_pos, 2) != QLatin1String("/>"))
                    return Fail(QStringLiteral("\"/\" not followed by \">\" in <%1").arg(name));
                m_pos += 2;
                return;
            }
            if (!Attribute())
                return;
        }
    }

    bool Attribute()
    {
        if (Name().isEmpty()) {
            Fail(QStringLiteral("An attribute without a name"));
            return false;
        }
        SkipSpaces();
        if (m_pos >= m_text.size() || m_text.at(m_pos) != u'=')
            return true;
        ++m_pos;
        SkipSpaces();
        if (m_pos >= m_text.size()) {
            Fail(QStringLiteral("An attribute without its value"));
            return false;
        }
        const QChar quote = m_text.at(m_pos);
        if (quote == u'"' || quote == u'\'') {
            const qsizetype end = m_text.indexOf(quote, m_pos + 1);
            if (end < 0) {
                Fail(QStringLiteral("A quoted value without its closing quote"));
                return false;
            }
            m_pos = end + 1;
            return true;
        }
        while (m_pos < m_text.size() && m_text.at(m_pos) != u' ' && m_text.at(m_pos) != u'>')
            ++m_pos;
        if (m_pos >= m_text.size()) {
            Fail(QStringLiteral("A value that runs to the end of the text"));
            return false;
        }
        return true;
    }

    const QString &m_text;
    qsizetype m_pos = 0;
    QStringList m_open;
    QString m_problem;
};

} // namespace

QString TickerProblem(const QString &html)
{
    if (html.size() > kMaxTickerLength)
        return QStringLiteral("The ticker may have at most %1 characters, not %2")
            .arg(kMaxTickerLength)
            .arg(html.size());
    return TickerChecker(html).Run();
}

} // namespace appserver::content

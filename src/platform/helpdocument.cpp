#include "platform/helpdocument.h"

#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace nookery {

QString HelpDocument::builtInPath()
{
    return QStringLiteral(":/help/Nookery.hlp");
}

HelpDocument HelpDocument::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        HelpDocument doc;
        doc.m_error = file.errorString();
        return doc;
    }
    return parse(file.readAll());
}

namespace {

// The browser knows HTML element names only: an element is written by its local name, never
// with the namespace prefix an XML writer would give it, and closed explicitly, since "<p/>"
// opens a paragraph in HTML.
void writeStart(QString &out, const QXmlStreamReader &xml)
{
    out += u'<' + xml.name();
    for (const QXmlStreamAttribute &a : xml.attributes())
        out +=
            u' ' + a.name() + QStringLiteral("=\"") + a.value().toString().toHtmlEscaped() + u'"';
    out += u'>';
}

// Reads one <section> whose start tag the reader is on; returns at its end tag.
HelpTopic readSection(QXmlStreamReader &xml, int number)
{
    HelpTopic topic;
    topic.number = number;
    QString &out = topic.html;
    int depth = 0;
    bool inTitle = false;
    bool titleDone = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            writeStart(out, xml);
            if (!titleDone && xml.name() == u"h1")
                inTitle = true;
            // Block elements separate words in the searchable text.
            topic.text += u' ';
        } else if (xml.isEndElement()) {
            if (depth == 0)
                break;
            --depth;
            out += QStringLiteral("</") + xml.name() + u'>';
            if (inTitle && xml.name() == u"h1") {
                inTitle = false;
                titleDone = true;
            }
            topic.text += u' ';
        } else if (xml.isCharacters()) {
            out += xml.text().toString().toHtmlEscaped();
            topic.text += xml.text();
            if (inTitle)
                topic.title += xml.text();
        }
    }
    topic.title = topic.title.simplified();
    topic.text = topic.text.simplified();
    return topic;
}

} // namespace

HelpDocument HelpDocument::parse(const QByteArray &xhtml)
{
    HelpDocument doc;
    QXmlStreamReader xml(xhtml);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"section")
            continue;
        bool ok = false;
        const int number = xml.attributes().value(QLatin1String("id")).toInt(&ok);
        if (!ok || number <= 0) {
            xml.raiseError(QStringLiteral("a section without a topic number"));
            break;
        }
        if (doc.topic(number)) {
            xml.raiseError(QStringLiteral("topic %1 appears twice").arg(number));
            break;
        }
        doc.m_topics.append(readSection(xml, number));
    }
    if (xml.hasError()) {
        doc.m_error = QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
        doc.m_topics.clear();
    }
    return doc;
}

const HelpTopic *HelpDocument::topic(int number) const
{
    for (const HelpTopic &t : m_topics) {
        if (t.number == number)
            return &t;
    }
    return nullptr;
}

QList<int> HelpDocument::search(const QString &words) const
{
    QList<QRegularExpression> patterns;
    const QStringList parts =
        words.split(QRegularExpression(QStringLiteral("\\W+")), Qt::SkipEmptyParts);
    for (const QString &word : parts)
        patterns << QRegularExpression(QStringLiteral("\\b") + QRegularExpression::escape(word),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::UseUnicodePropertiesOption);
    QList<int> found;
    if (patterns.isEmpty())
        return found;
    for (const HelpTopic &t : m_topics) {
        const QString haystack = t.title + u' ' + t.text;
        const bool all =
            std::all_of(patterns.cbegin(), patterns.cend(),
                        [&](const QRegularExpression &p) { return p.match(haystack).hasMatch(); });
        if (all)
            found << t.number;
    }
    return found;
}

} // namespace nookery

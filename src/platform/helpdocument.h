#pragma once

#include <QList>
#include <QString>

namespace nookery {

// One topic of the help document: its context number, its title and its body.
struct HelpTopic
{
    int number = 0;
    QString title;
    QString html; // the section's content as HTML without namespaces, title included
    QString text; // the same as plain text, for searching
};

// The suite's help document: one XHTML file, one <section id="N"> per context number, each
// opened by an <h1> title, cross-references written as href="#N".
class HelpDocument
{
public:
    // The document compiled into the program.
    static QString builtInPath();

    // Reads and parses the document. A document that cannot be read or is not well formed
    // has no topics and says why in error().
    static HelpDocument load(const QString &path = builtInPath());
    static HelpDocument parse(const QByteArray &xhtml);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    // In document order.
    const QList<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *topic(int number) const;

    // Topics holding every word of `words`, ignoring case; a word matches where a word of the
    // topic starts with it. No words, no topics.
    QList<int> search(const QString &words) const;

private:
    QList<HelpTopic> m_topics;
    QString m_error;
};

} // namespace nookery

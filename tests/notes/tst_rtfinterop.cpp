// Checks the notes' RTF against an independent reader and writer: LibreOffice. Our RTF is
// converted to flat ODT and every paragraph and span compared; LibreOffice's own RTF of a rich
// page is read back through our reader.

#include "notes/rtfreader.h"
#include "notes/rtfwriter.h"
#include "rtfdump.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <QXmlStreamReader>

using namespace nookery;
using nookery::test::dump;

namespace {

QByteArray dataFile(const char *name)
{
    QFile f(QStringLiteral(NOTES_TEST_DATA "/") + QLatin1StringView(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return f.readAll();
}

using Props = QHash<QString, QString>;

// Reads a flat ODT into the same one-line-per-paragraph form as dump().
class FlatOdt
{
public:
    FlatOdt(const QByteArray &xml, const QFont &base) : m_base(base) { parse(xml); }
    QString dump() const { return m_lines.join(u'\n'); }

private:
    void parse(const QByteArray &xml);
    void styleElement(QXmlStreamReader &r);
    void paragraph(QXmlStreamReader &r, int listDepth, bool bullet);
    void append(const QString &text, const Props &props);
    QString attrs(const Props &p) const;

    QFont m_base;
    QHash<QString, QString> m_fontFamilies;
    QHash<QString, Props> m_styles;
    QHash<QString, bool> m_bulletLists;
    QStringList m_lines;
    QString m_line;
    QString m_previous;
    bool m_firstRun = true;
};

void FlatOdt::parse(const QByteArray &xml)
{
    QXmlStreamReader r(xml);
    QString currentStyle;
    QString currentList;
    QStringList lists; // list style of each open <text:list>
    bool inBody = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.qualifiedName() == u"text:list") {
            lists.removeLast();
            continue;
        }
        if (!r.isStartElement())
            continue;
        const QStringView name = r.qualifiedName();
        const QXmlStreamAttributes a = r.attributes();
        if (name == u"style:font-face") {
            QString family = a.value(QLatin1StringView("svg:font-family")).toString();
            family.remove(u'\'');
            m_fontFamilies.insert(a.value(QLatin1StringView("style:name")).toString(), family);
        } else if (name == u"style:style") {
            currentStyle = a.value(QLatin1StringView("style:name")).toString();
            Props &p = m_styles[currentStyle];
            if (a.hasAttribute(QLatin1StringView("style:list-style-name")))
                p.insert(QStringLiteral("list"),
                         a.value(QLatin1StringView("style:list-style-name")).toString());
        } else if (name == u"style:text-properties" || name == u"style:paragraph-properties") {
            for (const QXmlStreamAttribute &attr : a)
                m_styles[currentStyle].insert(attr.qualifiedName().toString(),
                                              attr.value().toString());
        } else if (name == u"text:list-style") {
            currentList = a.value(QLatin1StringView("style:name")).toString();
        } else if (name == u"text:list-level-style-bullet" ||
                   name == u"text:list-level-style-number") {
            if (a.value(QLatin1StringView("text:level")) == u"1")
                m_bulletLists.insert(currentList, name == u"text:list-level-style-bullet");
        } else if (name == u"office:text") {
            inBody = true;
        } else if (inBody && name == u"text:list") {
            const QString style = a.value(QLatin1StringView("text:style-name")).toString();
            lists.append(style.isEmpty() && !lists.isEmpty() ? lists.last() : style);
        } else if (inBody && (name == u"text:p" || name == u"text:h")) {
            paragraph(r, static_cast<int>(lists.size()),
                      !lists.isEmpty() && m_bulletLists.value(lists.first()));
        }
    }
    if (r.hasError())
        qWarning() << "flat ODT:" << r.errorString();
}

void FlatOdt::paragraph(QXmlStreamReader &r, int listDepth, bool bullet)
{
    const Props para =
        m_styles.value(r.attributes().value(QLatin1StringView("text:style-name")).toString());
    m_line.clear();
    m_previous.clear();
    m_firstRun = true;
    const QString align = para.value(QStringLiteral("fo:text-align"));
    if (align == u"center")
        m_line += u"center: ";
    else if (align == u"end" || align == u"right")
        m_line += u"right: ";
    else if (align == u"justify")
        m_line += u"justify: ";
    if (listDepth > 0)
        m_line += QString(listDepth, bullet ? u'*' : u'#') + u' ';

    QList<Props> stack{para};
    while (!r.atEnd()) {
        r.readNext();
        if (r.isCharacters()) {
            append(r.text().toString(), stack.last());
        } else if (r.isStartElement()) {
            const QStringView name = r.qualifiedName();
            Props props = stack.last();
            if (name == u"text:span") {
                const Props span = m_styles.value(
                    r.attributes().value(QLatin1StringView("text:style-name")).toString());
                for (auto it = span.begin(); it != span.end(); ++it)
                    props.insert(it.key(), it.value());
            } else if (name == u"text:s") {
                const int count =
                    std::max(1, r.attributes().value(QLatin1StringView("text:c")).toInt());
                append(QString(count, u' '), props);
            } else if (name == u"text:tab") {
                append(QStringLiteral("\t"), props);
            } else if (name == u"text:line-break") {
                append(QStringLiteral("\u2028"), props);
            }
            stack.append(props);
        } else if (r.isEndElement()) {
            if (stack.size() == 1)
                break;
            stack.removeLast();
        }
    }
    m_lines << m_line;
}

void FlatOdt::append(const QString &text, const Props &props)
{
    if (text.isEmpty())
        return;
    const QString a = attrs(props);
    if (m_firstRun ? !a.isEmpty() : a != m_previous)
        m_line += u'[' + a + u']';
    m_line += text;
    m_previous = a;
    m_firstRun = false;
}

QString FlatOdt::attrs(const Props &p) const
{
    QStringList out;
    const QString family = m_fontFamilies.value(p.value(QStringLiteral("style:font-name")));
    if (!family.isEmpty() && family != m_base.family())
        out << family;
    QString size = p.value(QStringLiteral("fo:font-size"));
    if (size.endsWith(u"pt")) {
        size.chop(2);
        if (size.toDouble() != m_base.pointSizeF())
            out << size + u"pt";
    }
    const QString weight = p.value(QStringLiteral("fo:font-weight"));
    if (weight == u"bold" || weight.toInt() >= 600)
        out << QStringLiteral("b");
    if (p.value(QStringLiteral("fo:font-style")) == u"italic")
        out << QStringLiteral("i");
    const QString ul =
        p.value(QStringLiteral("style:text-underline-style"), QStringLiteral("none"));
    if (ul != u"none")
        out << QStringLiteral("u");
    const QString st =
        p.value(QStringLiteral("style:text-line-through-style"), QStringLiteral("none"));
    if (st != u"none")
        out << QStringLiteral("s");
    const QString fg = p.value(QStringLiteral("fo:color"));
    if (!fg.isEmpty())
        out << u"fg" + fg.toLower();
    const QString bg =
        p.value(QStringLiteral("fo:background-color"), QStringLiteral("transparent"));
    if (bg != u"transparent")
        out << u"bg" + bg.toLower();
    return out.join(u' ');
}

} // namespace

class TestRtfInterop : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void ourRtfInLibreOffice_data();
    void ourRtfInLibreOffice();
    void libreOfficeRtfInOurs();

private:
    // Runs one LibreOffice conversion with a profile of its own; returns the output file.
    QString convert(const QString &input, const QString &format, const QStringList &extra = {});

    QString m_soffice;
    QTemporaryDir m_dir;
    int m_conversions = 0;
};

void TestRtfInterop::initTestCase()
{
    m_soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (m_soffice.isEmpty())
        QSKIP("soffice is not on PATH (Debian: libreoffice-writer-nogui); scripts/test installs "
              "it, so these checks run there");
    QVERIFY(m_dir.isValid());
}

QString TestRtfInterop::convert(const QString &input, const QString &format,
                                const QStringList &extra)
{
    const int n = ++m_conversions;
    const QString profile = m_dir.filePath(QStringLiteral("profile-%1").arg(n));
    const QString out = m_dir.filePath(QStringLiteral("out-%1").arg(n));
    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    QStringList args{u"-env:UserInstallation=" + QUrl::fromLocalFile(profile).toString(),
                     QStringLiteral("--headless"), QStringLiteral("--norestore")};
    args << extra << QStringLiteral("--convert-to") << format << QStringLiteral("--outdir") << out
         << input;
    soffice.start(m_soffice, args);
    if (!soffice.waitForFinished(-1) || soffice.exitCode() != 0) {
        qWarning() << "soffice failed:" << soffice.readAll();
        return {};
    }
    const QString suffix = format.section(u':', 0, 0);
    const QString result = QDir(out).filePath(QFileInfo(input).completeBaseName() + u'.' + suffix);
    if (!QFileInfo::exists(result))
        qWarning() << "soffice wrote no" << result << soffice.readAll();
    return result;
}

void TestRtfInterop::ourRtfInLibreOffice_data()
{
    QTest::addColumn<QString>("html");
    QTest::newRow("rich page") << QString::fromUtf8(dataFile("rich.html"));
    QTest::newRow("nested bullets, all attributes at once, special characters") << QStringLiteral(
        "<ul><li>one</li><ul><li>nested</li></ul><li>two</li></ul>"
        "<p align=right><span style='font-family:Courier New; font-size:20pt; "
        "font-weight:700; font-style:italic; text-decoration:underline line-through; "
        "color:#123456; background-color:#abcdef'>all</span> {x} \\ a\tb \u00e9\u20ac</p>"
        "<p align=justify>\u0416 \u65e5\u672c \U0001F600</p>");
}

void TestRtfInterop::ourRtfInLibreOffice()
{
    QFETCH(QString, html);
    QTextDocument doc;
    doc.setDefaultFont(test::noteFont());
    doc.setHtml(html);
    const QString rtf = m_dir.filePath(QStringLiteral("ours-%1.rtf").arg(m_conversions));
    QVERIFY(writeRtfFile(rtf, doc).ok);

    const QString fodt = convert(rtf, QStringLiteral("fodt"));
    QFile file(fodt);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(fodt));
    const FlatOdt odt(file.readAll(), doc.defaultFont());
    QCOMPARE(odt.dump(), dump(doc));
}

void TestRtfInterop::libreOfficeRtfInOurs()
{
    const QString html = m_dir.filePath(QStringLiteral("rich.html"));
    QVERIFY(QFile::copy(QStringLiteral(NOTES_TEST_DATA "/rich.html"), html));
    const QString rtf =
        convert(html, QStringLiteral("rtf"), {QStringLiteral("--infilter=HTML (StarWriter)")});
    QTextDocument doc;
    doc.setDefaultFont(test::noteFont());
    const RtfReadResult result = readRtfFile(rtf, &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Ok);
    QVERIFY(!result.plainText);
    QCOMPARE(dump(doc), QString::fromUtf8(dataFile("rich.expected")).trimmed());
}

QTEST_MAIN(TestRtfInterop)
#include "tst_rtfinterop.moc"

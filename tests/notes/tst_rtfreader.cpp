#include "notes/rtfreader.h"
#include "rtfdump.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

using namespace nookery;
using nookery::test::dump;

namespace {

QString readToDump(const QByteArray &rtf, RtfReadResult *result = nullptr)
{
    QTextDocument doc;
    doc.setDefaultFont(test::noteFont());
    const RtfReadResult r = readRtf(rtf, &doc);
    if (result)
        *result = r;
    return dump(doc);
}

QByteArray dataFile(const char *name)
{
    QFile f(QStringLiteral(NOTES_TEST_DATA "/") + QLatin1StringView(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", name);
    return f.readAll();
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT

private slots:
    void tokens_data();
    void tokens();
    void formatting_data();
    void formatting();
    void paragraphs_data();
    void paragraphs();
    void unicode_data();
    void unicode();
    void codePages_data();
    void codePages();
    void destinations_data();
    void destinations();
    void bullets_data();
    void bullets();
    void otherWriters_data();
    void otherWriters();
    void plainText_data();
    void plainText();
    void hostile_data();
    void hostile();
    void limits();
    void files();
};

// Each row: RTF bytes, the document they must give (see rtfdump.h).
#define ROW(name, rtf, expected) QTest::newRow(name) << QByteArray(rtf) << QStringLiteral(expected)

void TestRtfReader::tokens_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("escaped braces and backslash", R"({\rtf1 a\{b\}c\\d})", R"(a{b}c\d)");
    ROW("one delimiter space is eaten", "{\\rtf1\\b0  x}", " x");
    ROW("symbol eats no space", "{\\rtf1 \\'e9 x}", "\u00e9 x");
    ROW("line breaks in the file are not text", "{\\rtf1 ab\r\ncd\ne\rf}", "abcdef");
    ROW("raw tab and \\tab", "{\\rtf1 a\tb\\tab c\\cell d}", "a\tb\tc\td");
    ROW("line break", "{\\rtf1 a\\line b}", "a\u2028b");
    ROW("special symbols", "{\\rtf1 a\\~b\\-c\\_d}", "a\u00a0b\u00adc\u2011d");
    ROW("typographic words",
        "{\\rtf1\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
        "\u2014\u2013\u2022\u2018\u2019\u201c\u201d");
    ROW("unknown words and symbols vanish", "{\\rtf1 a\\foo12 b\\|c\\:d}", "abcd");
    ROW("words are matched whole", "{\\rtf1\\ul a\\ulc0 b\\afs40 c}", "[u]abc");
    ROW("long digit runs are one parameter", "{\\rtf1\\listid1455373218999 x}", "x");
    ROW("text after the outer group is not ours", "{\\rtf1 a}b\r\n\0{x}", "a");
    ROW("NUL and controls are ignored",
        QByteArray("{\\rtf1 a\0b\x01\x1f"
                   "c}",
                   13),
        "abc");
    ROW("control word runs up to a letter limit but is still consumed",
        "{\\rtf1 a\\abcdefghijklmnopqrstuvwxyzabcdefghijklmnopq b}", "ab");
}

void TestRtfReader::tokens()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(readToDump(rtf), expected);
}

void TestRtfReader::formatting_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QByteArray fonts =
        R"({\fonttbl{\f0\fswiss Arial;}{\f1\froman Times New Roman;}{\f31506 Calibri;}})";
    const QByteArray colors = R"({\colortbl ;\red255\green0\blue0;\red0\green0\blue255;})";
    QTest::newRow("font and size") << "{\\rtf1" + fonts + R"(\f0\fs20 a\f31506\fs28 b\f1 c})"
                                   << QStringLiteral("[Arial 10pt]a[Calibri 14pt]b[14pt]c");
    QTest::newRow("deff applies before any \\f")
        << "{\\rtf1\\deff0" + fonts + "a}" << QStringLiteral("[Arial]a");
    QTest::newRow("unknown font number keeps the default")
        << "{\\rtf1" + fonts + R"(\f7 a\f-2147483648 b})" << QStringLiteral("[Arial]ab");
    ROW("size is clamped", R"({\rtf1\fs0 a\fs99999 b\fs c})", "[1pt]a[1000pt]b[]c");
    ROW("toggles", R"({\rtf1\b a\b0\i b\i0\ul c\ul0\strike d\strike0 e})", "[b]a[i]b[u]c[s]d[]e");
    ROW("underline kinds and ends", R"({\rtf1\uldb a\ulnone b\ulwave c\ulw0 d})", "[u]a[]b[u]c[]d");
    ROW("group restores", R"({\rtf1 a{\b b{\i c}d}e})", "a[b]b[b i]c[b]d[]e");
    ROW("plain resets characters only", R"({\rtf1\qc\b\i a\plain b})", "center: [b i]a[]b");
    ROW("toggles survive paragraphs and pard", R"({\rtf1\b a\par\pard b})", "[b]a\n[b]b");
    QTest::newRow("text colour, auto entry and out of range")
        << "{\\rtf1" + colors + R"(\cf1 a\cf0 b\cf2 c\cf9 d\cf-1 e})"
        << QStringLiteral("[fg#ff0000]a[]b[fg#0000ff]c[]de");
    QTest::newRow("no auto entry: cf0 is the first colour")
        << QByteArray(R"({\rtf1{\colortbl\red0\green0\blue0;\red255\green0\blue0;}\cf0 a\cf1 b})")
        << QStringLiteral("[fg#000000]a[fg#ff0000]b");
    QTest::newRow("highlight, cb, chcbpat")
        << "{\\rtf1" + colors + R"(\highlight1 a\highlight0 b\cb2 c\cb0 d\chcbpat1 e})"
        << QStringLiteral("[bg#ff0000]a[]b[bg#0000ff]c[]d[bg#ff0000]e");
    ROW("colour components are clamped", R"({\rtf1{\colortbl ;\red999\green-5\blue128;}\cf1 a})",
        "[fg#ff0080]a");
    ROW("double-byte text takes the associated font and size",
        R"({\rtf1{\fonttbl{\f0 A;}{\f1 B;}}\f0\fs20 a{\dbch\af1\afs28 b}{\rtlch\af1\afs28 \ltrch c})"
        R"({\dbch\af1\loch d}})",
        "[A 10pt]a[B 14pt]b[A 10pt]cd");
    ROW("cocoa white background means none",
        R"({\rtf1\cocoartf2761{\colortbl;\red255\green255\blue255;}\cb1 a})", "a");
}

void TestRtfReader::formatting()
{
    tokens();
}

void TestRtfReader::paragraphs_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("par before the final brace adds no block", R"({\rtf1 a\par})", "a");
    ROW("two pars give an empty last block", R"({\rtf1 a\par\par})", "a\n");
    ROW("last paragraph without par", R"({\rtf1 a\par b})", "a\nb");
    ROW("empty document", R"({\rtf1})", "");
    ROW("alignments", R"({\rtf1\ql a\par\qr b\par\qc c\par\qj d\par})",
        "a\nright: b\ncenter: c\njustify: d");
    ROW("alignment in force at par counts", R"({\rtf1 a\qc\par b\pard\par})", "center: a\nb");
    ROW("pard resets alignment", R"({\rtf1\qc a\par\pard b\par})", "center: a\nb");
    ROW("paragraph properties are group scoped", R"({\rtf1{\qr a\par}b\par})", "right: a\nb");
    ROW("last paragraph takes the properties at the final brace", R"({\rtf1 a\par\qc b})",
        "a\ncenter: b");
    ROW("sect and page end only a paragraph with text", R"({\rtf1 a\par\sect b\page\page c})",
        "a\nb\nc");
    ROW("backslash-newline is a paragraph", "{\\rtf1 a\\\nb\\\r\nc}", "a\nb\nc");
}

void TestRtfReader::paragraphs()
{
    tokens();
}

void TestRtfReader::unicode_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("fallback skipped", R"({\rtf1 \u1046?x})", "\u0416x");
    ROW("uc2 skips two", R"({\rtf1\uc2 \u1046??x})", "\u0416x");
    ROW("uc is group scoped", R"({\rtf1{\uc0 \u1046}\u1046?x})", "\u0416\u0416x");
    ROW("a skipped control word is not executed", R"({\rtf1\u1046\b x})", "\u0416x");
    ROW("a brace ends the skip", R"({\rtf1\uc3{\u1046}x})", "\u0416x");
    ROW("negative value", R"({\rtf1\u-3913?})", "\uf0b7");
    ROW("surrogate pair, signed", R"({\rtf1\u-10179?\u-8704?})", "\U0001F600");
    ROW("surrogate pair, unsigned with uc switch", R"({\rtf1\uc0 \u55357\uc1 \u56832\'3f})",
        "\U0001F600");
    ROW("lone high surrogate", R"({\rtf1\u55357?x})", "\ufffdx");
    ROW("lone low surrogate", R"({\rtf1\u56832?x})", "\ufffdx");
    ROW("controls from \\u are dropped", R"({\rtf1\u0?\u13?\u8233?\u65532?x})", "x");
    ROW("out of range", R"({\rtf1\u70000?x})", "\ufffdx");
    ROW("huge uc is clamped", R"({\rtf1\uc2147483647\u1046 abcdefghijklmnopqrstuvwxyz})",
        "\u0416qrstuvwxyz");
}

void TestRtfReader::unicode()
{
    tokens();
}

void TestRtfReader::codePages_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("default 1252", R"({\rtf1 \'80\'e9\'93})", "\u20ac\u00e9\u201c");
    ROW("raw high bytes", "{\\rtf1 caf\xe9}", "caf\u00e9");
    ROW("ansicpg for a font without charset",
        R"({\rtf1\ansicpg1251{\fonttbl{\f0 X;}{\f1\fcharset0 Y;}}\f0\'c6\f1\'c6})",
        "[X]\u0416[Y]\u00c6");
    ROW("charset 204", R"({\rtf1{\fonttbl{\f0\fcharset204 X;}}\f0\'c6})", "[X]\u0416");
    ROW("cpg wins over charset", R"({\rtf1{\fonttbl{\f0\fcharset0\cpg1251 X;}}\f0\'c6})",
        "[X]\u0416");
    ROW("charset 1 uses ansicpg", R"({\rtf1\ansicpg1253{\fonttbl{\f0\fcharset1 X;}}\f0\'e1})",
        "[X]\u03b1");
    ROW("mac", R"({\rtf1\mac \'8e})", "\u00e9");
    ROW("932 escaped", R"({\rtf1{\fonttbl{\f0\fcharset128 J;}}\f0\'93\'fa\'96\'7b})", "[J]日本");
    ROW("932 raw", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 J;}}\\f0 \x93\xfa\x8c\xea}", "[J]日語");
    ROW("932 trail byte as hex after raw lead",
        "{\\rtf1{\\fonttbl{\\f0\\fcharset128 J;}}\\f0 \x96\\'7b}", "[J]本");
    ROW("936", R"({\rtf1{\fonttbl{\f0\fcharset134 S;}}\f0\'d6\'d0\'ce\'c4})", "[S]中文");
    ROW("font name in its own charset",
        R"({\rtf1{\fonttbl{\f0\fcharset134 \'cb\'ce\'cc\'e5;}}\f0 x})", "[宋体]x");
    ROW("font name with \\u", R"({\rtf1{\fonttbl{\f0 Caf\u233?;}}\f0 x})", "[Café]x");
    ROW("symbol font bullet and greek", R"({\rtf1{\fonttbl{\f0\fcharset2 Symbol;}}\f0\'b7 a})",
        "[Symbol]\u2022 \u03b1");
    ROW("unsupported code page reads as 1252", R"({\rtf1\ansicpg1361 \'e9})", "\u00e9");
    ROW("c1 controls dropped", R"({\rtf1 a\'81\'9db})", "ab");
}

void TestRtfReader::codePages()
{
    tokens();
}

void TestRtfReader::destinations_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("field result kept, instruction skipped",
        R"({\rtf1 a{\field{\*\fldinst {HYPERLINK "http://x/"}}{\fldrslt {\ul link}}}b})",
        "a[u]link[]b");
    ROW("skipped groups keep the text around them",
        R"({\rtf1{\stylesheet{\s0 Normal;}}{\info{\title T}}a{\pict\pngblip 89504e}b)"
        R"({\header H}{\footer F}{\footnote N}{\*\annotation A}c{\object{\objdata 0}}d})",
        "abcd");
    ROW("unknown starred group skipped", R"({\rtf1 a{\*\whatever x{y}z}b})", "ab");
    ROW("unknown plain group kept", R"({\rtf1 a{\whatever x}b})", "axb");
    ROW("bin data may hold braces", "{\\rtf1 a{\\pict\\bin4 }}{{}b}", "ab");
    ROW("bin in the body skips its bytes", "{\\rtf1 a\\bin3 xyzb}", "ab");
    ROW("pntext and listtext are not text",
        R"({\rtf1{\pntext\f1\'B7\tab}a{\listtext\pard\plain\qc x\tab}b\par})", "ab");
    ROW("panose and falt inside the font table",
        R"({\rtf1{\fonttbl{\f0{\*\panose 0202}Arial{\*\falt Helv};}}\f0 a})", "[Arial]a");
    ROW("font table without braces",
        "{\\rtf1{\\fonttbl\\f0\\fswiss\\fcharset0 Helvetica;\\f1\\fnil Courier;\n}\\f1 a}",
        "[Courier]a");
}

void TestRtfReader::destinations()
{
    tokens();
}

void TestRtfReader::bullets_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    const QByteArray lists =
        R"({\*\listtable{\list{\listlevel\levelnfc23{\leveltext \'01\u8226 ?;}}{\listlevel\levelnfc23}\listid7})"
        R"({\list{\listlevel\levelnfc0}\listid8}{\list{\listlevel\levelnfc255}\listid9}})"
        R"({\listoverridetable{\listoverride\listid7\listoverridecount0\ls1})"
        R"({\listoverride\listid8\ls2}{\listoverride\listid9\ls3}})";
    ROW("pn bullets persist until pard",
        R"({\rtf1\pard{\pntext\'B7\tab}{\*\pn\pnlvlblt\pnf1{\pntxtb\'B7}}\fi-360\li720 a\par)"
        R"({\pntext\'B7\tab}b\par\pard c\par})",
        "* a\n* b\nc");
    ROW("pn numbered is not a bullet", R"({\rtf1{\*\pn\pnlvlbody\pndec}a\par})", "a");
    ROW("pn level from the indent", R"({\rtf1{\*\pn\pnlvlblt}\li1440 a\par})", "** a");
    QTest::newRow("ls bullet, nested level")
        << "{\\rtf1" + lists + R"(\ls1\ilvl0 a\par\ls1\ilvl1 b\par\pard c\par})"
        << QStringLiteral("* a\n** b\nc");
    QTest::newRow("ls numbered and none are not bullets")
        << "{\\rtf1" + lists + R"(\ls2 a\par\pard\ls3 b\par})" << QStringLiteral("a\nb");
    QTest::newRow("ls wins over pn")
        << "{\\rtf1" + lists + R"({\*\pn\pnlvlblt}\ls2 a\par})" << QStringLiteral("a");
    ROW("ls without a list table is a bullet", R"({\rtf1\ls4\ilvl9 a\par})", "********* a");
    ROW("listtext with pard plain does not leak",
        R"({\rtf1\qc\b{\listtext\pard\plain x}\ls1 a\par})", "center: * [b]a");
}

void TestRtfReader::bullets()
{
    tokens();
}

void TestRtfReader::otherWriters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::newRow("richedit") << dataFile("richedit.rtf")
                              << QStringLiteral("[Arial 10pt]Hello [Arial 10pt b]bold[Arial 10pt] "
                                                "[Arial 10pt fg#ff0000]red[Arial 10pt] world "
                                                "café Ж\n"
                                                "* [Arial 10pt]bulleted line\n"
                                                "* [Arial 10pt]second bullet\n"
                                                "center: [Arial 10pt i]centred");
    QTest::newRow("libreoffice")
        << dataFile("libreoffice-trimmed.rtf")
        << QStringLiteral("[Arial 10pt fg#000000]Hello [Arial 10pt b fg#000000]bold"
                          "[Arial 10pt fg#000000] [Arial 10pt]red[Arial 10pt fg#000000] world  "
                          "café € Жук 日本 😀\n"
                          "* [10pt]bullet line\n"
                          "center: [14pt]centred");
    QTest::newRow("libreoffice, real output")
        << dataFile("libreoffice.rtf") << QString::fromUtf8(dataFile("rich.expected")).trimmed();
    // AbiWord's own HTML import drops the background and picks its own fonts.
    QTest::newRow("abiword, real output")
        << dataFile("abiword.rtf")
        << QStringLiteral("[Liberation Serif 10pt]Plain [Liberation Serif 10pt b]bold"
                          "[Liberation Serif 10pt] [Liberation Serif 10pt i]italic"
                          "[Liberation Serif 10pt] [Liberation Serif 10pt u]underline"
                          "[Liberation Serif 10pt] [Liberation Serif 10pt s]struck"
                          "[Liberation Serif 10pt] [Liberation Serif 10pt fg#ff0000]red"
                          "[Liberation Serif 10pt] marked\n"
                          "[Liberation Serif 10pt]café € Жук 日本😀 \n"
                          "* [Liberation Serif]first bullet\n"
                          "* [Liberation Serif]second bullet\n"
                          "center: [14pt]centred\n"
                          "right: [Liberation Serif 10pt]right\n"
                          "justify: [Liberation Serif 10pt]justified\n"
                          "[Liberation Serif 10pt]\n"
                          "[Liberation Serif]");
    QTest::newRow("textedit") << dataFile("textedit.rtf")
                              << QStringLiteral("[Arial 10pt]Hello [Arial 10pt b]bold[Arial 10pt] "
                                                "[Arial 10pt fg#ff0000]red[Arial 10pt] world café "
                                                "Ж😀[HiraginoSans-W3 10pt]日本\n"
                                                "* [Arial 10pt]bulleted line\n"
                                                "center: [Arial 10pt]centred");
    QTest::newRow("word") << dataFile("word.rtf")
                          << QStringLiteral("* Item\n"
                                            "[Calibri 11pt]Before [Calibri 11pt u fg#0000ff]link"
                                            "[Calibri 11pt] after\n"
                                            "* Item two\n"
                                            "right: \uf0b7😀 end");
    QTest::newRow("our own recipe")
        << dataFile("recipe.rtf")
        << QStringLiteral("[Arial 10pt]Hello [Arial 10pt b]bold[Arial 10pt] [Arial 10pt "
                          "fg#ff0000]red[Arial 10pt i u bg#ffff00] café € Ж 😀 {x}\n"
                          "* [Arial 10pt]bullet one\n"
                          "* [Arial 10pt]bullet two\n"
                          "center: [14pt]centred");
}

void TestRtfReader::otherWriters()
{
    tokens();
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    ROW("no bytes", "", "");
    ROW("utf-8 lines", "caf\xc3\xa9\r\nline\rx\ny", "café\nline\nx\ny");
    ROW("windows-1252 when not utf-8", "caf\xe9 \x80", "café €");
    ROW("byte-order mark then text", "\xEF\xBB\xBFhello", "hello");
    ROW("rtf keyword later in the file", " {\\rtf1 x}", " {\\rtf1 x}");
    ROW("byte-order mark then rtf", "\xEF\xBB\xBF{\\rtf1 \\b x}", "[b]x");
    ROW("controls dropped, tabs kept", QByteArray("a\0b\tc", 5), "ab\tc");
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    RtfReadResult result;
    QCOMPARE(readToDump(rtf, &result), expected);
    QCOMPARE(result.plainText, !rtf.contains("{\\rtf1 \\b"));
    QVERIFY(result.ok());
}

// Bytes that once crashed, hung or exhausted other readers. Each must read without harm and
// keep the text around the damage.
void TestRtfReader::hostile_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("truncated");
    const int deep = 200000;
    QTest::newRow("200000-deep nesting")
        << "{\\rtf1 a" + QByteArray(deep, '{') + "b" + QByteArray(deep, '}') + "c}"
        << QStringLiteral("abc") << false;
    QTest::newRow("deep nesting, never closed")
        << "{\\rtf1 a" + QByteArray(deep, '{') + "\\b b" << QStringLiteral("a[b]b") << false;
    QTest::newRow("unclosed groups")
        << QByteArray("{\\rtf1 a{\\b b{\\i c") << QStringLiteral("a[b]b[b i]c") << false;
    QTest::newRow("stray closing brace")
        << QByteArray("{\\rtf1 a}}}b}") << QStringLiteral("a") << false;
    QTest::newRow("bin with a huge length")
        << QByteArray("{\\rtf1 a\\bin2147483647 xyz}") << QStringLiteral("a") << false;
    QTest::newRow("bin with a 25-digit length")
        << QByteArray("{\\rtf1 a\\bin9999999999999999999999999 xyz}") << QStringLiteral("a")
        << false;
    QTest::newRow("bin with a negative length")
        << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab") << false;
    QTest::newRow("25-digit parameters")
        << QByteArray("{\\rtf1\\fs9999999999999999999999999 a\\f-9999999999999999999999999 "
                      "b\\cf99999999999999999999 c\\u-99999999999999999999 d}")
        << QStringLiteral("[1000pt]abc\ufffd") << false;
    QTest::newRow("escape at the end")
        << QByteArray("{\\rtf1 a\\'") << QStringLiteral("a") << false;
    QTest::newRow("bad hex") << QByteArray("{\\rtf1 a\\'zzb}") << QStringLiteral("azzb") << false;
    QTest::newRow("100000-letter control word")
        << "{\\rtf1 a\\" + QByteArray(100000, 'x') + "5 b}" << QStringLiteral("ab") << false;
    QByteArray fonts = "{\\rtf1{\\fonttbl";
    for (int i = 0; i < 20000; ++i)
        fonts += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
    fonts += "}\\f4095 a\\f19999 b}";
    QTest::newRow("20000 fonts") << fonts << QStringLiteral("[F4095]a[F0]b") << false;
    QByteArray colors = "{\\rtf1{\\colortbl ;";
    for (int i = 0; i < 20000; ++i)
        colors += "\\red" + QByteArray::number(i % 256) + ";";
    colors += "}\\cf4095 a\\cf19999 b}";
    QTest::newRow("20000 colours") << colors << QStringLiteral("[fg#fe0000]a[]b") << false;
    QTest::newRow("long font name")
        << "{\\rtf1{\\fonttbl{\\f0 " + QByteArray(100000, 'N') + ";}}\\f0 a}"
        << u'[' + QString(255, u'N') + u"]a" << false;
}

void TestRtfReader::hostile()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, truncated);
    RtfReadResult result;
    QCOMPARE(readToDump(rtf, &result), expected);
    QCOMPARE(result.truncated, truncated);
    QVERIFY(result.ok());
}

void TestRtfReader::limits()
{
    // A million paragraphs stop at the paragraph limit, and say so.
    QByteArray many = "{\\rtf1 ";
    for (int i = 0; i < 1000000; ++i)
        many += "x\\par ";
    many += "}";
    QTextDocument doc;
    RtfReadResult result = readRtf(many, &doc);
    QVERIFY(result.ok());
    QVERIFY(result.truncated);
    QCOMPARE(doc.blockCount(), RtfLimits().maxParagraphs);

    // Text past the character limit is not read.
    RtfLimits small;
    small.maxChars = 10;
    result = readRtf("{\\rtf1 0123456789abc\\par}", &doc, small);
    QVERIFY(result.truncated);
    QCOMPARE(doc.toPlainText(), QStringLiteral("0123456789"));

    // So does a file of one-letter runs.
    small = RtfLimits();
    small.maxRuns = 3;
    result = readRtf("{\\rtf1 {\\b a}{\\i b}\\par{\\b c}{\\i d}}", &doc, small);
    QVERIFY(result.truncated);
    QCOMPARE(doc.toPlainText(), QStringLiteral("ab\nc"));

    // More bytes than a note can hold are refused, and the document is left alone.
    small.maxBytes = 100;
    doc.setPlainText(QStringLiteral("kept"));
    result = readRtf("{\\rtf1 " + QByteArray(200, 'x') + "}", &doc, small);
    QCOMPARE(result.status, RtfReadResult::Status::Error);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(doc.toPlainText(), QStringLiteral("kept"));
}

void TestRtfReader::files()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QTextDocument doc;

    doc.setPlainText(QStringLiteral("old"));
    RtfReadResult result = readRtfFile(dir.filePath(QStringLiteral("missing.rtf")), &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Missing);
    QVERIFY(doc.isEmpty());

    doc.setPlainText(QStringLiteral("old"));
    result = readRtfFile(dir.path(), &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Error);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(doc.toPlainText(), QStringLiteral("old"));

    QFile empty(dir.filePath(QStringLiteral("empty.rtf")));
    QVERIFY(empty.open(QIODevice::WriteOnly));
    empty.close();
    result = readRtfFile(empty.fileName(), &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Ok);
    QVERIFY(doc.isEmpty());

    // A sparse file larger than any note: refused with an error, not read into memory.
    QFile huge(dir.filePath(QStringLiteral("huge.rtf")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.write("{\\rtf1 x") == 8);
    QVERIFY(huge.resize(RtfLimits().maxBytes + 1));
    huge.close();
    doc.setPlainText(QStringLiteral("old"));
    result = readRtfFile(huge.fileName(), &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Error);
    QCOMPARE(doc.toPlainText(), QStringLiteral("old"));

    QFile note(dir.filePath(QStringLiteral("Sticky1.rtf")));
    QVERIFY(note.open(QIODevice::WriteOnly));
    note.write("{\\rtf1 \\b hello\\par}");
    note.close();
    QTextCursor(&doc).insertText(QStringLiteral("edit"));
    QVERIFY(doc.isModified());
    result = readRtfFile(note.fileName(), &doc);
    QCOMPARE(result.status, RtfReadResult::Status::Ok);
    QCOMPARE(doc.toPlainText(), QStringLiteral("hello"));
    // A note just loaded is unmodified, and undo cannot bring back the note before it.
    QVERIFY(!doc.isModified());
    QVERIFY(!doc.isUndoAvailable());
}

QTEST_MAIN(TestRtfReader)
#include "tst_rtfreader.moc"

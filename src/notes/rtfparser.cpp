#include "notes/rtfcodepage.h"
#include "notes/rtfmodel.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace nookery {

namespace {

enum class Kw : quint8 {
    Unknown,
    // groups
    Skip,
    FontTable,
    ColorTable,
    ListTable,
    ListOverrideTable,
    Pn,
    FldInst,
    FldRslt,
    // header
    AnsiCpg,
    Mac,
    Pc,
    Pca,
    Deff,
    Cocoa,
    Uc,
    U,
    Bin,
    // tables
    Fcharset,
    Cpg,
    Red,
    Green,
    Blue,
    List,
    ListLevel,
    LevelNfc,
    ListId,
    ListOverride,
    // text
    Par,
    Sect,
    Line,
    Tab,
    Emdash,
    Endash,
    Bullet,
    Lquote,
    Rquote,
    Ldblquote,
    Rdblquote,
    // paragraph
    Pard,
    Ql,
    Qr,
    Qc,
    Qj,
    Ls,
    Ilvl,
    Li,
    PnLvlBlt,
    PnLvlBody,
    PnLvlCont,
    // character
    Plain,
    F,
    Fs,
    B,
    I,
    Ul,
    UlNone,
    Strike,
    Cf,
    Highlight,
    Cb,
    Af,
    Afs,
    Loch,
    Dbch,
};

const std::unordered_map<std::string_view, Kw> &keywords()
{
    static const std::unordered_map<std::string_view, Kw> map = [] {
        std::unordered_map<std::string_view, Kw> m;
        // Groups whose content is not note text. Unknown groups marked with \* are skipped
        // as well; these are the ones that come without the mark.
        for (std::string_view w : {"stylesheet",
                                   "info",
                                   "generator",
                                   "pict",
                                   "object",
                                   "nonshppict",
                                   "shppict",
                                   "shp",
                                   "header",
                                   "headerl",
                                   "headerr",
                                   "headerf",
                                   "footer",
                                   "footerl",
                                   "footerr",
                                   "footerf",
                                   "footnote",
                                   "annotation",
                                   "filetbl",
                                   "revtbl",
                                   "rsidtbl",
                                   "themedata",
                                   "datastore",
                                   "latentstyles",
                                   "xmlnstbl",
                                   "pgdsctbl",
                                   "xe",
                                   "tc",
                                   "bkmkstart",
                                   "bkmkend",
                                   "panose",
                                   "falt",
                                   "leveltext",
                                   "levelnumbers",
                                   "listname",
                                   "pntxtb",
                                   "pntxta",
                                   "pntext",
                                   "listtext",
                                   "atnid",
                                   "atnauthor",
                                   "atndate",
                                   "atnref",
                                   "ftnsep",
                                   "ftnsepc",
                                   "ftncn",
                                   "aftnsep",
                                   "aftnsepc",
                                   "aftncn",
                                   "template",
                                   "userprops",
                                   "docvar",
                                   "objdata",
                                   "txe",
                                   "fldtype",
                                   "colorschememapping",
                                   "expandedcolortbl",
                                   "mmathPr",
                                   "pnseclvl",
                                   "listpicture",
                                   "private",
                                   "nesttableprops",
                                   "comment"})
            m.emplace(w, Kw::Skip);
        const std::pair<std::string_view, Kw> words[] = {
            {"fonttbl", Kw::FontTable},
            {"colortbl", Kw::ColorTable},
            {"listtable", Kw::ListTable},
            {"listoverridetable", Kw::ListOverrideTable},
            {"pn", Kw::Pn},
            {"fldinst", Kw::FldInst},
            {"fldrslt", Kw::FldRslt},
            {"ansicpg", Kw::AnsiCpg},
            {"mac", Kw::Mac},
            {"pc", Kw::Pc},
            {"pca", Kw::Pca},
            {"deff", Kw::Deff},
            {"cocoartf", Kw::Cocoa},
            {"uc", Kw::Uc},
            {"u", Kw::U},
            {"bin", Kw::Bin},
            {"fcharset", Kw::Fcharset},
            {"cpg", Kw::Cpg},
            {"red", Kw::Red},
            {"green", Kw::Green},
            {"blue", Kw::Blue},
            {"list", Kw::List},
            {"listlevel", Kw::ListLevel},
            {"levelnfc", Kw::LevelNfc},
            {"levelnfcn", Kw::LevelNfc},
            {"listid", Kw::ListId},
            {"listoverride", Kw::ListOverride},
            {"par", Kw::Par},
            {"row", Kw::Par},
            {"sect", Kw::Sect},
            {"page", Kw::Sect},
            {"line", Kw::Line},
            {"tab", Kw::Tab},
            {"cell", Kw::Tab},
            {"emdash", Kw::Emdash},
            {"endash", Kw::Endash},
            {"bullet", Kw::Bullet},
            {"lquote", Kw::Lquote},
            {"rquote", Kw::Rquote},
            {"ldblquote", Kw::Ldblquote},
            {"rdblquote", Kw::Rdblquote},
            {"pard", Kw::Pard},
            {"ql", Kw::Ql},
            {"qr", Kw::Qr},
            {"qc", Kw::Qc},
            {"qj", Kw::Qj},
            {"ls", Kw::Ls},
            {"ilvl", Kw::Ilvl},
            {"li", Kw::Li},
            {"pnlvlblt", Kw::PnLvlBlt},
            {"pnlvlbody", Kw::PnLvlBody},
            {"pnlvl", Kw::PnLvlBody},
            {"pnlvlcont", Kw::PnLvlCont},
            {"plain", Kw::Plain},
            {"af", Kw::Af},
            {"afs", Kw::Afs},
            {"loch", Kw::Loch},
            {"hich", Kw::Loch},
            {"dbch", Kw::Dbch},
            {"f", Kw::F},
            {"fs", Kw::Fs},
            {"b", Kw::B},
            {"i", Kw::I},
            {"ulnone", Kw::UlNone},
            {"strike", Kw::Strike},
            {"striked", Kw::Strike},
            {"cf", Kw::Cf},
            {"highlight", Kw::Highlight},
            {"cb", Kw::Cb},
            {"chcbpat", Kw::Cb},
        };
        for (const auto &[w, k] : words)
            m.emplace(w, k);
        for (std::string_view w : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                   "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd",
                                   "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
            m.emplace(w, Kw::Ul);
        return m;
    }();
    return map;
}

enum class Dest : quint8 { Body, Skip, FontTable, ColorTable, ListTable, ListOverrideTable, Pn };

enum PnKind : quint8 { PnNone, PnBullet, PnNumbered, PnContinue };

struct CharState
{
    int font = -1; // -1: the \deff font
    int assocFont = -1;
    int assocHalfPoints = 0;
    bool doubleByte = false; // \dbch: the text takes the associated font and size
    int halfPoints = 24;
    int foreground = -1; // colour table index, -1: automatic
    int background = -1; // colour table index, -1: none
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;

    bool operator==(const CharState &) const = default;
};

struct ParaState
{
    int ls = 0;
    int ilvl = 0;
    int li = 0;
    RtfAlign align = RtfAlign::Left;
    PnKind pn = PnNone;
};

struct State
{
    CharState ch;
    ParaState para;
    Dest dest = Dest::Body;
    int uc = 1;
};

struct FontEntry
{
    QString name;
    int charset = -1;
    int cpg = 0;
};

constexpr int BulletNfc = 23;
constexpr int MaxLevels = 9;
constexpr qsizetype MaxFontName = 256;
constexpr int MaxWordLetters = 32;

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Characters that must not reach the document as text: controls, the object placeholder, the
// paragraph separator (which Qt would turn into a block of its own) and the two characters Qt
// uses to mark frames.
bool isUnwanted(char16_t c)
{
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c <= 0x9F) || c == 0xFFFC || c == 0x2029 ||
           c == 0xFDD0 || c == 0xFDD1;
}

class Parser
{
public:
    Parser(QByteArrayView data, const RtfLimits &limits) : m_data(data), m_limits(limits) {}

    RtfModel run();

private:
    // tokens
    void controlToken();
    void textSpan();
    void openGroup();
    void closeGroup();
    void execute(Kw kw, bool hasParam, int param);
    void setDestination(Kw kw);

    // text
    void textByte(char b);
    void flush();
    void appendText(QStringView text);
    void appendChar(char16_t c) { appendText(QStringView(&c, 1)); }
    void appendUnicode(int value);
    void endParagraph();
    void finish();
    int currentCodePage();
    const FontEntry *font(int number) const;
    static int fontNumber(const CharState &ch);
    const RtfCharFormat &currentFormat();

    // tables
    void commitFont();
    int fontEntryCodePage() const;
    void commitColor();
    bool resolveBullet(const ParaState &para, int *level) const;
    std::optional<QRgb> color(int index) const;

    QByteArrayView m_data;
    RtfLimits m_limits;
    qsizetype m_pos = 0;
    bool m_done = false;

    State m_st;
    std::vector<State> m_stack;
    int m_extraDepth = 0;
    int m_ucSkip = 0;
    bool m_starred = false;

    int m_ansiCp = CodePage1252;
    int m_deff = 0;
    bool m_cocoa = false;

    QHash<int, FontEntry> m_fonts;
    bool m_fontPending = false;
    int m_fontNumber = 0;
    FontEntry m_font;
    QByteArray m_fontBytes;
    int m_cpFont = std::numeric_limits<int>::min();
    int m_cpValue = CodePage1252;

    std::vector<std::optional<QRgb>> m_colors;
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colorHasComponent = false;

    QHash<int, std::vector<int>> m_lists; // \listid -> \levelnfc per level
    std::vector<int> m_listLevels;
    std::optional<int> m_listId;
    QHash<int, int> m_overrides; // \ls -> \listid
    std::optional<int> m_overrideListId;
    std::optional<int> m_overrideLs;

    QByteArray m_pending;
    int m_pendingCp = CodePage1252;
    QString m_scratch;
    char16_t m_highSurrogate = 0;

    CharState m_formatState;
    RtfCharFormat m_format;
    bool m_formatValid = false;

    RtfModel m_model;
    int m_runs = 0;
    RtfParagraph m_para;
};

RtfModel Parser::run()
{
    const qsizetype n = m_data.size();
    m_stack.reserve(64);
    while (m_pos < n && !m_done) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            m_ucSkip = 0;
            flush();
            openGroup();
            break;
        case '}':
            ++m_pos;
            m_ucSkip = 0;
            flush();
            closeGroup();
            break;
        case '\\':
            controlToken();
            break;
        case '\r':
        case '\n':
            ++m_pos;
            break;
        default:
            textSpan();
            break;
        }
    }
    if (!m_done)
        finish();
    return std::move(m_model);
}

void Parser::openGroup()
{
    m_starred = false;
    if (m_extraDepth > 0 || static_cast<int>(m_stack.size()) >= m_limits.maxDepth) {
        ++m_extraDepth;
        return;
    }
    m_stack.push_back(m_st);
}

void Parser::closeGroup()
{
    m_starred = false;
    if (m_extraDepth > 0) {
        --m_extraDepth;
        return;
    }
    if (m_stack.size() <= 1) {
        // The outer group ends the document; whatever follows is not ours.
        finish();
        return;
    }
    const State popped = m_st;
    m_st = m_stack.back();
    m_stack.pop_back();
    if (popped.dest == Dest::FontTable)
        commitFont();
    // A \pn group states the list kind of the paragraph it sits in.
    if (popped.dest == Dest::Pn && m_st.dest != Dest::Pn)
        m_st.para.pn = popped.para.pn;
}

void Parser::textSpan()
{
    const qsizetype n = m_data.size();
    const char c = m_data[m_pos];
    if (m_ucSkip > 0) {
        ++m_pos;
        if (static_cast<uchar>(c) >= 0x20 || c == '\t')
            --m_ucSkip;
        return;
    }
    if (c == '\t') {
        ++m_pos;
        flush();
        if (m_st.dest == Dest::Body)
            appendChar(u'\t');
        return;
    }
    if (static_cast<uchar>(c) < 0x20) {
        ++m_pos;
        return;
    }
    qsizetype end = m_pos;
    while (end < n) {
        const char d = m_data[end];
        if (d == '{' || d == '}' || d == '\\' || static_cast<uchar>(d) < 0x20)
            break;
        ++end;
    }
    const QByteArrayView span = m_data.sliced(m_pos, end - m_pos);
    m_pos = end;
    if (m_st.dest == Dest::Body) {
        if (m_pending.isEmpty())
            m_pendingCp = currentCodePage();
        m_pending.append(span);
    } else if (m_st.dest == Dest::FontTable || m_st.dest == Dest::ColorTable) {
        for (char b : span)
            textByte(b);
    }
}

void Parser::textByte(char b)
{
    switch (m_st.dest) {
    case Dest::Body:
        if (m_pending.isEmpty())
            m_pendingCp = currentCodePage();
        m_pending.append(b);
        break;
    case Dest::FontTable:
        if (b == ';')
            commitFont();
        else if (m_fontPending && m_fontBytes.size() + m_font.name.size() < MaxFontName)
            m_fontBytes.append(b);
        break;
    case Dest::ColorTable:
        if (b == ';')
            commitColor();
        break;
    default:
        break;
    }
}

void Parser::controlToken()
{
    const qsizetype n = m_data.size();
    if (m_pos + 1 >= n) {
        m_pos = n;
        return;
    }
    const char c = m_data[m_pos + 1];
    if (isLetter(c)) {
        qsizetype p = m_pos + 1;
        while (p < n && isLetter(m_data[p]))
            ++p;
        const qsizetype letters = p - (m_pos + 1);
        const std::string_view word(m_data.data() + m_pos + 1, static_cast<size_t>(letters));
        bool hasParam = false;
        bool negative = false;
        qint64 value = 0;
        if (p < n && m_data[p] == '-' && p + 1 < n && isDigit(m_data[p + 1])) {
            negative = true;
            ++p;
        }
        int digits = 0;
        while (p < n && isDigit(m_data[p])) {
            // Ten digits are enough for any real parameter; the rest are read and dropped.
            if (digits < 10)
                value = value * 10 + (m_data[p] - '0');
            ++digits;
            ++p;
        }
        if (digits > 0) {
            hasParam = true;
            if (negative)
                value = -value;
            value = std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                       std::numeric_limits<int>::max());
        }
        if (p < n && m_data[p] == ' ')
            ++p;
        m_pos = p;

        Kw kw = Kw::Unknown;
        if (letters <= MaxWordLetters) {
            const auto &map = keywords();
            const auto it = map.find(word);
            if (it != map.end())
                kw = it->second;
        }
        const int param = static_cast<int>(value);
        if (m_ucSkip > 0) {
            --m_ucSkip;
            if (kw == Kw::Bin && hasParam && param > 0)
                m_pos += std::min<qsizetype>(param, n - m_pos);
            return;
        }
        flush();
        const bool starred = m_starred;
        m_starred = false;
        if (starred && m_st.dest != Dest::Skip) {
            switch (kw) {
            case Kw::Skip:
            case Kw::FontTable:
            case Kw::ColorTable:
            case Kw::ListTable:
            case Kw::ListOverrideTable:
            case Kw::Pn:
            case Kw::FldInst:
            case Kw::FldRslt:
                break;
            default:
                // A marked group we do not know: its content is not note text.
                m_st.dest = Dest::Skip;
                return;
            }
        }
        execute(kw, hasParam, param);
        return;
    }

    if (c == '\'') {
        int hi = m_pos + 2 < n ? hexValue(m_data[m_pos + 2]) : -1;
        int lo = m_pos + 3 < n ? hexValue(m_data[m_pos + 3]) : -1;
        if (hi < 0 || lo < 0) {
            // A broken escape is dropped and reading goes on after it.
            m_pos += 2;
            return;
        }
        m_pos += 4;
        if (m_ucSkip > 0) {
            --m_ucSkip;
            return;
        }
        textByte(static_cast<char>(hi * 16 + lo));
        return;
    }

    m_pos += 2;
    if (m_ucSkip > 0) {
        --m_ucSkip;
        return;
    }
    switch (c) {
    case '\\':
    case '{':
    case '}':
        textByte(c);
        return;
    case '*':
        flush();
        m_starred = true;
        return;
    default:
        break;
    }
    flush();
    if (m_st.dest != Dest::Body)
        return;
    switch (c) {
    case '~':
        appendChar(u'\u00A0');
        break;
    case '-':
        appendChar(u'\u00AD');
        break;
    case '_':
        appendChar(u'\u2011');
        break;
    case '\r':
    case '\n':
        endParagraph();
        break;
    default:
        break;
    }
}

void Parser::setDestination(Kw kw)
{
    switch (kw) {
    case Kw::Skip:
    case Kw::FldInst:
        m_st.dest = Dest::Skip;
        break;
    case Kw::FldRslt:
        m_st.dest = Dest::Body;
        break;
    case Kw::FontTable:
        m_st.dest = Dest::FontTable;
        m_fontPending = false;
        break;
    case Kw::ColorTable:
        m_st.dest = Dest::ColorTable;
        m_colorHasComponent = false;
        m_red = m_green = m_blue = 0;
        break;
    case Kw::ListTable:
        m_st.dest = Dest::ListTable;
        break;
    case Kw::ListOverrideTable:
        m_st.dest = Dest::ListOverrideTable;
        break;
    case Kw::Pn:
        m_st.dest = Dest::Pn;
        break;
    default:
        break;
    }
}

void Parser::execute(Kw kw, bool hasParam, int param)
{
    State &st = m_st;
    if (kw == Kw::Bin) {
        // Binary data may hold braces; it is never text we keep.
        if (hasParam && param > 0)
            m_pos += std::min<qsizetype>(param, m_data.size() - m_pos);
        return;
    }
    if (st.dest == Dest::Skip)
        return;

    const bool on = !hasParam || param != 0;
    switch (kw) {
    case Kw::Skip:
    case Kw::FontTable:
    case Kw::ColorTable:
    case Kw::ListTable:
    case Kw::ListOverrideTable:
    case Kw::Pn:
    case Kw::FldInst:
    case Kw::FldRslt:
        setDestination(kw);
        return;
    case Kw::Uc:
        st.uc = std::clamp(hasParam ? param : 1, 0, 16);
        return;
    case Kw::U:
        if (st.dest == Dest::Body) {
            appendUnicode(param);
        } else if (st.dest == Dest::FontTable && m_fontPending) {
            appendDecoded(m_font.name, m_fontBytes, fontEntryCodePage());
            m_fontBytes.clear();
            const int v = param < 0 ? param + 65536 : param;
            if (v > 0 && v <= 0xFFFF && !isUnwanted(static_cast<char16_t>(v)) &&
                m_font.name.size() < MaxFontName)
                m_font.name.append(QChar(static_cast<char16_t>(v)));
        }
        m_ucSkip = st.uc;
        return;
    case Kw::AnsiCpg:
        if (hasParam && param > 0)
            m_ansiCp = param;
        m_cpFont = std::numeric_limits<int>::min();
        return;
    case Kw::Mac:
        m_ansiCp = 10000;
        m_cpFont = std::numeric_limits<int>::min();
        return;
    case Kw::Pc:
        m_ansiCp = 437;
        m_cpFont = std::numeric_limits<int>::min();
        return;
    case Kw::Pca:
        m_ansiCp = 850;
        m_cpFont = std::numeric_limits<int>::min();
        return;
    case Kw::Deff:
        m_deff = param;
        m_formatValid = false;
        return;
    case Kw::Cocoa:
        m_cocoa = true;
        m_formatValid = false;
        return;
    default:
        break;
    }

    switch (st.dest) {
    case Dest::FontTable:
        switch (kw) {
        case Kw::F:
            commitFont();
            m_fontPending = true;
            m_fontNumber = param;
            m_font = FontEntry();
            m_fontBytes.clear();
            break;
        case Kw::Fcharset:
            m_font.charset = param;
            break;
        case Kw::Cpg:
            m_font.cpg = param;
            break;
        default:
            break;
        }
        return;
    case Dest::ColorTable:
        switch (kw) {
        case Kw::Red:
            m_red = std::clamp(param, 0, 255);
            m_colorHasComponent = true;
            break;
        case Kw::Green:
            m_green = std::clamp(param, 0, 255);
            m_colorHasComponent = true;
            break;
        case Kw::Blue:
            m_blue = std::clamp(param, 0, 255);
            m_colorHasComponent = true;
            break;
        default:
            break;
        }
        return;
    case Dest::ListTable:
        switch (kw) {
        case Kw::List:
            m_listLevels.clear();
            m_listId.reset();
            break;
        case Kw::ListLevel:
            if (m_listLevels.size() < MaxLevels)
                m_listLevels.push_back(0);
            break;
        case Kw::LevelNfc:
            if (!m_listLevels.empty())
                m_listLevels.back() = param;
            if (m_listId)
                m_lists.insert(*m_listId, m_listLevels);
            break;
        case Kw::ListId:
            m_listId = param;
            if (m_lists.size() < m_limits.maxFonts || m_lists.contains(param))
                m_lists.insert(param, m_listLevels);
            break;
        default:
            break;
        }
        return;
    case Dest::ListOverrideTable:
        switch (kw) {
        case Kw::ListOverride:
            m_overrideListId.reset();
            m_overrideLs.reset();
            return;
        case Kw::ListId:
            m_overrideListId = param;
            break;
        case Kw::Ls:
            m_overrideLs = param;
            break;
        default:
            return;
        }
        if (m_overrideListId && m_overrideLs &&
            (m_overrides.size() < m_limits.maxFonts || m_overrides.contains(*m_overrideLs)))
            m_overrides.insert(*m_overrideLs, *m_overrideListId);
        return;
    case Dest::Pn:
        switch (kw) {
        case Kw::PnLvlBlt:
            st.para.pn = PnBullet;
            break;
        case Kw::PnLvlBody:
            st.para.pn = PnNumbered;
            break;
        case Kw::PnLvlCont:
            st.para.pn = PnContinue;
            break;
        default:
            break;
        }
        return;
    case Dest::Body:
        break;
    case Dest::Skip:
        return;
    }

    CharState &ch = st.ch;
    ParaState &para = st.para;
    switch (kw) {
    case Kw::Par:
        endParagraph();
        break;
    case Kw::Sect:
        if (!m_para.runs.isEmpty() || m_highSurrogate)
            endParagraph();
        break;
    case Kw::Line:
        appendChar(u'\u2028');
        break;
    case Kw::Tab:
        appendChar(u'\t');
        break;
    case Kw::Emdash:
        appendChar(u'\u2014');
        break;
    case Kw::Endash:
        appendChar(u'\u2013');
        break;
    case Kw::Bullet:
        appendChar(u'\u2022');
        break;
    case Kw::Lquote:
        appendChar(u'\u2018');
        break;
    case Kw::Rquote:
        appendChar(u'\u2019');
        break;
    case Kw::Ldblquote:
        appendChar(u'\u201C');
        break;
    case Kw::Rdblquote:
        appendChar(u'\u201D');
        break;
    case Kw::Pard:
        para = ParaState();
        break;
    case Kw::Ql:
        para.align = RtfAlign::Left;
        break;
    case Kw::Qr:
        para.align = RtfAlign::Right;
        break;
    case Kw::Qc:
        para.align = RtfAlign::Center;
        break;
    case Kw::Qj:
        para.align = RtfAlign::Justify;
        break;
    case Kw::Ls:
        para.ls = param;
        break;
    case Kw::Ilvl:
        para.ilvl = std::clamp(param, 0, MaxLevels - 1);
        break;
    case Kw::Li:
        para.li = param;
        break;
    case Kw::Plain:
        ch = CharState();
        break;
    case Kw::F:
        ch.font = hasParam ? param : 0;
        break;
    case Kw::Fs:
        ch.halfPoints = hasParam ? std::clamp(param, 2, 2000) : 24;
        break;
    case Kw::Af:
        ch.assocFont = hasParam ? param : 0;
        break;
    case Kw::Afs:
        ch.assocHalfPoints = hasParam ? std::clamp(param, 2, 2000) : 0;
        break;
    case Kw::Loch:
        ch.doubleByte = false;
        break;
    case Kw::Dbch:
        ch.doubleByte = true;
        break;
    case Kw::B:
        ch.bold = on;
        break;
    case Kw::I:
        ch.italic = on;
        break;
    case Kw::Ul:
        ch.underline = on;
        break;
    case Kw::UlNone:
        ch.underline = false;
        break;
    case Kw::Strike:
        ch.strike = on;
        break;
    case Kw::Cf:
        ch.foreground = hasParam ? param : -1;
        break;
    case Kw::Highlight:
        // \highlight0 is "no highlight" whatever the first colour table entry holds.
        ch.background = hasParam && param > 0 ? param : -1;
        break;
    case Kw::Cb:
        ch.background = hasParam ? param : -1;
        break;
    default:
        break;
    }
}

// Text after \dbch is in the associated font (LibreOffice writes its Asian runs this way);
// elsewhere \af belongs to other scripts and is not ours to show.
int Parser::fontNumber(const CharState &ch)
{
    return ch.doubleByte && ch.assocFont >= 0 ? ch.assocFont : ch.font;
}

// A font number the table does not know means the default font.
const FontEntry *Parser::font(int number) const
{
    auto it = m_fonts.constFind(number < 0 ? m_deff : number);
    if (it == m_fonts.constEnd())
        it = m_fonts.constFind(m_deff);
    return it == m_fonts.constEnd() ? nullptr : &*it;
}

int Parser::currentCodePage()
{
    const int number = fontNumber(m_st.ch);
    if (number == m_cpFont)
        return m_cpValue;
    int cp = 0;
    const FontEntry *it = font(number);
    if (it) {
        if (it->cpg > 0)
            cp = it->cpg;
        else if (it->charset >= 0)
            cp = codePageForCharset(it->charset);
    }
    if (cp == 0)
        cp = m_ansiCp;
    m_cpFont = number;
    m_cpValue = cp;
    return cp;
}

void Parser::flush()
{
    if (m_pending.isEmpty())
        return;
    m_scratch.clear();
    appendDecoded(m_scratch, m_pending, m_pendingCp);
    m_pending.clear();
    if (!m_scratch.isEmpty())
        appendText(m_scratch);
}

std::optional<QRgb> Parser::color(int index) const
{
    if (index < 0 || index >= static_cast<int>(m_colors.size()))
        return std::nullopt;
    return m_colors[static_cast<size_t>(index)];
}

const RtfCharFormat &Parser::currentFormat()
{
    if (m_formatValid && m_formatState == m_st.ch)
        return m_format;
    const CharState &ch = m_st.ch;
    RtfCharFormat f;
    if (const FontEntry *entry = font(fontNumber(ch)))
        f.family = entry->name;
    f.halfPoints = ch.doubleByte && ch.assocHalfPoints > 0 ? ch.assocHalfPoints : ch.halfPoints;
    f.bold = ch.bold;
    f.italic = ch.italic;
    f.underline = ch.underline;
    f.strike = ch.strike;
    if (const auto fg = color(ch.foreground)) {
        f.hasForeground = true;
        f.foreground = *fg;
    }
    if (const auto bg = color(ch.background)) {
        // Cocoa writers give every run a white background, meaning none.
        if (!(m_cocoa && qRed(*bg) == 255 && qGreen(*bg) == 255 && qBlue(*bg) == 255)) {
            f.hasBackground = true;
            f.background = *bg;
        }
    }
    m_format = std::move(f);
    m_formatState = ch;
    m_formatValid = true;
    return m_format;
}

void Parser::appendText(QStringView text)
{
    if (m_done)
        return;
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendChar(u'\uFFFD');
        if (m_done)
            return;
    }
    bool full = false;
    if (m_model.chars + text.size() > m_limits.maxChars) {
        text = text.first(std::max<qsizetype>(0, m_limits.maxChars - m_model.chars));
        full = true;
    }
    if (!text.isEmpty()) {
        const RtfCharFormat &format = currentFormat();
        if (!m_para.runs.isEmpty() && m_para.runs.last().format == format) {
            m_para.runs.last().text.append(text);
        } else if (m_runs < m_limits.maxRuns) {
            m_para.runs.append(RtfRun{format, text.toString()});
            ++m_runs;
        } else {
            text = {};
            full = true;
        }
        m_model.chars += text.size();
    }
    if (full) {
        m_model.truncated = true;
        finish();
    }
}

void Parser::appendUnicode(int value)
{
    if (value < 0)
        value += 65536;
    if (value < 0 || value > 0xFFFF) {
        appendChar(u'\uFFFD');
        return;
    }
    const char16_t c = static_cast<char16_t>(value);
    if (QChar::isHighSurrogate(c)) {
        if (m_highSurrogate)
            appendChar(u'\uFFFD'); // clears the pending one first
        m_highSurrogate = c;
        return;
    }
    if (QChar::isLowSurrogate(c)) {
        if (!m_highSurrogate) {
            appendChar(u'\uFFFD');
            return;
        }
        const char16_t pair[2] = {m_highSurrogate, c};
        m_highSurrogate = 0;
        appendText(QStringView(pair, 2));
        return;
    }
    if (!isUnwanted(c))
        appendChar(c);
}

bool Parser::resolveBullet(const ParaState &para, int *level) const
{
    if (para.ls != 0) {
        *level = para.ilvl;
        // Without a list table, or with one that does not know this list, a list
        // paragraph is taken for a bulleted one.
        const auto ov = m_overrides.constFind(para.ls);
        if (ov == m_overrides.constEnd())
            return true;
        const auto list = m_lists.constFind(*ov);
        if (list == m_lists.constEnd() || list->empty())
            return true;
        const int nfc =
            list->at(std::min<size_t>(static_cast<size_t>(para.ilvl), list->size() - 1));
        return nfc == BulletNfc;
    }
    if (para.pn == PnBullet) {
        // \pn has no level of its own; our writer indents each level by another 720 twips.
        *level = std::clamp(para.li / 720 - 1, 0, MaxLevels - 1);
        return true;
    }
    *level = 0;
    return false;
}

void Parser::endParagraph()
{
    if (m_done)
        return;
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        appendChar(u'\uFFFD');
        if (m_done)
            return;
    }
    if (static_cast<int>(m_model.paragraphs.size()) >= m_limits.maxParagraphs) {
        m_model.truncated = true;
        m_done = true;
        return;
    }
    m_para.align = m_st.para.align;
    m_para.endFormat = currentFormat();
    int level = 0;
    m_para.bullet = resolveBullet(m_st.para, &level);
    m_para.level = m_para.bullet ? level : 0;
    m_model.paragraphs.push_back(std::move(m_para));
    m_para = RtfParagraph();
}

void Parser::finish()
{
    if (m_done)
        return;
    flush();
    if (!m_para.runs.isEmpty() || m_highSurrogate)
        endParagraph();
    m_done = true;
}

int Parser::fontEntryCodePage() const
{
    const int cp = m_font.cpg > 0 ? m_font.cpg : codePageForCharset(m_font.charset);
    // Symbol fonts have plain ASCII names.
    if (cp == CodePageSymbol)
        return CodePage1252;
    return cp == 0 ? m_ansiCp : cp;
}

void Parser::commitFont()
{
    if (!m_fontPending)
        return;
    m_fontPending = false;
    appendDecoded(m_font.name, m_fontBytes, fontEntryCodePage());
    m_fontBytes.clear();
    m_font.name = m_font.name.trimmed();
    if (m_fonts.size() < m_limits.maxFonts || m_fonts.contains(m_fontNumber))
        m_fonts.insert(m_fontNumber, m_font);
    m_cpFont = std::numeric_limits<int>::min();
    m_formatValid = false;
}

void Parser::commitColor()
{
    if (static_cast<int>(m_colors.size()) < m_limits.maxColors) {
        if (m_colorHasComponent)
            m_colors.push_back(qRgb(m_red, m_green, m_blue));
        else
            m_colors.push_back(std::nullopt);
    }
    m_colorHasComponent = false;
    m_red = m_green = m_blue = 0;
    m_formatValid = false;
}

qsizetype rtfStart(QByteArrayView data)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    return data.sliced(start).startsWith("{\\rtf") ? start : -1;
}

} // namespace

bool looksLikeRtf(QByteArrayView data)
{
    return rtfStart(data) >= 0;
}

RtfModel parseRtf(QByteArrayView data, const RtfLimits &limits)
{
    const qsizetype start = rtfStart(data);
    if (start < 0)
        return {};
    if (data.size() > limits.maxBytes) {
        RtfModel truncated;
        truncated.truncated = true;
        return truncated;
    }
    Parser parser(data.sliced(start), limits);
    return parser.run();
}

} // namespace nookery

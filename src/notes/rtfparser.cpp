#include "notes/rtfparser_p.h"

namespace nookery::rtfdetail {

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

    if (isGroupKeyword(kw)) {
        setDestination(kw);
        return;
    }
    const bool on = !hasParam || param != 0;
    switch (kw) {
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
            if (v > 0 && v <= 0xFFFF && !isNeverInNote(static_cast<char16_t>(v)) &&
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
    if (!isNeverInNote(c))
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

} // namespace nookery::rtfdetail

#include "notes/rtfparser_p.h"

namespace nookery {

namespace rtfdetail {

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

        // Longer words are no RTF we know; they are read to their end and ignored.
        const Kw kw = letters <= MaxWordLetters ? rtfKeyword(word) : Kw::Unknown;
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
        if (starred && m_st.dest != Dest::Skip && !isGroupKeyword(kw)) {
            // A marked group we do not know: its content is not note text.
            m_st.dest = Dest::Skip;
            return;
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

qsizetype rtfStart(QByteArrayView data)
{
    qsizetype start = 0;
    if (data.startsWith("\xEF\xBB\xBF"))
        start = 3;
    return data.sliced(start).startsWith("{\\rtf") ? start : -1;
}

} // namespace rtfdetail

bool looksLikeRtf(QByteArrayView data)
{
    return rtfdetail::rtfStart(data) >= 0;
}

RtfModel parseRtf(QByteArrayView data, const RtfLimits &limits)
{
    const qsizetype start = rtfdetail::rtfStart(data);
    if (start < 0)
        return {};
    if (data.size() > limits.maxBytes) {
        RtfModel truncated;
        truncated.truncated = true;
        return truncated;
    }
    rtfdetail::Parser parser(data.sliced(start), limits);
    return parser.run();
}

} // namespace nookery

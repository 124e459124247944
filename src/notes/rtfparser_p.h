#pragma once

// The RTF parser's state and class, shared by its tokenizer and its interpreter.

#include "notes/rtfcodepage.h"
#include "notes/rtfkeywords.h"
#include "notes/rtfmodel.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <optional>
#include <string_view>

namespace nookery::rtfdetail {

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
constexpr int MaxWordLetters = 32;

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
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

} // namespace nookery::rtfdetail

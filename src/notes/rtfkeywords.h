#pragma once

#include <QtGlobal>

#include <string_view>

namespace nookery {

// The control words the note reader acts on. Words that mean the same to a note share one.
// clang-format off
enum class Kw : quint8 {
    Unknown,
    // groups
    Skip, FontTable, ColorTable, ListTable, ListOverrideTable, Pn, FldInst, FldRslt,
    // header
    AnsiCpg, Mac, Pc, Pca, Deff, Cocoa, Uc, U, Bin,
    // tables
    Fcharset, Cpg, Red, Green, Blue, List, ListLevel, LevelNfc, ListId, ListOverride,
    // text
    Par, Sect, Line, Tab, Emdash, Endash, Bullet, Lquote, Rquote, Ldblquote, Rdblquote,
    // paragraph
    Pard, Ql, Qr, Qc, Qj, Ls, Ilvl, Li, PnLvlBlt, PnLvlBody, PnLvlCont,
    // character
    Plain, F, Fs, B, I, Ul, UlNone, Strike, Cf, Highlight, Cb, Af, Afs, Loch, Dbch,
};
// clang-format on

// Words that start a group the reader parses, skips or keeps the text of (the "groups" above).
constexpr bool isGroupKeyword(Kw kw)
{
    return kw >= Kw::Skip && kw <= Kw::FldRslt;
}

// The keyword for a control word's letters; Kw::Unknown for any other word.
Kw rtfKeyword(std::string_view word);

} // namespace nookery

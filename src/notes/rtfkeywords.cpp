#include "notes/rtfkeywords.h"

#include <unordered_map>

namespace nookery {

namespace {

// Groups whose content is not note text. Unknown groups marked with \* are skipped as well;
// these are the ones that come without the mark.
// clang-format off
constexpr std::string_view SkippedGroups[] = {
    "stylesheet", "info", "generator", "pict", "object", "nonshppict", "shppict", "shp",
    "header", "headerl", "headerr", "headerf", "footer", "footerl", "footerr", "footerf",
    "footnote", "annotation", "filetbl", "revtbl", "rsidtbl", "themedata", "datastore",
    "latentstyles", "xmlnstbl", "pgdsctbl", "xe", "tc", "bkmkstart", "bkmkend", "panose",
    "falt", "leveltext", "levelnumbers", "listname", "pntxtb", "pntxta", "pntext", "listtext",
    "atnid", "atnauthor", "atndate", "atnref", "ftnsep", "ftnsepc", "ftncn", "aftnsep",
    "aftnsepc", "aftncn", "template", "userprops", "docvar", "objdata", "txe", "fldtype",
    "colorschememapping", "expandedcolortbl", "mmathPr", "pnseclvl", "listpicture", "private",
    "nesttableprops", "comment",
};

constexpr std::string_view Underlines[] = {
    "ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth",
    "ulthd", "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave",
};

constexpr std::pair<std::string_view, Kw> Words[] = {
    {"fonttbl", Kw::FontTable}, {"colortbl", Kw::ColorTable}, {"listtable", Kw::ListTable},
    {"listoverridetable", Kw::ListOverrideTable}, {"pn", Kw::Pn}, {"fldinst", Kw::FldInst},
    {"fldrslt", Kw::FldRslt}, {"ansicpg", Kw::AnsiCpg}, {"mac", Kw::Mac}, {"pc", Kw::Pc},
    {"pca", Kw::Pca}, {"deff", Kw::Deff}, {"cocoartf", Kw::Cocoa}, {"uc", Kw::Uc},
    {"u", Kw::U}, {"bin", Kw::Bin}, {"fcharset", Kw::Fcharset}, {"cpg", Kw::Cpg},
    {"red", Kw::Red}, {"green", Kw::Green}, {"blue", Kw::Blue}, {"list", Kw::List},
    {"listlevel", Kw::ListLevel}, {"levelnfc", Kw::LevelNfc}, {"levelnfcn", Kw::LevelNfc},
    {"listid", Kw::ListId}, {"listoverride", Kw::ListOverride}, {"par", Kw::Par},
    {"row", Kw::Par}, {"sect", Kw::Sect}, {"page", Kw::Sect}, {"line", Kw::Line},
    {"tab", Kw::Tab}, {"cell", Kw::Tab}, {"emdash", Kw::Emdash}, {"endash", Kw::Endash},
    {"bullet", Kw::Bullet}, {"lquote", Kw::Lquote}, {"rquote", Kw::Rquote},
    {"ldblquote", Kw::Ldblquote}, {"rdblquote", Kw::Rdblquote}, {"pard", Kw::Pard},
    {"ql", Kw::Ql}, {"qr", Kw::Qr}, {"qc", Kw::Qc}, {"qj", Kw::Qj}, {"ls", Kw::Ls},
    {"ilvl", Kw::Ilvl}, {"li", Kw::Li}, {"pnlvlblt", Kw::PnLvlBlt},
    {"pnlvlbody", Kw::PnLvlBody}, {"pnlvl", Kw::PnLvlBody}, {"pnlvlcont", Kw::PnLvlCont},
    {"plain", Kw::Plain}, {"af", Kw::Af}, {"afs", Kw::Afs}, {"loch", Kw::Loch},
    {"hich", Kw::Loch}, {"dbch", Kw::Dbch}, {"f", Kw::F}, {"fs", Kw::Fs}, {"b", Kw::B},
    {"i", Kw::I}, {"ulnone", Kw::UlNone}, {"strike", Kw::Strike}, {"striked", Kw::Strike},
    {"cf", Kw::Cf}, {"highlight", Kw::Highlight}, {"cb", Kw::Cb}, {"chcbpat", Kw::Cb},
};

// clang-format on

const std::unordered_map<std::string_view, Kw> &table()
{
    static const std::unordered_map<std::string_view, Kw> map = [] {
        std::unordered_map<std::string_view, Kw> m;
        for (std::string_view w : SkippedGroups)
            m.emplace(w, Kw::Skip);
        for (std::string_view w : Underlines)
            m.emplace(w, Kw::Ul);
        for (const auto &[w, k] : Words)
            m.emplace(w, k);
        return m;
    }();
    return map;
}

} // namespace

Kw rtfKeyword(std::string_view word)
{
    const auto &map = table();
    const auto it = map.find(word);
    return it == map.end() ? Kw::Unknown : it->second;
}

} // namespace nookery

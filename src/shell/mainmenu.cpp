#include "shell/mainmenu.h"

#include "shell/nookery.h"

namespace nookery {

namespace {

using K = MenuRow::Kind;
using N = Nookery;

// Menu order; tool bar buttons are the rows with onToolBar, in the same order, so their
// indexes (1 to 14) come out as the older versions numbered them.
constexpr MenuRow Rows[] = {
    {K::Entry, "submenuCountDown", u"&CountDown", Qt::Key_F2, true, true, u"ToolCountDown",
     u"CountDown", u"\u25BC", 0xc62828, &N::submenuCountDown_Click, &keys::CountDownMenu},
    {K::Entry, "submenuCountUp", u"Count&Up", Qt::Key_F3, true, true, u"ToolCountUp", u"CountUp",
     u"\u25B2", 0xad1457, &N::submenuCountUp_Click, &keys::CountDownMenu},
    {K::Entry, "submenuCountDate", u"&Date CountDown", Qt::Key_F4, true, true, u"ToolDateCountDown",
     u"Date CountDown", u"D", 0x6a1b9a, &N::submenuCountDate_Click, &keys::CountDownMenu},
    {K::Entry, "submenuCountFull", u"&Fullscreen CountDown", Qt::Key_F5, true, true,
     u"ToolFullScreenCountDown", u"Full Screen CountDown", u"F", 0x4527a0,
     &N::submenuCountFull_Click, &keys::CountDownMenu},
    {K::Separator, nullptr, nullptr, 0, false, true, nullptr, nullptr, nullptr, 0, nullptr,
     &keys::CountDownMenu},
    {K::Entry, "menucalendar", u"Calendar", 0, false, true, u"ToolCalendar", u"Calendar", u"31",
     0x1565c0, &N::menucalendar_Click, &keys::CalendarMenu},
    {K::Entry, "menuconvert", u"Conversion Tables", Qt::Key_F6, false, true,
     u"ToolConversionTables", u"Conversion Tables", u"\u21C4", 0x00838f, &N::menuconvert_Click,
     &keys::ConvertMenu},
    {K::Entry, "menureminders", u"Reminders", Qt::Key_F7, false, true, u"ToolReminders",
     u"Reminders", u"!", 0xef6c00, &N::menureminders_Click, &keys::RemindersMenu},
    {K::Entry, "menustartup", u"Startup List", Qt::Key_F8, false, true, u"ToolStartupList",
     u"Startup List", u"\u2261", 0x558b2f, &N::menustartup_Click, &keys::StartupMenu},
    {K::Entry, "menunote", u"Sticky Notes", Qt::Key_F9, false, true, u"ToolStickyNotes",
     u"Sticky Notes", u"\u270E", 0xf9a825, &N::menunote_Click, &keys::NotesMenu},
    {K::Separator, "sep1"},
    {K::OtherPrograms, "menuother", u"Other Programs"},
    {K::Separator, "sep3", nullptr, 0, false, true},
    {K::Entry, "menuoptions", u"Options", Qt::Key_F11, false, true, u"ToolOptions", u"Set Options",
     u"\u2699", 0x546e7a, &N::menuoptions_Click},
    {K::Entry, "menucontents", u"Help", Qt::Key_F1, false, true, u"ToolHelp", u"Help Using Nookery",
     u"?", 0x0277bd, &N::menucontents_Click},
    {K::Entry, "menuabout", u"About", 0, false, false, nullptr, nullptr, nullptr, 0,
     &N::menuabout_Click},
    {K::Separator, "sep4"},
    {K::Entry, "menuexit", u"Exit", Qt::Key_F12, false, true, u"ToolExit", u"Exit Nookery",
     u"\u00D7", 0x424242, &N::menuexit_Click},
};

} // namespace

std::span<const MenuRow> menuRows()
{
    return Rows;
}

} // namespace nookery

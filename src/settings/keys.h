#pragma once

#include "common/version.h"

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace nookery {

// How a key's text is read. Every value in the store is a string.
enum class Encoding {
    Text,      // stored as typed: paths, command lines, captions, messages
    Flag,      // "checked" / "unchecked"; anything but "checked" is off
    YesNo,     // "yes" / "no"; anything but "yes" is no
    Digit,     // "1" / "0"; anything but "1" is off
    DateOrder, // "dd/mm" puts the day first; anything else, the month
    Number,    // decimal text without sign or leading zeros
    Geometry,  // twips, as a single-precision number's text
    Colour,    // decimal 32-bit RGB, red in the low byte
    TimeOfDay, // hour text, ":", minute text
    Date,      // as the writing tool formats it
};

// What a reader does with an empty value.
enum class WhenEmpty {
    Nothing,  // empty means off, none or "keep the design value"
    Fallback, // the reader uses `fallback` and writes nothing
    Seed,     // the reader writes `fallback` back first, then uses it
};

// One key of the store. Indexed keys ("Program 3 label") carry "%1" in `name`.
struct Key
{
    QStringView section;
    QStringView name;
    Encoding encoding = Encoding::Text;
    WhenEmpty whenEmpty = WhenEmpty::Nothing;
    QStringView fallback = {};

    // The key's name for entry n of an indexed key; the plain name otherwise.
    QString nameAt(int n) const
    {
        return name.contains(u"%1") ? name.toString().arg(n) : name.toString();
    }
    QString sectionName() const { return section.toString(); }
    QString keyName() const { return name.toString(); }
};

namespace value {
inline constexpr QStringView Checked = u"checked";
inline constexpr QStringView Unchecked = u"unchecked";
inline constexpr QStringView Yes = u"yes";
inline constexpr QStringView No = u"no";
inline constexpr QStringView DayFirst = u"dd/mm";
inline constexpr QStringView MonthFirst = u"mm/dd";

// Whether a switch's stored text is on, as the key's encoding spells "on": "checked" for a
// Flag, "yes" for YesNo, "1" for Digit. An empty text reads as a Fallback key's fallback (a
// seeded key is seeded by SettingsStore::read, not here).
inline bool isOn(const Key &key, const QString &stored)
{
    const QString &v =
        stored.isEmpty() && key.whenEmpty == WhenEmpty::Fallback ? key.fallback.toString() : stored;
    switch (key.encoding) {
    case Encoding::Flag:
        return v == Checked;
    case Encoding::YesNo:
        return v == Yes;
    case Encoding::Digit:
        return v == u"1";
    default:
        Q_ASSERT_X(false, "value::isOn", "not a switch");
        return false;
    }
}
inline QString flag(bool on)
{
    return (on ? Checked : Unchecked).toString();
}
inline QString yesNo(bool on)
{
    return (on ? Yes : No).toString();
}
} // namespace value

namespace section {
inline constexpr QStringView OtherPrograms = u"Other Programs";
inline constexpr QStringView Calendar = u"Calendar";
inline constexpr QStringView ConversionTables = u"Conversion Tables";
inline constexpr QStringView CountDown = u"CountDown";
inline constexpr QStringView Reminders = u"Reminders";
inline constexpr QStringView StickyNote = u"Sticky Note";
} // namespace section

// Every key the suite reads or writes, by section.
namespace keys {
using E = Encoding;
using W = WhenEmpty;

// "Other Programs"
// Seeded with the start folder by the main window, so no fixed fallback.
inline constexpr Key Path{section::OtherPrograms, u"Path"};
inline constexpr Key RunFromTray{section::OtherPrograms, u"Run From Tray", E::Flag, W::Seed,
                                 u"checked"};
inline constexpr Key StartupMenu{section::OtherPrograms, u"Startup Menu", E::Flag};
inline constexpr Key ProgramLabel{section::OtherPrograms, u"Program %1 label"}; // 1..5
inline constexpr Key ProgramPath{section::OtherPrograms, u"Program %1 path"};   // 1..5
inline constexpr Key Version{section::OtherPrograms, u"Version", E::Text, W::Seed, SuiteVersion};
inline constexpr Key Ask42{section::OtherPrograms, u"Ask42", E::Flag};

// "Calendar"
inline constexpr Key CalendarMenu{section::Calendar, u"Menu", E::Flag};
inline constexpr Key CalendarFormat{section::Calendar, u"Calendar Format", E::DateOrder};
inline constexpr Key ShortDate{section::Calendar, u"Short Date", E::YesNo};
inline constexpr Key MediumDate{section::Calendar, u"Medium Date", E::YesNo};
// Never set means the long date: the options page seeds it when it first shows.
inline constexpr Key LongDate{section::Calendar, u"Long Date", E::YesNo, W::Fallback, u"yes"};
inline constexpr Key CopyDate{section::Calendar, u"Copy Date", E::YesNo};

// "Conversion Tables"
inline constexpr Key ConvertMenu{section::ConversionTables, u"Menu", E::Flag};
inline constexpr Key ConvertStartup{section::ConversionTables, u"Startup", E::Flag};

// "CountDown"
inline constexpr QStringView DefaultVisualText =
    u"Click on File, then Options to customize this message!";
inline constexpr Key CountDownMenu{section::CountDown, u"Menu", E::Flag};
inline constexpr Key CountDownStartup{section::CountDown, u"Startup", E::Flag};
inline constexpr Key CountDownMinutes{section::CountDown, u"CountDown %1 Minutes",
                                      E::Number}; // 1..2
inline constexpr Key CountDownSeconds{section::CountDown, u"CountDown %1 Seconds",
                                      E::Number}; // 1..2
inline constexpr Key FullScreenMinutes{section::CountDown, u"Full Screen Minutes", E::Number};
inline constexpr Key FullScreenSeconds{section::CountDown, u"Full Screen Seconds", E::Number};
inline constexpr Key FullScreenLargeFonts{section::CountDown, u"Full Screen Large Fonts", E::Digit};
inline constexpr Key Sound{section::CountDown, u"Sound %1", E::Text, W::Seed, u"Timer.wav"}; // 1..3
inline constexpr Key VisualText{section::CountDown, u"Visual Text %1", E::Text, W::Fallback,
                                DefaultVisualText};                                    // 1..3
inline constexpr Key DateCountDownText{section::CountDown, u"Date CountDown Text %1"}; // 1..10
inline constexpr Key DateCountDownDate{section::CountDown, u"Date CountDown Date %1", E::Date};
inline constexpr Key DateCountDownTime{section::CountDown, u"Date CountDown Time %1", E::TimeOfDay};

// "Reminders"
inline constexpr Key RemindersMenu{section::Reminders, u"Menu", E::Flag};
inline constexpr Key RemindersStartup{section::Reminders, u"Startup", E::Flag};
inline constexpr Key StartOnce{section::Reminders, u"Start Once", E::Flag};
inline constexpr Key DateCheck{section::Reminders, u"Date Check", E::Date};
inline constexpr Key Minimize{section::Reminders, u"Minimize", E::Flag};
inline constexpr Key CheckTime{section::Reminders, u"Check Time", E::Flag};
inline constexpr Key Time{section::Reminders, u"Time", E::TimeOfDay};
inline constexpr Key Hour{section::Reminders, u"Hour"};
inline constexpr Key Minute{section::Reminders, u"Minute"};
inline constexpr Key DaysChecked{section::Reminders, u"Days Checked", E::Number, W::Seed, u"6"};
inline constexpr Key RemindersHeight{section::Reminders, u"Height", E::Geometry};
inline constexpr Key RemindersWidth{section::Reminders, u"Width", E::Geometry};

// "Sticky Note"
inline constexpr Key NotesMenu{section::StickyNote, u"Menu", E::Flag};
inline constexpr Key NotesStartup{section::StickyNote, u"Startup", E::Flag};
inline constexpr Key Page{section::StickyNote, u"Page%1"}; // 1..10
inline constexpr Key NotesHeight{section::StickyNote, u"Height", E::Geometry};
inline constexpr Key NotesWidth{section::StickyNote, u"Width", E::Geometry};
inline constexpr Key NotesTop{section::StickyNote, u"Top", E::Geometry};
inline constexpr Key NotesLeft{section::StickyNote, u"Left", E::Geometry};
inline constexpr Key BackColor{section::StickyNote, u"BackColor", E::Colour};
inline constexpr Key OldTab{section::StickyNote, u"tab%1"}; // 1..10, older layout only
} // namespace keys

} // namespace nookery

#pragma once

#include <QObject>
#include <QVariant>

// Help topic numbers. Every window, menu entry and button that offers help names its topic
// here, so the help document and the code agree on one table.
namespace nookery::helpcontext {

inline constexpr int UpdateOlder = 199;
inline constexpr int Contents = 200;      // main window "Help", every "Help Topics", the about box
inline constexpr int OtherPrograms = 201; // calculator, screen saver and the user's programs
inline constexpr int Options = 202;
inline constexpr int Calendar = 210;
inline constexpr int CalendarCopyDate = 211;
inline constexpr int CalendarChangeDate = 212;
inline constexpr int Convert = 220;
inline constexpr int CountUp = 229;
inline constexpr int CountDown = 230;
inline constexpr int CountFull = 236;
inline constexpr int CountDate = 237;
inline constexpr int Reminders = 240;
inline constexpr int StartupList = 245;
inline constexpr int StickyNotes = 260;
inline constexpr int StickyNotesFind = 265;
inline constexpr int About = 272;

// Every number above, in the order the contents list them.
inline constexpr int All[] = {
    Contents,           UpdateOlder, OtherPrograms, Options,         Calendar,  CalendarCopyDate,
    CalendarChangeDate, Convert,     CountUp,       CountDown,       CountFull, CountDate,
    Reminders,          StartupList, StickyNotes,   StickyNotesFind, About};

// The property a window, control or action carries its topic number in; F1 looks it up.
inline constexpr char Property[] = "nookeryHelpContext";

inline void set(QObject *object, int contextNumber)
{
    object->setProperty(Property, contextNumber);
}

// The object's own topic number, or 0.
inline int of(const QObject *object)
{
    return object ? object->property(Property).toInt() : 0;
}

} // namespace nookery::helpcontext

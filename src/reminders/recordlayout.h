#pragma once

// Where the fields of a reminder record lie, in the current file and in the older one. Both
// are fixed-length, blank-padded, one byte per character (Windows-1252), no header.
namespace nookery::reminderlayout {

struct Field
{
    int offset;
    int width;
};

// "reminder.dat" as this version writes it: 70 bytes a record.
namespace current {
inline constexpr int RecordLength = 70;
inline constexpr Field Text{0, 55};
inline constexpr Field Reserved{55, 3};
inline constexpr Field ShowYears{58, 1};
inline constexpr Field Frequency{59, 1};
inline constexpr Field Date{60, 10};
} // namespace current

// The older version's file, read only by the data upgrade: 54 bytes a record.
namespace older {
inline constexpr int RecordLength = 54;
inline constexpr Field Text{0, 44};
inline constexpr Field ShowYears{44, 1};
inline constexpr Field Frequency{45, 1};
inline constexpr Field Date{46, 8};
} // namespace older

} // namespace nookery::reminderlayout

#pragma once

#include "upgrade/olderdata.h"

namespace nookery {

// Note files as the sticky notes window reads and writes them: RTF.
class RtfNoteFiles final : public NoteFiles
{
public:
    Content read(const QString &path) override;
    void writePlain(const QString &path, const QString &text) override;
};

} // namespace nookery

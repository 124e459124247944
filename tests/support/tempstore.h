#pragma once

#include "settings/settingsstore.h"

#include <QTemporaryDir>
#include <memory>

namespace nookery::test {

// A settings store in a fresh temporary folder; the user's real store is never touched.
class TempStore
{
public:
    TempStore() : m_store(std::make_unique<SettingsStore>(path())) {}
    SettingsStore &store() { return *m_store; }
    QString path() const { return m_dir.path() + QStringLiteral("/cfg/Nookery.ini"); }
    QString folder() const { return m_dir.path(); }
    // A second store over the same file, as another process would open it.
    std::unique_ptr<SettingsStore> reopen() const
    {
        return std::make_unique<SettingsStore>(path());
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SettingsStore> m_store;
};

} // namespace nookery::test

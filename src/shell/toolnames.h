#pragma once

#include <QStringList>
#include <QStringView>

namespace nookery {

class Suite;

// The names `nookery --open` takes, in menu order.
QStringList toolNames();
// Opens what `name` names in `suite`: the tool of the row of that name, or for "help" the help
// document's contents. False for a name that names nothing.
bool openByName(Suite &suite, QStringView name);

} // namespace nookery

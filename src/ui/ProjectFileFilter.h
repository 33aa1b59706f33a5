#pragma once

#include <QString>

namespace wexa::ui {

// What a project file name gets when it is typed without an extension.
inline QString ProjectFileSuffix() {
    return QStringLiteral("wxa");
}

// The type list of the project file dialogs. "All Files" matches every name:
// the "*.*" of other platforms would leave out names without a dot here.
inline QString ProjectFileFilter() {
    return QStringLiteral("Wexa Files (*.wxa);;All Files (*)");
}

} // namespace wexa::ui

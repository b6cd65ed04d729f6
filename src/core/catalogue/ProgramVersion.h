#pragma once

#include <QString>

// The version shown in the window caption, the About box and the report footer.
inline const QString ProgramVersion = QStringLiteral("1.1.2");

// The program's version information: what a Windows build keeps in its
// version resource, read back at start for the About box.
#pragma once

#include <QString>
#include <optional>

// A string entry of the version information ("FileVersion", "ProductName"...),
// or nothing when the program carries no such entry.
std::optional<QString> ReadVersionString(const QString& key);

// The version shown: the string trimmed of blanks and control characters when
// more than one character remains, otherwise "1.1".
QString VersionTextFrom(const std::optional<QString>& fileVersion);

#include "Version.h"

#include "BuildInfo.h"

std::optional<QString> ReadVersionString(const QString& key) {
    using namespace ferrino::build;
    if (key == QLatin1String("FileVersion")) return QString::fromLatin1(kFileVersion);
    if (key == QLatin1String("ProductVersion")) return QString::fromLatin1(kProductVersion);
    if (key == QLatin1String("FileDescription") || key == QLatin1String("Comments"))
        return QString::fromUtf8(kFileDescription);
    if (key == QLatin1String("InternalName")) return QString::fromLatin1(kInternalName);
    if (key == QLatin1String("ProductName") || key == QLatin1String("OriginalFilename"))
        return QString::fromLatin1(kProductName);
    return std::nullopt;
}

QString VersionTextFrom(const std::optional<QString>& fileVersion) {
    const QString fallback = QStringLiteral("1.1");
    if (!fileVersion) return fallback;
    const QString& text = *fileVersion;
    const auto blankOrControl = [](QChar c) { return c.unicode() <= 0x20 || c.unicode() == 0x7F; };
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && blankOrControl(text[first])) ++first;
    while (last > first && blankOrControl(text[last - 1])) --last;
    const QString trimmed = text.mid(first, last - first);
    return trimmed.size() > 1 ? trimmed : fallback;
}

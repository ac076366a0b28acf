#pragma once
// The manifest: every image name the module and the control library load,
// written as they name them (backslash separators), in two sections: names
// below the image root ([Skin]) and names in the product folder ([Product]).
#include <QString>
#include <QStringList>

namespace skin {

struct Manifest {
    QStringList skin;
    QStringList product;
};

// Reads a manifest file; blank lines and lines starting with '#' are skipped.
// Answers false with a message for an unreadable file, a name outside a
// section, an unknown section or a name listed twice.
bool ReadManifest(const QString& path, Manifest& out, QString& error);
bool ParseManifest(const QString& text, Manifest& out, QString& error);

// "Monitor\PortFrame\Normal.png" -> "Monitor/PortFrame/Normal.png".
QString FilePathOf(const QString& name);

} // namespace skin

// The program's version information. A Linux program file carries no
// version resource, so the values are compiled in and play its role.
#pragma once

#include <QString>

#include <optional>

namespace brenmoor {

struct VersionResource {
    QString productName;
    QString fileDescription;
    QString fileVersion;
    QString legalCopyright;
};

VersionResource ProgramVersionResource();

}  // namespace brenmoor

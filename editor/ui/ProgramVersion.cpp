#include "editor/ui/ProgramVersion.h"

#include "editor/ui/Messages.h"

#ifndef BRENMOOR_VERSION
#error "BRENMOOR_VERSION must give the program's version"
#endif

namespace brenmoor {

VersionResource ProgramVersionResource() {
    return {QString::fromLatin1(kProductName), QStringLiteral("Halvard CANopen EDS Editor"),
            QStringLiteral(BRENMOOR_VERSION), QStringLiteral("Copyright \u00A9 2026 Corvane")};
}

}  // namespace brenmoor

// The editor's per-user settings store: the recent-file list and the
// window's layout.
#pragma once

#include <QSettings>

#include "editor/ui/Messages.h"

namespace brenmoor {

inline constexpr char kSettingsOrganisation[] = "Corvane";

class CSettingsStore : public QSettings {
public:
    CSettingsStore() : QSettings(QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kProductName)) {}
};

}  // namespace brenmoor

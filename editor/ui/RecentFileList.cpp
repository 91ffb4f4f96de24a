#include "editor/ui/RecentFileList.h"

#include "editor/document/PathShortening.h"

namespace brenmoor {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString ValueName(int number) { return QStringLiteral("File%1").arg(number); }

}  // namespace

void CRecentFileList::Add(const QString& path) {
    while (entries_.size() >= kMaxEntries) entries_.removeFirst();
    entries_.append(path);
}

void CRecentFileList::RemoveAt(int position) {
    if (position >= 0 && position < entries_.size()) entries_.removeAt(position);
}

std::optional<QString> CRecentFileList::At(int position) const {
    if (position < 0 || position >= entries_.size()) return std::nullopt;
    return entries_.at(position);
}

void CRecentFileList::Read(QSettings& settings) {
    entries_.clear();
    settings.beginGroup(kGroup);
    for (int number = 1; number <= kMaxEntries; ++number) {
        const QString path = settings.value(ValueName(number)).toString();
        if (!path.isEmpty()) entries_.append(path);
    }
    settings.endGroup();
}

void CRecentFileList::Write(QSettings& settings) const {
    settings.remove(kGroup);
    settings.beginGroup(kGroup);
    for (int position = 0; position < entries_.size(); ++position)
        settings.setValue(ValueName(position + 1), entries_.at(position));
    settings.endGroup();
    settings.sync();
}

QString CRecentFileList::Caption(int number, const QString& path) {
    const std::string shortened = ShortenPath(path.toStdString(), kShownWidth);
    QString shown = QString::fromStdString(shortened);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1  %2").arg(number).arg(shown);
}

}  // namespace brenmoor

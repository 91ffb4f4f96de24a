// The four files opened or saved last, oldest first, kept in the settings
// store as the values "File1" (oldest) to "File4" of the group
// "Recent File List".
#pragma once

#include <QSettings>
#include <QString>
#include <QStringList>

#include <optional>

namespace brenmoor {

class CRecentFileList {
public:
    static constexpr int kMaxEntries = 4;
    // Paths longer than this are shortened in the menu.
    static constexpr int kShownWidth = 48;

    const QStringList& Entries() const { return entries_; }
    // Exact, case-sensitive comparison.
    bool Contains(const QString& path) const { return entries_.contains(path, Qt::CaseSensitive); }
    // Appends the path, dropping the oldest entry when the list is full.
    void Add(const QString& path);
    void RemoveAt(int position);
    std::optional<QString> At(int position) const;

    // Reads the values numbered 1 to 4, skipping empty and missing ones.
    void Read(QSettings& settings);
    // Replaces the group by the entries, numbered from 1 in list order.
    void Write(QSettings& settings) const;

    // The menu caption of the entry shown as number (1 for the newest):
    // "&<number>  <path shortened to 48 characters>", with a '&' of the
    // path doubled so that it is shown rather than taken as an access key.
    static QString Caption(int number, const QString& path);

private:
    QStringList entries_;
};

}  // namespace brenmoor

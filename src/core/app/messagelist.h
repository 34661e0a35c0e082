#pragma once

#include <QString>
#include <QStringList>

namespace vendrilo {

// The numbered texts the program shows outside captions and hints (titles, status texts,
// questions). A language file replaces the whole list; a line it lacks reads as empty text.
class MessageList {
public:
    static constexpr int kDefaultCount = 56;

    MessageList();

    static const QStringList& defaults();

    // Line n, or empty text when the list has no such line.
    QString line(int n) const;
    int count() const { return static_cast<int>(m_lines.size()); }
    void replaceAll(const QStringList& lines) { m_lines = lines; }
    void restoreDefaults() { m_lines = defaults(); }

private:
    QStringList m_lines;
};

} // namespace vendrilo

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/draws/drawedits.h"
#include "server/serveroptions.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace vendrilo::server {

// Keeps one game's draw file current from a published source: polls it at start and then every
// --poll minutes (with a random spread of a tenth, so that many services do not knock at the same
// second), takes its draws through the import's checks and writes new ones with the atomic
// writer. A source that shrinks (fewer draws than at the last poll), changes a stored draw or
// holds anything that is no draw changes nothing. Each poll writes one line to stdout.
class SourcePoller : public QObject {
    Q_OBJECT
public:
    SourcePoller(const SourceOption& source, QString drawPath, const ServerOptions& options,
                 QObject* parent = nullptr);

    void start();

    // What one poll did with a source's text, for its log line.
    struct Outcome {
        bool changed = false;
        QString text;
        std::optional<int> draws; // the draws the source held when it was taken
    };
    static Outcome merge(const QByteArray& text, const QString& drawPath, DrawDays days,
                         std::optional<int> drawsBefore);

private:
    void poll();
    void scheduleNext();
    QString where() const;

    SourceOption m_source;
    QString m_drawPath;
    const ServerOptions& m_options;
    QTimer m_timer;
    std::optional<int> m_drawsBefore; // the draws of the last list taken
};

} // namespace vendrilo::server

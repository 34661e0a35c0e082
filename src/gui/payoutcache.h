// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/money/payouttable.h"

#include <QDateTime>
#include <QString>

#include <optional>

namespace vendrilo::gui {

// The program folder's payout table for the window, read again only when its file changed (the
// update adds payouts while the window runs).
class PayoutCache {
public:
    // The table; an empty one when the file cannot be read, with the reason in `problem` the
    // first time it is met.
    const PayoutTable& table(const QString& folder, std::optional<QString>* problem = nullptr);

private:
    struct Stamp {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    std::optional<Stamp> m_stamp;
    PayoutTable m_table;
};

} // namespace vendrilo::gui

// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/program/settingsstore.h"

#include "core/io/iniguard.h"
#include "core/texts/textlist.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <optional>

namespace vendrilo {

namespace {

std::optional<int> readInt(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Bool: {
        bool ok = false;
        const qlonglong n = v.toLongLong(&ok);
        if (!ok || n < INT32_MIN || n > INT32_MAX)
            return std::nullopt;
        return static_cast<int>(n);
    }
    case QMetaType::QString: // INI files give every number back as text
        return parseInteger(v.toString());
    default:
        return std::nullopt;
    }
}

std::optional<double> readDate(const QVariant& v)
{
    if (v.typeId() != QMetaType::QByteArray || v.toByteArray().size() != 8)
        return std::nullopt;
    const QByteArray bytes = v.toByteArray();
    const double day = qFromLittleEndian<double>(bytes.constData());
    return isCalendarDay(day) ? std::optional<double>(day) : std::nullopt;
}

// The value as its type, or nothing when the store holds something else under the name.
std::optional<QVariant> readAs(StoredType type, const QVariant& v)
{
    switch (type) {
    case StoredType::Bool:
        if (const auto n = readInt(v))
            return QVariant(*n != 0);
        return std::nullopt;
    case StoredType::Int:
        if (const auto n = readInt(v))
            return QVariant(*n);
        return std::nullopt;
    case StoredType::String:
        if (v.typeId() == QMetaType::QString)
            return v;
        return std::nullopt;
    case StoredType::Date:
        if (const auto d = readDate(v))
            return QVariant(*d);
        return std::nullopt;
    }
    return std::nullopt;
}

QVariant toStored(StoredType type, const QVariant& v)
{
    switch (type) {
    case StoredType::Bool:
        return v.toBool() ? 1 : 0;
    case StoredType::Date: {
        QByteArray bytes(8, '\0');
        qToLittleEndian<double>(v.toDouble(), bytes.data());
        return bytes;
    }
    default:
        return v;
    }
}

// Makes the store durable; the INI file is replaced by a rename.
Status syncSettings(QSettings& store)
{
    store.sync();
    // A format error only tells that the file read at the start was damaged; it is clean now.
    if (store.status() == QSettings::AccessError)
        return Error{fillIn(text(Text::SettingsNotSaved), {store.fileName()}),
                     ErrorKind::Unwritable};
    return {};
}

} // namespace

namespace {

// The INI files QSettings reads for the store: the given one, or the user's own and the
// organisation's shared one (the files under /etc belong to the administrator).
QStringList settingsFiles(const QString& iniPath)
{
    if (!iniPath.isEmpty())
        return {iniPath};
#ifdef Q_OS_WIN
    return {};
#else
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return {folder + QStringLiteral("/Quirlend/Pelvano.conf"),
            folder + QStringLiteral("/Quirlend.conf")};
#endif
}

} // namespace

std::unique_ptr<QSettings> openSettings(const QString& iniPath, QString* notice)
{
    QStringList notices;
    bool safe = true;
    for (const QString& file : settingsFiles(iniPath)) {
        removeStaleSettingsTemporaries(file);
        const Result<QString> made = makeSettingsFileSafe(file);
        if (!made)
            safe = false;
        const QString text = made ? *made : made.error();
        if (!text.isEmpty())
            notices << text;
    }
    if (!safe)
        notices << text(Text::SettingsNotUsed);
    if (notice)
        *notice = notices.join(QLatin1Char(' '));
    if (!safe)
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    if (!iniPath.isEmpty())
        return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
    return std::make_unique<QSettings>(QStringLiteral("Quirlend"), QStringLiteral("Pelvano"));
}

RestoreOutcome restoreSettings(const QSettings& store, ProgramState& state, WindowSize& window)
{
    RestoreOutcome outcome;
    char skipping = 0;
    for (const StoredSetting& s : storedSettings()) {
        if (outcome.aborted || (s.group != 0 && s.group == skipping)) {
            if (!s.rule && store.contains(s.name))
                outcome.unread[s.name] = {store.value(s.name), s.get(state, window)};
            continue;
        }
        if (s.rule) {
            s.rule(state);
            continue;
        }
        if (!store.contains(s.name))
            continue;
        const QVariant stored = store.value(s.name);
        if (const auto value = readAs(s.type, stored)) {
            s.set(state, window, *value);
        } else if (s.onReadError) {
            s.onReadError(state, stored);
        } else if (s.group != 0) {
            skipping = s.group;
            outcome.skippedGroups << QString(QLatin1Char(s.group));
        } else {
            outcome.aborted = true;
            outcome.message =
                fillIn(text(Text::SettingUnreadable), {s.name});
        }
    }
    return outcome;
}

Status saveSettings(QSettings& store, const ProgramState& state, const WindowSize& window,
                    const UnreadSettings& unread)
{
    std::vector<const StoredSetting*> order;
    for (const StoredSetting& s : storedSettings())
        if (!s.rule)
            order.push_back(&s);
    std::stable_sort(
        order.begin(), order.end(),
        [](const StoredSetting* a, const StoredSetting* b) { return a->saveStep < b->saveStep; });
    // Written afresh: a damaged store leaves no debris behind, keys of its own included.
    const QVariant keptHeight = store.value(QStringLiteral("height"));
    const QVariant keptWidth = store.value(QStringLiteral("width"));
    store.clear();
    if (!window.normal) {
        if (keptHeight.isValid())
            store.setValue(QStringLiteral("height"), keptHeight);
        if (keptWidth.isValid())
            store.setValue(QStringLiteral("width"), keptWidth);
    }
    for (const StoredSetting* s : order) {
        const QVariant value = s->get(state, window);
        const auto kept = unread.find(s->name);
        if (kept != unread.end() && kept->second.startedWith == value)
            store.setValue(s->name, kept->second.stored);
        else if (value.isValid())
            store.setValue(s->name, toStored(s->type, value));
    }
    return syncSettings(store);
}

Status saveSheetSettings(QSettings& store, const ProgramState& state)
{
    const WindowSize unused;
    for (const StoredSetting& s : storedSettings())
        if (s.sheet)
            store.setValue(s.name, toStored(s.type, s.get(state, unused)));
    return syncSettings(store);
}

void settleRestoredSettings(ProgramState& state, double today)
{
    state.statisticsStart.setDate(resetRecentStatisticsStart(state.statisticsStart.date(), today));
    if (state.internet.proxyHost.isEmpty())
        state.internet.proxyPort = QStringLiteral("80");
}

} // namespace vendrilo

// SPDX-License-Identifier: GPL-3.0-or-later
// Every reader of a file the user chooses or keeps refuses what is no regular file (a FIFO
// would block it for ever, /dev/zero never ends) and what is beyond its size bound, with a
// message that names the file: never a hang, never an exhausted memory.
#include "core/texts/textlist.h"
#include "core/draws/drawfile.h"
#include "core/generator/weightlist.h"
#include "core/io/atomicfile.h"
#include "core/io/iniguard.h"
#include "core/program/historyactions.h"
#include "core/texts/languagefiles.h"
#include "core/tipfiles/tipfile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>

#include <sys/stat.h>

using namespace vendrilo;

namespace {

// A reader given a path: the message it reports, empty when it read the file.
using Reader = std::function<QString(const QString& path)>;

template <typename R> QString messageOf(const R& result)
{
    return result.ok() ? QString() : result.error();
}

struct NamedReader {
    const char* name;
    Reader read;
    qint64 beyondBound; // a size the reader refuses (0: it reads only the first lines)
};

std::vector<NamedReader> readers(const QTemporaryDir& dir)
{
    const QString drawFile =
        test::writeDrawFile(dir, {test::draw("20.08.2026", {1, 2, 3, 4, 5, 6})});
    return {
        {"draw file", [](const QString& p) { return messageOf(drawfile::read(p)); },
         drawfile::kMaxFileSize + 32},
        {"tip file",
         [](const QString& p) {
             TipSheet sheet;
             QString ticket;
             return messageOf(readTipFile(p, sheet, ticket));
         },
         0},
        {"weight list",
         [](const QString& p) {
             WeightList list;
             return messageOf(loadWeightList(list, p));
         },
         0},
        {"language file", [](const QString& p) { return messageOf(readLanguageFile(p)); },
         (qint64(4) << 20) + 1},
        {"import file",
         [drawFile](const QString& p) {
             ProgramState state;
             state.programFolder = QFileInfo(drawFile).absolutePath() + '/';
             return messageOf(importDrawsFrom(state, p, test::day("20.08.2026")));
         },
         kMaxImportFileSize + 1},
    };
}

// Runs the reader, and fails the whole test program if it does not come back: a blocked
// reader cannot be stopped from here.
QString readPromptly(const NamedReader& reader, const QString& path)
{
    auto result = std::async(std::launch::async, reader.read, path);
    if (result.wait_for(std::chrono::seconds(20)) != std::future_status::ready) {
        ADD_FAILURE() << reader.name << " blocked on " << path.toStdString();
        std::_Exit(1);
    }
    return result.get();
}

} // namespace

TEST(BoundedReaders, NoRegularFileAndTooLargeFilesAreRefusedWithTheirName)
{
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString linkToZero = dir.filePath("zero-link");
    ASSERT_TRUE(QFile::link("/dev/zero", linkToZero));
    const QString folder = dir.filePath("folder");
    QDir().mkpath(folder);
    for (const NamedReader& reader : readers(dir)) {
        for (const QString& path : {fifo, QStringLiteral("/dev/zero"), linkToZero, folder}) {
            const QString message = readPromptly(reader, path);
            EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path)))
                << reader.name << " on " << path.toStdString() << ": " << message.toStdString();
            EXPECT_TRUE(message.contains(
                fillIn(text(Text::FileNotRegular), {QDir::toNativeSeparators(path)})))
                << message.toStdString();
        }
        if (reader.beyondBound == 0)
            continue;
        // A sparse file: large, but no disk space and no time to write.
        const QString large = dir.filePath("large");
        QFile f(large);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.resize(reader.beyondBound));
        f.close();
        const QString message = readPromptly(reader, large);
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(large)) && message.contains("MB"))
            << reader.name << ": " << message.toStdString();
        QFile::remove(large);
    }
}

TEST(BoundedReaders, ASettingsFileThatIsNoneOrTooLargeIsSetAsideAndTheUserTold)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Pelvano.conf");
    const std::vector<std::pair<const char*, std::function<bool()>>> cases = {
        {"a FIFO", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"a link to /dev/zero", [&] { return QFile::link("/dev/zero", path); }},
        {"a folder", [&] { return QDir().mkpath(path); }},
        {"2 MB of settings",
         [&] {
             QFile f(path);
             return f.open(QIODevice::WriteOnly) && f.write(QByteArray(2 << 20, 'a')) == 2 << 20;
         }},
    };
    int backups = 0;
    for (const auto& [what, make] : cases) {
        ASSERT_TRUE(make()) << what;
        const auto made = makeSettingsFileSafe(path);
        ASSERT_TRUE(made.ok()) << what << ": " << made.error().toStdString();
        EXPECT_TRUE(made->contains("Grundeinstellungen")) << what << ": " << made->toStdString();
        EXPECT_FALSE(QFileInfo::exists(path) || QFileInfo(path).isSymLink()) << what;
        ++backups;
        EXPECT_EQ(QDir(dir.path())
                      .entryList({"Pelvano.conf*.bak"}, QDir::AllEntries | QDir::System)
                      .size(),
                  backups)
            << what << ": the old file is kept aside, not lost";
    }
    // A settings file of the usual size is read as ever.
    test::writeBytes(path, "[General]\nSprache=2\n");
    EXPECT_EQ(*makeSettingsFileSafe(path), QString());
}

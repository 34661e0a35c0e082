// SPDX-License-Identifier: GPL-3.0-or-later
// vendrilo-server: the draw-update and portal-template service the program talks to, answered
// from a draw file. Anyone can run it for the program: a club, a household, the tests.
#include "server/drawserver.h"
#include "server/drawsource.h"
#include "server/serveroptions.h"
#include "server/sourcepoller.h"

#include "core/draws/drawfile.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include <cstdio>

namespace {

using vendrilo::Game;
using vendrilo::Status;
namespace drawfile = vendrilo::drawfile;

void printLine(std::FILE* stream, const QString& line)
{
    // One message, one line: a line break inside (say, in a file name) must not start another.
    const QByteArray bytes = line.simplified().toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

int fail(const QString& message)
{
    printLine(stderr, QStringLiteral("vendrilo-server: ") + message);
    return 2;
}

// The server reports each problem in its own words, one line each; Qt's diagnostics would add
// lines of their own. A fatal message still ends the process, with one line.
void keepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        printLine(stderr, QStringLiteral("vendrilo-server: ") + message);
}

// A game with a source may start from no file at all: its first poll fills it.
Status prepareDrawFile(const QString& path, bool hasSource)
{
    if (hasSource && !QFileInfo::exists(path))
        return drawfile::createEmpty(path);
    return {};
}

} // namespace

int main(int argc, char** argv)
{
    using namespace vendrilo::server;
    qInstallMessageHandler(keepQtQuiet);
    QCoreApplication app(argc, argv);
    const auto options = parseArguments(app.arguments().mid(1));
    if (!options)
        return fail(options.error());
    if (options->help) {
        std::fputs(usageText().toUtf8().constData(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    const auto sourceOf = [&](Game game) {
        return std::any_of(options->sources.begin(), options->sources.end(),
                           [game](const SourceOption& s) { return s.game == game; });
    };
    for (const auto& [path, game] : {std::pair{options->drawsPath, Game::Lotto},
                                     std::pair{options->plusDrawsPath, Game::Plus}})
        if (const Status prepared = prepareDrawFile(path, !path.isEmpty() && sourceOf(game));
            !prepared)
            return fail(prepared.error());
    DrawSource draws(options->drawsPath);
    if (const auto loaded = draws.load(); !loaded)
        return fail(loaded.error());
    std::optional<DrawSource> plusDraws;
    if (!options->plusDrawsPath.isEmpty()) {
        plusDraws.emplace(options->plusDrawsPath);
        if (const auto loaded = plusDraws->load(); !loaded)
            return fail(loaded.error());
    }
    DrawServer server(*options, draws, plusDraws ? &*plusDraws : nullptr);
    if (const auto listening = server.listen(); !listening)
        return fail(listening.error());
    // A script reads the port from this first line.
    printLine(stdout, QStringLiteral("listening on ") + server.url());
    std::vector<std::unique_ptr<SourcePoller>> pollers;
    for (const SourceOption& source : options->sources) {
        const QString& path =
            source.game == Game::Plus ? options->plusDrawsPath : options->drawsPath;
        pollers.push_back(std::make_unique<SourcePoller>(source, path, *options));
        pollers.back()->start();
    }
    return QCoreApplication::exec();
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/qttranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstdio>

namespace vendrilo::gui {

bool installQtTranslations(const QLocale& language)
{
    static QTranslator* installed = nullptr;
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
        installed = nullptr;
    }
    auto* translator = new QTranslator;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(language, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    installed = translator;
    return true;
}

void reportMissingQtTranslations(const QLocale& language)
{
    if (installQtTranslations(language) || language.language() == QLocale::English)
        return;
    std::fprintf(stderr,
                 "vendrilo: Qt's own texts for \"%s\" are not installed (Debian: "
                 "qt6-translations-l10n); standard buttons and dialogs stay in English\n",
                 qPrintable(language.name()));
}

} // namespace vendrilo::gui

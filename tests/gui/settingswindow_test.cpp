// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/draws/drawfile.h"
#include "guitestsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QProcess>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vendrilo;

namespace {

QStringList rows(gui::MainWindow& w)
{
    QStringList list;
    for (int r = 1; r <= 12; ++r) {
        QStringList fields;
        for (int p = 1; p <= 6; ++p)
            fields << w.sheetField(r, p)->text();
        list << fields.join(',');
    }
    return list;
}

// A settings file that outlives the windows started on it.
struct SettingsFile {
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Pelvano.conf"));
    QString tips(const QByteArray& content)
    {
        const QString file = dir.filePath(QStringLiteral("import.txt"));
        test::writeBytes(file, content);
        return file;
    }
};

void closeAndSettle(test::StartedWindow& win)
{
    win.w->close();
    QApplication::processEvents();
}

} // namespace

TEST(SettingsWindow, WhatTheUserChangedIsThereAfterARestart)
{
    SettingsFile settings;
    {
        test::StartedWindow win({}, settings.path);
        win.w->show();
        // Every option control away from its default (both draw-day boxes off would come back
        // on, so those two stay; the ones without a widget are covered by the core's tests).
        for (const OptionSpec& o : optionTable()) {
            if (auto* box = win.child<QCheckBox>(o.name); box && o.id != Option::WeekendDraws)
                box->setChecked(!box->isChecked());
            else if (auto* spin = win.child<QSpinBox>(o.name))
                spin->setValue(spin->value() == spin->minimum() ? spin->value() + 1
                                                                : spin->value() - 1);
        }
        win.option<QSpinBox>(Option::RunBudgetThousands)->setValue(120);
        for (int r = 1; r <= 12; ++r)
            for (int p = 1; p <= 6; ++p)
                win.w->sheetField(r, p)->setText(QString::number((r * 6 + p) % 49 + 1));
        win.child<QLineEdit>("ProxyHostEdit")->setText("127.0.0.2");
        win.child<QLineEdit>("ProxyPortEdit")->setText("3128");
        win.control<QLineEdit>(gui::Control::RowPrice)->setText("0,80");
        win.control<QCheckBox>(gui::Control::LinkPage)->setChecked(true);
        win.child<QLineEdit>("ServerEdit")->setText("http://127.0.0.1:9");
        Q_EMIT win.child<QLineEdit>("ServerEdit")->editingFinished();
        win.control<QDateEdit>(gui::Control::StatisticsStart)->setDate(QDate(2001, 2, 3));
        win.w->resize(780, 640);
        closeAndSettle(win);
    }
    // Read back as another program would: the names and types of the store.
    const QSettings raw(settings.path, QSettings::IniFormat);
    EXPECT_EQ(raw.value("Chekcbox19").toString(), "1");
    EXPECT_EQ(raw.value("Chekcbox14").toString(), "0");
    EXPECT_EQ(raw.value("UpDown7").toString(), "120");
    EXPECT_EQ(raw.value("Edit14").toString(), "21"); // row 3, position 2
    EXPECT_EQ(raw.value("Browser").toString(), "1");
    EXPECT_EQ(raw.value("height").toString(), "640");
    EXPECT_EQ(raw.value("DateTimePicker2").toByteArray().size(), 8);

    test::StartedWindow again({}, settings.path);
    for (const OptionSpec& o : optionTable()) {
        if (auto* box = again.child<QCheckBox>(o.name)) {
            EXPECT_EQ(box->isChecked(), (o.defaultValue == 0) != (o.id == Option::WeekendDraws))
                << o.name.toStdString();
        } else if (auto* spin = again.child<QSpinBox>(o.name)) {
            EXPECT_NE(spin->value(), o.defaultValue) << o.name.toStdString();
        }
    }
    // Each row ascending, so that the start-up's evaluation leaves it as it was.
    for (int r = 1; r <= 12; ++r)
        for (int p = 1; p <= 6; ++p)
            EXPECT_EQ(again.w->sheetField(r, p)->text(), QString::number((r * 6 + p) % 49 + 1))
                << r << "/" << p;
    EXPECT_TRUE(again.option<QCheckBox>(Option::NeighboursOfLastDraw)->isChecked());
    EXPECT_FALSE(again.option<QCheckBox>(Option::RareNumbers)->isChecked());
    EXPECT_EQ(again.option<QSpinBox>(Option::RunBudgetThousands)->value(), 120);
    EXPECT_EQ(again.state().options.value(Option::RunBudgetThousands) * 1000, 120000);
    EXPECT_EQ(again.option<QSpinBox>(Option::RowCount)->value(), 11);
    EXPECT_EQ(again.child<QLineEdit>("ProxyHostEdit")->text(), "127.0.0.2");
    EXPECT_EQ(again.child<QLineEdit>("ProxyPortEdit")->text(), "3128");
    EXPECT_EQ(again.control<QLineEdit>(gui::Control::RowPrice)->text(), "0,80");
    EXPECT_TRUE(again.control<QCheckBox>(gui::Control::LinkPage)->isChecked());
    EXPECT_EQ(again.child<QLineEdit>("ServerEdit")->text(), "http://127.0.0.1:9");
    EXPECT_EQ(again.control<QDateEdit>(gui::Control::StatisticsStart)->date(), QDate(2001, 2, 3));
    EXPECT_EQ(again.w->height(), 640);
}

TEST(SettingsWindow, BatchImportStoresTheTipsAndCloses)
{
    SettingsFile settings;
    {
        QSettings raw(settings.path, QSettings::IniFormat);
        raw.setValue("Losnummer", "alte Nummer");
        raw.setValue("Edit73", "9"); // row 12
    }
    const QString three =
        settings.tips("1,2,3,4,5,6\r\n7,8,9,10,11,12:Bemerkung\r\n13,14,15,16,17,18\r\n");
    {
        test::StartedWindow batch({}, settings.path, {"D", three});
        QApplication::processEvents(); // the window closes from the event loop
        EXPECT_FALSE(batch.w->batchImportFailed());
        EXPECT_TRUE(batch.prompts->messages.isEmpty())
            << batch.prompts->messages.join('\n').toStdString();
    }
    test::StartedWindow next({}, settings.path);
    const QStringList shown = rows(*next.w);
    EXPECT_EQ(shown.mid(0, 3), (QStringList{"1,2,3,4,5,6", "7,8,9,10,11,12", "13,14,15,16,17,18"}));
    for (int r = 4; r <= 12; ++r)
        EXPECT_EQ(shown[r - 1], ",,,,,") << r;
    EXPECT_EQ(next.state().ticketNumber, "") << "a file without one leaves no ticket number";

    // A thirteenth line is the ticket number.
    const QString thirteen = settings.tips(QByteArray("1,2,3,4,5,6\n").repeated(12) + "4711\n");
    {
        test::StartedWindow batch({}, settings.path, {"D", thirteen});
        QApplication::processEvents();
    }
    EXPECT_EQ(test::StartedWindow({}, settings.path).state().ticketNumber, "4711");
}

TEST(SettingsWindow, OnlyAnExactDWithAReadableFileImports)
{
    SettingsFile settings;
    const QString file = settings.tips("1,2,3,4,5,6\n");
    for (const QStringList& arguments :
         {QStringList{"d", file}, QStringList{"-D", file}, QStringList{"D"},
          QStringList{"D", settings.dir.filePath("missing.txt")}}) {
        QFile::remove(settings.path);
        test::StartedWindow win({}, settings.path, arguments);
        win.w->sheetField(1, 1)->setText("9"); // an edit the import would have replaced
        QApplication::processEvents();
        EXPECT_FALSE(QFile::exists(settings.path))
            << arguments.join(' ').toStdString() << ": the window stays open";
        const bool missing = arguments.size() == 2 && arguments[0] == "D";
        const bool noName = arguments == QStringList{"D"};
        EXPECT_EQ(win.prompts->messages.size(), missing || noName ? 1 : 0)
            << arguments.join(' ').toStdString();
        if (missing) {
            EXPECT_TRUE(win.prompts->messages.first().contains("missing.txt"));
            EXPECT_TRUE(win.w->batchImportFailed());
        }
        EXPECT_EQ(win.w->sheetField(1, 1)->text(), "9");
    }
}

// The command line starts from the same stored settings and makes the same sheet.
TEST(SettingsWindow, TheCommandLineWithStoredSettingsMakesTheWindowsSheet)
{
    QTemporaryDir config;
    const QString store = config.filePath(QStringLiteral("Quirlend/Pelvano.conf"));
    QStringList windowRows;
    QString drawFile;
    {
        test::StartedWindow win({}, store);
        win.option<QSpinBox>(Option::RowCount)->setValue(7);
        win.option<QCheckBox>(Option::NeighboursOfLastDraw)->setChecked(true);
        win.option<QSpinBox>(Option::CrossSumMinimum)->setValue(90);
        win.prompts->inputAnswers = {"4711"};
        win.session().chooseLuckyNumber();
        win.session().startOrStopGeneration();
        windowRows = rows(*win.w);
        closeAndSettle(win);
        drawFile = win.dir.filePath("copy.dat");
        QFile::copy(win.dir.filePath("ZahlenPL.dat"), drawFile);
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config.path());
        cli.setProcessEnvironment(env);
        cli.start(VENDRILO_CLI, {"--settings", "--draws", drawFile, "--today", "08.12.2026",
                                 "--seed", "4711", "generate"});
        ASSERT_TRUE(cli.waitForFinished(30000));
        const QStringList out = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
        ASSERT_GE(out.size(), 12) << cli.readAllStandardError().toStdString();
        EXPECT_EQ(out.mid(0, 12), windowRows);
        EXPECT_EQ(windowRows[7], ",,,,,") << "the stored row count";
    }
}

TEST(SettingsWindow, ADamagedSettingsFileStartsWithTheDefaultsAndIsWrittenClean)
{
    SettingsFile settings;
    QByteArray noise;
    for (int i = 0; i < 5000; ++i)
        noise.append(static_cast<char>((i * 7919 + 13) % 256));
    test::writeBytes(settings.path, noise);
    {
        test::StartedWindow win({}, settings.path);
        EXPECT_EQ(win.option<QSpinBox>(Option::RunBudgetThousands)->value(), 50);
        EXPECT_TRUE(win.option<QCheckBox>(Option::RareNumbers)->isChecked());
        EXPECT_TRUE(win.prompts->messages.isEmpty());
        closeAndSettle(win);
    }
    QSettings clean(settings.path, QSettings::IniFormat);
    EXPECT_EQ(clean.status(), QSettings::NoError);
    EXPECT_EQ(clean.value(optionSpec(Option::RunBudgetThousands).settingsName).toString(), "50");
    EXPECT_EQ(clean.value(optionSpec(Option::RareNumbers).settingsName).toString(), "1");
}

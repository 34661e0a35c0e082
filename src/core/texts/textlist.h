// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <iterator>
#include <optional>

namespace vendrilo {

// The program's fixed texts beyond the numbered message list: messages, status-bar texts, dialog
// titles, file filters. One line each: the id, which is also the text's key in the language files
// "land/texte.txt.<code>" (renaming one orphans its translations; the language-file test says
// so), and the German text exactly as the program shows it. %1, %2 … stand for what the program
// fills in. Adding a text is a line here and its line in each language file.
#define VENDRILO_TEXTS(X)                                                                               \
    /* The online update, in the status bar */                                                          \
    X(UpdateBothGames, "Lotto: %1 – Lotto Plus: %2")                                                    \
    X(UpdateLottoOnly, "Lotto: %1")                                                                     \
    X(UpdateLoading, "Loading")                                                                         \
    X(UpdateReceivedBytes, "Received %1 bytes")                                                         \
    X(UpdateAccuracyNotice, "Not guarantee the accuracy of the numbers!")                               \
    X(UpdateNotThereYet, "%1 noch nicht da!")                                                           \
    X(UpdateFailedStatus, "Failed : %1 %2")                                                             \
    X(UpdateNoAnswer, "Keine Antwort vom Update-Server: %1")                                            \
    X(UpdateAnswerTooLarge, "Die Antwort für %1 ist größer als 1 MB und wird nicht gelesen")            \
    X(UpdateProxyPortNoNumber, "Der Proxy-Port \"%1\" ist keine Zahl")                                  \
    X(UpdateAskedAgain, "%1; %2 wird beim nächsten Update wieder abgefragt")                            \
    X(UpdateNoLottoPlus, "Der Update-Server liefert kein Lotto Plus (%1 %2)")                           \
    X(UpdateResultsList, "Ergebnisliste: %1 neue Ziehungen, %2 schon vorhanden, %3 "                    \
                         "Zeilen abgelehnt")                                                            \
    X(UpdateResultsListFirstRefused, " (Zeile %1: %2)")                                                 \
    X(UpdatePlusNotFromResultsList, "nicht aktualisiert, die Adresse unter \"Update-Server\" ist "      \
                                    "eine Ergebnisliste")                                               \
    X(NetIncomplete, "keine vollständige Antwort nach %1 s")                                            \
    X(NetCompressed, "die Antwort ist komprimiert (%1) und wird nicht gelesen")                         \
    X(NetNoWebAddress, "keine http- oder https-Adresse: %1")                                            \
    X(NetRedirectRefused, "Weiterleitung nach \"%1\" abgelehnt")                                        \
    X(NetClosedEarly, "die Verbindung endete vor dem Ende der Antwort")                                 \
    X(NetHeadTooLong, "der Kopf der Antwort ist länger als 64 KB")                                      \
    X(NetNoHttpAnswer, "keine HTTP-Antwort")                                                            \
    X(NetBadLength, "ungültige Länge der Antwort: %1")                                                  \
    X(NetBadChunk, "ungültiger Abschnitt der Antwort")                                                  \
    X(NetNoTls, "https wird von dieser Programmversion nicht unterstützt")                              \
    X(NetModuleMissing, "Das Netzwerkmodul (vendrilo-http) kann nicht geladen werden: %1")              \
    X(ChartModuleMissing, "Das Diagrammmodul (vendrilo-charts) kann nicht geladen werden: %1")          \
    X(NoUpdateServerStatus, "Kein Update-Server eingestellt")                                           \
    X(NoUpdateServerMessage, "Es ist kein Update-Server eingestellt. Tragen Sie unter "                 \
                             "\"Internet-Optionen\" die Adresse des Servers ein.")                      \
    X(OnlyWebAddresses, "Nur http:// oder https:// Adressen")                                           \
    /* The portal hand-over */                                                                          \
    X(ProxyPortNoNumber, "Der Proxy-Port \"%1\" ist keine Zahl.")                                       \
    X(PortalNoAnswer, "Keine Antwort vom Portal-Dienst: %1")                                            \
    X(PortalAnswerTooLarge, "Die Antwort des Portal-Dienstes ist größer als 1 MB.")                     \
    X(PortalAddressTooLong, "Die Adresse des Portal-Dienstes ist länger als %1 Zeichen und wird "      \
                            "nicht geöffnet.")                                                          \
    X(PortalNoWebAddress, "Der Portal-Dienst hat keine Web-Adresse geliefert, sie wird nicht "          \
                          "geöffnet: %1")                                                               \
    X(PortalMessageHeading, "Mitteilung des Portal-Dienstes")                                           \
    X(CheckTheCart, "Überprüfen Sie den Tipp im Warenkorb!!!")                                          \
    /* The draw file */                                                                                 \
    X(ReadDrawsFirst, "Lesen Sie zuerst die Daten der Ziehungen ein")                                   \
    X(DrawFileTooLarge, "%1: Die Datei ist %2 MB groß und damit keine Ziehungsdatei (höchstens "      \
                        "%3 MB, gut zwei Millionen Ziehungen).")                                        \
    X(DrawFileWouldBeTooLarge, "%1: Die Ziehungsdatei würde %2 MB groß, mehr als das "                \
                               "Programm liest (%3 MB); es wurde nichts geschrieben.")                  \
    X(ProgramFolderReadOnly, "Der Programmordner \"%1\" ist schreibgeschützt. Vendrilo legt "          \
                             "seine Dateien darum in \"%2\" ab.")                                       \
    X(ProgramFolderDrawsTaken, " Die Ziehungen aus dem Programmordner (%1) wurden dorthin "             \
                               "übernommen.")                                                           \
    X(ProgramFolderIncomplete, "Der Programmordner \"%1\" konnte nicht vollständig eingerichtet "      \
                               "werden; es fehlen: %2")                                                 \
    X(DamagedDraws, "Die Ziehungsdatei %1 enthält %2 beschädigte Ziehungen (Zahlen über 49 oder "    \
                    "ein unmögliches Datum). Sie werden so angezeigt und gezählt, wie sie in der "    \
                    "Datei stehen; die Datei selbst bleibt unverändert.")                               \
    X(DrawFileMissing, "Die Ziehungsdatei %1 fehlt; es wurde nichts geändert. %2")                      \
    /* Keeping the history by hand */                                                                   \
    X(DrawEntryTitle, "Zahlen der Ziehung eingeben")                                                    \
    X(DrawEntryNumberTwice, "Die %1 steht zweimal; eine Ziehung hat sechs verschiedene Zahlen.")        \
    X(DeleteDrawTitle, "Ziehung löschen?")                                                              \
    X(DeleteDrawQuestion, "Soll die Ziehung vom %1 (%2) gelöscht werden? Eine gelöschte Ziehung "     \
                          "lässt sich nicht wiederherstellen.")                                         \
    X(ImportDrawsTitle, "Ziehungen importieren")                                                        \
    X(ImportDrawsFilter, "Ziehungsergebnisse (*.csv *.txt);;Alle Dateien (*)")                          \
    X(ImportFoundNoDraws, "%1 enthält keine Ziehungen (erwartet: Zeilen wie "                          \
                          "\"1,27.01.1957,8,12,31,39,43,45\" oder \"1. 27.01.1957 "                     \
                          "8,12,31,39,43,45\"); es wurde nichts geändert.")                             \
    X(ImportSummary, "%1 Ziehungen übernommen, %2 schon vorhanden, %3 Zeilen abgelehnt.")               \
    X(ImportRefusedLines, "Abgelehnte Zeilen:")                                                         \
    X(ImportMoreRefused, "… und %1 weitere")                                                            \
    X(ImportNotADrawLine, "keine Ziehungszeile (Nummer, TT.MM.JJJJ, sechs Zahlen)")                     \
    X(ImportNoCalendarDate, "%1 ist kein Kalenderdatum")                                                \
    X(ImportNumberCount, "%1 Zahlen statt sechs")                                                       \
    X(ImportNotANumber, "\"%1\" ist keine Zahl von 1 bis 49")                                           \
    X(ImportNumberTwice, "die %1 steht zweimal")                                                        \
    X(ImportDiffersFromStored, "weicht von der gespeicherten Ziehung dieses Tages ab")                  \
    X(ImportAfterToday, "%1 liegt nach dem heutigen Tag")                                               \
    X(ImportBeforeFirstDraw, "%1 liegt vor der ersten Ziehung des Spiels")                              \
    X(ImportThirdDrawOfADay, "am %1 gibt es schon zwei Ziehungen")                                      \
    X(ImportLineTooLong, "länger als %1 Zeichen")                                                       \
    X(EntryAfterToday, "Der %1 liegt nach dem heutigen Tag; eine Ziehung dieses "                       \
                       "Tages kann es noch nicht geben. Es wurde nichts gespeichert.")                  \
    X(EntryBeforeFirstDraw, "Der %1 liegt vor der ersten Ziehung von %2 am %3. Es wurde "               \
                            "nichts gespeichert.")                                                      \
    /* The tip sheet and its files */                                                                   \
    X(TipFileFilter, "Tippdatei (*.qkt)")                                                               \
    X(NoIntegerValue, "'%1' ist kein gültiger Integerwert")                                             \
    X(PrintoutTitle, "Quirlends Vendrilo 6/49 PL - www.quirlend.de - Tipp für %1 %2")                   \
    X(BatchFileNameMissing, "Nach \"D\" fehlt der Name der Datei mit den Tipps; das Programm "          \
                            "startet ohne Import.")                                                     \
    /* The generation run */                                                                            \
    X(LockedRowIncomplete, "Der gesperrte %1. Tipp enthält nicht sechs Zahlen. Tragen Sie sechs "      \
                           "Zahlen ein oder heben Sie die Sperre auf.")                                 \
    X(PoolTooSmall, "Mit den gewählten Einstellungen stehen nur %1 verschiedene Zahlen zur "           \
                    "Auswahl, für einen Tipp werden sechs gebraucht. Ändern Sie die Parameter.")        \
    X(PoolBounds, "Min: %1  Max: %2  %3")                                                               \
    X(CrossSumShort, "QS")                                                                              \
    /* The weighting list */                                                                            \
    X(WeightingListTitle, "Welche Zahlen für die Berechnung")                                           \
    X(WeightOfNumber, "Die Zahl %1 geht mit der Gewichtung %2 in die Berechnung ein")                   \
    X(RandomPickStop, "%1 Stopp")                                                                       \
    X(WeightListFilter, "Werteliste (*.qkw)")                                                           \
    X(WeightListBadLine, "Zeile %1 („%2“) ist weder leer noch eine ganze Zahl von 0 bis %3.")           \
    X(WeightListEndsEarly, "Die Liste endet nach Zeile %1; eine Werteliste hat 49 Zeilen.")             \
    X(WeightListTooLong, "Zeile 50 ist zu viel; eine Werteliste hat 49 Zeilen.")                        \
    /* Charts */                                                                                        \
    X(StatisticsStartHint, "Beginn des Zeitraums der Statistik")                                        \
    X(ChartSaveTitle, "Diagramm speichern")                                                             \
    X(ChartPngFilter, "PNG-Bilder (*.png)")                                                             \
    X(ChartSaveAsPng, "Als PNG-Bild speichern …")                                                       \
    X(ChartCopy, "In die Zwischenablage kopieren")                                                      \
    X(ChartNotSaved, "Das Diagramm wurde nicht gespeichert.")                                           \
    /* The program */                                                                                   \
    X(ApplicationTitle, "Quirlends Lotto Polen")                                                        \
    X(SettingsNotSaved, "%1: die Einstellungen konnten nicht gespeichert werden")                       \
    X(SettingUnreadable, "Die Einstellung \"%1\" kann nicht gelesen werden. Das Programm beginnt "      \
                         "mit den Grundeinstellungen; die folgenden gespeicherten Einstellungen "       \
                         "bleiben beim Beenden "                                                        \
                         "erhalten, soweit Sie sie nicht ändern.")                                      \
    /* Safeguards of the sheet, the run and the charts */                                               \
    X(GenerationStopped, "Die Berechnung wurde gestoppt; nicht berechnete Tipps bleiben leer.")         \
    X(ImpossibleOptions, "Mit diesen Einstellungen ist kein Tipp möglich: %1. Ändern Sie die "        \
                         "Parameter; die Tipps bleiben, wie sie sind.")                                 \
    X(ConflictMoreThanSix, "%1 und %2: zusammen mehr als sechs Zahlen")                                 \
    X(ConflictOnlyEvenPrime, "%1 bei %2: 2 ist die einzige gerade Primzahl")                            \
    X(NoViewerFound, "Es wurde kein Programm gefunden, das die Datei anzeigen kann. Sie liegt "         \
                     "hier:")                                                                           \
    X(NoBrowserFound, "Es wurde kein Browser gefunden. Die Adresse steht jetzt in der "                 \
                      "Zwischenablage:")                                                                \
    X(WeightingListEdited, "Liste geändert: OK rechnet mit der unveränderten Auswahl, „Rechnen“ " \
                           "mit der geänderten Liste.")                                                 \
    X(EmptyPeriod, "Keine Ziehungen im gewählten Zeitraum")                                             \
    /* The ticket ledger */                                                                             \
    X(LedgerNoCompleteRow, "Der Tippschein enthält keine vollständige Reihe (sechs verschiedene "     \
                           "Zahlen).")                                                                  \
    X(LedgerNumberTwice,                                                                                \
      "In Reihe %1 steht eine Zahl doppelt; so kann sie nicht gespielt werden.")                        \
    X(LedgerTicketPlayed, "Schein %1 gespielt: %2 Reihen, %3 Ziehungen ab %4, Einsatz %5")              \
    X(LedgerWinsFound, "Gewinn! %1 Gewinnreihen neu geprüft, zusammen %2")                              \
    X(LedgerOpen, "offen")                                                                              \
    X(LedgerRechecked, "%1 Ziehungen nach einer Änderung neu geprüft")                                  \
    X(LedgerChecked, "%1 Ziehungen geprüft, kein Gewinn")                                               \
    X(LedgerDeleteTitle, "Schein löschen")                                                              \
    X(LedgerDeleteQuestion, "Soll Schein %1 mit allen Prüfungen gelöscht werden?")                      \
    X(LedgerNoteTitle, "Notiz")                                                                         \
    X(LedgerNotePrompt, "Notiz zu Schein %1:")                                                          \
    X(LedgerPrizeTitle, "Gewinn eintragen")                                                             \
    X(LedgerPrizePrompt, "Reihe %1, Ziehung vom %2 (%3), %4 Richtige – Gewinn laut Schein in zł:")      \
    X(LedgerNoOpenPrize, "Schein %1 hat keinen offenen Gewinn.")                                        \
    X(LedgerNotAnAmount, "\"%1\" ist kein Betrag.")                                                     \
    X(LedgerExported, "%1 Scheine nach %2 exportiert.")                                                 \
    X(LedgerChooseTicket, "Wählen Sie zuerst einen Schein in der Tabelle.")                             \
    X(LedgerColumns, "Nr.|Datum|Ziehungen|Reihen|Plus|Einsatz|Gewinn|Saldo|Notiz")                      \
    X(LedgerTotals, "%1 Scheine · Einsatz %2 · Gewinn %3 · Saldo %4 · Rückfluss %5")                    \
    X(LedgerWinClasses, "Gewinnreihen (Richtige: Anzahl) – Lotto %1 · Plus %2")                         \
    X(LedgerChartTitle, "Kontostand nach jedem Schein")                                                 \
    X(LedgerCsvFilter, "CSV-Datei (*.csv)")                                                             \
    X(LedgerKeptAside,                                                                                  \
      "Die Datei %1 ist kein Konto von Vendrilo oder ist beschädigt. Sie wurde "                       \
      "unverändert als %2 beiseitegelegt; ein neues, leeres Konto wird angelegt.")                      \
    X(LedgerNewer, "Das Konto %1 stammt von einer neueren Version von Vendrilo; es wird nicht "         \
                   "geändert.")                                                                         \
    X(LedgerFailed, "Das Konto %1 kann nicht benutzt werden: %2")                                       \
    X(LedgerNoPrice, "Der Preis einer Reihe unter \"Internet-Optionen\" ist kein Betrag; der "          \
                     "Schein wird nicht eingetragen.")                                                  \
    /* Files, the settings file and the prize table */                                                  \
    X(PayoutLineDamaged, "Zeile %1: keine Gewinnquote "                                                 \
                         "(Ziehung,TT.MM.JJJJ,Richtige,Gewinner,Betrag): \"%2\"")                       \
    X(PayoutLineTwice, "Zeile %1: die Quote für %2 Richtige am %3 steht schon in Zeile %4")             \
    X(PayoutServerTooLarge, "Die Gewinnquoten des Servers sind größer als 1 MB")                        \
    X(PayoutServerDamaged, "Gewinnquoten des Servers: %1")                                              \
    X(PayoutFileTooLarge, "%1: Die Datei ist %2 MB groß und damit keine Quotendatei.")                  \
    X(FileNotRegular, "%1: keine gewöhnliche Datei (ein Ordner, ein Gerät oder eine Pipe); "          \
                      "sie wird nicht gelesen.")                                                        \
    X(FileTooLargeHere, "%1: Die Datei ist %2 groß; an dieser Stelle liest das Programm "              \
                        "höchstens %3. Sie wird nicht gelesen.")                                        \
    X(FileWriteProtected, "%1 ist schreibgeschützt und wird nicht geändert. Heben Sie den "           \
                          "Schreibschutz auf, wenn das Programm die Datei ändern soll.")                \
    X(SettingsNotUsed, "Die Einstellungen werden diesmal weder gelesen noch gespeichert.")              \
    X(SettingsCannotSetAside, "%1: die Datei kann nicht als \"%2\" beiseitegelegt werden")              \
    X(SettingsCannotKeep, "%1: die Datei kann nicht als \"%2\" aufbewahrt werden")                      \
    X(SettingsSetAsideNotAFile,                                                                         \
      "Die Einstellungsdatei \"%1\" ist keine gewöhnliche Datei; "                                     \
      "sie liegt nun als \"%2\" daneben, und das Programm beginnt mit seinen "                          \
      "Grundeinstellungen.")                                                                            \
    X(SettingsSetAsideTooLarge,                                                                         \
      "Die Einstellungsdatei \"%1\" ist %2 MB groß (eine "                                             \
      "Einstellungsdatei hat nur einige KB, höchstens 1 MB); sie liegt nun als \"%3\" "                \
      "daneben, und das Programm beginnt mit seinen Grundeinstellungen.")                               \
    X(SettingsForeignValuesWhole,                                                                       \
      "Die Einstellungsdatei \"%1\" enthielt Werte, die Vendrilo "                                      \
      "nicht geschrieben hat; sie liegt nun als \"%2\" daneben, und das Programm beginnt mit "          \
      "seinen Grundeinstellungen.")                                                                     \
    X(SettingsForeignValuesRemoved,                                                                     \
      "Die Einstellungsdatei \"%1\" enthielt Werte, die "                                               \
      "Vendrilo nicht geschrieben hat (%2); diese Zeilen wurden entfernt. Die Datei, wie sie "          \
      "war, liegt als \"%3\" daneben.")                                                                 \
    X(WheelNotChecked, "Das System hat seine Prüfung nicht bestanden und wird nicht "                  \
                       "verwendet.")

enum class Text : int {
#define VENDRILO_TEXT_ID(id, german) id,
    VENDRILO_TEXTS(VENDRILO_TEXT_ID)
#undef VENDRILO_TEXT_ID
};

namespace textdetail {
#define VENDRILO_TEXT_KEY(id, german) #id,
inline constexpr const char* kKeys[] = {VENDRILO_TEXTS(VENDRILO_TEXT_KEY)};
#undef VENDRILO_TEXT_KEY
} // namespace textdetail

inline constexpr int kTextCount = static_cast<int>(std::size(textdetail::kKeys));

// The texts of one language: a language file's texts over the German ones, and the language
// that names weekdays and months.
class TextList {
public:
    // The German texts; weekdays and months as the system's locale names them.
    TextList();
    // A language file's lines "Key=Text" over the German texts: a text the file lacks (or a
    // missing file, no lines at all) stays German. The text is everything after the first "=",
    // blanks included; empty lines, lines starting with "#" and unknown keys are passed over,
    // and of a key given twice the first line counts.
    static TextList fromFileLines(const QStringList& lines, const QLocale& names);

    QString text(Text id) const { return m_texts[static_cast<std::size_t>(id)]; }
    const QLocale& names() const { return m_names; }
    void setNames(const QLocale& names) { m_names = names; }

    static QString key(Text id);
    static QString german(Text id);
    static std::optional<Text> byKey(const QString& key);
    // The German texts as a language file holds them, in the order of the table.
    static QStringList germanFileLines();

private:
    std::array<QString, kTextCount> m_texts;
    QLocale m_names;
};

// The texts the program shows now. Like Qt's own translators they are one for the whole process:
// German (weekdays and months after the system's locale) until the window loads a language; the
// command line never changes them, so that its output stays as it is.
QString text(Text id);
// The language that names weekdays and months.
QLocale textLocale();
TextList currentTexts();
void useTexts(TextList texts);

// `pattern` with %1 … %9 replaced by `values` in one pass, so that a value holding "%2" stays as
// it is and a translation may put the placeholders in any order.
QString fillIn(const QString& pattern, const QStringList& values);

// A text shown in one language, written again in another: when `shown` is the text of some id of
// `from` with its placeholders filled in, the text of that id of `to`, filled in alike.
std::optional<QString> retranslated(const QString& shown, const TextList& from, const TextList& to);

} // namespace vendrilo

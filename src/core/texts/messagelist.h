// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace vendrilo {

// The numbered lines of the message list, the texts the program shows outside captions and
// hints. The numbers are the line indexes of the language files and must not move; lines 27,
// 35, 52 and 53 are never shown and only hold their place.
enum class Msg : int {
    NumberDistribution = 0,    // "Zahlenverteilung"
    Draws = 1,                 // "Ziehungen"
    CrossSum = 2,              // "Quersumme"
    SuperzahlCounts = 3,       // "Wie oft wurden die einzelnen Superzahlen gezogen?"
    StopAtHitsTitle = 4,       // "Bei wievielen Zahlen Übereinstellung stoppen?"
    TipTest = 5,               // "Tipp-Test"
    HitFoundOn = 6,            // "Ein Treffer gefunden am :"
    GoOn = 7,                  // "Weiter?"
    DrawFound = 8,             // "Ziehung gefunden"
    Pairs = 9,                 // "Paare"
    Found = 10,                // "gefunden"
    Triples = 11,              // "Dreier"
    TicketNumber = 12,         // "Schein Nr " (text follows)
    CrossSumDistribution = 13, // "Quersummenverteilung"
    CrossSumShort = 14,        // "Quersumme"
    Quads = 15,                // "Vierer"
    Stop = 16,                 // "Stoppen", the start button's caption during a run
    ComputingThe = 17,         // "Berechnung der " (text follows)
    PairForming = 18,          // "Paarbildung"
    TripleForming = 19,        // "Dreiergruppenbildung"
    QuadForming = 20,          // "Vierergruppenbildung"
    OverdueNumbers = 21,       // "aussehenden Zahlen"
    NeighboursOfLastDraw = 22, // "benachbarten Zahlen der letzten Ziehung"
    GenerationStarted = 23,    // "Beginn der Tippberechnung"
    Tip = 24,                  // "Tipp"
    ChangeTheOptions = 25,     // "Ändern Sie die Parameter um 12 Tipps zuberechnen"
    TipsComputed = 26,         // "Tipps wurden neu berechnet"
    Unused27 = 27,
    OverdueTitle = 28,      // "Welche Zahl ist überfällig, ..."
    TipDistribution = 29,   // "Zahlenverteilung des Tippes"
    LuckyNumberTitle = 30,  // "Ihre Glückszahl"
    LuckyNumberPrompt = 31, // "Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"
    LuckyNumberIsNow = 32,  // "Ihre Glückzahl ist jetzt die " (number follows)
    BacktestWins = 33,      // "Aktuelle Einstellung brachten für Sa. bzw. Mi."
    LuckyNumberError = 34,  // "Fehler bei Eingabe der Zufallszahl"
    Unused35 = 35,
    ChooseNumbers = 36,         // "Zahlen für Berechnung wählen"
    OnlineSubmission = 37,      // "Lottoschein Online Abgabe"
    SuperzahlOverdueTitle = 38, // "Welche Superzahl wurde am längsten nicht gezogen?"
    CompareDrawResult = 39,     // "Ziehungsergebnis vergleichen"
    HitsOfDatabaseDraws = 40,   // "Treffer von Ziehungen in der Datenbank"
    SimilarNextDraw = 41,
    SimilarSecondNextDraw = 42,
    SimilarThirdNextDraw = 43,
    PrimesPerTipAt = 44, // "Anzahl der Primzahlen pro Tipp bei"
    WerePrimes = 45,     // "waren Primzahlen"
    OddPerTipAt = 46,
    WereOdd = 47,
    EvenPerTipAt = 48,
    WereEven = 49,
    ClearAllTipsQuestion = 50, // "Sollen alle Tipps gelöscht werden??"
    ClearAllTipsTitle = 51,    // "Alle Tipps löschen?"
    Unused52 = 52,
    Unused53 = 53,
    TicketNumberQuestion = 54, // "Scheinnummer?"
    HandOverFileFailed = 55,
    // The money lines after the back-test's report.
    BacktestMoneyHeading = 56, // "Ziehung, Tipps, Einsatz und Gewinn in zł ..."
    BacktestStake = 57,        // "Einsatz in allen Ziehungen:" (amount follows)
    BacktestKnownDraws = 58,   // "Ziehungen mit bekannten Gewinnquoten:" (count follows)
    BacktestKnownStake = 59,   // "Einsatz in diesen Ziehungen:"
    BacktestKnownWon = 60,     // "Gewinn in diesen Ziehungen:"
    BacktestReturn = 61,       // "Rückfluss (Gewinn / Einsatz):" (percentage follows)
};

// The message list. A language file replaces the whole list; a line it lacks reads as empty
// text.
class MessageList {
public:
    static constexpr int kDefaultCount = 62;

    MessageList();

    static const QStringList& defaults();

    QString text(Msg message) const { return line(static_cast<int>(message)); }
    // Line n, or empty text when the list has no such line.
    QString line(int n) const;
    int count() const { return static_cast<int>(m_lines.size()); }
    void replaceAll(const QStringList& lines) { m_lines = lines; }
    void restoreDefaults() { m_lines = defaults(); }

private:
    QStringList m_lines;
};

} // namespace vendrilo

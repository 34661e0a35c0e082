// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/texts/messagelist.h"

namespace vendrilo {

MessageList::MessageList() : m_lines(defaults()) {}

const QStringList& MessageList::defaults()
{
    // Lines 27, 35, 52 and 53 are never shown; they keep the following indexes in place.
    // Lines 12, 17 and 32 end in a blank on purpose: text is appended to them.
    static const QStringList lines = {
        QStringLiteral("Zahlenverteilung"),
        QStringLiteral("Ziehungen"),
        QStringLiteral("Quersumme"),
        QStringLiteral("Wie oft wurden die einzelnen Superzahlen gezogen?"),
        QStringLiteral("Bei wievielen Zahlen Übereinstellung stoppen?"),
        QStringLiteral("Tipp-Test"),
        QStringLiteral("Ein Treffer gefunden am :"),
        QStringLiteral("Weiter?"),
        QStringLiteral("Ziehung gefunden"),
        QStringLiteral("Paare"),
        QStringLiteral("gefunden"), // 10
        QStringLiteral("Dreier"),
        QStringLiteral("Schein Nr "),
        QStringLiteral("Quersummenverteilung"),
        QStringLiteral("Quersumme"),
        QStringLiteral("Vierer"),
        QStringLiteral("Stoppen"),
        QStringLiteral("Berechnung der "),
        QStringLiteral("Paarbildung"),
        QStringLiteral("Dreiergruppenbildung"),
        QStringLiteral("Vierergruppenbildung"), // 20
        QStringLiteral("aussehenden Zahlen"),
        QStringLiteral("benachbarten Zahlen der letzten Ziehung"),
        QStringLiteral("Beginn der Tippberechnung"),
        QStringLiteral("Tipp"),
        QStringLiteral("Ändern Sie die Parameter um 12 Tipps zuberechnen"),
        QStringLiteral("Tipps wurden neu berechnet"),
        QStringLiteral("-"),
        QStringLiteral("Welche Zahl ist überfällig, wurde also seit wievielen Ziehungen nicht "
                       "gezogen?"),
        QStringLiteral("Zahlenverteilung des Tippes"),
        QStringLiteral("Ihre Glückszahl"), // 30
        QStringLiteral("Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"),
        QStringLiteral("Ihre Glückzahl ist jetzt die "),
        QStringLiteral("Aktuelle Einstellung brachten für Sa. bzw. Mi."),
        QStringLiteral("Fehler bei Eingabe der Zufallszahl"),
        QStringLiteral("-"),
        QStringLiteral("Zahlen für Berechnung wählen"),
        QStringLiteral("Lottoschein Online Abgabe"),
        QStringLiteral("Welche Superzahl wurde am längsten nicht gezogen?"),
        QStringLiteral("Ziehungsergebnis vergleichen"),
        QStringLiteral("Treffer von Ziehungen in der Datenbank"), // 40
        QStringLiteral("Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Wie oft gab es bei der übernächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Wie oft gab es bei der überübernächsten Ziehung ähnliche Zahlen"),
        QStringLiteral("Anzahl der Primzahlen pro Tipp bei"),
        QStringLiteral("waren Primzahlen"),
        QStringLiteral("Anzahl der ungeraden Zahlen pro Tipp bei"),
        QStringLiteral("waren Ungerade"),
        QStringLiteral("Anzahl der geraden Zahlen pro Tipp bei"),
        QStringLiteral("waren Gerade"),
        QStringLiteral("Sollen alle Tipps gelöscht werden??"), // 50
        QStringLiteral("Alle Tipps löschen?"),
        QStringLiteral("-"),
        QStringLiteral("-"),
        QStringLiteral("Scheinnummer?"),
        QStringLiteral(
            "die Datei für die Tippübergabe konnte nicht angelegt werden. Überprüfen Sie "
            "die Zugriffsrechte des Programmes oder starten Sie als Administrator"),
        QStringLiteral("Ziehung, Tipps, Einsatz und Gewinn in zł (- wo die Gewinnquoten der "
                       "Ziehung nicht bekannt sind)"),
        QStringLiteral("Einsatz in allen Ziehungen:"),
        QStringLiteral("Ziehungen mit bekannten Gewinnquoten:"), // 58
        QStringLiteral("Einsatz in diesen Ziehungen:"),
        QStringLiteral("Gewinn in diesen Ziehungen:"), // 60
        QStringLiteral("Rückfluss (Gewinn / Einsatz):"),
    };
    return lines;
}

QString MessageList::line(int n) const
{
    return n >= 0 && n < m_lines.size() ? m_lines.at(n) : QString();
}

} // namespace vendrilo

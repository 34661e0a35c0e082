Rozkład liczb
Losowania
Suma liczb
Jak często losowano poszczególne superliczby?
Przy ilu zgodnych liczbach zatrzymać wyszukiwanie?
Test zakładu
Trafienie znalezione w dniu:
Dalej?
Znaleziono losowanie
Pary
znaleziono
Trójki
Nr kuponu 
Rozkład sumy liczb
Suma
Czwórki
Zatrzymaj
Obliczanie: 
pary
trójki
czwórki
liczby zaległe
liczby sąsiednie z ostatniego losowania
Rozpoczęto obliczanie zakładów
zakład
Zmień parametry, aby obliczyć 12 zakładów
Zakłady zostały przeliczone
-
Które liczby są zaległe, tzn. od ilu losowań nie zostały wylosowane?
Rozkład liczb w zakładzie
Twoja szczęśliwa liczba
Podaj swoją szczęśliwą liczbę dla generatora losowego!
Twoja szczęśliwa liczba to teraz 
Obecne ustawienia dały w losowaniach sob./śr.
Błąd przy wprowadzaniu szczęśliwej liczby
-
Wybierz liczby do obliczeń
Wysłanie kuponu online
Która superliczba najdłużej nie została wylosowana?
Porównaj wynik losowania
Trafienia w losowaniach z bazy danych
Jak często w następnym losowaniu padły podobne liczby
Jak często dwa losowania później padły podobne liczby
Jak często trzy losowania później padły podobne liczby
Liczba liczb pierwszych na zakład przy
były liczbami pierwszymi
Liczba liczb nieparzystych na zakład przy
były nieparzyste
Liczba liczb parzystych na zakład przy
były parzyste
Czy na pewno usunąć wszystkie zakłady?
Usunąć wszystkie zakłady?
-
-
Numer kuponu?
Nie można utworzyć pliku do przekazania zakładów. Sprawdź uprawnienia programu lub uruchom go jako administrator
Losowanie, zakłady, stawka i wygrana w zł (- gdy wygrane losowania nie są znane)
Stawka we wszystkich losowaniach:
Losowania ze znanymi wygranymi:
Stawka w tych losowaniach:
Wygrana w tych losowaniach:
Zwrot (wygrana / stawka):

Anuluj

&Aktualizuj

&Oblicz

&Wyślij

&Kupon

&Cofnij

&Wczytaj typy …

&Zapisz typy …

&Drukuj typy

&Poprzednie losowanie

&Następne losowanie

Sprache/Language/Langue

Niemiecki

Angielski

Francuski

Hiszpański

Turecki

Rosyjski

Polski

Czeski

Niderlandzki

Pomoc

Pokaż dokumentację

&Zamknij

Gra:
Które losowania program pokazuje, liczy i wykorzystuje do typów
Lotto
Losowania Lotto (ZahlenPL.dat)
Lotto Plus
Losowania Lotto Plus, drugie losowanie tego samego wieczoru (ZahlenPLPlus.dat)
Zakłady

◀
Pokaż poprzednie losowanie
▶
Pokaż następne losowanie
Σ: 
Suma wszystkich wylosowanych liczb
⟳
Aktualizuj wyniki losowań z internetu
■
Zatrzymuje pobieranie
1. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
2. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
3. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
4. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
5. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
6. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
7. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
8. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
9. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
10. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
11. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
12. zakład
Czerwony napis „zakład” oznacza, że ten zakład nie zostanie przeliczony!
✎
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo (chybił-trafił)
Nr kuponu: 
Numer Twojego kuponu
z Plusem
Kupon gra także w Lotto Plus: obok trafień każdego zakładu stoją jego trafienia w drugim losowaniu tego samego wieczoru
Stawka: 
Koszt pełnych zakładów: liczba zakładów razy cena zakładu (opcje internetowe)
Wygrana: 
Co zakłady wygrały w pokazanym losowaniu; ? gdy wygrana nie jest znana
Szanse
Policzone dokładnie dla wszystkich 13 983 816 możliwych losowań
6 trafień

5 trafień

4 trafienia

3 trafienia

Wygrana na zakład

Wygrana kuponu

Oczekiwana wygrana*

na 1 zł stawki*

* 4–6 trafień wg średniej wygranej z 12 miesięcy

Oblicz za&kłady
Oblicza ustawioną liczbę zakładów według zadanych parametrów
Zakłady:


Liczba zakładów
Szczęśliwa liczba
Tu możesz trochę pomóc szczęściu, żeby zakład był naprawdę Twój, a nie zwykły chybił-trafił
Szukaj w bazie
Sprawdź, czy ten zakład został już kiedyś wylosowany
Zapisz
Zapisz zakłady do pliku
Wczytaj
Wczytaj zakłady z pliku
Usuń
Usuń wszystkie zakłady
Rozkład zakładów
Rozkład liczb w zakładach
Koszyk
Przekaż zakłady do koszyka w serwisie internetowym
Drukuj
Wypisz zakłady jako tekst do wydruku lub skopiowania
w w w . q u i r l e n d . d e
Otwórz stronę internetową Vendrilo
V e n d r i l o
Otwórz stronę internetową Vendrilo
Obliczanie

Statystyka

Preferuj liczby, które często padają w parach

najrzadsze

Preferuj liczby, które często padają w trójkach

najrzadsze

Preferuj liczby, które często padają w czwórkach

najrzadsze

Preferuj liczby losowane szczególnie często


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

Preferuj liczby losowane szczególnie rzadko


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

Liczby najdłużej niewylosowane


Pierwsze X procent otrzymuje wyższe prawdopodobieństwo
%

Preferuj liczby sąsiednie z ostatniego losowania

Do obliczania zakładów używane jest pierwsze x% (np. do 30% maksimum).

Liczby
Rozkład wylosowanych liczb
Zaległe
Liczby zaległe (najdłużej niewylosowane)
Pary

2-ki

Pary

Trójki

3-ki

Trójki

Czwórki

4-ki

Czwórki

Optymalizacja kuponu

maksymalna zgodność z innymi zakładami

minimalna zgodność z innymi zakładami

Stosuj min./maks. do każdego zakładu względem każdego innego

maks. liczba powtórzeń z ostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maks. liczba powtórzeń z przedostatniego losowania 
Zgodność z liczbami z poprzedniego losowania
maks. liczba powtórzeń z trzeciego od końca losowania 
Zgodność z liczbami z poprzedniego losowania
Zakład nie ma
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów

Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich


Tu możesz dodatkowo wykluczyć np. 3 lub 4 ostatnie losowania
losowaniach

Zakład nie ma 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów

Ustaw wartość 4 lub 5, jeśli wybierasz bardzo dużą liczbę losowań
trafień w ostatnich


Tu możesz dodatkowo wykluczyć np. 3 lub 4 ostatnie losowania
losowaniach

Zakład nie ma w żadnym losowaniu z bazy trafień: 
Zakład nie może mieć X trafień w żadnym losowaniu z bazy, licząc od daty z przeglądu wykresów

Ustaw wartość 5 lub 6, jeśli używasz całej bazy danych
unikaj liczb 1-12 (miesiące – częste u graczy typujących daty) 

obniż wagę liczb 1-31 (daty) – rzadziej trafiają do zakładu

Matematyka

Suma liczb od

do

dozwolona w zakładzie

wymuś jedną parę w każdym zakładzie

bez trójek, czwórek… (tylko pary)

minimum liczb parzystych w każdym zakładzie

minimum liczb nieparzystych w każdym zakładzie

minimum liczb pierwszych w każdym zakładzie

Ograniczając sumę liczb, wykluczysz zakłady typu 1-2-3-4-5-6 czy 39-41-43-46-47-49

Chcesz grać o wyższe wygrane? Wybierz sumę liczb powyżej 130 (omijasz graczy typujących daty).

Rozkład sumy liczb w minionych losowaniach pokazuje wykres „Suma” 

Suma
Rozkład sumy liczb
Pierwsze
Wykres liczb pierwszych w zakładzie
Nieparzyste
Wykres liczb nieparzystych w zakładzie
Parzyste
Wykres liczb parzystych w zakładzie
Ogólne

Maks. liczba przebiegów

tys.

do zakładu używaj tylko preferowanych liczb!

pokaż / edytuj listę liczb do generowania zakładów

Jeśli przy Twoich ustawieniach nie udało się obliczyć wszystkich zakładów, spróbuj zwiększyć liczbę przebiegów. 

Wykresy

Losowania weekendowe
Uwzględniaj w statystyce losowania z soboty i niedzieli
Losowania w tygodniu
Uwzględniaj w statystyce losowania od poniedziałku do piątku
Liczby
Rozkład wylosowanych liczb
Suma
Rozkład sumy liczb
2-ki
Pary liczb
3-ki
Trójki liczb
4-ki
Czwórki liczb
Zaległe
Liczby zaległe (najdłużej niewylosowane)
Baza danych

Sprawdź
Ocena zakładów dla losowania z wybranego dnia
Aktualizuj &bazę danych
Aktualizuj wyniki losowań z internetu
Wprowadź
Ręczne wprowadzenie liczb losowania.
Usuń
Usuń pokazane losowanie
Importuj losowania…
Przenieś opublikowane wyniki losowań z pliku tekstowego do bazy
Szukaj par
Jak często losowano pary liczb?
Szukaj trójek
Jak często losowano trójki?
Szukaj czwórek
Jak często losowano czwórki?
Zaległe
Które liczby najdłużej nie były losowane?
Zaległe superliczby

Pierwsze na zakład

Nieparzyste na zakład

Parzyste na zakład

Zakłady są obliczane i oceniane według bieżących ustawień

Analiza historyczna ustawień od daty powyżej
Obliczenia i wyniki od daty wybranej powyżej
Przeliczaj tylko po trafionej trójce

Analiza graficzna od daty powyżej

Analiza historyczna od daty powyżej
Obliczenia i wyniki od daty wybranej powyżej
Opcje internetowe


Adres serwera wyników losowań i koszyka, np. http://127.0.0.1:8080
Serwer danych:


Pozostaw puste, jeśli nie używasz serwera proxy
Proxy:

Port:

Cena zakładu (zł):

Dopłata do Lotto Plus za zakład (zł):

Włącz stronę z linkami

Opcja superliczby

Opcja Super 6 i Spiel 77

Strony o Lotto:

www.lotto.pl

www.lottoland.com

www.doviduve.de

www.quirlend.de

www.lotto.pl/lotto/wyniki-i-wygrane

www.multipasko.pl

www.lotto.de

Położenie wydruku na kuponie

Dodatkowa:

OK

Anuluj

1

2

3

4

5

6

7

8

9

10

11

12

13

14

15

16

17

18

19

20

21

22

23

24

25

26

27

28

29

30

31

32

33

34

35

36

37

38

39

40

41

42

43

44

45

46

47

48

49

Zapisz
Zapisz listę
Wczytaj
Wczytaj listę
OK

Anuluj

&Przelicz

&Losuj

Drukuj Spiel 77

Drukuj Super 6


Zapisz
Zapisz listę
Wczytaj
Wczytaj listę
&Losowo

OK

&Oblicz

Anuluj

Sobota

Środa

Joker 1

Nowy
Utwórz nowy numer losu, który jeszcze nie padł
Szukaj
Sprawdź, czy ten numer losu już padł
Joker 2

Nowy
Utwórz nowy numer losu, który jeszcze nie padł
Szukaj
Sprawdź, czy ten numer losu już padł
Joker 3

Nowy
Utwórz nowy numer losu, który jeszcze nie padł
Szukaj
Sprawdź, czy ten numer losu już padł
Pokaż kupon do wydruku próbnego

Góra:

Lewo

Format papieru:

Koszt:

OK

Online

Anuluj

Plik click-script Darnholms


Wybierz click-script
Parametry 

ZAHL1

TEXT1

ZAHL2

TEXT2

OK

Anuluj

Zakład

Darnholms Ziffrano  6 z 40 Somnara

https://www.darnholm.example/ziffrano/

Suma: 
Suma wylosowanych liczb
Zakład 1
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 2
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 3
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 4
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 5
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 6
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 7
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 8
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 9
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 10
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 11
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 12
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 13
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Zakład 14
Jeśli „Zakład” jest czerwony, ten wiersz nie jest przeliczany!
...
Kliknij tutaj, aby zmienić zakład 1 w formularzu lub wygenerować go losowo
Oblicz &zakłady
Oblicza wybraną liczbę zakładów z ustawionymi opcjami
Losowania czwartkowe
Używaj danych losowań czwartkowych
Losowania poniedziałkowe
Używaj danych losowań poniedziałkowych
Rozkład zakładów

<
Pokaż poprzednie losowanie
>
Pokaż następne losowanie
Szukaj w bazie
Sprawdź, czy ten zakład kiedykolwiek padł
Szczęśliwa liczba
Pomóż trochę losowi i stwórz naprawdę swój zakład
Usuń
Usuń wszystkie zakłady
Drukuj kupon
Drukuj zakłady na kuponie
Zapisz
Zapisz zakłady
Wczytaj
Wczytaj zakłady z pliku
Zakłady
Pokaż zakłady jako tekst
Aktualizuj
Pobierz losowania z serwera aktualizacji
Obliczenia

Statystyka

Preferuj liczby, które często tworzą pary

najrzadsze

Preferuj liczby losowane szczególnie często
Preferuj pierwsze X% najczęściej losowanych liczb
Pierwsze X procent dostaje wyższe prawdopodobieństwo
Pierwsze X procent dostaje wyższe prawdopodobieństwo
%

Preferuj liczby, które często tworzą trójki

najrzadsze

Preferuj liczby, które często tworzą czwórki

najrzadsze

Liczby zaległe najdłużej
Preferuj pierwsze X% najdłużej zaległych liczb
Pierwsze X procent dostaje wyższe prawdopodobieństwo
Pierwsze X procent dostaje wyższe prawdopodobieństwo
%

Preferuj liczby losowane szczególnie rzadko
Preferuj pierwsze X% najrzadziej losowanych liczb
Pierwsze X procent dostaje wyższe prawdopodobieństwo
Pierwsze X procent dostaje wyższe prawdopodobieństwo
%

Preferuj sąsiadów liczb z ostatniego losowania

Unikaj liczb 1-12 (miesiące, często typowane przez graczy datami)

Zmniejsz wagę liczb 1-31 (daty)  -  rzadziej w zakładzie

Optymalizacja kuponu

Optymalizacja zakładów względem siebie na kuponie

Maksimum zgodności z innymi zakładami

Minimum zgodności z innymi zakładami

Stosuj min./maks. do każdego zakładu względem każdego innego

Optymalizacja zakładów względem poprzednich losowań

Maksymalna liczba liczb z ostatniego losowania
Zgodność z liczbami poprzedniego losowania
Maksymalna liczba liczb z przedostatniego losowania
Zgodność z liczbami poprzedniego losowania
Zakład nie pokrywa się z żadnym losowaniem z bazy na
Zakład nie mógł jeszcze dać X trafień w żadnym losowaniu, licząc od daty ze strony Wykres
Ustaw 5 lub 6, jeśli używasz całej bazy danych
Ustaw 5 lub 6, jeśli używasz całej bazy danych
trafień

Maksymalna liczba liczb z ostatniego losowania
Zgodność z liczbami poprzedniego losowania
Zakład nie daje
Zakład nie mógł jeszcze dać X trafień w żadnym losowaniu, licząc od daty ze strony Wykres
Ustaw 4 lub 5, jeśli wybierasz bardzo dużo losowań
Ustaw 4 lub 5, jeśli wybierasz bardzo dużo losowań
trafień w ostatnich

Tu możesz też wykluczyć 3 lub 4 trafienia w ostatnich losowaniach
Tu możesz też wykluczyć 3 lub 4 trafienia w ostatnich losowaniach
losowaniach

Zakład nie daje
Zakład nie mógł jeszcze dać X trafień w żadnym losowaniu, licząc od daty ze strony Wykres
Ustaw 4 lub 5, jeśli wybierasz bardzo dużo losowań
Ustaw 4 lub 5, jeśli wybierasz bardzo dużo losowań
trafień w ostatnich

Tu możesz też wykluczyć 3 lub 4 trafienia w ostatnich losowaniach
Tu możesz też wykluczyć 3 lub 4 trafienia w ostatnich losowaniach
losowaniach

Wliczaj liczbę dodatkową do trafień

Matematyka

Te warunki obowiązują w każdym wierszu zakładu

Wymuś jedną parę w zakładzie

<a href="#">Pary</a>

bez trójek, czwórek... par

<a href="#">Trójki, </a>

<a href="#">Czwórki</a>

Minimalna liczba liczb pierwszych w każdym zakładzie


Wykres liczb pierwszych na zakład
Minimalna liczba liczb parzystych w każdym zakładzie


Wykres liczb parzystych na zakład
Minimalna liczba liczb nieparzystych w każdym zakładzie


Wykres liczb nieparzystych na zakład
Dopuszczaj sumy od

do

w zakładzie

<a href="#">Rozkład sum z poprzednich losowań pokazuje wykres „Suma”</a>

Liczba marzeń

Twórz przy obliczaniu także liczby marzeń

Opcja liczby marzeń

Ogólne

Używaj w zakładzie tylko preferowanych liczb!

Pokaż / edytuj listę do generowania ciągów liczb

Dźwięk przy wygranej

Maks. przebiegów obliczeń

tysięcy

Jeśli przy Twoich ustawieniach nie udało się obliczyć wszystkich wierszy, zwiększ liczbę przebiegów.

Wykres


Rozkład wylosowanych liczb
Suma

Po 2

Po 3

Po 4

Zaległe

MARZENIE

MARZENIE ZALEGŁE
Jak długo zalega każda liczba marzeń
Losowania od:

Ta data jest datą końcową obliczeń; późniejsze losowania są pomijane
Ta data jest datą końcową obliczeń; późniejsze losowania są pomijane
Baza danych

Losowania do:

Ta data jest datą końcową obliczeń; późniejsze losowania są pomijane
Ta data jest datą końcową obliczeń; późniejsze losowania są pomijane
Przeliczaj tylko po trafionej 3

Szukaj par

Szukaj trójek

Szukaj czwórek

Zaległe

Zaległe liczby marzeń

Pierwsze na zakład

Nieparzyste na zakład

Parzyste na zakład

Oceń
Oceń zakłady dla losowania z wybranej daty
Aktualizuj &bazę danych

Stop
Zatrzymuje wczytywanie
Wprowadź
Ręczne wprowadzanie danych losowania.
Usuń
Usuń pokazane losowanie
Importuj plik CSV...
Pobierz losowania z pliku CSV
Eksportuj plik CSV...
Zapisz wszystkie losowania w pliku CSV
Sprawdź kalendarz
Znajdź brakujące, podwójne i błędnie datowane losowania
Analiza historyczna parametrów od daty wybranej powyżej
Obliczenia i wyniki od daty wybranej powyżej
Analiza historyczna od daty wybranej powyżej

Sprawdzanie kalendarza

Opcje internetowe

Serwer aktualizacji

Serwer aktualizacji

Proxy

Serwer proxy

Port proxy

Opłata manipulacyjna

Gram tylko w soboty (sobota wybrana przy wysyłce)

Za jedno losowanie:

Za losowanie w sob. i śr.:

Darnholm w internecie

https://www.darnholm.example/

https://www.darnholm.example/ziffrano/

https://www.darnholm.example/somnara/

https://www.darnholm.example/pilotara/

https://www.darnholm.example/downloads/

https://www.darnholm.example/support/

https://www.darnholm.example/kontakt/

&Aktualizuj

&Oblicz

Sprache/Language/Langue

Deutsch

Français

Italiano

English

Español

Türkçe

Русский

Polski

Čeština

Nederlands

Eksportuj

Za&mknij


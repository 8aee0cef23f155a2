Częstość liczb
Losowania
Średnia suma
Częstość liczb marzeń
Szukaj zakładów w bazie danych
Przy ilu trafieniach zatrzymać wyszukiwanie?
Trafienia w losowaniu z dnia 
znalezione. Szukać dalej?
Znaleziono trafienia
Pary
znalezione
Trójki
Grupy liczb
Częstość sum
Średnia
Czwórki
&Zatrzymaj obliczenia
Analiza statystyki:
częste pary
częste trójki
częste czwórki
zaległe liczby
liczby sąsiednie ostatniego losowania
Obliczanie zakładów ...
Zakład
Osiągnięto maksymalną liczbę przebiegów obliczeń: nie udało się obliczyć wszystkich zakładów.
Obliczenia zakończone.
Losowanie
Zaległe liczby: losowania od ostatniego wylosowania
Rozkład liczb na kuponie
Twoja szczęśliwa liczba
Podaj swoją szczęśliwą liczbę:
Generator losowy ustawiony na
Analiza parametrów: trafienia obliczonych zakładów
Analiza została przerwana.
Ziffrano
Wybór liczb
Lista liczb
Zaległe liczby marzeń
Przy ilu trafieniach zatrzymać analizę?
Trafienia w tym samym losowaniu:
Trafienia w następnym losowaniu:
Trafienia dwa losowania później:
Trafienia trzy losowania później:
Liczby pierwsze: w
wszystkich wylosowanych liczb było liczbami pierwszymi
Liczby nieparzyste: w
wszystkich wylosowanych liczb było nieparzystych
Liczby parzyste: w
wszystkich wylosowanych liczb było parzystych
Czy na pewno usunąć wszystkie zakłady? Zablokowane (czerwone) zakłady zostaną zachowane.
Usuń zakłady
Darnholms Ziffrano
6 z 40

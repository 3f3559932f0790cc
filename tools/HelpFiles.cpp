#include "HelpFiles.h"

#include "HelpPage.h"

std::string IntroHelpText()
{
    return HelpPage("pl", "Qel 3D – wprowadzenie", R"(
<p>Qel 3D to program do rysowania żółwiem. Żółw chodzi po dużej kwadratowej kartce, a za nim
zostaje ślad pisaka. Ty mówisz żółwiowi, co ma zrobić, a on rysuje.</p>

<h2>Jak sterować żółwiem</h2>
<p>Po lewej stronie okna jest sześć przycisków. Suwak obok przycisku mówi, ile żółw ma przejść
albo o ile ma się obrócić. Liczba przy suwaku pokazuje jego ustawienie.</p>
<table>
<tr><td><b>Naprzód</b></td><td>żółw idzie do przodu o tyle kroków, ile pokazuje suwak (do 100)</td></tr>
<tr><td><b>Do tyłu</b></td><td>żółw cofa się o tyle kroków, ile pokazuje suwak</td></tr>
<tr><td><b>W prawo</b></td><td>żółw obraca się w prawo o tyle stopni, ile pokazuje suwak (do 90)</td></tr>
<tr><td><b>W lewo</b></td><td>żółw obraca się w lewo</td></tr>
<tr><td><b>Okrąg</b></td><td>żółw rysuje wokół siebie okrąg; suwak to promień, a żółw stoi w środku</td></tr>
<tr><td><b>Kwadrat</b></td><td>żółw rysuje kwadrat; suwak to długość boku</td></tr>
</table>
<p class="tip">Kiedy żółw idzie, trzeba chwilę poczekać. Następny przycisk zadziała, gdy żółw skończy.
Klawisz <b>Esc</b> zatrzymuje żółwia od razu: to, co narysował, zostaje na kartce.</p>

<h2>Pisak i kolory</h2>
<p>Pod przyciskami jest pasek kolorów. Kliknij kolor, a żółw będzie nim rysował.
Jeśli przy kliknięciu trzymasz klawisz <b>Shift</b>, kolor stanie się kolorem tła i strona
zostanie wyczyszczona na ten kolor. Niżej jest pasek grubości: kliknij, jak gruba ma być linia.</p>

<h2>Małe przyciski</h2>
<table>
<tr><td><b>Podnieś/Opuść</b></td><td>podnosi pisak (żółw chodzi bez rysowania) albo go opuszcza</td></tr>
<tr><td><b>Wypełnij</b></td><td>zamalowuje kolorem pisaka miejsce, na którym stoi żółw</td></tr>
<tr><td><b>Postać</b> (pierwszy)</td><td>chowa albo pokazuje postać żółwia</td></tr>
<tr><td><b>Wyczyść</b></td><td>czyści stronę; żółw zostaje tam, gdzie był</td></tr>
<tr><td><b>Wróć</b></td><td>żółw wraca na środek strony i patrzy w górę</td></tr>
<tr><td><b>Postać</b> (drugi)</td><td>okno z postaciami do wyboru</td></tr>
</table>

<h2>Klawiatura</h2>
<p>Wszystko w oknie da się zrobić bez myszy. Klawisz <b>Tab</b> przechodzi po przyciskach, suwakach
i paskach po kolei, z góry na dół; pomarańczowa ramka pokazuje, gdzie jesteś. <b>Spacja</b> albo
<b>Enter</b> naciska przycisk w ramce. Na suwaku strzałki zmieniają liczbę, a na pasku kolorów
i pasku grubości wybierają kolor albo grubość; <b>Shift</b> ze spacją na pasku kolorów robi
z wybranego koloru kolor tła. Gdy ramka nie stoi na suwaku, te klawisze od razu dają polecenia:</p>
<table>
<tr><td><b>strzałka w górę</b></td><td>Naprzód</td></tr>
<tr><td><b>strzałka w dół</b></td><td>Do tyłu</td></tr>
<tr><td><b>strzałka w prawo</b></td><td>W prawo</td></tr>
<tr><td><b>strzałka w lewo</b></td><td>W lewo</td></tr>
<tr><td><b>O</b></td><td>Okrąg</td></tr>
<tr><td><b>K</b></td><td>Kwadrat</td></tr>
<tr><td><b>P</b></td><td>Podnieś/Opuść pisak</td></tr>
<tr><td><b>W</b></td><td>Wypełnij</td></tr>
<tr><td><b>C</b></td><td>Wyczyść</td></tr>
<tr><td><b>Home</b></td><td>Wróć</td></tr>
<tr><td><b>F11</b></td><td>pole żółwia na cały ekran, z miejscem żółwia w rogu; klawisze działają
tak samo jak w oknie; <b>F11</b> albo <b>Esc</b> wraca do okna</td></tr>
<tr><td><b>V</b></td><td>Widok z góry: cała strona z góry i z powrotem kamera za żółwiem</td></tr>
<tr><td><b>F1</b></td><td>ta pomoc</td></tr>
<tr><td><b>F10</b></td><td>menu</td></tr>
</table>
<p>Okno można powiększyć albo rozciągnąć na cały ekran: pole żółwia rośnie razem z nim.</p>

<h2>Kamera</h2>
<p>Lewy przycisk myszy w polu żółwia obraca kamerę. Prawy przycisk myszy odsuwa ją albo
przysuwa. Tak możesz obejrzeć rysunek z każdej strony. Dwukrotne kliknięcie w polu żółwia
przywraca kamerę na początkowe miejsce.</p>

<h2>Strony zeszytu</h2>
<p>Rysunki leżą w zeszycie, który ma do ośmiu stron. Każda strona ma swój rysunek i swojego żółwia.
Cztery przyciski pod paskiem kolorów to <b>Dodaj stronę</b> (nowa strona za bieżącą, a z klawiszem
<b>Shift</b> – przed nią), <b>Usuń stronę</b>, <b>Poprzednia strona</b> i <b>Następna strona</b>.
Na dole okna widać numer strony i liczbę stron, miejsce żółwia (X, Y) i jego kierunek (K) w stopniach.</p>

<h2>Menu</h2>
<table>
<tr><td><b>Zeszyt</b></td><td><b>Nowy</b> (Ctrl+N) zaczyna pusty zeszyt. <b>Otwórz...</b> (Ctrl+O)
pokazuje zapisane zeszyty z obrazkiem pierwszej strony: kliknij zeszyt dwa razy albo kliknij go i <b>OK</b>.
<b>Zapisz</b> (Ctrl+S) zapisuje zeszyt, a <b>Zapisz jako...</b> (Ctrl+Shift+S) zapisuje go pod nową nazwą.
<b>Drukuj...</b> (Ctrl+P) drukuje wszystkie strony, każdą na osobnej kartce papieru.
<b>Zapisz stronę jako obraz...</b> (Ctrl+E) zapisuje oglądaną stronę jako obrazek PNG, cztery razy
większy, w folderze obrazów – można go wysłać albo pokazać innym. W oknie zapisu można też wybrać
dokładną stronę, 256 × 256 punktów.
<b>Zapisz animację rysowania…</b> (Ctrl+Shift+E) zapisuje w folderze obrazów animację GIF, w której
żółw rysuje stronę jeszcze raz, tak jak powstała – też do pokazania innym.
<b>Koniec</b> (Ctrl+Q) zamyka program; gdy rysunki się zmieniły, program pyta, czy je zachować.</td></tr>
<tr><td><b>Edycja</b></td><td><b>Cofnij</b> (Ctrl+Z) odwołuje ostatni ruch, wypełnienie, czyszczenie
albo inną zmianę rysunku; <b>Ponów</b> (Ctrl+Y albo Ctrl+Shift+Z) przywraca to, co zostało cofnięte.
<b>Kopiuj obraz</b> kopiuje ten sam obrazek do schowka, skąd można go wkleić w innym programie.
<b>Odtwórz stronę</b> (F5) czyści stronę i żółw rysuje ją jeszcze raz, krok po kroku, tak jak
powstała; <b>Esc</b> od razu przywraca gotowy rysunek. <b>Jak powstał rysunek</b> pokazuje te kroki
słowami, a przycisk <b>Kopiuj jako tekst</b> kopiuje ich listę do schowka.
<b>Umieść tło</b> kładzie na stronę obrazek z pliku BMP albo PNG.</td></tr>
<tr><td><b>Opcje</b></td><td><b>Pisak</b> – kolor, grubość i ustawienie pisaka.
<b>Żółw</b> – miejsce i kierunek żółwia, wpisane liczbami. <b>Szybkość żółwia</b> – jak szybko żółw
chodzi: <b>Wolno</b>, <b>Normalnie</b>, <b>Szybko</b> albo <b>Błyskawicznie</b>, gdy rysunek ma być
gotowy od razu; program zapamiętuje wybór. <b>Ekran</b> – kolor tła. <b>Widok z góry</b> (V) pokazuje
całą stronę z góry, północą do góry; drugi raz wraca kamera za żółwiem. <b>Gładkie krawędzie</b> –
gdy żółw stoi, kreski na dużym widoku są gładkie, bez schodków; tak samo w zapisanych, skopiowanych
i drukowanych obrazkach. Program zapamiętuje wybór.
<b>Wyświetlanie</b> jest w tej wersji wyłączone. <b>Język</b> – Polski albo English; program
od razu mówi w wybranym języku i zapamiętuje wybór.</td></tr>
<tr><td><b>Pomoc</b></td><td><b>Wprowadzenie</b> otwiera tę pomoc, <b>Nauczyciel</b> – przykładowe lekcje,
a <b>O programie</b> mówi, co to za program.</td></tr>
</table>

<h2>Gdzie są zapisane zeszyty</h2>
<p>Zeszyty leżą w folderze dokumentów, w folderze <b>Qel 3D/KARTKI</b>. Każda strona jest tam
zwykłym obrazkiem (na przykład DOM1.bmp, DOM2.bmp dla zeszytu DOM), który można otworzyć
w każdym programie do rysowania.</p>

<h2>Pasek narzędzi</h2>
<p>Przycisk <b>Co to jest?</b> otwiera tę pomoc, przycisk <b>Nauczyciel</b> – przykładowe lekcje,
a <b>Koniec</b> zamyka program. Trzy następne przyciski, <b>Cofnij</b>, <b>Ponów</b> i
<b>Odtwórz stronę</b>, działają tak samo jak w menu <b>Edycja</b>. Ostatni przycisk, z licznikiem,
wybiera szybkość żółwia. W czasie odtwarzania strony przycisk <b>Odtwórz stronę</b> staje się
przyciskiem <b>Zatrzymaj</b>. Zamknięcie okna w czasie, gdy żółw idzie, najpierw go zatrzymuje, tak jak
klawisz <b>Esc</b>; narysowane linie zostają.</p>
<p>Gdy program zostanie nagle przerwany, zanim rysunki zostaną zapisane, przy następnym
uruchomieniu zapyta, czy je przywrócić.</p>

<h2>Moje polecenia</h2>
<p><b>Naucz żółwia</b> (Edycja, klawisz N) zaczyna naukę: pokaż żółwiowi kilka poleceń, kliknij
<b>Gotowe</b>, nadaj im nazwę i wybierz obrazek, a nowe polecenie stanie w wierszu <b>Moje polecenia</b>
pod panelem. Suwak <b>ile razy</b> przy jego przycisku mówi, ile razy żółw je powtórzy (klawisze 1–6
uruchamiają polecenia z wiersza), a prawy przycisk myszy pozwala zmienić nazwę, pokazać polecenia
albo zapomnieć polecenie. To samo robi menu <b>Edycja</b> dla polecenia użytego ostatnio albo tego,
które ma klawiaturę: <b>Zmień nazwę</b>, <b>Pokaż polecenia</b> i <b>Zapomnij</b>.</p>

<h2>Program żółwia</h2>
<p><b>Program</b> (Edycja, klawisze <b>Ctrl+T</b>) otwiera obok pola żółwia program strony: wszystko, co
żółw narysował, zapisane słowami, po jednym kroku w wierszu. Każde kliknięcie dopisuje swój wiersz,
a <b>Cofnij</b> go zabiera. Możesz też sam pisać i zmieniać wiersze. <b>Uruchom</b> (<b>F9</b>) rysuje
stronę od początku według programu i zaznacza wiersz, który żółw właśnie robi; <b>Krok</b> (<b>F8</b>)
robi następny krok i czeka; <b>Esc</b> zatrzymuje żółwia. Gdy w programie jest błąd, nic się nie
rysuje: błąd jest zaznaczony, a na dole okna jest napisane, co poprawić. <b>Zeszyt → Otwórz program…</b>
i <b>Zapisz program…</b> czytają i zapisują program jako plik tekstowy (.txt).</p>
<table>
<tr><td><b>naprzód 50</b> (np)</td><td>żółw idzie 50 kroków do przodu (do 1000)</td></tr>
<tr><td><b>wstecz 50</b> (ws)</td><td>żółw cofa się o 50 kroków (do 1000)</td></tr>
<tr><td><b>prawo 90</b> (pw)</td><td>żółw obraca się w prawo o 90 stopni (do 36000)</td></tr>
<tr><td><b>lewo 90</b> (lw)</td><td>żółw obraca się w lewo o 90 stopni (do 36000)</td></tr>
<tr><td><b>okrąg 30</b></td><td>okrąg o promieniu 30 wokół żółwia (do 127)</td></tr>
<tr><td><b>kwadrat 50</b></td><td>kwadrat o boku 50 (do 254)</td></tr>
<tr><td><b>podnieś</b> (pod)</td><td>podnosi pisak</td></tr>
<tr><td><b>opuść</b> (opu)</td><td>opuszcza pisak</td></tr>
<tr><td><b>kolor 4</b></td><td>kolor pisaka: numer koloru na pasku, od 0 do 15</td></tr>
<tr><td><b>tło 7</b></td><td>nowy kolor tła, od 0 do 15; strona zostaje wyczyszczona</td></tr>
<tr><td><b>grubość 2</b></td><td>grubość pisaka, od 1 do 8</td></tr>
<tr><td><b>tryb 0</b></td><td>pisak rysuje (0), zmazuje (1) albo odwraca kolory (2)</td></tr>
<tr><td><b>wypełnij</b></td><td>zamalowuje miejsce, na którym stoi żółw</td></tr>
<tr><td><b>wyczyść</b></td><td>czyści stronę</td></tr>
<tr><td><b>wróć</b></td><td>żółw wraca na środek strony</td></tr>
<tr><td><b>ustaw 0 50 90</b></td><td>stawia żółwia w miejscu X = 0, Y = 50, kierunek 90 (X i Y od −127 do 127)</td></tr>
<tr><td><b>powtórz 4 [naprzód 50 prawo 90]</b></td><td>powtarza to, co w nawiasach, 4 razy (do 10000); nawiasy
mogą być jedne w drugich, najwyżej 8</td></tr>
<tr><td><b>oto Bok naprzód 50 prawo 90 już</b></td><td>uczy żółwia polecenia <b>Bok</b>; polecenie staje
w wierszu <b>Moje polecenia</b></td></tr>
<tr><td><b>Bok</b>, <b>Bok 3</b></td><td>robi polecenie <b>Bok</b> raz albo 3 razy (do 36)</td></tr>
</table>
<p>Żółw rozumie też słowa angielskie (<b>forward</b>, <b>back</b>, <b>right</b>, <b>left</b>, <b>repeat</b>,
<b>to … end</b> …) i skróty <b>fd</b>, <b>bk</b>, <b>rt</b>, <b>lt</b>, <b>pu</b>, <b>pd</b>. Tekst po
średniku <b>;</b> to uwaga, której żółw nie czyta. Żółw zatrzymuje się na brzegu strony.</p>
)");
}

std::string TutorHelpText()
{
    return HelpPage("pl", "Qel 3D – Nauczyciel", R"(
<p>Oto kilka lekcji. Rób po kolei to, co jest napisane. Najpierw ustaw suwak na podaną liczbę,
potem kliknij przycisk. Na początku każdej lekcji kliknij <b>Wyczyść</b> i <b>Wróć</b>.</p>

<h2>Lekcja 1. Pierwsza linia</h2>
<ol>
<li>Ustaw suwak przy <b>Naprzód</b> na 100 i kliknij <b>Naprzód</b>. Żółw narysuje linię w górę.</li>
<li>Kliknij <b>W prawo</b> z suwakiem na 90, a potem znowu <b>Naprzód</b>. Powstał kąt prosty.</li>
</ol>

<h2>Lekcja 2. Kwadrat krok po kroku</h2>
<ol>
<li>Ustaw <b>Naprzód</b> na 50 i <b>W prawo</b> na 90.</li>
<li>Kliknij cztery razy: <b>Naprzód</b>, <b>W prawo</b>. Żółw wrócił tam, skąd wyszedł!</li>
<li>To samo zrobi jeden przycisk: ustaw <b>Kwadrat</b> na 50 i kliknij go.</li>
</ol>

<h2>Lekcja 3. Domek</h2>
<ol>
<li><b>Kwadrat</b> 50 – to ściany domku.</li>
<li>Dach: <b>Naprzód</b> 50, <b>W prawo</b> 30, <b>Naprzód</b> 50,
<b>W prawo</b> 90 i jeszcze <b>W prawo</b> 30, <b>Naprzód</b> 50.</li>
<li>Drzwi: kliknij <b>Wróć</b> i podnieś pisak (<b>Podnieś/Opuść</b>).
<b>W prawo</b> 90, <b>Naprzód</b> 20, <b>W lewo</b> 90, opuść pisak i kliknij <b>Kwadrat</b> 15.</li>
<li>Kolor ścian: podnieś pisak, <b>Naprzód</b> 30, wybierz kolor i kliknij <b>Wypełnij</b>.</li>
</ol>
<p class="tip">Dach ma trzy równe boki, dlatego żółw skręca najpierw o 30, a potem o 120 stopni.</p>

<h2>Lekcja 4. Kwiatek z kółek</h2>
<ol>
<li>Podnieś pisak. Okrąg rysuje się zawsze, a żółw nie zostawi innych śladów.</li>
<li>Płatek: <b>Naprzód</b> 25, <b>Okrąg</b> 15, <b>Do tyłu</b> 25, <b>W prawo</b> 60.</li>
<li>Powtórz płatek sześć razy – płatki ułożą się dookoła.</li>
<li>Środek: <b>Okrąg</b> 10. Kliknij żółty kolor i <b>Wypełnij</b>.</li>
<li>Łodyga: kliknij dwa razy <b>W prawo</b> 90 i <b>Naprzód</b> 40. Teraz wybierz zielony kolor,
opuść pisak i kliknij <b>Naprzód</b> 50.</li>
</ol>

<h2>Lekcja 5. Uczymy żółwia</h2>
<ol>
<li>Kliknij <b>Naucz żółwia</b> (klawisz N). Nad polem żółwia pojawi się pasek „Uczę żółwia”.</li>
<li>Pokaż żółwiowi: <b>Naprzód</b> 50, <b>W prawo</b> 72. Kliknij <b>Gotowe</b> i nazwij polecenie <b>Bok</b>.</li>
<li>W wierszu <b>Moje polecenia</b> ustaw suwak <b>ile razy</b> przy <b>Bok</b> na 5 i kliknij przycisk.
Powstał pięciokąt, a żółw wrócił tam, skąd wyszedł!</li>
<li>Teraz naucz żółwia polecenia <b>Płatek</b>: <b>Naprzód</b> 25, <b>Okrąg</b> 15, <b>Do tyłu</b> 25,
<b>W prawo</b> 60. <b>Płatek</b> 6 razy rysuje kwiatek.</li>
</ol>

<h2>Lekcja 6. Piszemy program</h2>
<ol>
<li>Otwórz <b>Program</b> (klawisze <b>Ctrl+T</b>). Kliknij <b>Wyczyść</b>, a potem narysuj kwadrat
ręcznie: cztery razy <b>Naprzód</b> 50 i <b>W prawo</b> 90. W programie jest osiem wierszy:
<b>naprzód 50</b>, <b>prawo 90</b>…</li>
<li>Ten sam kwadrat słowami: usuń wiersze i napisz je sam, jeden pod drugim. Naciśnij <b>F9</b>.
Żółw rysuje stronę od początku według Twojego programu. <b>F8</b> robi jeden krok naraz.</li>
<li>Krócej: <b>powtórz 4 [naprzód 50 prawo 90]</b> i <b>F9</b>. Żółw wrócił tam, skąd wyszedł.</li>
<li>Nazwij bok: napisz <b>oto Bok naprzód 50 prawo 90 już</b>, a pod spodem <b>powtórz 4 [Bok]</b>.
Po <b>F9</b> polecenie <b>Bok</b> stoi też w wierszu <b>Moje polecenia</b>.</li>
<li>Zmień w programie 4 na 5, a 90 na 72 – co narysuje żółw?</li>
</ol>

<h2>Lekcja 7. Twoja kolej</h2>
<p>Narysuj bałwana z trzech okręgów albo ulicę pełną domków. Zmieniaj kolory i grubość pisaka.
Kamerą obejrzyj swój rysunek z boku!</p>
)");
}

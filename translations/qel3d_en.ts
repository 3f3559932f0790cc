<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>AnimationExport</name>
    <message>
        <source>Zapisywanie animacji rysowania…</source>
        <translation>Saving the drawing animation…</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nie można zapisać animacji w pliku %1: %2.</source>
        <translation>The animation could not be saved in the file %1: %2.</translation>
    </message>
    <message>
        <source>Zapisz animację rysowania</source>
        <translation>Save the drawing animation</translation>
    </message>
    <message>
        <source>Animacja GIF (*.gif)</source>
        <translation>GIF animation (*.gif)</translation>
    </message>
</context>
<context>
    <name>BackgroundPicture</name>
    <message>
        <source>Umieść tło</source>
        <translation>Set background</translation>
    </message>
    <message>
        <source>Obrazki BMP i PNG (*.bmp *.png)</source>
        <translation>BMP and PNG pictures (*.bmp *.png)</translation>
    </message>
    <message>
        <source>Nie można wczytać tła z pliku „%1”.
Plik nie istnieje albo nie jest poprawnym obrazkiem BMP ani PNG.</source>
        <translation>The background could not be loaded from the file “%1”.
The file is not there, or it is not a good BMP or PNG picture.</translation>
    </message>
</context>
<context>
    <name>CameraReturn</name>
    <message>
        <source>Dwukrotne kliknięcie w polu żółwia przywraca kamerę na początkowe miejsce.</source>
        <translation>Double-click in the turtle’s field to bring the camera back to where it started.</translation>
    </message>
</context>
<context>
    <name>ExceptionBox</name>
    <message>
        <source>Nieznany błąd.</source>
        <translation>Something went wrong.</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>Qel.hlp</source>
        <translation>Qel_en.hlp</translation>
    </message>
    <message>
        <source>QelLess.hlp</source>
        <translation>QelLess_en.hlp</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Pomoc</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku pomocy „%1”.
Sprawdź, czy plik leży w folderze programu.</source>
        <translation>The help file “%1” could not be opened.
Check that the file is in the program’s folder.</translation>
    </message>
    <message>
        <source>Pomoc – %1</source>
        <translation>Help – %1</translation>
    </message>
</context>
<context>
    <name>LanguageChoice</name>
    <message>
        <source>&amp;Język</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Język, w którym program mówi do ciebie</source>
        <translation>The language the program speaks to you in</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>&amp;Anuluj</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Tak</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Nie</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>&amp;Ponów próbę</source>
        <translation>&amp;Retry</translation>
    </message>
    <message>
        <source>Ignoruj</source>
        <translation>Ignore</translation>
    </message>
</context>
<context>
    <name>Notebook</name>
    <message>
        <source>Zeszyt może posiadać maksymalnie 8 stron.</source>
        <translation>A notebook can have at most 8 pages.</translation>
    </message>
    <message>
        <source>To jest ostatnia strona. Nie można usunąć wszystkich stron.</source>
        <translation>This is the last page. You cannot delete all the pages.</translation>
    </message>
    <message>
        <source>To jest pierwsza strona w zeszycie.</source>
        <translation>This is the first page of the notebook.</translation>
    </message>
    <message>
        <source>To jest ostatnia strona w zeszycie.</source>
        <translation>This is the last page of the notebook.</translation>
    </message>
</context>
<context>
    <name>NotebookDialogs</name>
    <message>
        <source>Rysunki w zeszycie zostały zmienione. Czy chcesz je zachować?</source>
        <translation>The drawings in the notebook have changed. Do you want to keep them?</translation>
    </message>
    <message>
        <source> Jest teraz otwarty w innej kopii programu.</source>
        <translation> It is open in another copy of the program right now.</translation>
    </message>
    <message>
        <source>Zeszyt o nazwie %1 istnieje.%2 Czy chcesz go zastapić?</source>
        <translation>A notebook called %1 already exists.%2 Do you want to replace it?</translation>
    </message>
    <message>
        <source>&amp;Zastąp</source>
        <translation>&amp;Replace</translation>
    </message>
    <message>
        <source>&amp;Zapisz jako…</source>
        <translation>&amp;Save as…</translation>
    </message>
    <message>
        <source>&amp;Anuluj</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>NotebookDocument</name>
    <message>
        <source>Nazwa zeszytu może mieć najwyżej %1 znaki. Wpisz krótszą nazwę.</source>
        <translation>A notebook name can be at most %1 letters long. Type a shorter name.</translation>
    </message>
    <message>
        <source>Zeszyt nie może mieć takiej nazwy. Nazwa nie może być pusta, zaczynać się od kropki ani zawierać znaków / i \.</source>
        <translation>A notebook cannot have this name. The name cannot be empty, start with a dot or contain / or \.</translation>
    </message>
    <message>
        <source>Tych poleceń żółwia nie da się odczytać i zostały pominięte: %1. Strony zeszytu otwierają się bez nich.</source>
        <translation>These turtle commands could not be read and were left out: %1. The notebook’s pages open without them.</translation>
    </message>
    <message>
        <source>W wierszu „Moje polecenia” nie ma już miejsca na: %1. Zapomnij któreś polecenie, a potem otwórz zeszyt jeszcze raz.</source>
        <translation>There is no more room in the “My commands” row for: %1. Forget a command, then open the notebook again.</translation>
    </message>
    <message>
        <source>Zeszyt %1 jest otwarty także w innej kopii programu.</source>
        <translation>The notebook %1 is open in another copy of the program too.</translation>
    </message>
    <message>
        <source>Rysunki nie zostały jeszcze zapisane. Zapisz je pod inną nazwą (Zapisz jako…).</source>
        <translation>The drawings are not saved yet. Save them under another name (Save as…).</translation>
    </message>
</context>
<context>
    <name>NotebookFault</name>
    <message>
        <source> Poprzednia kopia zeszytu pozostała bez zmian.</source>
        <translation> The earlier copy of the notebook is unchanged.</translation>
    </message>
    <message>
        <source>Zeszyt %1 został w międzyczasie zapisany przez inną kopię programu. Czy zastąpić go tymi rysunkami?</source>
        <translation>The notebook %1 was saved by another copy of the program meanwhile. Replace it with these drawings?</translation>
    </message>
    <message>
        <source>W zeszycie %1 nie udało się odczytać strony %2. Zamiast niej jest pusta strona.</source>
        <translation>Page %2 of the notebook %1 could not be read. There is an empty page in its place.</translation>
    </message>
    <message>
        <source>W zeszycie %1 nie udało się odczytać stron %2. Zamiast nich są puste strony.</source>
        <translation>Pages %2 of the notebook %1 could not be read. There are empty pages in their place.</translation>
    </message>
    <message>
        <source> Gdy zapiszesz zeszyt, pliki tych stron zostaną zachowane obok niego pod nowymi nazwami.</source>
        <translation> When you save the notebook, the files of these pages are kept beside it under new names.</translation>
    </message>
    <message>
        <source> i </source>
        <translation> and </translation>
    </message>
    <message>
        <source>W folderze %1 nie ma zeszytu o nazwie %2.</source>
        <translation>There is no notebook called %2 in the folder %1.</translation>
    </message>
    <message>
        <source>Zeszytu %1 nie można otworzyć: plik %1.qel3d w folderze %2 jest uszkodzony.</source>
        <translation>The notebook %1 cannot be opened: the file %1.qel3d in the folder %2 is damaged.</translation>
    </message>
    <message>
        <source>Zapisywanie zeszytu %1 w folderze %2 przerwało się w trakcie. Zeszyt na dysku może być niepełny; zapisz go jeszcze raz.</source>
        <translation>Saving the notebook %1 in the folder %2 stopped half way. The notebook on the disk may not be whole; save it once more.</translation>
    </message>
    <message>
        <source>Zeszyt %1 w folderze %2 został w międzyczasie zapisany przez inną kopię programu. Ten zapis niczego w nim nie zmienił.</source>
        <translation>The notebook %1 in the folder %2 was saved by another copy of the program meanwhile. This save changed nothing in it.</translation>
    </message>
    <message>
        <source>Zeszyt %1 w folderze %2 jest właśnie zapisywany przez inną kopię programu. Spróbuj ponownie za chwilę.</source>
        <translation>The notebook %1 in the folder %2 is being saved by another copy of the program right now. Try again in a moment.</translation>
    </message>
    <message>
        <source>Nie można zapisać zeszytu %1 w folderze %2: %3</source>
        <translation>The notebook %1 could not be saved in the folder %2: %3</translation>
    </message>
    <message>
        <source>Stron zeszytu %1, których nie można było odczytać, nie zastąpiono pustymi: ich pliki są zachowane obok zeszytu jako %2.</source>
        <translation>The pages of the notebook %1 that could not be read were not replaced with empty ones: their files are kept beside the notebook as %2.</translation>
    </message>
    <message>
        <source>Ostatni zapis zeszytu %1 w folderze %2 nie został dokończony, a folderu nie można teraz zmienić. Zeszyt otwarto takim, jaki jest na dysku.</source>
        <translation>The last save of the notebook %1 in the folder %2 did not finish, and the folder cannot be changed now. The notebook was opened as it is on the disk.</translation>
    </message>
    <message>
        <source>W folderze %2 był plik .%1.next, który nie pochodzi z zapisu zeszytu %1. Niczego według niego nie zmieniono; odłożono go jako .%1.next-nieważny.</source>
        <translation>The folder %2 held a file .%1.next that did not come from a save of the notebook %1. Nothing was changed by it; it was set aside as .%1.next-nieważny.</translation>
    </message>
</context>
<context>
    <name>NotebookPrint</name>
    <message>
        <source>Zeszyt</source>
        <translation>Notebook</translation>
    </message>
    <message>
        <source>Zeszyt %1</source>
        <translation>Notebook %1</translation>
    </message>
    <message>
        <source>%1 – strona %2 z %3</source>
        <translation>%1 – page %2 of %3</translation>
    </message>
</context>
<context>
    <name>OwnCommandDlg</name>
    <message>
        <source>Nowe polecenie żółwia</source>
        <translation>New turtle command</translation>
    </message>
    <message>
        <source>Nazwa polecenia</source>
        <translation>Command name</translation>
    </message>
    <message>
        <source>&amp;Nazwa polecenia:</source>
        <translation>Command &amp;name:</translation>
    </message>
    <message>
        <source>Obrazek %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>Naucz</source>
        <translation>Teach</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Obrazek na przycisku:</source>
        <translation>Picture on the button:</translation>
    </message>
</context>
<context>
    <name>OwnCommandRow</name>
    <message>
        <source>Moje polecenia</source>
        <translation>My commands</translation>
    </message>
    <message>
        <source>Moje polecenia:</source>
        <translation>My commands:</translation>
    </message>
    <message>
        <source>Naucz żółwia nowego polecenia (N).</source>
        <translation>Teach the turtle a new command (N).</translation>
    </message>
    <message>
        <source>Moje polecenie %1</source>
        <translation>My command %1</translation>
    </message>
    <message>
        <source>ile razy</source>
        <translation>How many times</translation>
    </message>
    <message>
        <source>ile razy %1</source>
        <translation>How many times: %1</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Pokaż polecenia</source>
        <translation>Show the commands</translation>
    </message>
    <message>
        <source>Zapomnij</source>
        <translation>Forget</translation>
    </message>
    <message>
        <source>Moje polecenie %1, %2</source>
        <translation>My command %1, %2</translation>
    </message>
</context>
<context>
    <name>PageExport</name>
    <message>
        <source>%1, strona %2.%3</source>
        <translation>%1, page %2.%3</translation>
    </message>
    <message>
        <source>Rysunek</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Zapisz stronę jako obraz</source>
        <translation>Save the page as a picture</translation>
    </message>
    <message>
        <source>Obraz PNG (*.png)</source>
        <translation>PNG picture (*.png)</translation>
    </message>
    <message>
        <source>Obraz PNG z gładkimi krawędziami, 1024 × 1024 (*.png)</source>
        <translation>PNG picture with smooth edges, 1024 × 1024 (*.png)</translation>
    </message>
    <message>
        <source>Obraz PNG, dokładna strona 256 × 256 (*.png)</source>
        <translation>PNG picture, the exact page 256 × 256 (*.png)</translation>
    </message>
    <message>
        <source>Nie można zapisać obrazu w pliku %1: %2.</source>
        <translation>The picture could not be saved in the file %1: %2.</translation>
    </message>
</context>
<context>
    <name>PanelAccess</name>
    <message>
        <source>Naprzód</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Żółw idzie naprzód o tyle kroków, ile pokazuje suwak obok.</source>
        <translation>The turtle walks forward as many steps as the slider next to it shows.</translation>
    </message>
    <message>
        <source>Do tyłu</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Żółw cofa się o tyle kroków, ile pokazuje suwak obok.</source>
        <translation>The turtle walks back as many steps as the slider next to it shows.</translation>
    </message>
    <message>
        <source>W prawo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>Żółw obraca się w prawo o tyle stopni, ile pokazuje suwak obok.</source>
        <translation>The turtle turns right as many degrees as the slider next to it shows.</translation>
    </message>
    <message>
        <source>W lewo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Żółw obraca się w lewo o tyle stopni, ile pokazuje suwak obok.</source>
        <translation>The turtle turns left as many degrees as the slider next to it shows.</translation>
    </message>
    <message>
        <source>Okrąg</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Żółw rysuje okrąg o promieniu, który pokazuje suwak obok.</source>
        <translation>The turtle draws a circle with the radius the slider next to it shows.</translation>
    </message>
    <message>
        <source>Kwadrat</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Żółw rysuje kwadrat o boku, który pokazuje suwak obok.</source>
        <translation>The turtle draws a square with the side the slider next to it shows.</translation>
    </message>
    <message>
        <source>Pisak</source>
        <translation>Pen</translation>
    </message>
    <message>
        <source>Podnosi albo opuszcza pisak. Wciśnięty: pisak opuszczony, żółw rysuje.</source>
        <translation>Lifts the pen or puts it down. Pressed: the pen is down and the turtle draws.</translation>
    </message>
    <message>
        <source>Wypełnij</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Zamalowuje kolorem pisaka miejsce, na którym stoi żółw.</source>
        <translation>Paints the place the turtle stands on in the pen color.</translation>
    </message>
    <message>
        <source>Pokaż postać</source>
        <translation>Show the character</translation>
    </message>
    <message>
        <source>Chowa albo pokazuje postać żółwia. Wciśnięty: postać jest widoczna.</source>
        <translation>Hides or shows the turtle’s character. Pressed: you can see the character.</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Wróć</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Wybór postaci</source>
        <translation>Choose a character</translation>
    </message>
    <message>
        <source>Otwiera okno z postaciami do wyboru.</source>
        <translation>Opens a window with characters to choose from.</translation>
    </message>
    <message>
        <source>Dodaj stronę</source>
        <translation>Add a page</translation>
    </message>
    <message>
        <source>Dodaje nową stronę zeszytu za bieżącą.</source>
        <translation>Adds a new page to the notebook after this one.</translation>
    </message>
    <message>
        <source>Usuń stronę</source>
        <translation>Delete the page</translation>
    </message>
    <message>
        <source>Usuwa bieżącą stronę zeszytu.</source>
        <translation>Deletes this page of the notebook.</translation>
    </message>
    <message>
        <source>Poprzednia strona</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Pokazuje poprzednią stronę zeszytu.</source>
        <translation>Shows the previous page of the notebook.</translation>
    </message>
    <message>
        <source>Następna strona</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Pokazuje następną stronę zeszytu.</source>
        <translation>Shows the next page of the notebook.</translation>
    </message>
    <message>
        <source>liczba kroków</source>
        <translation>number of steps</translation>
    </message>
    <message>
        <source>kąt w stopniach</source>
        <translation>angle in degrees</translation>
    </message>
    <message>
        <source>promień</source>
        <translation>radius</translation>
    </message>
    <message>
        <source>długość boku</source>
        <translation>length of a side</translation>
    </message>
    <message>
        <source>strzałka w górę</source>
        <translation>up arrow</translation>
    </message>
    <message>
        <source>strzałka w dół</source>
        <translation>down arrow</translation>
    </message>
    <message>
        <source>strzałka w prawo</source>
        <translation>right arrow</translation>
    </message>
    <message>
        <source>strzałka w lewo</source>
        <translation>left arrow</translation>
    </message>
    <message>
        <source>%1 (klawisz: %2)</source>
        <translation>%1 (key: %2)</translation>
    </message>
    <message>
        <source> Klawisz: %1.</source>
        <translation> Key: %1.</translation>
    </message>
    <message>
        <source>Suwak przy przycisku %1: %2. Strzałki zmieniają liczbę.</source>
        <translation>Slider of the %1 button: %2. The arrow keys change the number.</translation>
    </message>
    <message>
        <source>Kolor pisaka</source>
        <translation>Pen color</translation>
    </message>
    <message>
        <source>Kolor tła</source>
        <translation>Background color</translation>
    </message>
    <message>
        <source>Grubość pisaka</source>
        <translation>Pen width</translation>
    </message>
    <message>
        <source>Numer koloru pisaka</source>
        <translation>Number of the pen color</translation>
    </message>
    <message>
        <source>Numer koloru tła</source>
        <translation>Number of the background color</translation>
    </message>
    <message>
        <source>Grubość pisaka w punktach</source>
        <translation>Pen width in dots</translation>
    </message>
    <message>
        <source>Więcej przycisków</source>
        <translation>More buttons</translation>
    </message>
    <message>
        <source>Widok żółwia</source>
        <translation>Turtle view</translation>
    </message>
    <message>
        <source>Pasek stanu</source>
        <translation>Status bar</translation>
    </message>
    <message>
        <source>Strona zeszytu i liczba stron</source>
        <translation>Notebook page and number of pages</translation>
    </message>
    <message>
        <source>Położenie X żółwia</source>
        <translation>Turtle’s X position</translation>
    </message>
    <message>
        <source>Położenie Y żółwia</source>
        <translation>Turtle’s Y position</translation>
    </message>
    <message>
        <source>Kierunek żółwia w stopniach</source>
        <translation>Turtle’s heading in degrees</translation>
    </message>
    <message>
        <source>Pasek grubości. Na tym pasku strzałki wybierają grubość linii.</source>
        <translation>Width strip. Here the arrow keys choose how thick the line is.</translation>
    </message>
    <message>
        <source>Czyści stronę kolorem tła; żółw zostaje na miejscu.</source>
        <translation>Clears the page to the background color; the turtle stays where it is.</translation>
    </message>
    <message>
        <source>Żółw wraca na środek strony i patrzy w górę.</source>
        <translation>The turtle goes back to the middle of the page and looks up.</translation>
    </message>
    <message>
        <source>Pasek kolorów. Na tym pasku strzałki wybierają kolor pisaka, a Shift ze spacją robi z niego kolor tła i czyści stronę.</source>
        <translation>Color strip. Here the arrow keys choose the pen color, and Shift with Space makes it the background color and clears the page.</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O, from the Polish Okrąg</translation>
    </message>
    <message>
        <source>K</source>
        <translation>K, from the Polish Kwadrat</translation>
    </message>
    <message>
        <source>P</source>
        <translation>P, from the Polish Pisak</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W, from the Polish Wypełnij</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C, from the Polish Czyść</translation>
    </message>
</context>
<context>
    <name>PanelLock</name>
    <message>
        <source>Żółw rysuje… Esc – zatrzymaj</source>
        <translation>The turtle is drawing… Esc – stop</translation>
    </message>
    <message>
        <source>Odtwarzanie strony… Esc – zatrzymaj</source>
        <translation>Replaying the page… Esc – stop</translation>
    </message>
    <message>
        <source>&amp;Zatrzymaj</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>Zatrzymaj odtwarzanie (Esc)</source>
        <translation>Stop the replay (Esc)</translation>
    </message>
</context>
<context>
    <name>ProgramControl</name>
    <message>
        <source>Pro&amp;gram</source>
        <translation>Turtle pro&amp;gram</translation>
    </message>
    <message>
        <source>Program (Ctrl+T)</source>
        <translation>Turtle program (Ctrl+T)</translation>
    </message>
    <message>
        <source>Pokazuje obok żółwia jego program: kroki strony zapisane słowami</source>
        <translation>Shows the turtle&apos;s program beside it: the page&apos;s steps written in words</translation>
    </message>
    <message>
        <source>Uruc&amp;hom</source>
        <translation>Ru&amp;n</translation>
    </message>
    <message>
        <source>Uruchom (F9)</source>
        <translation>Run (F9)</translation>
    </message>
    <message>
        <source>Żółw rysuje stronę od początku według programu</source>
        <translation>The turtle draws the page again from its start by the program</translation>
    </message>
    <message>
        <source>K&amp;rok</source>
        <translation>&amp;Step</translation>
    </message>
    <message>
        <source>Krok (F8)</source>
        <translation>Step (F8)</translation>
    </message>
    <message>
        <source>Żółw robi następny krok programu i czeka</source>
        <translation>The turtle does the program&apos;s next step and waits</translation>
    </message>
    <message>
        <source>Otwórz pro&amp;gram…</source>
        <translation>Open pro&amp;gram…</translation>
    </message>
    <message>
        <source>Wczytuje program żółwia z pliku tekstowego</source>
        <translation>Reads a turtle&apos;s program from a text file</translation>
    </message>
    <message>
        <source>Zapisz progra&amp;m…</source>
        <translation>Save progra&amp;m…</translation>
    </message>
    <message>
        <source>Zapisuje program żółwia w pliku tekstowym</source>
        <translation>Saves the turtle&apos;s program in a text file</translation>
    </message>
    <message>
        <source>W rzędzie „Moje polecenia” nie ma już miejsca na: %1.</source>
        <translation>There is no more room in the “My commands” row for: %1.</translation>
    </message>
    <message>
        <source>Otwórz program</source>
        <translation>Open a program</translation>
    </message>
    <message>
        <source>Program żółwia (*.txt)</source>
        <translation>Turtle program (*.txt)</translation>
    </message>
    <message>
        <source>Zapisz program</source>
        <translation>Save the program</translation>
    </message>
    <message>
        <source>Program.txt</source>
        <translation>Turtle program.txt</translation>
    </message>
    <message>
        <source>Program zapisano w pliku %1.</source>
        <translation>The program was saved in the file %1.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>Nie udało się otworzyć pliku %1.</source>
        <translation>The file %1 could not be opened.</translation>
    </message>
    <message>
        <source>Plik %1 jest za duży, by był programem żółwia.</source>
        <translation>The file %1 is too big to be a turtle&apos;s program.</translation>
    </message>
    <message>
        <source>Nie udało się przeczytać pliku %1.</source>
        <translation>The file %1 could not be read.</translation>
    </message>
    <message>
        <source>Nie udało się zapisać programu w pliku %1: %2. Plik pozostał bez zmian.</source>
        <translation>The program could not be saved in the file %1: %2. The file was left as it was.</translation>
    </message>
</context>
<context>
    <name>ProgramMistake</name>
    <message>
        <source>Żółw nie zna słowa „%1”.</source>
        <translation>The turtle does not know the word “%1”.</translation>
    </message>
    <message>
        <source>Żółw nie zna słowa „%1”. Może chodziło o „%2”?</source>
        <translation>The turtle does not know the word “%1”. Did you mean “%2”?</translation>
    </message>
    <message>
        <source>Po „%1” napisz, ile kroków, np. %2.</source>
        <translation>After “%1” write how many steps, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz, o ile stopni, np. %2.</source>
        <translation>After “%1” write how many degrees, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz, jak duży, np. %2.</source>
        <translation>After “%1” write how big, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz numer koloru od 0 do 15, np. %2.</source>
        <translation>After “%1” write the number of a color from 0 to 15, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz, jak gruby pisak, np. %2.</source>
        <translation>After “%1” write how wide the pen is, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz 0 (rysuje), 1 (zmazuje) lub 2 (odwraca), np. %2.</source>
        <translation>After “%1” write 0 (draws), 1 (erases) or 2 (inverts), e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz, ile razy, np. %2.</source>
        <translation>After “%1” write how many times, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” napisz X, Y i kierunek, np. %2.</source>
        <translation>After “%1” write X, Y and the heading, e.g. %2.</translation>
    </message>
    <message>
        <source>Po „%1” może stać liczba od %2 do %3, a nie %4.</source>
        <translation>After “%1” a number from %2 to %3 may stand, not %4.</translation>
    </message>
    <message>
        <source>Po „%1” i liczbie napisz w nawiasach „[ ]”, co powtarzać, np. %2.</source>
        <translation>After “%1” and the number write in brackets “[ ]” what to repeat, e.g. %2.</translation>
    </message>
    <message>
        <source>Brakuje „]”: każdy nawias „[” trzeba zamknąć.</source>
        <translation>A “]” is missing: every “[” must be closed.</translation>
    </message>
    <message>
        <source>Jest „]”, ale nie ma przed nim „[”.</source>
        <translation>There is a “]”, but no “[” before it.</translation>
    </message>
    <message>
        <source>Nawias „[” stoi tu bez „powtórz” i liczby przed nim.</source>
        <translation>The bracket “[” stands here without “repeat” and a number before it.</translation>
    </message>
    <message>
        <source>Liczba %1 stoi tu sama: napisz przed nią polecenie, np. %2.</source>
        <translation>The number %1 stands here alone: write a command before it, e.g. %2.</translation>
    </message>
    <message>
        <source>Polecenie „%1” nie ma jeszcze kroków: napisz je przed końcem.</source>
        <translation>The command “%1” has no steps yet: write them before its end.</translation>
    </message>
    <message>
        <source>Brakuje „%2” na końcu polecenia „%1”.</source>
        <translation>“%2” is missing at the end of the command “%1”.</translation>
    </message>
    <message>
        <source>Jest „%1”, ale żadne polecenie się tu nie zaczęło.</source>
        <translation>There is “%1”, but no command started here.</translation>
    </message>
    <message>
        <source>Po „%1” napisz nazwę nowego polecenia, np. %1 Bok.</source>
        <translation>After “%1” write the name of the new command, e.g. %1 Side.</translation>
    </message>
    <message>
        <source>Nazwa „%1” nie pasuje: polecenie nazywa się literami i cyframi, najwyżej 16 znaków.</source>
        <translation>The name “%1” does not fit: a command is named with letters and digits, at most 16 of them.</translation>
    </message>
    <message>
        <source>„%1” to słowo żółwia: nowe polecenie musi mieć inną nazwę.</source>
        <translation>“%1” is one of the turtle&apos;s words: a new command needs another name.</translation>
    </message>
    <message>
        <source>„%1” można napisać tylko poza innymi poleceniami i nawiasami.</source>
        <translation>“%1” may only be written outside other commands and brackets.</translation>
    </message>
    <message>
        <source>Za dużo poleceń jedno w drugim: najwyżej %1.</source>
        <translation>Too many commands inside each other: at most %1.</translation>
    </message>
    <message>
        <source>Polecenie „%1” ma za dużo kroków: najwyżej %2.</source>
        <translation>The command “%1” has too many steps: at most %2.</translation>
    </message>
    <message>
        <source>Polecenie „%1” wywołuje samo siebie, a tego żółw jeszcze nie umie.</source>
        <translation>The command “%1” calls itself, and the turtle cannot do that yet.</translation>
    </message>
    <message>
        <source>To nie jest program żółwia: są tu znaki, których żółw nie czyta.</source>
        <translation>This is not a turtle&apos;s program: it holds characters the turtle does not read.</translation>
    </message>
</context>
<context>
    <name>ProgramPane</name>
    <message>
        <source>Program</source>
        <translation>Turtle program</translation>
    </message>
    <message>
        <source>Program żółwia</source>
        <translation>The turtle&apos;s program</translation>
    </message>
    <message>
        <source>Kliknij przyciski albo napisz, np. powtórz 4 [naprzód 50 prawo 90], i naciśnij F9.</source>
        <translation>Click the buttons or write, e.g. repeat 4 [forward 50 right 90], and press F9.</translation>
    </message>
    <message>
        <source>Program zmieniony, jeszcze nie uruchomiony: F9 go uruchamia.</source>
        <translation>The program was changed and has not run yet: F9 runs it.</translation>
    </message>
</context>
<context>
    <name>RecordListDlg</name>
    <message>
        <source>Jak powstał rysunek</source>
        <translation>How the drawing was made</translation>
    </message>
    <message>
        <source>&amp;Kopiuj jako tekst</source>
        <translation>&amp;Copy as text</translation>
    </message>
    <message>
        <source>Zapisz &amp;animację…</source>
        <translation>Save as &amp;animation…</translation>
    </message>
    <message>
        <source>&amp;Zamknij</source>
        <translation>C&amp;lose</translation>
    </message>
</context>
<context>
    <name>RecordTexts</name>
    <message>
        <source>rysowanie</source>
        <translation>drawing</translation>
    </message>
    <message>
        <source>usuwanie</source>
        <translation>erasing</translation>
    </message>
    <message>
        <source>odwracanie</source>
        <translation>inverting</translation>
    </message>
    <message>
        <source> – zatrzymany</source>
        <translation> – stopped</translation>
    </message>
    <message>
        <source>Początek strony, kolor tła: %1</source>
        <translation>Start of the page, background color: %1</translation>
    </message>
    <message>
        <source>Naprzód</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Do tyłu</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>W prawo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>W lewo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Okrąg</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Kwadrat</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Ustawienie żółwia</source>
        <translation>Turtle placed</translation>
    </message>
    <message>
        <source>Powrót do środka</source>
        <translation>Back to the middle</translation>
    </message>
    <message>
        <source>Wypełnij</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Pisak podniesiony</source>
        <translation>Pen up</translation>
    </message>
    <message>
        <source>Pisak opuszczony</source>
        <translation>Pen down</translation>
    </message>
    <message>
        <source>Kolor: %1</source>
        <translation>Color: %1</translation>
    </message>
    <message>
        <source>Grubość: %1</source>
        <translation>Width: %1</translation>
    </message>
    <message>
        <source>Pisak: %1</source>
        <translation>Pen: %1</translation>
    </message>
    <message>
        <source>Zmiana całej strony</source>
        <translation>The whole page changed</translation>
    </message>
    <message>
        <source>Czyszczenie strony</source>
        <translation>Page cleared</translation>
    </message>
    <message>
        <source>Tło: %1</source>
        <translation>Background: %1</translation>
    </message>
    <message>
        <source>%1 × %2</source>
        <translation>%1 × %2</translation>
    </message>
    <message>
        <source> – zatrzymane</source>
        <translation> – stopped</translation>
    </message>
    <message>
        <source>Powtórz %1 razy: %2</source>
        <translation>Repeat %1 times: %2</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>Kopia odzysku rysunków nie może być zachowana: </source>
        <translation>No rescue copy of the drawings can be kept: </translation>
    </message>
    <message>
        <source>folder %1 jest tylko do odczytu.</source>
        <translation>the folder %1 is read-only.</translation>
    </message>
    <message>
        <source>na dysku z folderem %1 brak miejsca.</source>
        <translation>the disk with the folder %1 is full.</translation>
    </message>
    <message>
        <source>nie można pisać w folderze %1.</source>
        <translation>the folder %1 cannot be written to.</translation>
    </message>
    <message>
        <source>folder %1 jest dowiązaniem do innego miejsca.</source>
        <translation>the folder %1 is a link to another place.</translation>
    </message>
</context>
<context>
    <name>RecoveryOffer</name>
    <message>
        <source>Poprzednim razem program został zamknięty, zanim rysunki zostały zachowane.</source>
        <translation>Last time the program was closed before the drawings were saved.</translation>
    </message>
    <message>
        <source> Kopia pochodzi z %1; późniejszych zmian nie udało się w niej zapisać.</source>
        <translation> The copy is from %1; later changes could not be kept in it.</translation>
    </message>
    <message>
        <source>dd.MM.yyyy HH:mm</source>
        <translation>dd/MM/yyyy HH:mm</translation>
    </message>
    <message>
        <source> Starszych kopii jest jeszcze %1; następna zostanie zaproponowana przy kolejnym uruchomieniu.</source>
        <translation> There are %1 older copies left; the next one is offered the next time the program starts.</translation>
    </message>
    <message>
        <source> Czy przywrócić ostatnie rysunki?</source>
        <translation> Bring back the last drawings?</translation>
    </message>
</context>
<context>
    <name>ReplayControl</name>
    <message>
        <source>&amp;Odtwórz stronę</source>
        <translation>Re&amp;play the page</translation>
    </message>
    <message>
        <source>Odtwórz stronę</source>
        <translation>Replay the page</translation>
    </message>
    <message>
        <source>Żółw rysuje stronę jeszcze raz, tak jak powstała</source>
        <translation>The turtle draws the page once more, the way it was made</translation>
    </message>
    <message>
        <source>&amp;Jak powstał rysunek</source>
        <translation>&amp;How the drawing was made</translation>
    </message>
    <message>
        <source>Pokazuje po kolei, jak powstał rysunek na stronie</source>
        <translation>Shows step by step how the drawing on the page was made</translation>
    </message>
</context>
<context>
    <name>SavedFileNotice</name>
    <message>
        <source>Obraz zapisano jako %1 w folderze %2.</source>
        <translation>The picture is saved as %1 in the folder %2.</translation>
    </message>
    <message>
        <source>Animację zapisano jako %1 w folderze %2.</source>
        <translation>The animation is saved as %1 in the folder %2.</translation>
    </message>
</context>
<context>
    <name>SheetColors</name>
    <message>
        <source>czarny</source>
        <translation>black</translation>
    </message>
    <message>
        <source>bordowy</source>
        <translation>maroon</translation>
    </message>
    <message>
        <source>zielony</source>
        <translation>green</translation>
    </message>
    <message>
        <source>oliwkowy</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>granatowy</source>
        <translation>navy</translation>
    </message>
    <message>
        <source>fioletowy</source>
        <translation>purple</translation>
    </message>
    <message>
        <source>morski</source>
        <translation>teal</translation>
    </message>
    <message>
        <source>srebrny</source>
        <translation>silver</translation>
    </message>
    <message>
        <source>szary</source>
        <translation>gray</translation>
    </message>
    <message>
        <source>czerwony</source>
        <translation>red</translation>
    </message>
    <message>
        <source>jasnozielony</source>
        <translation>light green</translation>
    </message>
    <message>
        <source>żółty</source>
        <translation>yellow</translation>
    </message>
    <message>
        <source>niebieski</source>
        <translation>blue</translation>
    </message>
    <message>
        <source>różowy</source>
        <translation>pink</translation>
    </message>
    <message>
        <source>błękitny</source>
        <translation>light blue</translation>
    </message>
    <message>
        <source>biały</source>
        <translation>white</translation>
    </message>
</context>
<context>
    <name>SmoothEdgesChoice</name>
    <message>
        <source>Gładkie &amp;krawędzie</source>
        <translation>Smooth &amp;edges</translation>
    </message>
    <message>
        <source>Duży widok i zapisane obrazy pokazują kreski gładkie, bez schodków</source>
        <translation>The big view and saved pictures show lines smooth, without stair steps</translation>
    </message>
</context>
<context>
    <name>SpeedChoice</name>
    <message>
        <source>&amp;Wolno</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>Żółw chodzi dwa razy wolniej</source>
        <translation>The turtle walks half as fast</translation>
    </message>
    <message>
        <source>&amp;Normalnie</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>Żółw chodzi zwykłym krokiem</source>
        <translation>The turtle walks at its usual pace</translation>
    </message>
    <message>
        <source>&amp;Szybko</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>Żółw chodzi cztery razy szybciej</source>
        <translation>The turtle walks four times as fast</translation>
    </message>
    <message>
        <source>&amp;Błyskawicznie</source>
        <translation>&amp;Lightning</translation>
    </message>
    <message>
        <source>Żółw od razu kończy polecenie</source>
        <translation>The turtle finishes at once</translation>
    </message>
    <message>
        <source>Szybkość żółwia</source>
        <translation>Turtle speed</translation>
    </message>
    <message>
        <source>&amp;Szybkość żółwia</source>
        <translation>Turtle &amp;speed</translation>
    </message>
    <message>
        <source>Otwiera listę szybkości: wolno, normalnie, szybko, błyskawicznie.</source>
        <translation>Opens the list of speeds: slow, normal, fast, lightning.</translation>
    </message>
</context>
<context>
    <name>SpokenPlace</name>
    <message>
        <source>X %1, Y %2, kierunek %3</source>
        <translation>X %1, Y %2, heading %3</translation>
    </message>
</context>
<context>
    <name>StatusPanels</name>
    <message>
        <source>Zeszyt: %1</source>
        <translation>Notebook: %1</translation>
    </message>
    <message>
        <source>Zeszyt bez nazwy</source>
        <translation>Untitled notebook</translation>
    </message>
    <message>
        <source>Zeszyt %1 został zapisany.</source>
        <translation>The notebook %1 is saved.</translation>
    </message>
</context>
<context>
    <name>StatusTexts</name>
    <message>
        <source>K = </source>
        <translation>H = </translation>
    </message>
</context>
<context>
    <name>TAboutDlg</name>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Program, w którym dzieci uczą się rysować i liczyć, prowadząc żółwia po kartce.</source>
        <translation>A program where children learn to draw and count by leading a turtle across a page.</translation>
    </message>
    <message>
        <source>Licencja: GNU GPL w wersji 3 lub późniejszej (GPL-3.0-or-later).</source>
        <translation>License: GNU GPL version 3 or later (GPL-3.0-or-later).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Wersja %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>TDisplayDlg</name>
    <message>
        <source>Ustawienia wyświetlania</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>RGB model</source>
        <translation>RGB model</translation>
    </message>
    <message>
        <source>Liniowa interpolacja tekstur</source>
        <translation>Smooth textures</translation>
    </message>
    <message>
        <source>Sortowanie poligonów</source>
        <translation>Sort polygons</translation>
    </message>
    <message>
        <source>Miękki cienie</source>
        <translation>Soft shadows</translation>
    </message>
    <message>
        <source>Wyłączenie akceleratora 3D</source>
        <translation>Turn off the 3D accelerator</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Naprzód</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Do tyłu</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>W prawo</source>
        <translation>Right</translation>
    </message>
    <message>
        <source>W lewo</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Okrąg</source>
        <translation>Circle</translation>
    </message>
    <message>
        <source>Kwadrat</source>
        <translation>Square</translation>
    </message>
    <message>
        <source>Podnies/Opuśc</source>
        <translation>Pen up/down</translation>
    </message>
    <message>
        <source>Wypełnij</source>
        <translation>Fill</translation>
    </message>
    <message>
        <source>Postać</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Wyczyść</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Wróć</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Dodaj stronę</source>
        <translation>Add a page</translation>
    </message>
    <message>
        <source>Usuń stronę</source>
        <translation>Delete the page</translation>
    </message>
    <message>
        <source>Poprzednia strona</source>
        <translation>Previous page</translation>
    </message>
    <message>
        <source>Następna strona</source>
        <translation>Next page</translation>
    </message>
    <message>
        <source>Lewy przycisk myszy w polu żółwia obraca kamerę.</source>
        <translation>The left mouse button in the turtle’s field turns the camera.</translation>
    </message>
    <message>
        <source>Prawy przycisk myszy w polu żółwia odsuwa kamerę.</source>
        <translation>The right mouse button in the turtle’s field moves the camera away.</translation>
    </message>
    <message>
        <source>Tworzenie, otweiranie, zahpisywanie, drukowanie zeszytu</source>
        <translation>Make, open, save and print a notebook</translation>
    </message>
    <message>
        <source>&amp;Zeszyt</source>
        <translation>&amp;Notebook</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Opcje programu</source>
        <translation>Program options</translation>
    </message>
    <message>
        <source>&amp;Opcje</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Pomoc i opis lekcji</source>
        <translation>Help and lessons</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Nowy</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Zaczyna nowy, pusty zeszyt</source>
        <translation>Starts a new, empty notebook</translation>
    </message>
    <message>
        <source>Otwiera zapisany zeszyt</source>
        <translation>Opens a saved notebook</translation>
    </message>
    <message>
        <source>&amp;Zapisz</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Zapisuje zeszyt</source>
        <translation>Saves the notebook</translation>
    </message>
    <message>
        <source>Zapisuje zeszyt pod nową nazwą</source>
        <translation>Saves the notebook under a new name</translation>
    </message>
    <message>
        <source>Drukuje wszystkie strony zeszytu</source>
        <translation>Prints all the pages of the notebook</translation>
    </message>
    <message>
        <source>Zapisuje stronę jako obraz do pokazania innym</source>
        <translation>Saves the page as a picture to show others</translation>
    </message>
    <message>
        <source>Zapisz animację &amp;rysowania…</source>
        <translation>Save the &amp;drawing animation…</translation>
    </message>
    <message>
        <source>Zapisuje, jak powstał rysunek, jako animację do pokazania innym</source>
        <translation>Saves how the drawing was made as an animation to show others</translation>
    </message>
    <message>
        <source>&amp;Koniec</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Zakończ działanie programu</source>
        <translation>Close the program</translation>
    </message>
    <message>
        <source>&amp;Cofnij</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Cofni ostatnią operacje</source>
        <translation>Take back the last step</translation>
    </message>
    <message>
        <source>&amp;Ponów</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>Ponów cofniętą operację</source>
        <translation>Do the step you took back again</translation>
    </message>
    <message>
        <source>&amp;Kopiuj obraz</source>
        <translation>&amp;Copy picture</translation>
    </message>
    <message>
        <source>Kopiuje obraz strony do schowka</source>
        <translation>Copies the page’s picture to the clipboard</translation>
    </message>
    <message>
        <source>&amp;Umieść tło</source>
        <translation>Set &amp;background…</translation>
    </message>
    <message>
        <source>Umieszcza nowe tło</source>
        <translation>Puts in a new background</translation>
    </message>
    <message>
        <source>&amp;Pisak</source>
        <translation>&amp;Pen</translation>
    </message>
    <message>
        <source>Zmiana ustawień pisaka</source>
        <translation>Change the pen settings</translation>
    </message>
    <message>
        <source>Żół&amp;w</source>
        <translation>&amp;Turtle</translation>
    </message>
    <message>
        <source>Zmiana ustawień żółwia</source>
        <translation>Change the turtle settings</translation>
    </message>
    <message>
        <source>&amp;Ekran</source>
        <translation>S&amp;creen</translation>
    </message>
    <message>
        <source>Ustawienia ekranu</source>
        <translation>Screen settings</translation>
    </message>
    <message>
        <source>W&amp;yświetlanie</source>
        <translation>&amp;Display</translation>
    </message>
    <message>
        <source>Ustaienia wyświetlania</source>
        <translation>Display settings</translation>
    </message>
    <message>
        <source>&amp;Wprowadzenie</source>
        <translation>&amp;Introduction</translation>
    </message>
    <message>
        <source>Podstawowe informacjie o programie</source>
        <translation>The basics of the program</translation>
    </message>
    <message>
        <source>&amp;Nauczyciel</source>
        <translation>&amp;Lessons</translation>
    </message>
    <message>
        <source>Wyswietlenie informacji z opisem przykładów</source>
        <translation>Shows example lessons</translation>
    </message>
    <message>
        <source>&amp;O programie</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>Wyświetlenie informacji o programie</source>
        <translation>Shows information about the program</translation>
    </message>
    <message>
        <source>Co to jest?</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Nauczyciel</source>
        <translation>Lessons</translation>
    </message>
    <message>
        <source>Koniec</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Cofnij</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Ponów</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Nie można wydrukować zeszytu.</source>
        <translation>The notebook could not be printed.</translation>
    </message>
    <message>
        <source>&amp;Otwórz…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Zapisz &amp;jako…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>&amp;Drukuj…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Zapisz stronę jako o&amp;braz…</source>
        <translation>Save page as p&amp;icture…</translation>
    </message>
    <message>
        <source>Żółw doszedł do brzegu strony.</source>
        <translation>The turtle has reached the edge of the page.</translation>
    </message>
</context>
<context>
    <name>TOpenDlg</name>
    <message>
        <source>Otwórz zeszyt</source>
        <translation>Open a notebook</translation>
    </message>
    <message>
        <source>Nazwa zeszytu</source>
        <translation>Notebook name</translation>
    </message>
    <message>
        <source>Nie zapisano jeszcze żadnego zeszytu.</source>
        <translation>No notebook has been saved yet.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TPenDlg</name>
    <message>
        <source>Ustawienia pisaka</source>
        <translation>Pen settings</translation>
    </message>
    <message>
        <source>Rysowanie</source>
        <translation>Drawing</translation>
    </message>
    <message>
        <source>Usuwanie</source>
        <translation>Erasing</translation>
    </message>
    <message>
        <source>Odwracanie</source>
        <translation>Inverting</translation>
    </message>
    <message>
        <source>Podnieś</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Opuść</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Grubość</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TPosDlg</name>
    <message>
        <source>Ustawienia żółwia</source>
        <translation>Turtle settings</translation>
    </message>
    <message>
        <source>Współrzędna X</source>
        <translation>X position</translation>
    </message>
    <message>
        <source>Współrzędna Y</source>
        <translation>Y position</translation>
    </message>
    <message>
        <source>Kierunek</source>
        <translation>Heading</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TSaveDlg</name>
    <message>
        <source>Nazwa zeszytu</source>
        <translation>Notebook name</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Podaj nazwę zeszytu. Nazwa może mieć do 64 znaków, także polskie litery i spacje. Nie może zaczynać się od kropki ani mieć znaków / i \. Strony zeszytu będą w folderze dokumentów, w folderze Qel 3D/KARTKI.</source>
        <translation>Type a name for the notebook. It can be up to 64 letters long, with any letters and spaces. It cannot start with a dot or contain / or \. The pages go into your documents folder, in the folder Qel 3D/KARTKI.</translation>
    </message>
</context>
<context>
    <name>TScreenDlg</name>
    <message>
        <source>Ustawienia ekranu</source>
        <translation>Screen settings</translation>
    </message>
    <message>
        <source>Zawija</source>
        <translation>Wraps around</translation>
    </message>
    <message>
        <source>Rysuje poza polem</source>
        <translation>Draws off the sheet</translation>
    </message>
    <message>
        <source>Zatrzymuje na końcu pola</source>
        <translation>Stops at the edge</translation>
    </message>
    <message>
        <source>Poziomo</source>
        <translation>Across</translation>
    </message>
    <message>
        <source>Pionowo</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Kolor tła</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TShapeDlg</name>
    <message>
        <source>Postać</source>
        <translation>Character</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TeachBar</name>
    <message>
        <source>%1 polecenie</source>
        <translation>%1 command</translation>
    </message>
    <message>
        <source>%1 polecenia</source>
        <translation>%1 commands</translation>
    </message>
    <message>
        <source>%1 poleceń</source>
        <translation>%1 commands</translation>
    </message>
    <message>
        <source>Uczę żółwia</source>
        <translation>Teaching the turtle</translation>
    </message>
    <message>
        <source>Gotowe</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Uczę żółwia: %1</source>
        <translation>Teaching the turtle: %1</translation>
    </message>
    <message>
        <source>%1 raz</source>
        <translation>%1 time</translation>
    </message>
    <message>
        <source>%1 razy</source>
        <translation>%1 times</translation>
    </message>
</context>
<context>
    <name>TeachControl</name>
    <message>
        <source>&amp;Naucz żółwia</source>
        <translation>&amp;Teach the turtle</translation>
    </message>
    <message>
        <source>Naucz żółwia (N)</source>
        <translation>Teach the turtle (N)</translation>
    </message>
    <message>
        <source>Pokaż żółwiowi polecenia, a nauczy się ich pod nową nazwą</source>
        <translation>Show the turtle some commands, and it learns them under a new name</translation>
    </message>
    <message>
        <source>Naucz żółwia</source>
        <translation>Teach the turtle</translation>
    </message>
    <message>
        <source>Żółw nie zobaczył jeszcze żadnego polecenia. Pokaż mu polecenia albo wybierz „Anuluj”.</source>
        <translation>The turtle has not seen any commands yet. Show it some commands or choose “Cancel”.</translation>
    </message>
    <message>
        <source>W wierszu „Moje polecenia” jest już %1 poleceń. Zapomnij któreś, aby nauczyć nowego.</source>
        <translation>The “My commands” row already has %1 commands. Forget one to teach a new one.</translation>
    </message>
    <message>
        <source>Wpisz nazwę polecenia.</source>
        <translation>Type a name for the command.</translation>
    </message>
    <message>
        <source>Nazwa może mieć najwyżej %1 liter.</source>
        <translation>The name can have at most %1 letters.</translation>
    </message>
    <message>
        <source>„%1” to już przycisk żółwia. Wybierz inną nazwę.</source>
        <translation>“%1” is already a turtle button. Choose another name.</translation>
    </message>
    <message>
        <source>Żółw zna już polecenie „%1”. Wybierz inną nazwę.</source>
        <translation>The turtle already knows the command “%1”. Choose another name.</translation>
    </message>
    <message>
        <source>Zmień nazwę polecenia</source>
        <translation>Rename the command</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Pokaż polecenia</source>
        <translation>Show the commands</translation>
    </message>
    <message>
        <source>Rysunek w zeszycie używa polecenia „%1”. Strona i tak odtworzy się tak samo. Czy zapomnieć to polecenie?</source>
        <translation>A drawing in the notebook uses the command “%1”. The page will still replay the same. Forget this command?</translation>
    </message>
    <message>
        <source>Zapomnij</source>
        <translation>Forget</translation>
    </message>
    <message>
        <source>Nie wszystkie zapamiętane polecenia żółwia dało się odczytać.</source>
        <translation>Not all the turtle commands kept from before could be read.</translation>
    </message>
    <message>
        <source>Nie wszystkie zapamiętane polecenia żółwia dało się odczytać. Plik odłożono jako %1.</source>
        <translation>Not all the turtle commands kept from before could be read. The file was put aside as %1.</translation>
    </message>
    <message>
        <source>Zmień nazwę</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Polecenia można wkładać jedno w drugie najwyżej %1 razy.</source>
        <translation>Commands can be put one inside another at most %1 times.</translation>
    </message>
    <message>
        <source>Żółw jeszcze się uczy. Jeśli zamkniesz program, nie zapamięta nowego polecenia. Czy zamknąć program?</source>
        <translation>The turtle is still learning. If you close the program, it will not remember the new command. Close the program?</translation>
    </message>
    <message>
        <source>Nazwa może mieć tylko litery, bez cyfr, spacji i innych znaków.</source>
        <translation>The name can only have letters, with no digits, spaces or other signs.</translation>
    </message>
    <message>
        <source>&amp;Zmień nazwę</source>
        <translation>R&amp;ename</translation>
    </message>
    <message>
        <source>Pokaż pol&amp;ecenia</source>
        <translation>Show the co&amp;mmands</translation>
    </message>
    <message>
        <source>Zapo&amp;mnij</source>
        <translation>&amp;Forget</translation>
    </message>
    <message>
        <source>Jeden raz tego polecenia to byłoby więcej niż %L1 kroków żółwia. Powtarzaj tu polecenia mniej razy.</source>
        <translation>One run of this command would be more than %L1 turtle steps. Repeat the commands here fewer times.</translation>
    </message>
    <message>
        <source>W wierszu mieści się %1 poleceń; pozostałe zachowano w pliku %2.</source>
        <translation>The row holds %1 commands; the others were kept in the file %2.</translation>
    </message>
    <message>
        <source>Nie udało się zapamiętać poleceń żółwia w pliku %1: %2. Plik pozostał bez zmian.</source>
        <translation>The turtle commands could not be kept in the file %1: %2. The file was left as it was.</translation>
    </message>
</context>
<context>
    <name>TopViewChoice</name>
    <message>
        <source>Widok z &amp;góry</source>
        <translation>Top &amp;view</translation>
    </message>
    <message>
        <source>Widok z góry (V)</source>
        <translation>Top view (V)</translation>
    </message>
    <message>
        <source>Kamera patrzy z góry na całą stronę. Kliknij jeszcze raz, aby wrócić za żółwia.</source>
        <translation>The camera looks down on the whole page. Click once more to go back behind the turtle.</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>na dysku brakuje miejsca</source>
        <translation>there is no space left on the disk</translation>
    </message>
    <message>
        <source>nie ma uprawnień do zapisu w tym folderze</source>
        <translation>you may not write in this folder</translation>
    </message>
    <message>
        <source>dysk jest tylko do odczytu</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>nazwa jest za długa dla tego dysku</source>
        <translation>the name is too long for this disk</translation>
    </message>
    <message>
        <source>nie ma takiego folderu</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>w miejscu folderu jest plik</source>
        <translation>there is a file where the folder should be</translation>
    </message>
    <message>
        <source>w miejscu pliku jest folder</source>
        <translation>there is a folder where the file should be</translation>
    </message>
    <message>
        <source>dysk nie odpowiada poprawnie</source>
        <translation>the disk does not answer properly</translation>
    </message>
    <message>
        <source>wystąpił błąd zapisu na dysku</source>
        <translation>writing to the disk failed</translation>
    </message>
</context>
</TS>

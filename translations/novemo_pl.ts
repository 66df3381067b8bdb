<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Wiersz %1, kolumna %2, %3, podana</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Wiersz %1, kolumna %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Wiersz %1, kolumna %2, puste</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Czas gry w minutach i sekundach</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Czy na pewno chcesz się poddać?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Poddaj się</translation>
    </message>
</context>
<context>
    <name>HelpAbout</name>
    <message>
        <source>Fill the squares with Digits such that every row , column and 3 x 3 Squares have all Digits from 1 to 9.

Use Arrow keys or mouse Left-click to make a cell Active green.

Press keys from 1 to 9 to fill the Active cell with Digits.

Press Delete to delete value from the Active cell.</source>
        <extracomment>&quot;Active green&quot;: the chosen cell has a green frame. Backspace erases a cell.</extracomment>
        <translation>Wypełnij pola cyframi tak, aby w każdym wierszu, każdej kolumnie i każdym kwadracie 3×3 znalazły się wszystkie cyfry od 1 do 9.

Strzałkami lub lewym przyciskiem myszy wybierz pole – otrzyma ono zieloną ramkę.

Naciśnij klawisz od 1 do 9, aby wpisać cyfrę do wybranego pola.

Naciśnij Backspace, aby usunąć cyfrę z wybranego pola.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Jak grać w NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo, wersja 1.2

Autorzy: %1.
E-mail: %2
Strona: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>O programie Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Pomocnicze</translation>
    </message>
    <message>
        <source>test</source>
        <translation>test</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Poddaj się</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Wyniki</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
</context>
<context>
    <name>Scores</name>
    <message>
        <source>Novemo could not read its settings file
%1
(%2).

It was kept as
%3
and the game starts with an empty score table.</source>
        <extracomment>%1 and %3 are file paths; %2 says what is wrong with the file.</extracomment>
        <translation>Nie udało się odczytać pliku ustawień Novemo
%1
(%2).

Został on zachowany jako
%3
i gra zaczyna się z pustą tabelą wyników.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo nie może korzystać z pliku ustawień
%1
(%2).

Zdobyte teraz miejsca zostaną zachowane tylko do zamknięcia gry.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Nie udało się zapisać miejsc zdobytych w tej sesji ani wybranego poziomu do pliku
%1
(%2).

Zostaną one utracone po zamknięciu gry.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Nie udało się zapisać miejsc zdobytych w tej sesji do pliku
%1
(%2).

Zostaną one utracone po zamknięciu gry.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Nie udało się zapisać wybranego poziomu do pliku
%1
(%2).

Zostanie on utracony po zamknięciu gry.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Nie udało się zapisać twojego miejsca do pliku
%1
(%2).

Gra pamięta je, dopóki działa, i spróbuje ponownie przy zamykaniu.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Twój czas jest wśród trzech najlepszych!
Podaj swoje imię.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nikt</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Trzy najlepsze wyniki</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>był zablokowany przez inną kopię gry</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>obok niego nie można utworzyć pliku blokady</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>nie ma oczekiwanego formatu</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>nie ma oczekiwanego formatu i nie można zapisać obok niego jego kopii</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>w jego miejscu znajduje się folder</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>nie można zapisać jego tymczasowej kopii</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>nie można utworzyć jego folderu</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>odczytana zawartość różni się od zapisanej</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Gratulacje! Wygrywasz!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Kliknij Plik – Nowa gra lub naciśnij Ctrl+N, aby zagrać.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Zeile %1, Spalte %2, %3, vorgegeben</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Zeile %1, Spalte %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Zeile %1, Spalte %2, leer</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Spielfeld</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Spielzeit in Minuten und Sekunden</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Möchten Sie wirklich aufgeben?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Aufgeben</translation>
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
        <translation>Füllen Sie die Felder so mit Ziffern, dass jede Zeile, jede Spalte und jedes 3×3-Quadrat alle Ziffern von 1 bis 9 enthält.

Mit den Pfeiltasten oder einem Linksklick wählen Sie ein Feld aus; es erhält einen grünen Rahmen.

Mit den Tasten 1 bis 9 tragen Sie eine Ziffer in das ausgewählte Feld ein.

Mit der Rücktaste löschen Sie die Ziffer im ausgewählten Feld.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Spielanleitung für NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo Version 1.2

Von %1.
E-Mail: %2
Webseite: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>Über Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Hilfsmittel</translation>
    </message>
    <message>
        <source>test</source>
        <translation>testen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Aufgeben</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Spielanleitung</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
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
        <translation>Novemo konnte die Einstellungsdatei
%1
nicht lesen (%2).

Sie wurde als
%3
gesichert, und das Spiel beginnt mit einer leeren Bestenliste.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo kann die Einstellungsdatei
%1
nicht verwenden (%2).

Jetzt errungene Plätze bleiben nur erhalten, solange das Spiel läuft.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo konnte die in dieser Sitzung errungenen Plätze und den Schwierigkeitsgrad nicht in
%1
speichern (%2).

Sie gehen beim Beenden des Spiels verloren.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo konnte die in dieser Sitzung errungenen Plätze nicht in
%1
speichern (%2).

Sie gehen beim Beenden des Spiels verloren.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo konnte den gewählten Schwierigkeitsgrad nicht in
%1
speichern (%2).

Er geht beim Beenden des Spiels verloren.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo konnte Ihren Platz nicht in
%1
speichern (%2).

Das Spiel behält ihn, solange es läuft, und versucht es beim Beenden erneut.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Ihre Zeit gehört zu den drei besten!
Bitte geben Sie Ihren Namen ein.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Niemand</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Die drei besten Zeiten</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>eine andere Kopie des Spiels hielt sie gesperrt</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>daneben kann keine Sperrdatei angelegt werden</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>sie hat nicht das erwartete Format</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>sie hat nicht das erwartete Format, und daneben kann keine Kopie von ihr abgelegt werden</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>an ihrer Stelle befindet sich ein Ordner</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>sie ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>es kann keine Zwischenkopie von ihr geschrieben werden</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>ihr Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>das erneut Gelesene weicht vom Geschriebenen ab</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Herzlichen Glückwunsch! Sie haben gewonnen!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Klicken Sie auf Datei – Neues Spiel oder drücken Sie Strg+N.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Riga %1, colonna %2, %3, cifra iniziale</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Riga %1, colonna %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Riga %1, colonna %2, vuota</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Griglia</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Tempo di gioco in minuti e secondi</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Vuoi davvero abbandonare la partita?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abbandona</translation>
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
        <translation>Riempi la griglia in modo che ogni riga, ogni colonna e ogni riquadro 3 × 3 contenga tutte le cifre da 1 a 9.

Usa i tasti freccia o fai clic con il pulsante sinistro del mouse per attivare una casella: verrà incorniciata di verde.

Premi un tasto da 1 a 9 per inserire quella cifra nella casella attiva.

Premi Backspace per cancellare la cifra dalla casella attiva.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Come si gioca a NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo versione 1.2

Di %1.
E-mail: %2
Sito web: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>Informazioni su Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Utilità</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prova</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abbandona</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Classifica</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>Novemo non è riuscito a leggere il file delle impostazioni
%1
(%2).

È stato conservato con il nome
%3
e il gioco parte con la classifica vuota.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo non può usare il file delle impostazioni
%1
(%2).

I posti conquistati in classifica da ora in poi verranno conservati solo finché il gioco resta aperto.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo non è riuscito a salvare il livello e i posti conquistati in classifica durante questa sessione in
%1
(%2).

Andranno persi alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo non è riuscito a salvare i posti conquistati in classifica durante questa sessione in
%1
(%2).

Andranno persi alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo non è riuscito a salvare il livello scelto in
%1
(%2).

Andrà perso alla chiusura del gioco.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo non è riuscito a salvare il tuo posto in classifica in
%1
(%2).

Il gioco lo conserva finché resta aperto e riprova a salvarlo quando esci.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Il tuo tempo è tra i 3 migliori!
Inserisci il tuo nome.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>I 3 migliori tempi</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>un&apos;altra copia del gioco lo teneva bloccato</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>impossibile creare un file di blocco accanto</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>non è nel formato previsto</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>non è nel formato previsto e non è possibile conservarne una copia accanto</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>al suo posto c&apos;è una cartella</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>impossibile scriverne una copia temporanea</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>impossibile creare la sua cartella</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>il contenuto riletto non corrisponde a quanto scritto</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Complimenti! Hai vinto!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Per giocare ancora: File &gt; Nuova partita o Ctrl+N.</translation>
    </message>
</context>
</TS>

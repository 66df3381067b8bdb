<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Fila %1, columna %2, %3, fijo</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Fila %1, columna %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Fila %1, columna %2, vacía</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Tiempo de juego, minutos y segundos</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>¿Seguro que quieres abandonar la partida?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonar</translation>
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
        <translation>Rellena las casillas con números de forma que cada fila, cada columna y cada cuadro de 3 × 3 contenga todos los números del 1 al 9.

Usa las teclas de flecha o haz clic con el ratón en una casilla para activarla (queda enmarcada en verde).

Pulsa las teclas del 1 al 9 para escribir un número en la casilla activa.

Pulsa Retroceso para borrar el número de la casilla activa.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Cómo jugar a NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo versión 1.2

Por %1.
Correo: %2
Web: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>Acerca de Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Auxiliares</translation>
    </message>
    <message>
        <source>test</source>
        <translation>prueba</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonar</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Mejores tiempos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>Novemo no pudo leer su archivo de configuración
%1
(%2).

Se conservó como
%3
y el juego empieza con la tabla de mejores tiempos vacía.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo no puede usar su archivo de configuración
%1
(%2).

Los puestos que consigas ahora solo se conservarán mientras el juego esté abierto.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo no pudo guardar los puestos conseguidos en esta sesión ni el nivel en
%1
(%2).

Se perderán al cerrar el juego.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo no pudo guardar los puestos conseguidos en esta sesión en
%1
(%2).

Se perderán al cerrar el juego.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo no pudo guardar el nivel elegido en
%1
(%2).

Se perderá al cerrar el juego.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo no pudo guardar tu puesto en
%1
(%2).

El juego lo conserva mientras está abierto y volverá a intentarlo al salir.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>¡Has conseguido uno de los 3 mejores tiempos!
Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nadie</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Los 3 mejores tiempos</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>otra copia del juego lo tenía bloqueado</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>no se puede crear un archivo de bloqueo junto a él</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>no tiene el formato esperado</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>no tiene el formato esperado y no se puede guardar una copia junto a él</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>hay una carpeta en lugar del archivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>no se puede escribir una copia temporal</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>no se puede crear su carpeta</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>lo escrito no coincide al volver a leerlo</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>¡Felicidades! ¡Has ganado!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Para jugar de nuevo, elige Archivo &gt; Nueva partida o pulsa Ctrl+N.</translation>
    </message>
</context>
</TS>

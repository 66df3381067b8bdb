<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Строка %1, столбец %2, %3, исходная</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Строка %1, столбец %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Строка %1, столбец %2, пусто</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Игровое поле</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Время игры в минутах и секундах</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Вы уверены, что хотите сдаться?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Сдаться</translation>
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
        <translation>Заполните клетки цифрами так, чтобы в каждой строке, каждом столбце и каждом квадрате 3 × 3 были все цифры от 1 до 9.

Чтобы выбрать клетку, нажимайте клавиши со стрелками или щёлкните по ней левой кнопкой мыши: выбранная клетка выделяется зелёной рамкой.

Нажимайте клавиши от 1 до 9, чтобы вписать цифру в выбранную клетку.

Чтобы стереть цифру из выбранной клетки, нажмите Backspace.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Как играть в NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo, версия 1.2

Авторы: %1
Эл. почта: %2
Сайт: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>О программе Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Вспомогательное</translation>
    </message>
    <message>
        <source>test</source>
        <translation>тест</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Сдаться</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Рекорды</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
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
        <translation>Не удалось прочитать файл настроек Novemo
%1
(%2).

Он сохранён под именем
%3
и игра начнётся с пустой таблицей рекордов.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Не удаётся использовать файл настроек Novemo
%1
(%2).

Новые рекорды будут храниться только до закрытия игры.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Не удалось сохранить рекорды этого сеанса и выбранный уровень в файл
%1
(%2).

После закрытия игры они будут потеряны.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Не удалось сохранить рекорды этого сеанса в файл
%1
(%2).

После закрытия игры они будут потеряны.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Не удалось сохранить выбранный уровень в файл
%1
(%2).

После закрытия игры он будет потерян.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Не удалось сохранить ваш рекорд в файл
%1
(%2).

Игра запомнит его до закрытия и попробует сохранить снова при выходе.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Вы вошли в тройку лучших!
Введите своё имя.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 — %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Пусто</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Три лучших результата</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>он заблокирован другой копией игры</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>рядом с ним не удаётся создать файл блокировки</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>у него неверный формат</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>у него неверный формат, и рядом с ним не удаётся сохранить его копию</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>на его месте находится папка</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>не удаётся записать его временную копию</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>не удаётся создать его папку</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>записанные данные не совпали при проверке</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Поздравляем! Вы победили!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Для новой игры выберите «Файл» → «Новая игра» или нажмите Ctrl+N.</translation>
    </message>
</context>
</TS>

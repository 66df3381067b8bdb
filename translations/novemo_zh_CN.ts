<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>第 %1 行，第 %2 列，%3，题目给定</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>第 %1 行，第 %2 列，%3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>第 %1 行，第 %2 列，空</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>盘面</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>游戏用时（分钟和秒）</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>确定要放弃吗？</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>放弃</translation>
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
        <translation>在格子中填入数字，使每一行、每一列和每个 3×3 宫都包含 1 到 9 的全部数字。

用方向键或鼠标左键单击选中一个格子，选中的格子会显示绿色边框。

按数字键 1 到 9，在选中的格子中填入数字。

按退格键可删除选中格子中的数字。</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>NOVEMO 玩法说明</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo 版本 1.2

作者：%1
电子邮件：%2
网站：%3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>关于 Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>辅助工具</translation>
    </message>
    <message>
        <source>test</source>
        <translation>测试</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>成绩</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>难度</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>玩法说明</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
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
        <translation>Novemo 无法读取设置文件
%1
（%2）。

该文件已另存为
%3
游戏将以空的成绩表开始。</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo 无法使用设置文件
%1
（%2）。

此后获得的名次仅在游戏运行期间保留。</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo 无法将本次获得的名次和所选难度保存到
%1
（%2）。

游戏关闭后它们将丢失。</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo 无法将本次获得的名次保存到
%1
（%2）。

游戏关闭后它们将丢失。</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo 无法将你选择的难度保存到
%1
（%2）。

游戏关闭后该设置将丢失。</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo 无法将你的名次保存到
%1
（%2）。

游戏运行期间会保留该名次，并在你退出时再次尝试保存。</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>你进入了前三名！
请输入你的名字。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名字</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>暂无</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>前三名</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>另一个正在运行的 Novemo 锁定了该文件</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>无法在其所在位置创建锁文件</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>格式不正确</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>格式不正确，且无法在其所在位置保留副本</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>文件所在位置是一个同名文件夹</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>无法写入临时副本</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>无法创建其所在的文件夹</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>写入的内容无法正确读回</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>恭喜！你赢了！</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>点击“文件”→“新游戏”或按 Ctrl+N 开始新游戏。</translation>
    </message>
</context>
</TS>

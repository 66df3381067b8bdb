<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>%1 行 %2 列、%3、問題の数字</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>%1 行 %2 列、%3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>%1 行 %2 列、空白</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>盤面</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>プレイ時間（分と秒）</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>本当にギブアップしますか？</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>ギブアップ</translation>
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
        <translation>各行、各列、各 3×3 ブロックに 1～9 の数字がすべて入るように、マスを数字で埋めてください。

矢印キーかマウスの左クリックでマスを選ぶと、そのマスが緑の枠で囲まれます。

1～9 のキーを押すと、選んだマスに数字が入ります。

バックスペースキーを押すと、選んだマスの数字が消えます。</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>NOVEMO の遊び方</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo バージョン 1.2

作者: %1
メール: %2
ウェブ: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>Novemo のバージョン情報</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>ヘルパー</translation>
    </message>
    <message>
        <source>test</source>
        <translation>テスト</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>新しいゲーム</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>ギブアップ</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>難易度</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>かんたん</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>遊び方</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
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
        <translation>Novemo の設定ファイルを読み込めませんでした。
%1
（%2）

このファイルは次の名前で残してあります。
%3
スコア表を空にしてゲームを始めます。</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo の設定ファイルを使用できません。
%1
（%2）

今後獲得する順位は、ゲームの実行中だけ保持されます。</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>今回獲得した順位と難易度を次のファイルに保存できませんでした。
%1
（%2）

これらはゲームを終了すると失われます。</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>今回獲得した順位を次のファイルに保存できませんでした。
%1
（%2）

順位はゲームを終了すると失われます。</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>選んだ難易度を次のファイルに保存できませんでした。
%1
（%2）

難易度の設定はゲームを終了すると失われます。</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>獲得した順位を次のファイルに保存できませんでした。
%1
（%2）

ゲームの実行中は順位を保持し、終了時にもう一度保存を試みます。</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>ベスト 3 に入りました！
名前を入力してください。</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1位  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>ベスト 3</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>むずかしい</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>かんたん</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>別に起動している Novemo がファイルをロックしていました</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>同じ場所にロックファイルを作成できません</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>形式が正しくありません</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>形式が正しくなく、同じ場所にコピーを残すこともできません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み込めません</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>ファイルの場所にフォルダーがあります</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>一時ファイルを書き込めません</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>保存先のフォルダーを作成できません</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>書き込んだ内容と読み込んだ内容が一致しません</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>おめでとうございます！&#x3000;クリアしました！</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>新しいゲームは「ファイル」→「新しいゲーム」か Ctrl+N で始めます。</translation>
    </message>
</context>
</TS>

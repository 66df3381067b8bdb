<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Linha %1, coluna %2, %3, fixo</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Linha %1, coluna %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Linha %1, coluna %2, vazia</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Tempo de jogo, minutos e segundos</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Tem certeza de que quer desistir?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Desistir</translation>
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
        <translation>Preencha as casas com números de modo que cada linha, cada coluna e cada quadrado 3 × 3 tenha todos os números de 1 a 9.

Use as setas do teclado ou clique com o botão esquerdo do mouse para ativar uma casa (ela ganha uma moldura verde).

Pressione as teclas de 1 a 9 para preencher a casa ativa com um número.

Pressione Backspace para apagar o número da casa ativa.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Como jogar NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo versão 1.2

Por %1.
E-mail: %2
Site: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>Sobre o Novemo</translation>
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
        <translation>teste</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Desistir</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Melhores tempos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Nível</translation>
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
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
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
        <translation>O Novemo não conseguiu ler o arquivo de configurações
%1
(%2).

Ele foi guardado como
%3
e o jogo começa com a tabela de melhores tempos vazia.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>O Novemo não pode usar o arquivo de configurações
%1
(%2).

As posições conquistadas agora só ficarão guardadas enquanto o jogo estiver aberto.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>O Novemo não conseguiu salvar as posições conquistadas nesta sessão nem o nível em
%1
(%2).

Esses dados serão perdidos quando o jogo for fechado.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>O Novemo não conseguiu salvar as posições conquistadas nesta sessão em
%1
(%2).

Elas serão perdidas quando o jogo for fechado.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>O Novemo não conseguiu salvar o nível escolhido em
%1
(%2).

Ele será perdido quando o jogo for fechado.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>O Novemo não conseguiu salvar a sua posição em
%1
(%2).

O jogo a guarda enquanto estiver aberto e tentará salvar de novo quando você sair.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Você conseguiu um dos 3 melhores tempos!
Digite seu nome.</translation>
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
        <translation>Ninguém</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Os 3 melhores tempos</translation>
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
        <translation>outra cópia do jogo o mantinha bloqueado</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>não é possível criar um arquivo de bloqueio ao lado dele</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>não está no formato esperado</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>não está no formato esperado e não é possível guardar uma cópia ao lado dele</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não é possível lê-lo</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>há uma pasta no lugar do arquivo</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>não é possível gravar uma cópia temporária dele</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>não é possível criar a pasta dele</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>o que foi gravado não confere ao ser lido de novo</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Parabéns! Você venceu!</translation>
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
        <translation>Para jogar de novo, escolha Arquivo &gt; Novo jogo ou pressione Ctrl+N.</translation>
    </message>
</context>
</TS>

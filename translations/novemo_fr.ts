<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>Ligne %1, colonne %2, %3, chiffre de départ</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>Ligne %1, colonne %2, %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>Ligne %1, colonne %2, vide</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>Durée de la partie, en minutes et secondes</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>Voulez-vous vraiment abandonner&#xa0;?</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonner</translation>
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
        <translation>Remplissez la grille de sorte que chaque ligne, chaque colonne et chaque carré de 3 × 3 contienne tous les chiffres de 1 à 9.

Utilisez les touches fléchées ou cliquez avec le bouton gauche de la souris pour activer une case&#xa0;: elle s’entoure de vert.

Appuyez sur une touche de 1 à 9 pour placer ce chiffre dans la case active.

Appuyez sur Retour arrière pour effacer le chiffre de la case active.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>Comment jouer à NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>Novemo version 1.2

Par %1.
Courriel&#xa0;: %2
Site web&#xa0;: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>À propos de Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>Utilitaires</translation>
    </message>
    <message>
        <source>test</source>
        <translation>essai</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Meilleurs temps</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>Niveau</translation>
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
        <translation>Aide</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Novemo n’a pas pu lire son fichier de paramètres
%1
(%2).

Il a été mis de côté sous le nom
%3
et le jeu démarre avec un tableau des meilleurs temps vide.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>Novemo ne peut pas utiliser son fichier de paramètres
%1
(%2).

Les places que vous obtiendrez au classement ne seront conservées que tant que le jeu restera ouvert.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo n’a pas pu enregistrer le niveau et les places obtenues au classement pendant cette session dans
%1
(%2).

Ils seront perdus à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo n’a pas pu enregistrer les places obtenues au classement pendant cette session dans
%1
(%2).

Elles seront perdues à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>Novemo n’a pas pu enregistrer le niveau choisi dans
%1
(%2).

Il sera perdu à la fermeture du jeu.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>Novemo n’a pas pu enregistrer votre place au classement dans
%1
(%2).

Le jeu la garde tant qu’il reste ouvert et réessaiera quand vous quitterez.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>Votre temps fait partie des 3 meilleurs&#xa0;!
Saisissez votre nom.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Personne</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>Les 3 meilleurs temps</translation>
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
        <translation>une autre copie du jeu le verrouillait</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>impossible de créer un fichier de verrouillage à côté</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>il n’est pas au format attendu</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>il n’est pas au format attendu, et il est impossible d’en garder une copie à côté</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>un dossier occupe l’emplacement du fichier</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>impossible d’en écrire une copie temporaire</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>impossible de créer son dossier</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>le contenu relu ne correspond pas à ce qui a été écrit</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>Félicitations&#xa0;! Vous avez gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>Pour rejouer&#xa0;: Fichier &gt; Nouvelle partie ou Ctrl+N.</translation>
    </message>
</context>
</TS>

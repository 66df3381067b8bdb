<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar_EG" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>Row %1, column %2, %3, given</source>
        <extracomment>A cell of the board as a screen reader names it: %1 its row, %2 its column (1 to 9), %3 its digit; a given digit is printed in the puzzle and cannot be changed.</extracomment>
        <translation>الصف %1، العمود %2، %3، رقم مُعطى</translation>
    </message>
    <message>
        <source>Row %1, column %2, %3</source>
        <translation>الصف %1، العمود %2، %3</translation>
    </message>
    <message>
        <source>Row %1, column %2, empty</source>
        <translation>الصف %1، العمود %2، فارغة</translation>
    </message>
    <message>
        <source>Board</source>
        <extracomment>The Sudoku grid, as a screen reader names it.</extracomment>
        <translation>لوحة اللعب</translation>
    </message>
    <message>
        <source>Game time, minutes and seconds</source>
        <translation>وقت اللعب بالدقائق والثواني</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Are yuo sure you want to give up?</source>
        <translation>هل أنت متأكد من رغبتك في الاستسلام؟</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>استسلام</translation>
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
        <translation>املأ الخانات بالأرقام بحيث يحتوي كل صف وكل عمود وكل مربع 3 × 3 على جميع الأرقام من 1 إلى 9.

لتحديد خانة، استخدم مفاتيح الأسهم أو انقر عليها بزر الفأرة الأيسر، فيظهر حولها إطار أخضر.

اضغط المفاتيح من 1 إلى 9 لكتابة رقم في الخانة المحددة.

اضغط مفتاح Backspace لمسح الرقم من الخانة المحددة.</translation>
    </message>
    <message>
        <source>How to play NOVEMO</source>
        <translation>طريقة لعب NOVEMO</translation>
    </message>
    <message>
        <source>Novemo Ver. 1.2

By %1.
email %2
web %3</source>
        <extracomment>%1 the authors, %2 an email address, %3 a web address.</extracomment>
        <translation>لعبة Novemo، الإصدار 1.2

تطوير: %1
البريد الإلكتروني: %2
الموقع: %3</translation>
    </message>
    <message>
        <source>About Novemo</source>
        <translation>حول Novemo</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>Helpers</source>
        <extracomment>A hidden menu of test commands; players never see it or its item &quot;test&quot;.</extracomment>
        <translation>أدوات مساعدة</translation>
    </message>
    <message>
        <source>test</source>
        <translation>اختبار</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ملف</translation>
    </message>
    <message>
        <source>New Game</source>
        <translation>لعبة جديدة</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>استسلام</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>أفضل النتائج</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>خروج</translation>
    </message>
    <message>
        <source>Level</source>
        <extracomment>The menu that chooses how hard the puzzles are: Easy or Difficult.</extracomment>
        <translation>المستوى</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>مساعدة</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>طريقة اللعب</translation>
    </message>
    <message>
        <source>About</source>
        <translation>حول</translation>
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
        <translation>تعذّرت قراءة ملف إعدادات Novemo
%1
(%2).

وقد حُفظ باسم
%3
وستبدأ اللعبة بجدول نتائج فارغ.</translation>
    </message>
    <message>
        <source>Novemo cannot use its settings file
%1
(%2).

Places won now are kept only while the game runs.</source>
        <extracomment>%1 is a file path; %2 says what is wrong with the file.</extracomment>
        <translation>يتعذّر استخدام ملف إعدادات Novemo
%1
(%2).

لن تُحفظ المراكز التي تحرزها الآن إلا ما دامت اللعبة مفتوحة.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session and the level to
%1
(%2).

They are lost as the game closes.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>تعذّر حفظ المستوى والمراكز التي أحرزتها في هذه الجلسة في الملف
%1
(%2).

ستُفقد عند إغلاق اللعبة.</translation>
    </message>
    <message>
        <source>Novemo could not save the places won in this session to
%1
(%2).

They are lost as the game closes.</source>
        <translation>تعذّر حفظ المراكز التي أحرزتها في هذه الجلسة في الملف
%1
(%2).

ستُفقد عند إغلاق اللعبة.</translation>
    </message>
    <message>
        <source>Novemo could not save the level you chose to
%1
(%2).

They are lost as the game closes.</source>
        <translation>تعذّر حفظ المستوى الذي اخترته في الملف
%1
(%2).

سيُفقد عند إغلاق اللعبة.</translation>
    </message>
    <message>
        <source>Novemo could not save your place to
%1
(%2).

The game keeps it while it runs and tries again when you quit.</source>
        <extracomment>%1 is a file path; %2 says why it could not be written.</extracomment>
        <translation>تعذّر حفظ مركزك في الملف
%1
(%2).

ستحتفظ به اللعبة ما دامت مفتوحة، وستحاول حفظه مجددًا عند الخروج.</translation>
    </message>
    <message>
        <source>You have reached the top 3 Scores
Please enter your name.</source>
        <translation>لقد دخلت قائمة أفضل ثلاث نتائج!
من فضلك أدخل اسمك.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>الاسم</translation>
    </message>
    <message>
        <source>  %1.  %2 - %3</source>
        <extracomment>One place of the table: %1 the place (1 to 3), %2 the player&apos;s name, %3 the time.</extracomment>
        <translation>  %1.  %2 - %3</translation>
    </message>
    <message>
        <source>None</source>
        <translation>لا أحد</translation>
    </message>
    <message>
        <source>Top 3 Scores</source>
        <translation>أفضل ثلاث نتائج</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>صعب</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>سهل</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>another copy of the game kept it locked</source>
        <translation>نسخة أخرى من اللعبة أبقته مقفلًا</translation>
    </message>
    <message>
        <source>no lock file can be made beside it</source>
        <translation>يتعذّر إنشاء ملف قفل بجانبه</translation>
    </message>
    <message>
        <source>it is not in the expected format</source>
        <translation>ليس بالتنسيق المتوقّع</translation>
    </message>
    <message>
        <source>it is not in the expected format, and it cannot be kept beside itself</source>
        <translation>ليس بالتنسيق المتوقّع، ويتعذّر حفظ نسخة منه بجانبه</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>تتعذّر قراءته</translation>
    </message>
    <message>
        <source>a folder stands where the file belongs</source>
        <translation>يوجد مجلد في مكان الملف</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ليس ملفًا عاديًا</translation>
    </message>
    <message>
        <source>no private copy of it can be written</source>
        <translation>تتعذّر كتابة نسخة مؤقتة منه</translation>
    </message>
    <message>
        <source>its folder cannot be created</source>
        <translation>يتعذّر إنشاء مجلده</translation>
    </message>
    <message>
        <source>what was written does not read back</source>
        <translation>ما قُرئ منه بعد الحفظ لا يطابق ما كُتب</translation>
    </message>
</context>
<context>
    <name>Win</name>
    <message>
        <source>Congratulations!!   You won!!</source>
        <translation>تهانينا! لقد فزت!</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>النتيجة</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>Click on File- New Game or press Cltr+N for new game.</source>
        <extracomment>Shown where the board was once a game has ended. &quot;File&quot; and &quot;New Game&quot; name the menu and its item; write the shortcut as the menus show it.</extracomment>
        <translation>لبدء لعبة جديدة، اختر «ملف» ← «لعبة جديدة» أو اضغط Ctrl+N.</translation>
    </message>
</context>
</TS>

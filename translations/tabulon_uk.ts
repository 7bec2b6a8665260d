<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>У тебе новий рекорд</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Твій час дорівнює рекорду</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Введи своє імʼя</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Не вдалося зберегти рекорд.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <source>%1 ( %2 sec )</source>
        <translation>%1 ( %2 с )</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Таблиця на %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Уся таблиця (від 1 до 9)</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Рекорди</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунди</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Запитання</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Таблиця множення</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Як грати</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Під час гри клавіші 1, 2 і 3 відповідають, а клавіша 0 називає запитання, правильні й неправильні відповіді та час</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Показує найкращий час кожної таблиці</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Закриває гру</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Якою була остання відповідь</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Починає гру з обраною таблицею або зупиняє поточну</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Обери таблицю, потім натисни Старт</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Клавіша %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 помножити на %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Правильно</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Правильні відповіді: %1 з %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Помилки: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Час: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Неправильно, спробуй ще раз</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Гру завершено. Час: %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Показує, хто створив %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Переповнення</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Недостатньо пам&apos;яті</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Внутрішня помилка</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Помилка, визначена програмою або об&apos;єктом</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Помилка виконання &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Не вдається прочитати %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 завеликий для файлу рекордів.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Не вдається зробити робочу копію в %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Інша копія гри тримала %1 заблокованим.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Не вдається створити файл блокування %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Не вдається створити теку %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Не вдається записати %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрити</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Безкоштовно</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Логотип автора</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Клік відкриває вебсторінку програми</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Про гру %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Обери таблицю</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Кожна таблиця — це 20 запитань.
Уся таблиця (від 1 до 9) — це 50 запитань.

Кожна неправильна відповідь додає 1 секунду до часу.

Обери таблицю вгорі й натисни кнопку Старт унизу.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Час: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 с</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Запитання: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 з 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Помилки:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Натисни правильну відповідь</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Старт</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Рекорди</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Про гру</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Вихід</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(обери таблицю)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>від 1 до 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Обери таблицю у списку вгорі й натисни Старт.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Стоп</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 з %2</translation>
    </message>
</context>
</TS>

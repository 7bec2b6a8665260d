<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Je hebt een nieuw record gehaald</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Je hebt het record geëvenaard</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Typ je naam</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Het record kon niet worden opgeslagen.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <source>%1 ( %2 sec )</source>
        <translation>%1 ( %2 sec )</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>Tafel van %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Alle tafels van 1 t/m 9</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Records</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tafel</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Tijdens een spel geven de toetsen 1, 2 en 3 antwoord, en toets 0 zegt de som, de goede en foute antwoorden en de tijd</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Toont de beste tijd van elke tafel</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Sluit het spel af</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Hoe het laatste antwoord was</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Start een ronde met de gekozen tafel, of stopt de ronde die bezig is</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Kies een tafel en druk dan op Start</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Toets %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 keer %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Goede antwoorden: %1 van %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Fouten: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Tijd: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Fout, probeer het nog eens</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Ronde klaar in %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Toont wie %1 heeft gemaakt</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Overloop</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interne fout</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Door toepassing of object gedefinieerde fout</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Fout tijdens uitvoering &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Kan %1 niet lezen: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 is te groot voor een recordbestand.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Kan geen werkkopie maken in %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Een andere kopie van het spel hield %1 vergrendeld.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Kan het vergrendelingsbestand %1 niet maken.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Kan de map %1 niet maken.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Kan %1 niet schrijven: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Sluiten</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Gratis</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logo van de maker</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Met een klik open je de webpagina van het programma</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Over %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Kies een tafel</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Bij elke tafel krijg je 20 sommen.
Bij alle tafels samen (1 t/m 9) krijg je 50 sommen.

Voor elk fout antwoord komt er 1 seconde bij je tijd.

Kies hierboven een tafel en klik hieronder op Start.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Tijd: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 sec</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Som: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 van 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Fouten:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Klik op het goede antwoord</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Records</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(kies een tafel)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 t/m 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Kies een tafel uit de lijst hierboven en klik op Start.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 sec</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Du hast eine neue Bestzeit aufgestellt</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Du hast die Bestzeit erreicht</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Die Bestzeit konnte nicht gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>HighScoreListing</name>
    <message>
        <source>%1 ( %2 sec )</source>
        <translation>%1 ( %2 s )</translation>
    </message>
    <message>
        <source>Table %1</source>
        <translation>%1er-Reihe</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Alle Reihen (1 bis 9)</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Bestzeiten</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Aufgabe</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Einmaleins-Reihe</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>Während eines Spiels antworten die Tasten 1, 2 und 3, und die Taste 0 sagt die Aufgabe, die richtigen und falschen Antworten und die Zeit</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Zeigt die Bestzeit jeder Reihe</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Beendet das Spiel</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Wie die letzte Antwort war</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Startet ein Quiz mit der gewählten Reihe oder stoppt das laufende</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Wähle eine Reihe und drücke dann auf Start</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Taste %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 mal %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Richtige Antworten: %1 von %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Fehler: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Zeit: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Falsch, versuch es noch mal</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Quiz geschafft in %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Zeigt, wer %1 gemacht hat</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Anwendungs- oder objektdefinierter Fehler</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Laufzeitfehler &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 ist zu groß für eine Bestzeiten-Datei.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>In %1 kann keine Arbeitskopie angelegt werden.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Eine andere Kopie des Spiels hielt %1 gesperrt.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Die Sperrdatei %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Der Ordner %1 kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>%1 kann nicht geschrieben werden: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Freeware</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logo des Herstellers</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Ein Klick öffnet die Webseite des Programms</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Wähle eine Reihe</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Bei jeder Reihe bekommst du 20 Aufgaben.
Bei allen Reihen (1 bis 9) bekommst du 50 Aufgaben.

Jede falsche Antwort macht deine Zeit 1 Sekunde länger.

Wähle oben eine Reihe und klicke unten auf Start.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Zeit: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 s</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Aufgabe: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 von 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Fehler:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Klicke auf die richtige Antwort</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Bestzeiten</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(Reihe wählen)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>1 bis 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Wähle oben in der Liste eine Reihe und klicke auf Start.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
</context>
</TS>

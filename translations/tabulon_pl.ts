<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>HighScoreCheck</name>
    <message>
        <source>You have created a new High score</source>
        <translation>Masz nowy rekord</translation>
    </message>
    <message>
        <source>You have equaled with the High score</source>
        <translation>Twój czas jest równy rekordowi</translation>
    </message>
    <message>
        <source>Enter Your Name</source>
        <translation>Wpisz swoje imię</translation>
    </message>
    <message>
        <source>The high score could not be saved.</source>
        <translation>Nie udało się zapisać rekordu.</translation>
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
        <translation>Mnożenie przez %1</translation>
    </message>
    <message>
        <source>Table 1 to 9</source>
        <translation>Cała tabliczka (od 1 do 9)</translation>
    </message>
    <message>
        <source>%1 - High Scores</source>
        <translation>%1 - Rekordy</translation>
    </message>
</context>
<context>
    <name>QuizAnnouncer</name>
    <message numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n sekunda</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message>
        <source>Question</source>
        <translation>Pytanie</translation>
    </message>
    <message>
        <source>Multiplication table</source>
        <translation>Tabliczka mnożenia</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>During a quiz, keys 1, 2 and 3 answer, and key 0 tells the question, the right and wrong answers and the time</source>
        <translation>W czasie gry klawisze 1, 2 i 3 odpowiadają, a klawisz 0 podaje pytanie, dobre i złe odpowiedzi oraz czas</translation>
    </message>
    <message>
        <source>Shows the best time of each table</source>
        <translation>Pokazuje najlepszy czas każdej tabliczki</translation>
    </message>
    <message>
        <source>Ends the game</source>
        <translation>Kończy grę</translation>
    </message>
    <message>
        <source>How the last answer was</source>
        <translation>Jaka była ostatnia odpowiedź</translation>
    </message>
    <message>
        <source>Starts a quiz with the chosen table, or stops the one running</source>
        <translation>Zaczyna rundę z wybraną tabliczką albo zatrzymuje trwającą</translation>
    </message>
    <message>
        <source>Choose a table, then press Start</source>
        <translation>Wybierz tabliczkę, potem naciśnij Start</translation>
    </message>
    <message>
        <source>Key %1</source>
        <translation>Klawisz %1</translation>
    </message>
    <message>
        <source>%1 times %2</source>
        <translation>%1 razy %2</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dobrze</translation>
    </message>
    <message>
        <source>Right answers: %1 of %2</source>
        <translation>Dobre odpowiedzi: %1 z %2</translation>
    </message>
    <message>
        <source>Wrong answers: %1</source>
        <translation>Błędy: %1</translation>
    </message>
    <message>
        <source>Time taken: %1</source>
        <translation>Czas: %1</translation>
    </message>
    <message>
        <source>Wrong, try again</source>
        <translation>Źle, spróbuj jeszcze raz</translation>
    </message>
    <message>
        <source>Quiz finished in %1</source>
        <translation>Koniec rundy. Czas: %1</translation>
    </message>
    <message>
        <source>Shows who made %1</source>
        <translation>Pokazuje, kto stworzył %1</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Overflow</source>
        <translation>Przepełnienie</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Brak pamięci</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Błąd wewnętrzny</translation>
    </message>
    <message>
        <source>Application-defined or object-defined error</source>
        <translation>Błąd zdefiniowany przez aplikację lub obiekt</translation>
    </message>
    <message>
        <source>Run-time error &apos;%1&apos;:

%2</source>
        <translation>Błąd wykonania &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>Nie można odczytać %1: %2.</translation>
    </message>
    <message>
        <source>%1 is too large to be a high-score file.</source>
        <translation>%1 jest za duży jak na plik rekordów.</translation>
    </message>
    <message>
        <source>Cannot make a working copy in %1.</source>
        <translation>Nie można utworzyć kopii roboczej w %1.</translation>
    </message>
    <message>
        <source>Another copy of the game kept %1 locked.</source>
        <translation>Inna kopia gry trzymała zablokowany plik %1.</translation>
    </message>
    <message>
        <source>Cannot create the lock file %1.</source>
        <translation>Nie można utworzyć pliku blokady %1.</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>Nie można utworzyć folderu %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2.</source>
        <translation>Nie można zapisać %1: %2.</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Freeware</source>
        <translation>Darmowy</translation>
    </message>
    <message>
        <source>Maker&apos;s logo</source>
        <translation>Logo twórcy</translation>
    </message>
    <message>
        <source>A click opens the product&apos;s web page</source>
        <translation>Kliknięcie otwiera stronę programu</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
    </message>
</context>
<context>
    <name>frmMultiiplication</name>
    <message>
        <source>Choose Multiplication Table</source>
        <translation>Wybierz tabliczkę</translation>
    </message>
    <message>
        <source>20 questions will be asked for each number table.
50 questions will be asked for full table (1 to 9).

For each wrong answer 1 second will be added to Time Taken.

Select the table above and click the start button below.
</source>
        <translation>Każda tabliczka to 20 pytań.
Wszystkie tabliczki (od 1 do 9) to 50 pytań.

Każda zła odpowiedź dodaje 1 sekundę do twojego czasu.

Wybierz tabliczkę powyżej i kliknij przycisk Start poniżej.
</translation>
    </message>
    <message>
        <source>Time Taken : </source>
        <translation>Czas: </translation>
    </message>
    <message>
        <source>99 secs</source>
        <translation>99 s</translation>
    </message>
    <message>
        <source>No of Questions : </source>
        <translation>Pytanie: </translation>
    </message>
    <message>
        <source>1 of 20</source>
        <translation>1 z 20</translation>
    </message>
    <message>
        <source>Wrong Answers :</source>
        <translation>Błędy:</translation>
    </message>
    <message>
        <source>Click on the correct answer</source>
        <translation>Kliknij dobrą odpowiedź</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;High Score</source>
        <translation>&amp;Rekordy</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O grze</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Wyjście</translation>
    </message>
    <message>
        <source>(select table)</source>
        <translation>(wybierz tabliczkę)</translation>
    </message>
    <message>
        <source>1 to 9</source>
        <translation>od 1 do 9</translation>
    </message>
    <message>
        <source>Select a table from the above list and click start</source>
        <translation>Wybierz tabliczkę z listy powyżej i kliknij Start.</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stop</translation>
    </message>
    <message>
        <source>%1 sec</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
</context>
</TS>
